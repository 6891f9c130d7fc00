// What a screen reader meets on a window, decided once for both front
// ends: the controls in reading order, each with its role, name,
// description and keyboard shortcut, pressable or not. Each front end
// bridges this list to its platform (AT-SPI through Qt, MSAA) and reads
// only what changes (a box's text, the clock, what is shown, the focus,
// About's language) from its controls and the presenter. The listing is
// the same text on both platforms, so their tests compare against one.
#pragma once

#include "velkorn/controlstack.h"
#include "velkorn/formdescription.h"

#include <string>
#include <string_view>
#include <vector>

namespace velkorn {

enum class AccessibleRole {
    PushButton,  // takes clicks: its press action does what a click does
    RadioButton, // the same, one of a set of choices (About's languages)
    Text,        // an editable box; its value is its text
    Label,       // static text: a caption, the clock, a picture's text (which
                 // Qt gives AT-SPI as a paragraph)
    Graphic,     // a picture that is read by its name (About's warnings)
};

struct AccessibleItem {
    std::string_view control;
    AccessibleRole role;
    std::string name;
    std::string description;
    std::string shortcut;
};

std::vector<AccessibleItem> accessibleItems(const FormDescription& form);

// "push button", "radio button", "text", "static text", "graphic": the
// listing's words.
std::string_view roleWord(AccessibleRole role);

// One line a control shown, in reading order: name|role|description|
// shortcut, line breaks inside a text written as "\n".
std::string accessibleListing(const FormDescription& form, const ShownControl& shown);

} // namespace velkorn
