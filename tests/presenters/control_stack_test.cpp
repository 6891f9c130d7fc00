// Which control takes a press where controls overlap, and the stacking
// order the Windows front end makes its child windows in.
#include "velkorn/controlstack.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace velkorn {
namespace {

bool allShown(std::string_view) {
    return true;
}

TEST(ControlStack, ThePressGoesToTheControlInFront) {
    const std::set<std::string_view> hidden{"Image1", "Image2"}; // About in English
    const auto aboutInEnglish = [&](std::string_view name) { return !hidden.contains(name); };
    const auto aboutInChinese = [](std::string_view name) { return name != "Image1"; };
    const struct {
        const char* name;
        const FormDescription& form;
        int x, y;
        ShownControl shown;
        const char* expected; // "" for the background
    } table[] = {
        {"Input 1's top edge, under its caption", form1Description(), 400, 965, allShown, "Text1"},
        {"the caption above the box", form1Description(), 400, 700, allShown, "Label3"},
        {"the clock over the end of Time:", form1Description(), 3010, 4930, allShown, "Label12"},
        {"Time: itself", form1Description(), 2750, 4930, allShown, "Label10"},
        {"the date over the end of Date:", form1Description(), 3040, 4600, allShown, "Label11"},
        {"About's key over VOB", form1Description(), 2800, 3845, allShown, "Image26"},
        {"Help's key over VOB", form1Description(), 3350, 3845, allShown, "Image27"},
        {"VOB above the keys", form1Description(), 2800, 3700, allShown, "Label8"},
        {"a key", form1Description(), 130, 2290, allShown, "Image1"},
        {"the background", form1Description(), 4400, 5300, allShown, ""},
        {"Help's text drags", form2Description(), 300, 1000, allShown, ""},
        {"Help's X", form2Description(), 4250, 200, allShown, "Label1"},
        {"the English warning drags", form3Description(), 1000, 4400, aboutInEnglish, ""},
        {"the Chinese warning", form3Description(), 50, 4200, aboutInChinese, "Image2"},
        {"Chinese in front of Bengali", form3Description(), 1000, 4400, allShown, "Image2"},
    };
    for (const auto& row : table) {
        const auto hit = controlAt(row.form, row.x, row.y, row.shown);
        EXPECT_EQ(std::string(hit.value_or("")), row.expected) << row.name;
    }
}

std::size_t position(const std::vector<std::size_t>& order, std::size_t index) {
    return static_cast<std::size_t>(std::find(order.begin(), order.end(), index) - order.begin());
}

TEST(ControlStack, FrontControlsStackFirstAndTheRestInReadingOrder) {
    for (const FormDescription* form :
         {&form1Description(), &form2Description(), &form3Description()}) {
        SCOPED_TRACE(form->name);
        const auto& controls = form->controls;
        const std::vector<std::size_t> order = stackingOrder(*form);
        ASSERT_EQ(std::set<std::size_t>(order.begin(), order.end()).size(), controls.size());
        ASSERT_EQ(order.size(), controls.size());
        std::vector<std::string_view> alone; // overlapping nothing, in stacking order
        for (std::size_t i : order) {
            const bool overlaps = std::any_of(controls.begin(), controls.end(), [&](const auto& c) {
                return c.name != controls[i].name && overlap(c, controls[i]);
            });
            if (!overlaps) {
                alone.push_back(controls[i].name);
            }
            for (std::size_t behind = i + 1; behind < controls.size(); ++behind) {
                if (overlap(controls[i], controls[behind])) {
                    EXPECT_LT(position(order, i), position(order, behind))
                        << controls[i].name << " must lie over " << controls[behind].name;
                }
            }
        }
        if (!form->readingOrder.empty()) {
            std::vector<std::string_view> read;
            for (std::string_view name : form->readingOrder) {
                if (std::find(alone.begin(), alone.end(), name) != alone.end()) {
                    read.push_back(name);
                }
            }
            EXPECT_EQ(alone, read);
        }
    }
    const std::vector<std::size_t> main = stackingOrder(form1Description());
    const auto at = [&](std::string_view name) {
        for (std::size_t i = 0; i < main.size(); ++i) {
            if (form1Description().controls[main[i]].name == name) {
                return i;
            }
        }
        return main.size();
    };
    EXPECT_LT(at("Text1"), at("Text2"));
    EXPECT_LT(at("Text2"), at("Text3")); // Tab follows the stack
}

} // namespace
} // namespace velkorn
