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

constexpr ControlDescription clockLabel(const char* name, int top, const char* description) {
    return {.name = name,
            .kind = Label,
            .left = 3000,
            .top = top,
            .width = 1095,
            .height = 255,
            .alignment = Alignment::Centre,
            .accessibleDescription = description};
}

constexpr ControlDescription button(const char* name, int left, int top, const char* face,
                                    const char* toolTip) {
    return {.name = name,
            .kind = Picture,
            .left = left,
            .top = top,
            .width = kFace,
            .height = kFace,
            .picture = face,
            .toolTip = toolTip};
}

#define VELKORN_FACE(name) "face-" name ".jpg"

// Front to back.
constexpr std::array kControls{
    box(BoxId::Text3, 2400, 1440, "Output"),
    box(BoxId::Text2, 2400, 960, "Input 2"),
    box(BoxId::Text1, 160, 960, "Input 1"),
    clockLabel("Label12", 4920, "Current time"),
    clockLabel("Label11", 4560, "Current date"),
    label("Label10", "Time:", 2700, 4920, 375, 255, nullptr),
    label("Label9", "Date:", 2700, 4560, 375, 255, nullptr),
    button("Image27", 3300, 3840, VELKORN_FACE("help"), "Help"),
    button("Image26", 2700, 3840, VELKORN_FACE("about"), "About"),
    label("Label8", "VOB", 2700, 3600, 735, 255, "Velkorn Other Button"),
    label("Label7", "VAOB", 2700, 1995, 735, 255, "Velkorn Arithmetic Operator Board"),
    label("Label6", "VOSB 2", 1320, 1995, 855, 255, "Velkorn On Screen Keyboard 2"),
    label("Label5", "VOSB 1", 120, 1995, 1095, 255, "Velkorn On Screen Keyboard 1"),
    button("Image20", 1920, 4680, VELKORN_FACE("0"), "0"),
    button("Image10", 720, 4680, VELKORN_FACE("0"), "0"),
    label("Label4", "Input 2", 2400, 645, 735, 255, "Input 2", 9.75),
    label("Label3", "Input 1", 160, 645, 855, 375, "Input 1", 9.75),
    button("Image25", 3300, 2880, VELKORN_FACE("clear"), "Clear"),
    button("Image24", 2700, 2880, VELKORN_FACE("divide"), "Division"),
    button("Image23", 3900, 2280, VELKORN_FACE("times"), "Multiplication"),
    button("Image22", 3300, 2280, VELKORN_FACE("minus"), "Minus"),
    button("Image21", 2700, 2280, VELKORN_FACE("plus"), "Plus"),
    button("Image19", 1320, 4680, VELKORN_FACE("9"), "9"),
    button("Image18", 1920, 4080, VELKORN_FACE("8"), "8"),
    button("Image17", 1320, 4080, VELKORN_FACE("7"), "7"),
    button("Image16", 1920, 3480, VELKORN_FACE("6"), "6"),
    button("Image15", 1320, 3480, VELKORN_FACE("5"), "5"),
    button("Image14", 1920, 2880, VELKORN_FACE("4"), "4"),
    button("Image13", 1320, 2880, VELKORN_FACE("3"), "3"),
    button("Image12", 1920, 2280, VELKORN_FACE("2"), "2"),
    button("Image11", 1320, 2280, VELKORN_FACE("1"), "1"),
    button("Image9", 120, 4680, VELKORN_FACE("9"), "9"),
    button("Image8", 720, 4080, VELKORN_FACE("8"), "8"),
    button("Image7", 120, 4080, VELKORN_FACE("7"), "7"),
    button("Image6", 720, 3480, VELKORN_FACE("6"), "6"),
    button("Image5", 120, 3480, VELKORN_FACE("5"), "5"),
    button("Image4", 720, 2880, VELKORN_FACE("4"), "4"),
    button("Image3", 120, 2880, VELKORN_FACE("3"), "3"),
    button("Image2", 720, 2280, VELKORN_FACE("2"), "2"),
    button("Image1", 120, 2280, VELKORN_FACE("1"), "1"),
    closeLabel("Label2", 4080, "Exit Application"),
    label("Label1", "Output", 1700, 1500, 615, 360, "Output", 9.75),
};

#undef VELKORN_FACE

constexpr FormDescription kForm1{
    .name = "Form1",
    .caption = "Velkorn Calculator",
    .clientWidth = 4470,
    .clientHeight = 5355,
    .background = "form1-background.jpg",
    .icon = "velkorn-calculator.ico",
    .controls = kControls,
};

} // namespace

const FormDescription& form1Description() {
    return kForm1;
}

} // namespace velkorn
