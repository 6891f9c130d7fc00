// How wide a caption is in the labels' face, for fitting it to its label.
// Each size keeps its font metrics. Once pairs are learned (after the
// window's first frame), a caption of Latin characters (the clock's
// digits and separators, most regional times) is measured from the widths
// of the pairs of neighbouring characters it is made of, each pair
// measured once a size: the pairs carry the face's kerning, so the sum is
// what shaping the whole text gives, and a new second costs no shaping.
// A text that brings a pair not met before is measured whole as well, and
// a size whose whole texts ever differ from their pairs (ligatures,
// contextual forms) measures whole texts from then on.
#pragma once

#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <map>

namespace velkorn::ui {

class CaptionMetrics {
  public:
    double width(const QString& text, double pointSize);
    void learnPairs() { pairsLearned = true; }

    // How many texts have been handed to the face's shaping: whole
    // captions, pairs and single characters.
    int shapedTexts() const { return shaped; }

  private:
    struct Size {
        explicit Size(const QFont& font) : metrics(font) {}
        QFontMetricsF metrics;
        QHash<char16_t, qreal> singles;
        QHash<quint32, qreal> pairs;
        bool pairsAgree = true;
    };

    Size& size(double pointSize);
    qreal whole(const Size& size, const QString& text);
    qreal single(Size& size, QChar c);
    qreal pair(Size& size, QChar first, QChar second, bool& learned);

    std::map<int, Size> sizes;
    bool pairsLearned = false;
    int shaped = 0;
};

} // namespace velkorn::ui
