#include "velkorn/form1description.h"

#include "closelabel.h"

#include "velkorn/calculator_engine.h"

#include <array>

namespace velkorn {
namespace {

using enum ControlKind;

constexpr int kFace = 480; // picture buttons are 32 x 32 pixels

constexpr ControlDescription box(BoxId id, int left, int top, const char* accessible) {
    return {.name = boxName(id),
            .kind = TextBox,
            .left = left,
            .top = top,
            .width = 1935,
            .height = 375,
            .pointSize = 9.75,
            .accessibleName = accessible};
}

constexpr ControlDescription label(const char* name, const char* caption, int left, int top,
                                   int width, int height, const char* toolTip,
                                   double pointSize = 8.25) {
    return {.name = name,
            .kind = Label,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .caption = caption,
            .pointSize = pointSize,
            .toolTip = toolTip};
}

// Named by what they show: a name that changed with every second would
// flood screen readers; the time and the date are their text.
constexpr ControlDescription clockLabel(std::string_view name, int top, const char* accessible,
                                        const char* description, bool clicks) {
    return {.name = name,
            .kind = Label,
            .left = 3000,
            .top = top,
            .width = 1095,
            .height = 255,
            .alignment = Alignment::Centre,
            .accessibleName = accessible,
            .accessibleDescription = description,
            .clicks = clicks};
}

constexpr ControlDescription button(const char* name, int left, int top, const char* face,
                                    const char* toolTip, const char* description = nullptr) {
    return {.name = name,
            .kind = Picture,
            .left = left,
            .top = top,
            .width = kFace,
            .height = kFace,
            .picture = face,
            .toolTip = toolTip,
            .accessibleDescription = description,
            .clicks = true};
}

#define VELKORN_FACE(name) "face-" name ".jpg"

// The two keypads' keys have the same faces; screen readers tell them apart
// by their descriptions.
constexpr const char* kFirstKeypad = "First keypad, Input 1";
constexpr const char* kSecondKeypad = "Second keypad, Input 2";

// Front to back.
constexpr std::array kControls{
    box(BoxId::Text3, 2400, 1440, "Output"),
    box(BoxId::Text2, 2400, 960, "Input 2"),
    box(BoxId::Text1, 160, 960, "Input 1"),
    clockLabel(form1::kTime, 4920, "Time", "Current time", true),
    clockLabel(form1::kDate, 4560, "Date", "Current date", false),
    label("Label10", "Time:", 2700, 4920, 375, 255, nullptr),
    label("Label9", "Date:", 2700, 4560, 375, 255, nullptr),
    button("Image27", 3300, 3840, VELKORN_FACE("help"), "Help"),
    button("Image26", 2700, 3840, VELKORN_FACE("about"), "About"),
    label("Label8", "VOB", 2700, 3600, 735, 255, "Velkorn Other Button"),
    label("Label7", "VAOB", 2700, 1995, 735, 255, "Velkorn Arithmetic Operator Board"),
    label("Label6", "VOSB 2", 1320, 1995, 855, 255, "Velkorn On Screen Keyboard 2"),
    label("Label5", "VOSB 1", 120, 1995, 1095, 255, "Velkorn On Screen Keyboard 1"),
    button("Image20", 1920, 4680, VELKORN_FACE("0"), "0", kSecondKeypad),
    button("Image10", 720, 4680, VELKORN_FACE("0"), "0", kFirstKeypad),
    label("Label4", "Input 2", 2400, 645, 735, 255, "Input 2", 9.75),
    label("Label3", "Input 1", 160, 645, 855, 375, "Input 1", 9.75),
    button("Image25", 3300, 2880, VELKORN_FACE("clear"), "Clear"),
    button("Image24", 2700, 2880, VELKORN_FACE("divide"), "Division"),
    button("Image23", 3900, 2280, VELKORN_FACE("times"), "Multiplication"),
    button("Image22", 3300, 2280, VELKORN_FACE("minus"), "Minus"),
    button("Image21", 2700, 2280, VELKORN_FACE("plus"), "Plus"),
    button("Image19", 1320, 4680, VELKORN_FACE("9"), "9", kSecondKeypad),
    button("Image18", 1920, 4080, VELKORN_FACE("8"), "8", kSecondKeypad),
    button("Image17", 1320, 4080, VELKORN_FACE("7"), "7", kSecondKeypad),
    button("Image16", 1920, 3480, VELKORN_FACE("6"), "6", kSecondKeypad),
    button("Image15", 1320, 3480, VELKORN_FACE("5"), "5", kSecondKeypad),
    button("Image14", 1920, 2880, VELKORN_FACE("4"), "4", kSecondKeypad),
    button("Image13", 1320, 2880, VELKORN_FACE("3"), "3", kSecondKeypad),
    button("Image12", 1920, 2280, VELKORN_FACE("2"), "2", kSecondKeypad),
    button("Image11", 1320, 2280, VELKORN_FACE("1"), "1", kSecondKeypad),
    button("Image9", 120, 4680, VELKORN_FACE("9"), "9", kFirstKeypad),
    button("Image8", 720, 4080, VELKORN_FACE("8"), "8", kFirstKeypad),
    button("Image7", 120, 4080, VELKORN_FACE("7"), "7", kFirstKeypad),
    button("Image6", 720, 3480, VELKORN_FACE("6"), "6", kFirstKeypad),
    button("Image5", 120, 3480, VELKORN_FACE("5"), "5", kFirstKeypad),
    button("Image4", 720, 2880, VELKORN_FACE("4"), "4", kFirstKeypad),
    button("Image3", 120, 2880, VELKORN_FACE("3"), "3", kFirstKeypad),
    button("Image2", 720, 2280, VELKORN_FACE("2"), "2", kFirstKeypad),
    button("Image1", 120, 2280, VELKORN_FACE("1"), "1", kFirstKeypad),
    closeLabel("Label2", 4080, "Exit Application"),
    label("Label1", "Output", 1700, 1500, 615, 360, "Output", 9.75),
};

#undef VELKORN_FACE

// Row by row, keypad by keypad: the boxes with their labels, the first
// keypad's keys 1 2 / 3 4 / ... / 9 0, the second's, the operators, the
// other buttons, the clock, and the exit label last.
constexpr std::string_view kReadingOrder[] = {
    "Label3",  "Text1",   "Label4",  "Text2",   "Label1",  "Text3",   "Label5",  "Image1",
    "Image2",  "Image3",  "Image4",  "Image5",  "Image6",  "Image7",  "Image8",  "Image9",
    "Image10", "Label6",  "Image11", "Image12", "Image13", "Image14", "Image15", "Image16",
    "Image17", "Image18", "Image19", "Image20", "Label7",  "Image21", "Image22", "Image23",
    "Image24", "Image25", "Label8",  "Image26", "Image27", "Label9",  form1::kDate, "Label10",
    form1::kTime, "Label2",
};

// Alt and a letter of the action's name, as access keys are on both
// platforms: never text a box takes, nor a key the box or the system has.
constexpr ShortcutDescription kShortcuts[] = {
    {"Image21", {letterKey('P'), Alt}}, // Plus
    {"Image22", {letterKey('M'), Alt}}, // Minus
    {"Image23", {letterKey('T'), Alt}}, // Multiplication ("times")
    {"Image24", {letterKey('D'), Alt}}, // Division
    {"Image25", {letterKey('C'), Alt}}, // Clear
    {"Image26", {letterKey('A'), Alt}}, // About
    {"Image27", {Key::F1}},             // Help
    {"Label2", {letterKey('X'), Alt}},  // Exit Application
};

constexpr FormDescription kForm1{
    .name = "Form1",
    .caption = "Velkorn Calculator",
    .clientWidth = 4470,
    .clientHeight = 5355,
    .background = "form1-background.jpg",
    .icon = "velkorn-calculator.ico",
    .controls = kControls,
    .readingOrder = kReadingOrder,
    .shortcuts = kShortcuts,
};

} // namespace

const FormDescription& form1Description() {
    return kForm1;
}

} // namespace velkorn
