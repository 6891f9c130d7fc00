// The toolkit-free accessible tree that both front ends bridge: what it
// holds is derived from the descriptions, whatever their order.
#include "velkorn/accessibletree.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace velkorn {
namespace {

TEST(AccessibleTree, EveryControlOnceWithItsRoleAndShortcut) {
    for (const FormDescription* form :
         {&form1Description(), &form2Description(), &form3Description()}) {
        SCOPED_TRACE(form->name);
        std::map<std::string_view, int> seen;
        for (const AccessibleItem& item : accessibleItems(*form)) {
            ++seen[item.control];
            const ControlDescription& control = form->control(item.control);
            const bool pressable =
                item.role == AccessibleRole::PushButton || item.role == AccessibleRole::RadioButton;
            EXPECT_EQ(pressable, control.clicks) << item.control;
            EXPECT_EQ(item.role == AccessibleRole::Text, control.kind == ControlKind::TextBox);
            EXPECT_FALSE(item.name.empty()) << item.control;
            EXPECT_EQ(item.shortcut, keyChordText(form->shortcut(item.control)));
        }
        EXPECT_EQ(seen.size(), form->controls.size());
        for (const auto& [control, count] : seen) {
            EXPECT_EQ(count, 1) << control;
        }
    }
}

// The two keypads have the same faces and names: a key's description says
// which box it writes into.
TEST(AccessibleTree, EveryKeyNamesItsKeypad) {
    int keys = 0;
    for (const AccessibleItem& item : accessibleItems(form1Description())) {
        if (item.role == AccessibleRole::PushButton && item.name.size() == 1) {
            const bool first = item.description.find("Input 1") != std::string::npos;
            const bool second = item.description.find("Input 2") != std::string::npos;
            EXPECT_NE(first, second) << item.control << ": " << item.description;
            ++keys;
        }
    }
    EXPECT_EQ(keys, 20);
}

} // namespace
} // namespace velkorn
