// What a screen reader meets on a window, decided once for every front
// end: the window itself (a window, or a dialog described by the text it
// shows) and its controls in reading order, each with its role, name,
// description, tool tip, keyboard shortcut, where its value comes from,
// its states and the language of its text. Each front end bridges this
// tree mechanically to its platform (AT-SPI through Qt, MSAA) and reads
// only what changes (a box's text, a caption, what is shown, the focus,
// About's language) from its presenter. The listing is the same text on
// every platform, so their tests compare against one.
#pragma once

#include "velkorn/controlstack.h"
#include "velkorn/formdescription.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkorn {

enum class AccessibleRole {
    Window,      // the main window: its controls speak for themselves
    Dialog,      // Help and About: nothing takes the focus there, so screen
                 // readers read what they show (their description) on opening
    PushButton,  // takes clicks: its press action does what a click does
    RadioButton, // the same, one of a set of choices (About's languages)
    Text,        // an editable box; its value is its text
    Label,       // static text: a caption, the clock
    Paragraph,   // text the window's picture shows
    Graphic,     // a picture that is read by its name (About's warnings)
};

// Where an item's value comes from: a box's text, or a caption that says
// something else than the item's name (the clock's reading under the name
// "Time", "X" under "Exit Application").
enum class AccessibleValue { None, BoxText, Caption };

struct AccessibleItem {
    std::string_view control; // empty for the window itself
    AccessibleRole role;
    std::string name = {};
    std::string description = {};
    std::string toolTip = {};
    std::string shortcut = {};
    std::string language = {}; // BCP 47; empty: the program's own, English
    AccessibleValue value = AccessibleValue::None;
    bool focusable = false;
    bool readOnly = false; // text a screen reader may read but not change
    bool pressable = false;
};

AccessibleItem windowItem(const FormDescription& form);
std::vector<AccessibleItem> accessibleItems(const FormDescription& form);

// A dialog's description: the texts it shows (its picture's texts and the
// pictures that say something), in reading order, one a line; empty for a
// window.
std::string windowDescription(const FormDescription& form, const ShownControl& shown);

// The item's value now, from the caption the window shows or the box's
// text: a caption that only repeats the name is no value.
std::string accessibleValue(const AccessibleItem& item, const std::string& captionOrText);

enum class Direction { First, Last, Next, Previous };

// The item a screen reader's navigation reaches from `from` (ignored for
// First and Last), or none past either end.
std::optional<std::size_t> navigate(std::size_t count, std::size_t from, Direction direction);

// "window", "dialog", "push button", "radio button", "text", "static text"
// (labels and paragraphs alike, as MSAA knows no paragraph), "graphic":
// the listing's words.
std::string_view roleWord(AccessibleRole role);

// "focusable,read-only,pressable,checked", those that hold, in that order.
std::string stateWords(const AccessibleItem& item, bool checked);

// One line for the window, then one a control shown, in reading order:
// name|role|description|shortcut|value|states|language, line breaks inside
// a text written as "\n". `valueOf` gives an item's value, `checked` a
// choice's state.
std::string accessibleListing(const FormDescription& form, const ShownControl& shown,
                              const std::function<std::string(const AccessibleItem&)>& valueOf,
                              const ShownControl& checked);

} // namespace velkorn
