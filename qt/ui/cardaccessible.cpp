#include "cardaccessible.h"

#include "cardwindow.h"
#include "formbuilder.h"

#include "velkorn/controlstack.h"

#include <QAccessibleWidget>

#include <algorithm>

namespace velkorn::ui {
namespace {

class CardAccessible : public QAccessibleWidget {
  public:
    explicit CardAccessible(CardWindow* card) : QAccessibleWidget(card, QAccessible::Window) {}

    // Help and About have nothing to focus: as dialogs, screen readers
    // read their text when they open.
    QAccessible::Role role() const override {
        return card()->presenter().id() == WindowId::Main ? QAccessible::Window
                                                          : QAccessible::Dialog;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Description && role() == QAccessible::Dialog) {
            return shownText();
        }
        return QAccessibleWidget::text(kind);
    }

    int childCount() const override { return static_cast<int>(ordered().size()); }

    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = ordered();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr ? static_cast<int>(ordered().indexOf(child->object())) : -1;
    }

  private:
    CardWindow* card() const { return static_cast<CardWindow*>(widget()); }

    // The picture's texts and the pictures that say something, those
    // shown, in reading order, a paragraph each: the labels and buttons
    // are the dialog's controls, not its text.
    QString shownText() const {
        QStringList texts;
        for (QWidget* child : ordered()) {
            const ControlDescription* entry = controlDescription(child);
            QAccessibleInterface* control = QAccessible::queryAccessibleInterface(child);
            if (entry != nullptr && !entry->clicks && child->isVisible() && control != nullptr &&
                (entry->kind == ControlKind::PictureText || entry->kind == ControlKind::Picture)) {
                texts.append(control->text(QAccessible::Name));
            }
        }
        texts.removeAll(QString());
        return texts.join(u'\n');
    }

    // The card's controls in the order screen readers meet them.
    QList<QWidget*> ordered() const {
        QList<QWidget*> children;
        const FormDescription& form = card()->form();
        for (std::size_t index : readingIndices(form)) {
            if (QWidget* child = card()->control(form.controls[index].name)) {
                children.append(child);
            }
        }
        return children;
    }
};

} // namespace

const ControlDescription* controlDescription(const QWidget* control) {
    const auto* card = qobject_cast<const CardWindow*>(control->parentWidget());
    if (card == nullptr) {
        return nullptr;
    }
    for (const ControlDescription& entry : card->form().controls) {
        if (latin1(entry.name) == control->objectName()) {
            return &entry;
        }
    }
    return nullptr;
}

QAccessibleInterface* cardAccessible(CardWindow* card) {
    return new CardAccessible(card);
}

} // namespace velkorn::ui
