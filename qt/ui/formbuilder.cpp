#include "formbuilder.h"

#include "clicklabel.h"
#include "highcontrast.h"
#include "textbox.h"
#include "velkorn/captioncolours.h"
#include "velkorn/twips.h"

#include <QPalette>
#include <QWidget>

namespace velkorn::ui {
namespace {

QRect toQRect(const PixelRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

QColor qtColour(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QWidget* createTextBox(QWidget* window, const ControlDescription& entry) {
    auto* box = new TextBox(window);
    box->setFont(sansSerifFont(entry.pointSize));
    return box;
}

QWidget* createLabel(QWidget* window, const ControlDescription& entry,
                     const std::optional<HighContrast>& contrast) {
    auto* label = new ClickLabel(window);
    if (entry.picture != nullptr) {
        // The window sets the picture, for its screen.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    // The caption is the presenter's to set, fitted to the label.
    label->setAlignment((entry.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    // Text is drawn in the label's foreground role.
    const CaptionColours colours = captionColours(entry, contrast);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qtColour(colours.text));
    if (colours.fill) {
        palette.setColor(QPalette::Window, qtColour(*colours.fill));
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    return label;
}

QWidget* createPictureText(QWidget* window, const ControlDescription& entry) {
    auto* text = new ClickLabel(window);
    text->setText(QString::fromUtf8(entry.caption));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The picture shows the text: the label draws nothing.
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, Qt::transparent);
    text->setPalette(palette);
    return text;
}

QWidget* createControl(QWidget* window, const ControlDescription& entry,
                       const std::optional<HighContrast>& contrast) {
    switch (entry.kind) {
    case ControlKind::TextBox:
        return createTextBox(window, entry);
    case ControlKind::Label:
    case ControlKind::Picture:
        return createLabel(window, entry, contrast);
    case ControlKind::PictureText:
        return createPictureText(window, entry);
    }
    return nullptr;
}

void describe(QWidget* control, const ControlDescription& entry) {
    control->setObjectName(latin1(entry.name));
    const QRect place = toQRect(twipsToRect(entry.left, entry.top, entry.width, entry.height));
    control->setGeometry(place);
    // Nothing lays the cards out: a control of fixed size spares its window
    // a layout request each time its text changes (the clock's, every
    // second).
    control->setFixedSize(place.size());
    control->setVisible(entry.visible);
}

} // namespace

CardControls buildForm(QWidget* window, const FormDescription& description) {
    window->setObjectName(latin1(description.name));
    window->setWindowTitle(QString::fromUtf8(description.caption));
    window->setFixedSize(twipsToPixels(description.clientWidth),
                         twipsToPixels(description.clientHeight));
    // The desktop's contrast is asked once for the whole window.
    const std::optional<HighContrast> contrast = highContrast();
    CardControls built;
    // Created back to front: a later sibling lies over an earlier one.
    const auto& controls = description.controls;
    for (auto entry = controls.rbegin(); entry != controls.rend(); ++entry) {
        QWidget* control = createControl(window, *entry, contrast);
        describe(control, *entry);
        built.emplace(entry->name, control);
    }
    return built;
}

} // namespace velkorn::ui
