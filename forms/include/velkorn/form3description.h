// The About window's layout as data: what each front end builds for Form3.
#pragma once

#include "velkorn/formdescription.h"

namespace velkorn {

const FormDescription& form3Description();

// The controls the presenters name (see form1).
namespace form3 {
inline constexpr std::string_view kClose = "Label1";
inline constexpr std::string_view kEnglish = "Label3";
inline constexpr std::string_view kBengali = "Label4";
inline constexpr std::string_view kChinese = "Label5";
inline constexpr std::string_view kBengaliWarning = "Image1";
inline constexpr std::string_view kChineseWarning = "Image2";
// The English warning's text, for screen readers: the picture shows it.
inline constexpr std::string_view kEnglishWarning = "Warning";
} // namespace form3

} // namespace velkorn
