#include "accessibility.h"

#include "announcer.h"
#include "cardaccessible.h"
#include "clicklabel.h"
#include "clicklabelaccessible.h"
#include "picturecard.h"
#include "textbox.h"
#include "textboxaccessible.h"

#include <QAccessible>

namespace velkorn::ui {
namespace {

// Asked for each class of an object, most derived first.
QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("velkorn::ui::PictureCard")) {
        return cardAccessible(static_cast<PictureCard*>(object));
    }
    if (className == QLatin1String("velkorn::ui::ClickLabel")) {
        return clickLabelAccessible(static_cast<ClickLabel*>(object));
    }
    if (className == QLatin1String("velkorn::ui::TextBox")) {
        return textBoxAccessible(static_cast<TextBox*>(object));
    }
    if (className == QLatin1String("velkorn::ui::Announcer")) {
        return announcerAccessible(static_cast<Announcer*>(object));
    }
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&factory);
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace velkorn::ui
