#include "webcard.h"

#include "dom.h"

#include "velkorn/accessibletree.h"
#include "velkorn/captionfont.h"
#include "velkorn/utf8_text.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace velkorn::web {
namespace {

int nextCard = 0;

std::string name(std::string_view control) {
    return std::string(control);
}

std::string cssColour(Rgb colour) {
    constexpr const char* digits = "0123456789abcdef";
    std::string text = "#";
    for (const std::uint8_t channel : {colour.red, colour.green, colour.blue}) {
        text += digits[channel >> 4];
        text += digits[channel & 15];
    }
    return text;
}

// The elements a control is made of: 0 a label, 1 a picture, 2 a box, 3 a
// text the background picture shows.
int elementKind(const ControlDescription& entry) {
    switch (entry.kind) {
    case ControlKind::TextBox:
        return 2;
    case ControlKind::PictureText:
        return 3;
    default:
        return entry.picture != nullptr ? 1 : 0;
    }
}

// The tree's roles as ARIA has them. A label that is named apart from the
// caption it shows (the clock: "Time", its text the time) is a named
// group; another label is its own text.
const char* ariaRole(const AccessibleItem& item) {
    switch (item.role) {
    case AccessibleRole::Label:
        return item.value == AccessibleValue::Caption ? "group" : "";
    case AccessibleRole::PushButton:
        return "button";
    case AccessibleRole::RadioButton:
        return "radio";
    case AccessibleRole::Graphic:
        return "img";
    case AccessibleRole::Paragraph:
        return "paragraph";
    case AccessibleRole::Text:
        return "textbox";
    default:
        return "";
    }
}

// The colours the browser forces (its high contrast), if it does.
std::optional<HighContrast> forcedColours() {
    int colours[2] = {};
    if (velkornForcedColours(colours) == 0) {
        return std::nullopt;
    }
    const auto rgb = [](int colour) {
        return Rgb{static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                   static_cast<std::uint8_t>(colour)};
    };
    return HighContrast{rgb(colours[0]), rgb(colours[1])};
}

std::string families() {
    std::string list;
    for (std::string_view family : captionFamilies(kStandardDpi)) {
        list += (list.empty() ? "\"" : ", \"") + std::string(family) + "\"";
    }
    return list + ", sans-serif";
}

} // namespace

WebCard::WebCard(const FormDescription& description)
    : description(description), card(nextCard++), areas(description.controls.size()) {
    // A window or a dialog, as screen readers meet it.
    const AccessibleItem window = windowItem(description);
    velkornMakeCard(card, window.name.c_str(), window.role == AccessibleRole::Dialog);
    // The page's order is the order screen readers and the Tab key meet:
    // the reading order, then what no reader meets. The layout stacks them.
    std::vector<const ControlDescription*> order;
    for (const AccessibleItem& item : accessibleItems(description)) {
        order.push_back(&description.control(item.control));
    }
    for (const ControlDescription& entry : description.controls) {
        if (std::find(order.begin(), order.end(), &entry) == order.end()) {
            order.push_back(&entry);
        }
    }
    for (const ControlDescription* entry : order) {
        velkornMakeControl(card, name(entry->name).c_str(), elementKind(*entry));
    }
}

void WebCard::present() {
    presenter().contrastChanged(forcedColours());
    // CSS pixels are the model's 96 dots an inch; the pictures are chosen
    // for the screen's own pixels.
    presenter().load(velkornPixelRatio());
    for (const AccessibleItem& item : presenter().accessibleTree()) {
        describeForScreenReaders(item);
    }
    velkornDescribeCard(card, presenter().accessibleDescription().c_str());
}

void WebCard::describeForScreenReaders(const AccessibleItem& item) {
    const bool choice = item.role == AccessibleRole::RadioButton;
    const char* role = ariaRole(item);
    velkornSetAccessible(card, name(item.control).c_str(), role,
                         *role != 0 ? item.name.c_str() : "", item.description.c_str(),
                         item.toolTip.c_str(), item.shortcut.c_str(), item.language.c_str(),
                         choice ? (presenter().isChecked(item.control) ? 1 : 0) : -1);
}

