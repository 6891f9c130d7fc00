// What the pictures have in common: drawing in the picture's own pixels at
// any scale (1 for the ordinary picture, 2 for high-DPI screens), the title
// strip of the cards, the fonts, and saving.
#pragma once

#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <functional>

namespace painting {

inline const QColor kRed(0x9D, 0x08, 0x0D);
inline constexpr int kStripHeight = 33;

// Draws in logical pixels of the picture, whatever the scale.
using Drawing = std::function<void(QPainter&)>;

// The drawing rendered at `scale` device pixels per picture pixel.
QImage render(QSize size, qreal scale, const QColor& ground, const Drawing& drawing);

QFont face(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal);
QFont sans(int pixelSize, QFont::Weight weight = QFont::Normal);

// The dark red title strip with the title in white, starting at titleLeft.
void titleStrip(QPainter& painter, int width, const QString& title, int titleLeft);

// A text of the descriptions, split at its newlines.
inline QStringList lines(const char* text) {
    return QString::fromUtf8(text).split(u'\n');
}

// Lines of text, the first one's top at `top`, one every lineStep pixels.
void drawLines(QPainter& painter, const QStringList& lines, const QFont& font, int left, int top,
               int lineStep);

// The largest pixel size of `family` at which every line fits width x height.
QFont fittingFont(const QString& family, const QStringList& lines, int width, int height);

// Writes name.jpg and name@2x.jpg.
bool saveJpegs(const QDir& folder, const QString& name, QSize size, const QColor& ground,
               const Drawing& drawing);

} // namespace painting
