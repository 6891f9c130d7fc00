// Prints what a screen reader should meet on the main window, on Help and
// on About with its warning in Chinese, from the windows' descriptions:
// the golden listings in tests/golden/ are this program's output, and the
// AT-SPI and MSAA tests compare what each platform gives with them.
// Usage: accessible_listing main|help|about-chinese
#include "velkorn/accessibletree.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <cctype>
#include <iostream>
#include <string>
#include <string_view>

namespace {

using velkorn::AccessibleItem;
using velkorn::FormDescription;

// The windows as they open: the boxes empty, each caption as described,
// and the clock's, which reads the time, as "<time>" and "<date>".
std::string valueAtStart(const FormDescription& form, const AccessibleItem& item) {
    if (item.value != velkorn::AccessibleValue::Caption) {
        return {};
    }
    const std::string caption = form.control(item.control).caption;
    if (!caption.empty()) {
        return caption;
    }
    std::string placeholder = "<" + item.name + ">";
    for (char& c : placeholder) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return placeholder;
}

std::string listing(const FormDescription& form, const velkorn::ShownControl& shown,
                    std::string_view checked = {}) {
    return velkorn::accessibleListing(
        form, shown, [&form](const AccessibleItem& item) { return valueAtStart(form, item); },
        [checked](std::string_view name) { return name == checked; });
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view which = argc == 2 ? argv[1] : "";
    const auto all = [](std::string_view) { return true; };
    if (which == "main") {
        std::cout << listing(velkorn::form1Description(), all);
    } else if (which == "help") {
        std::cout << listing(velkorn::form2Description(), all);
    } else if (which == "about-chinese") {
        const auto chinese = [](std::string_view name) {
            return name != "Image1" && name != "Warning";
        };
        std::cout << listing(velkorn::form3Description(), chinese, velkorn::form3::kChinese);
    } else {
        std::cerr << "usage: accessible_listing main|help|about-chinese\n";
        return 2;
    }
    return 0;
}
