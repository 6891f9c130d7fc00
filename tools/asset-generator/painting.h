// What the pictures have in common: the card with its title strip, the
// faces' colours and fonts, and saving.
#pragma once

#include <QColor>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QString>

namespace painting {

inline const QColor kRed(0x9D, 0x08, 0x0D);
inline constexpr int kStripHeight = 33;

QFont face(const QString& family, int pixelSize, QFont::Weight weight = QFont::Normal);
QFont sans(int pixelSize, QFont::Weight weight = QFont::Normal);

QImage canvas(int width, int height, const QColor& fill = Qt::white);

// A white card with the dark red title strip and its title in white at the
// left end, starting at column titleLeft.
QImage card(int width, int height, const QString& title, int titleLeft);

// Draws lines of text with the first line's baseline at `top` plus ascent.
void drawLines(QImage& image, const QStringList& lines, const QFont& font, int left, int top,
               int lineStep, const QColor& color = Qt::black);

// The largest pixel size of `family` at which every line fits width x height.
QFont fittingFont(const QString& family, const QStringList& lines, int width, int height);

bool saveJpeg(const QImage& image, const QDir& folder, const QString& name);

} // namespace painting
