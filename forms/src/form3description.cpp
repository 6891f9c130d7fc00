#include "velkorn/form3description.h"

#include "closelabel.h"
#include "velkorn/aboutwarning.h"
#include "velkorn/cardtexts.h"

#include <array>

namespace velkorn {
namespace {

constexpr Rgb kLanguageButton{128, 0, 0};

constexpr ControlDescription languageLabel(std::string_view name, const char* caption, int top,
                                           const char* toolTip) {
    return {.name = name,
            .kind = ControlKind::Label,
            .left = 3720,
            .top = top,
            .width = 615,
            .height = 255,
            .caption = caption,
            .textRole = TextRole::StripText,
            .toolTip = toolTip,
            .background = kLanguageButton,
            .clicks = true,
            .choice = true};
}

// Named by what it says, in its language, as the English paragraph it
// covers is.
constexpr ControlDescription warningPicture(std::string_view name, int left, int top,
                                            const char* picture, const char* description,
                                            const char* language, const char* text) {
    return {.name = name,
            .kind = ControlKind::Picture,
            .left = left,
            .top = top,
            .width = 3540,
            .height = 1170,
            .picture = picture,
            .accessibleName = text,
            .accessibleDescription = description,
            .language = language};
}

// Front to back, in the order the window lists them; of the controls that
// are seen, only the two warning pictures overlap, and they are never shown
// together. The English warning's text lies under them.
constexpr std::array kControls{
    ControlDescription{.name = "Label2",
                       .kind = ControlKind::Label,
                       .left = 3720,
                       .top = 3800,
                       .width = 495,
                       .height = 210,
                       .caption = "LS",
                       .toolTip = "Language Select"},
    warningPicture(form3::kChineseWarning, 0, 4100, "warning-chinese.jpg", "Warning in Chinese",
                   "zh-Hans", kWarningChinese),
    warningPicture(form3::kBengaliWarning, 120, 4080, "warning-bengali.jpg", "Warning in Bengali",
                   "bn", kWarningBengali),
    languageLabel(form3::kChinese, "Chinese", 4800, "Chinese Language"),
    languageLabel(form3::kBengali, "Bengali", 4440, "Bengali Language"),
    languageLabel(form3::kEnglish, "English", 4080, "English Language"),
    closeLabel(form3::kClose, 4200, "Close"),
    // The picture's texts, behind everything, bottom first (see Form2).
    pictureText(form3::kEnglishWarning, kWarningEnglish, 11, 276, 218, 62),
    pictureText("Rights", kAboutRights, 7, 201, 280, 48),
    pictureText("Product", kAboutProduct, 7, 137, 280, 45),
    pictureText("Credit", kAboutCredit, 7, 67, 280, 50),
    pictureText("Heading", kAboutHeading, 7, 43, 280, 15),
};

// The card's text top down, the warning in the language shown, then the
// language heading with its three choices, and the close label last.
constexpr std::string_view kReadingOrder[] = {
    "Heading", "Credit", "Product", "Rights", "Warning", "Image1",
    "Image2",  "Label2", "Label3",  "Label4", "Label5",  "Label1",
};

// The languages by their initials, the close label by Escape.
constexpr ShortcutDescription kShortcuts[] = {
    {form3::kEnglish, {letterKey('E'), Alt}},
    {form3::kBengali, {letterKey('B'), Alt}},
    {form3::kChinese, {letterKey('C'), Alt}},
    {form3::kClose, {Key::Escape}},
};

constexpr FormDescription kForm3{
    .name = "Form3",
    .caption = "About",
    .clientWidth = 4500,
    .clientHeight = 5370,
    .background = "form3-background.jpg",
    .icon = "about.ico",
    .controls = kControls,
    .readingOrder = kReadingOrder,
    .shortcuts = kShortcuts,
};

} // namespace

const FormDescription& form3Description() {
    return kForm3;
}

} // namespace velkorn
