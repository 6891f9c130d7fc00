// The About window's warning in its three languages, five lines each (split
// at the newlines) as the pictures show them. The asset generator paints
// these lines; the window gives them to screen readers as the pictures'
// descriptions.
#pragma once

namespace velkorn {

inline constexpr const char* kWarningEnglish = "Warning: this program is protected by\n"
                                               "copyright law. No part of it may be copied,\n"
                                               "modified or reproduced for commercial\n"
                                               "purposes, or sold, without the written\n"
                                               "permission of the Velkorn Calculator team.";

inline constexpr const char* kWarningBengali = "সতর্কতা: এই প্রোগ্রামটি কপিরাইট আইন দ্বারা\n"
                                               "সুরক্ষিত। Velkorn Calculator দলের লিখিত\n"
                                               "অনুমতি ছাড়া এর কোনো অংশ বাণিজ্যিক উদ্দেশ্যে\n"
                                               "অনুলিপি, পরিবর্তন বা পুনরুৎপাদন করা যাবে না,\n"
                                               "এবং এটি বিক্রি করা যাবে না।";

inline constexpr const char* kWarningChinese = "警告：本程序受版权法保护。\n"
                                               "未经 Velkorn Calculator 团队书面\n"
                                               "许可，不得以商业目的复制、修改\n"
                                               "或翻印本程序的任何部分，也不得\n"
                                               "出售本程序。";

} // namespace velkorn
