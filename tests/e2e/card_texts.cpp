// Prints what a screen reader should read on the Help window and on the
// About window with its warning in Chinese, in reading order, one text a
// line (newlines as "\n"): the texts of the descriptions, so that the
// accessibility test compares the windows with the one place they live.
#include "velkorn/aboutwarning.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

void print(std::string_view window, std::string_view text) {
    std::string line;
    for (char c : text) {
        line += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    std::cout << window << '|' << line << '\n';
}

} // namespace

int main() {
    using velkorn::ControlKind;
    // Made back to front: the description's last control is read first.
    const auto& help = velkorn::form2Description().controls;
    for (auto entry = help.rbegin(); entry != help.rend(); ++entry) {
        if (entry->kind == ControlKind::PictureText) {
            print("Help", entry->caption);
        }
    }
    const auto& about = velkorn::form3Description().controls;
    for (auto entry = about.rbegin(); entry != about.rend(); ++entry) {
        if (entry->kind == ControlKind::PictureText && entry->name != "Warning") {
            print("About", entry->caption);
        }
    }
    print("About", velkorn::kWarningChinese);
}
