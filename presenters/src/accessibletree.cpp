#include "velkorn/accessibletree.h"

#include "velkorn/controlstack.h"
#include "velkorn/focusorder.h"

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
    case ControlKind::PictureText:
        return AccessibleRole::Paragraph;
    case ControlKind::Label:
        break;
    }
    return AccessibleRole::Label;
}

AccessibleValue valueOf(const ControlDescription& entry) {
    switch (entry.kind) {
    case ControlKind::TextBox:
        return AccessibleValue::BoxText;
    case ControlKind::Label:
        return AccessibleValue::Caption;
    case ControlKind::Picture:
    case ControlKind::PictureText:
        break;
    }
    return AccessibleValue::None;
}

// Named by what it is (the clock, the boxes), else by its tool tip, else
// by what it says.
std::string nameOf(const ControlDescription& entry) {
    if (entry.accessibleName != nullptr) {
        return entry.accessibleName;
    }
    return entry.toolTip != nullptr ? entry.toolTip : entry.caption;
}

std::string text(const char* maybe) {
    return maybe != nullptr ? maybe : "";
}

AccessibleItem itemOf(const FormDescription& form, const ControlDescription& entry) {
    const AccessibleRole role = roleOf(entry);
    return {.control = entry.name,
            .role = role,
            .name = nameOf(entry),
            .description = text(entry.accessibleDescription),
            .toolTip = text(entry.toolTip),
            .shortcut = keyChordText(form.shortcut(entry.name)),
            .language = text(entry.language),
            .value = valueOf(entry),
            .focusable = takesFocus(entry),
            .readOnly = role == AccessibleRole::Label || role == AccessibleRole::Paragraph ||
                        role == AccessibleRole::Graphic,
            .pressable = entry.clicks};
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

void appendLine(std::string& listing, const AccessibleItem& item, const std::string& description,
                const std::string& value, bool checked) {
    for (const std::string_view field :
         {std::string_view(item.name), roleWord(item.role), std::string_view(description),
          std::string_view(item.shortcut), std::string_view(value)}) {
        escapeInto(listing, field);
        listing += '|';
    }
    listing += stateWords(item, checked);
    listing += '|';
    listing += item.language;
    listing += '\n';
}

} // namespace

AccessibleItem windowItem(const FormDescription& form) {
    return {.control = {},
            .role = focusOrder(form).empty() ? AccessibleRole::Dialog : AccessibleRole::Window,
            .name = form.caption};
}

std::vector<AccessibleItem> accessibleItems(const FormDescription& form) {
    std::vector<AccessibleItem> items;
    for (std::size_t index : readingIndices(form)) {
        items.push_back(itemOf(form, form.controls[index]));
    }
    return items;
}

std::string windowDescription(const FormDescription& form, const ShownControl& shown) {
    if (windowItem(form).role != AccessibleRole::Dialog) {
        return {};
    }
    std::string description;
    for (const AccessibleItem& item : accessibleItems(form)) {
        const bool says =
            item.role == AccessibleRole::Paragraph || item.role == AccessibleRole::Graphic;
        if (says && shown(item.control)) {
            description.append(description.empty() ? "" : "\n").append(item.name);
        }
    }
    return description;
}

std::string accessibleValue(const AccessibleItem& item, const std::string& captionOrText) {
    if (item.value == AccessibleValue::None ||
        (item.value == AccessibleValue::Caption && captionOrText == item.name)) {
        return {};
    }
    return captionOrText;
}

std::optional<std::size_t> navigate(std::size_t count, std::size_t from, Direction direction) {
    if (count == 0) {
        return std::nullopt;
    }
    switch (direction) {
    case Direction::First:
        return 0;
    case Direction::Last:
        return count - 1;
    case Direction::Next:
        return from + 1 < count ? std::optional(from + 1) : std::nullopt;
    case Direction::Previous:
        return from > 0 && from < count ? std::optional(from - 1) : std::nullopt;
    }
    return std::nullopt;
}

std::string_view roleWord(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::Window:
        return "window";
    case AccessibleRole::Dialog:
        return "dialog";
    case AccessibleRole::PushButton:
        return "push button";
    case AccessibleRole::RadioButton:
        return "radio button";
    case AccessibleRole::Text:
        return "text";
    case AccessibleRole::Label:
    case AccessibleRole::Paragraph:
        return "static text";
    case AccessibleRole::Graphic:
        return "graphic";
    }
    return "";
}

std::string stateWords(const AccessibleItem& item, bool checked) {
    std::string words;
    const auto add = [&words](bool holds, std::string_view word) {
        if (holds) {
            words.append(words.empty() ? "" : ",").append(word);
        }
    };
    add(item.focusable, "focusable");
    add(item.readOnly, "read-only");
    add(item.pressable, "pressable");
    add(checked, "checked");
    return words;
}

std::string accessibleListing(const FormDescription& form, const ShownControl& shown,
                              const std::function<std::string(const AccessibleItem&)>& valueOf,
                              const ShownControl& checked) {
    std::string listing;
    appendLine(listing, windowItem(form), windowDescription(form, shown), {}, false);
    for (const AccessibleItem& item : accessibleItems(form)) {
        if (shown(item.control)) {
            appendLine(listing, item, item.description, accessibleValue(item, valueOf(item)),
                       checked(item.control));
        }
    }
    return listing;
}

} // namespace velkorn