void WebCard::scaleChanged() {
    presenter().scaleChanged(velkornPixelRatio());
}

void WebCard::contrastChanged() {
    presenter().contrastChanged(forcedColours());
}

void WebCard::show() {
    velkornShowCard(card, 1);
}

void WebCard::hide() {
    velkornShowCard(card, 0);
}

void WebCard::layOut(const CardLayout& layout) {
    const auto drawing = [](const std::vector<PictureDrawing>& drawings, std::size_t i) {
        return i < drawings.size() ? "assets/" + drawings[i].file : std::string();
    };
    velkornSetBackground(card, layout.client.width, layout.client.height,
                         drawing(layout.background, 0).c_str(),
                         drawing(layout.background, 1).c_str());
    int rank = 1;
    for (const LaidOutControl& control : layout.controls) {
        const std::string control_ = name(control.entry->name);
        const PixelRect& at = control.area;
        velkornPlace(card, control_.c_str(), at.x, at.y, at.width, at.height, rank++);
        areas[static_cast<std::size_t>(&*control.entry - description.controls.data())] = at;
        if (!control.picture.empty()) {
            velkornSetPicture(card, control_.c_str(), drawing(control.picture, 0).c_str(),
                              drawing(control.picture, 1).c_str());
        } else if (control.caption) {
            const CaptionColours& colours = control.caption->colours;
            velkornSetCaptionStyle(card, control_.c_str(), cssColour(colours.text).c_str(),
                                   colours.fill ? cssColour(*colours.fill).c_str() : "",
                                   control.caption->alignment == Alignment::Centre);
        }
    }
    velkornClearCues(card);
    for (const KeyCue& cue : layout.cues) {
        velkornAddCue(card, cue.text.c_str(), cue.area.x, cue.area.y, cue.area.width,
                      cue.area.height);
    }
}

void WebCard::setCaption(std::string_view control, const std::u16string& text, double pointSize) {
    velkornSetCaption(card, name(control).c_str(), toUtf8(text).c_str(), pointSize);
}

double WebCard::captionWidth(const std::u16string& text, double pointSize) const {
    static const std::string list = families();
    return velkornTextWidth(toUtf8(text).c_str(), pointSize, list.c_str());
}

double WebCard::controlWidth(std::string_view control) const {
    for (std::size_t i = 0; i < description.controls.size(); ++i) {
        if (description.controls[i].name == control) {
            return areas[i].width;
        }
    }
    return 0;
}

void WebCard::setControlVisible(std::string_view control, bool visible) {
    velkornSetVisible(card, name(control).c_str(), visible ? 1 : 0);
    // A dialog is described by the texts it shows.
    velkornDescribeCard(card, presenter().accessibleDescription().c_str());
}

void WebCard::setControlChecked(std::string_view control, bool) {
    if (const AccessibleItem* item = presenter().accessibleItem(control)) {
        describeForScreenReaders(*item);
    }
}

void WebCard::showLiveText(const std::u16string& text) {
    velkornAnnounce(card, toUtf8(text).c_str());
}

void WebCard::showKeyCues(bool shown) {
    velkornShowCues(card, shown ? 1 : 0);
}

void WebCard::addDecorations() {}

void WebCard::focusControl(std::string_view control) {
    velkornFocus(card, name(control).c_str());
}

void WebCard::postTask(std::function<void()> task) {
    tasks.push_back(std::move(task));
    velkornPostTask(card);
}

void WebCard::runPostedTask() {
    if (!tasks.empty()) {
        const std::function<void()> task = std::move(tasks.front());
        tasks.pop_front();
        task();
    }
}

PixelRect WebCard::workArea() const {
    return {0, 0, velkornPageWidth(), velkornPageHeight()};
}

Point WebCard::windowSize() const {
    return {twipsToPixels(description.clientWidth), twipsToPixels(description.clientHeight)};
}

Point WebCard::windowPosition() const {
    return {velkornCardLeft(card), velkornCardTop(card)};
}

void WebCard::moveWindowTo(Point topLeft) {
    velkornMoveCard(card, topLeft.x, topLeft.y);
}

} // namespace velkorn::web
