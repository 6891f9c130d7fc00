#include "captionmetrics.h"

#include "cardfont.h"

#include <algorithm>
#include <cmath>

namespace velkorn::ui {
namespace {

// Characters that shape one by one in any Latin face, but for kerning
// and ligatures between neighbours: printable Latin-1 and the narrow
// no-break space of some regional times. The soft hyphen, which is drawn
// only at a line's end, is not among them.
bool composable(QChar c) {
    const char16_t code = c.unicode();
    return (code >= 0x20 && code <= 0x7E) || (code >= 0xA0 && code <= 0xFF && code != 0xAD) ||
           code == 0x202F;
}

} // namespace

CaptionMetrics::Size& CaptionMetrics::size(double pointSize) {
    const int key = static_cast<int>(std::lround(pointSize * 100));
    auto found = sizes.find(key);
    if (found == sizes.end()) {
        found = sizes.emplace(key, Size(sansSerifFont(pointSize))).first;
    }
    return found->second;
}

qreal CaptionMetrics::whole(const Size& size, const QString& text) {
    ++shaped;
    return size.metrics.horizontalAdvance(text);
}

qreal CaptionMetrics::single(Size& size, QChar c) {
    const auto found = size.singles.constFind(c.unicode());
    if (found != size.singles.constEnd()) {
        return *found;
    }
    return *size.singles.insert(c.unicode(), whole(size, QString(c)));
}

qreal CaptionMetrics::pair(Size& size, QChar first, QChar second, bool& learned) {
    const quint32 key = (quint32(first.unicode()) << 16) | second.unicode();
    const auto found = size.pairs.constFind(key);
    if (found != size.pairs.constEnd()) {
        return *found;
    }
    learned = true;
    const QChar both[] = {first, second};
    return *size.pairs.insert(key, whole(size, QString(both, 2)));
}

double CaptionMetrics::width(const QString& text, double pointSize) {
    Size& at = size(pointSize);
    if (!pairsLearned || !at.pairsAgree || text.size() < 2 ||
        !std::all_of(text.begin(), text.end(), composable)) {
        return whole(at, text);
    }
    // Each pair's width holds both its characters; those inside the text
    // are counted twice.
    bool learned = false;
    qreal sum = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        sum += pair(at, text[i], text[i + 1], learned);
    }
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        sum -= single(at, text[i]);
    }
    if (learned) {
        // Widths are whole 64ths of a pixel: the sums are exact.
        const qreal measured = whole(at, text);
        if (std::abs(measured - sum) > 1e-9) {
            at.pairsAgree = false;
            return measured;
        }
    }
    return sum;
}

} // namespace velkorn::ui
