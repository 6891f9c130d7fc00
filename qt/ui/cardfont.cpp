#include "cardfont.h"

#include <QStringList>

#include <cmath>
#include <map>

namespace velkorn::ui {

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
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return fonts.emplace(key, font).first->second;
}

} // namespace velkorn::ui
