#include "cardfont.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>
#include <map>

namespace velkorn::ui {

QStringList preferredFamilies() {
    return {QStringLiteral("MS Sans Serif"),   QStringLiteral("Microsoft Sans Serif"),
            QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
            QStringLiteral("Nimbus Sans"),     QStringLiteral("DejaVu Sans")};
}

namespace {

// The preferred families from the first one installed: the face Qt would
// pick anyway, but a family it lacks makes it ask fontconfig for that
// family's fallbacks (a sort of every installed face, about 1 ms) before
// it moves on to the next.
QStringList installedFamilies() {
    QStringList families = preferredFamilies();
    const QStringList installed = QFontDatabase::families();
    const auto first = std::find_if(families.begin(), families.end(), [&](const QString& family) {
        return installed.contains(family, Qt::CaseInsensitive);
    });
    if (first != families.end()) {
        families.erase(families.begin(), first);
    }
    return families;
}

} // namespace

const QFont& sansSerifFont(double pointSize) {
    // Never destroyed: a QFont's destructor must not run after the
    // application object (and its font database) is gone, as a static's
    // would at exit. Keyed by hundredths of a point, not by a double.
    static auto& fonts = *new std::map<int, QFont>;
    const int key = static_cast<int>(std::lround(pointSize * 100));
    const auto found = fonts.find(key);
    if (found != fonts.end()) {
        return found->second;
    }
    QFont font;
    static const QStringList families = installedFamilies();
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return fonts.emplace(key, font).first->second;
}

} // namespace velkorn::ui
