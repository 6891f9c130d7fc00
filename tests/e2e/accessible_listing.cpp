// Prints what a screen reader should meet on the main window, on Help and
// on About with its warning in Chinese, from the windows' descriptions:
// the golden listings in tests/golden/ are this program's output, and the
// AT-SPI and MSAA tests compare what each platform gives with them.
// Usage: accessible_listing main|help|about-chinese
#include "velkorn/accessibletree.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <iostream>
#include <string_view>

int main(int argc, char* argv[]) {
    const std::string_view which = argc == 2 ? argv[1] : "";
    const auto all = [](std::string_view) { return true; };
    if (which == "main") {
        std::cout << velkorn::accessibleListing(velkorn::form1Description(), all);
    } else if (which == "help") {
        std::cout << velkorn::accessibleListing(velkorn::form2Description(), all);
    } else if (which == "about-chinese") {
        const auto chinese = [](std::string_view name) {
            return name != "Image1" && name != "Warning";
        };
        std::cout << velkorn::accessibleListing(velkorn::form3Description(), chinese);
    } else {
        std::cerr << "usage: accessible_listing main|help|about-chinese\n";
        return 2;
    }
    return 0;
}
