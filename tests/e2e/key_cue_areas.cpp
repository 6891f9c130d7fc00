// Prints where a card's shortcut cues lie at a DPI, and what changes by
// itself (the clock, a box's blinking caret), one "cue|moving NAME x y
// width height" a line: what a screenshot with Alt held may differ in, on
// any front end.
#include "velkorn/cardlayout.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

int main(int argc, char* argv[]) {
    using namespace velkorn;
    if (argc != 3) {
        std::fprintf(stderr, "usage: velkorn-key-cue-areas Form1|Form2|Form3 DPI\n");
        return 2;
    }
    const std::string form = argv[1];
    const FormDescription& description = form == "Form2"   ? form2Description()
                                         : form == "Form3" ? form3Description()
                                                           : form1Description();
    const int dpi = std::atoi(argv[2]);
    const CardLayout layout = layOutCard(description, dpi, dpi / 96.0, std::nullopt);
    const auto print = [](const char* kind, std::string_view name, const PixelRect& area) {
        std::printf("%s %.*s %d %d %d %d\n", kind, static_cast<int>(name.size()), name.data(),
                    area.x, area.y, area.width, area.height);
    };
    for (const KeyCue& cue : layout.cues) {
        print("cue", cue.control, cue.area);
    }
    for (const LaidOutControl& control : layout.controls) {
        if (control.entry->name == form1::kDate || control.entry->name == form1::kTime ||
            control.entry->kind == ControlKind::TextBox) {
            print("moving", control.entry->name, control.area);
        }
    }
    return 0;
}
