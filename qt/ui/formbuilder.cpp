#include "formbuilder.h"

#include "clicklabel.h"
#include "textbox.h"

#include <QPalette>
#include <QWidget>

namespace velkorn::ui {
namespace {

QColor qtColour(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QWidget* createControl(QWidget* window, const ControlDescription& entry) {
    if (entry.kind == ControlKind::TextBox) {
        auto* box = new TextBox(window);
        box->setFont(sansSerifFont(entry.pointSize));
        return box;
    }
    auto* label = new ClickLabel(window);
    if (entry.kind == ControlKind::PictureText) {
        // The picture shows the text: the label is there for screen
        // readers, and draws nothing.
        label->setText(QString::fromUtf8(entry.caption));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::transparent);
        label->setPalette(palette);
    }
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Text is drawn in the label's foreground role, over its ground where it
// has one.
void paintCaption(QWidget* label, const CaptionStyle& style) {
    static_cast<ClickLabel*>(label)->setAlignment(
        (style.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qtColour(style.colours.text));
    if (style.colours.fill) {
        palette.setColor(QPalette::Window, qtColour(*style.colours.fill));
    }
    label->setAutoFillBackground(style.colours.fill.has_value());
    label->setPalette(palette);
}

} // namespace

CardControls buildForm(QWidget* window, const FormDescription& description) {
    window->setObjectName(latin1(description.name));
    window->setWindowTitle(QString::fromUtf8(description.caption));
    CardControls built;
    // Created back to front: a later sibling lies over an earlier one.
    const auto& controls = description.controls;
    for (auto entry = controls.rbegin(); entry != controls.rend(); ++entry) {
        QWidget* control = createControl(window, *entry);
        control->setObjectName(latin1(entry->name));
        control->setVisible(entry->visible);
        built.emplace(entry->name, control);
    }
    return built;
}

void placeControls(QWidget* window, const CardControls& controls, const CardLayout& layout) {
    window->setFixedSize(layout.client.width, layout.client.height);
    const qreal ratio = window->devicePixelRatioF();
    for (const LaidOutControl& laidOut : layout.controls) {
        QWidget* control = controls.at(laidOut.entry->name);
        const QRect place(laidOut.area.x, laidOut.area.y, laidOut.area.width, laidOut.area.height);
        control->setGeometry(place);
        // Nothing lays the cards out: a control of fixed size spares its
        // window a layout request each time its text changes (the clock's,
        // every second).
        control->setFixedSize(place.size());
        if (!laidOut.picture.empty()) {
            static_cast<ClickLabel*>(control)->setPixmap(loadPicture(laidOut.picture, ratio));
        }
        if (laidOut.caption) {
            paintCaption(control, *laidOut.caption);
        }
    }
}

} // namespace velkorn::ui
