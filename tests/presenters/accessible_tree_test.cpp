// The toolkit-free accessible tree that every front end bridges: what it
// holds is derived from the descriptions, whatever their order.
#include "velkorn/accessibletree.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <gtest/gtest.h>

#include <algorithm>
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
            EXPECT_EQ(item.pressable, control.clicks) << item.control;
            EXPECT_EQ(item.role == AccessibleRole::Text, control.kind == ControlKind::TextBox);
            // Only what a box holds is the user's to change.
            EXPECT_EQ(item.focusable, item.role == AccessibleRole::Text) << item.control;
            EXPECT_NE(item.focusable || item.pressable, item.readOnly) << item.control;
            EXPECT_FALSE(item.name.empty()) << item.control;
            EXPECT_EQ(item.shortcut, keyChordText(form->shortcut(item.control)));
        }
        EXPECT_EQ(seen.size(), form->controls.size());
        for (const auto& [control, count] : seen) {
            EXPECT_EQ(count, 1) << control;
        }
    }
}

// A window with nothing to focus is a dialog, described by the texts it
// shows now; the main window's controls speak for themselves.
TEST(AccessibleTree, DialogsAreDescribedByWhatTheyShow) {
    const auto shownBut = [](std::string_view hidden) {
        return [hidden](std::string_view name) { return name != hidden; };
    };
    EXPECT_EQ(windowItem(form1Description()).role, AccessibleRole::Window);
    EXPECT_EQ(windowDescription(form1Description(), shownBut("")), "");
    EXPECT_EQ(windowItem(form2Description()).role, AccessibleRole::Dialog);
    const std::string help = windowDescription(form2Description(), shownBut(""));
    EXPECT_TRUE(help.starts_with("Input 1 = Number 1\n")) << help;
    EXPECT_TRUE(help.ends_with("/velkorn")) << help;
    const std::string about = windowDescription(form3Description(), shownBut("Image1"));
    EXPECT_NE(about.find("Warning: this program"), std::string::npos);
    EXPECT_NE(about.find("警告"), std::string::npos);
    EXPECT_EQ(about.find("সতর্কতা"), std::string::npos);
}

// The clock's caption is its value under the name "Time"; a caption that
// repeats the name is none, and a picture has none.
TEST(AccessibleTree, ValuesLanguagesAndNavigation) {
    const std::vector<AccessibleItem> items = accessibleItems(form1Description());
    const auto item = [&items](std::string_view control) {
        return *std::find_if(items.begin(), items.end(),
                             [control](const AccessibleItem& i) { return i.control == control; });
    };
    EXPECT_EQ(accessibleValue(item(form1::kTime), "12:00:00"), "12:00:00");
    EXPECT_EQ(accessibleValue(item("Label9"), "Date:"), "");
    EXPECT_EQ(accessibleValue(item("Text1"), "12"), "12");
    EXPECT_EQ(accessibleValue(item("Image1"), "1"), "");
    for (const AccessibleItem& about : accessibleItems(form3Description())) {
        const std::string expected = about.control == form3::kBengaliWarning   ? "bn"
                                     : about.control == form3::kChineseWarning ? "zh-Hans"
                                                                               : "";
        EXPECT_EQ(about.language, expected) << about.control;
    }
    const struct {
        std::size_t from;
        Direction direction;
        std::optional<std::size_t> to;
    } moves[] = {{7, Direction::First, 0},
                 {7, Direction::Last, 41},
                 {0, Direction::Next, 1},
                 {41, Direction::Next, std::nullopt},
                 {1, Direction::Previous, 0},
                 {0, Direction::Previous, std::nullopt},
                 {42, Direction::Previous, std::nullopt}};
    for (const auto& move : moves) {
        EXPECT_EQ(navigate(42, move.from, move.direction), move.to) << move.from;
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
