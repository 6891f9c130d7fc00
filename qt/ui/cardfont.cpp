#include "cardfont.h"

#include "formbuilder.h"

#include "velkorn/captionfont.h"
#include "velkorn/twips.h"

#include <QFontDatabase>

#include <algorithm>
#include <cmath>
#include <map>

namespace velkorn::ui {

namespace {

// The preferred families from the first one installed: the face Qt would
// pick anyway, but a family it lacks makes it ask fontconfig for that
// family's fallbacks (a sort of every installed face, about 1 ms) before
// it moves on to the next. Qt scales the cards itself: they draw in
// pixels of 96 DPI.
QStringList installedFamilies() {
    const QStringList installed = QFontDatabase::families();
    QStringList families;
    for (std::string_view family :
         fromFirstInstalled(captionFamilies(kStandardDpi), [&installed](std::string_view name) {
             return installed.contains(latin1(name), Qt::CaseInsensitive);
         })) {
        families.append(latin1(family));
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
