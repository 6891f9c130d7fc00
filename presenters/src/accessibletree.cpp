#include "velkorn/accessibletree.h"

#include "velkorn/controlstack.h"

namespace velkorn {
namespace {

AccessibleRole roleOf(const ControlDescription& entry) {
    if (entry.clicks) {
        return entry.choice ? AccessibleRole::RadioButton : AccessibleRole::PushButton;
    }
    switch (entry.kind) {
    case ControlKind::TextBox:
        return AccessibleRole::Text;
    case ControlKind::Picture:
        return AccessibleRole::Graphic;
    case ControlKind::Label:
    case ControlKind::PictureText:
        break;
    }
    return AccessibleRole::Label;
}

// Named by what it is (the clock, the boxes), else by its tool tip, else
// by what it says.
std::string nameOf(const ControlDescription& entry) {
    if (entry.accessibleName != nullptr) {
        return entry.accessibleName;
    }
    return entry.toolTip != nullptr ? entry.toolTip : entry.caption;
}

AccessibleItem itemOf(const FormDescription& form, const ControlDescription& entry) {
    return {entry.name, roleOf(entry), nameOf(entry),
            entry.accessibleDescription != nullptr ? entry.accessibleDescription : "",
            keyChordText(form.shortcut(entry.name))};
}

void escapeInto(std::string& line, std::string_view text) {
    for (char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
}

} // namespace

std::vector<AccessibleItem> accessibleItems(const FormDescription& form) {
    std::vector<AccessibleItem> items;
    for (std::size_t index : readingIndices(form)) {
        items.push_back(itemOf(form, form.controls[index]));
    }
    return items;
}

std::string_view roleWord(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::PushButton:
        return "push button";
    case AccessibleRole::RadioButton:
        return "radio button";
    case AccessibleRole::Text:
        return "text";
    case AccessibleRole::Label:
        return "static text";
    case AccessibleRole::Graphic:
        return "graphic";
    }
    return "";
}

std::string accessibleListing(const FormDescription& form, const ShownControl& shown) {
    std::string listing;
    for (const AccessibleItem& item : accessibleItems(form)) {
        if (!shown(item.control)) {
            continue;
        }
        escapeInto(listing, item.name);
        listing += '|';
        listing += roleWord(item.role);
        listing += '|';
        escapeInto(listing, item.description);
        listing += '|';
        listing += item.shortcut;
        listing += '\n';
    }
    return listing;
}

} // namespace velkorn
