#include "painting.h"

#include <QFontMetrics>
#include <QPainter>

namespace painting {

namespace {
constexpr int kJpegQuality = 100;
}

QFont face(const QString& family, int pixelSize, QFont::Weight weight) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont sans(int pixelSize, QFont::Weight weight) {
    return face(QStringLiteral("DejaVu Sans"), pixelSize, weight);
}

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage card(int width, int height, const QString& title, int titleLeft) {
    QImage image = canvas(width, height);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(0, 0, width, kStripHeight, kRed);
    painter.setPen(Qt::white);
    painter.setFont(sans(15, QFont::Bold));
    painter.drawText(QRect(titleLeft, 0, width - titleLeft, kStripHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, title);
    return image;
}

void drawLines(QImage& image, const QStringList& lines, const QFont& font, int left, int top,
               int lineStep, const QColor& color) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(color);
    painter.setFont(font);
    const int ascent = QFontMetrics(font).ascent();
    for (int i = 0; i < lines.size(); ++i) {
        painter.drawText(left, top + i * lineStep + ascent, lines[i]);
    }
}

QFont fittingFont(const QString& family, const QStringList& lines, int width, int height) {
    for (int size = 20; size > 6; --size) {
        const QFont font = face(family, size);
        const QFontMetrics metrics(font);
        bool fits = metrics.height() * lines.size() <= height;
        for (const QString& line : lines) {
            fits = fits && metrics.horizontalAdvance(line) <= width;
        }
        if (fits) {
            return font;
        }
    }
    return face(family, 6);
}

bool saveJpeg(const QImage& image, const QDir& folder, const QString& name) {
    return image.save(folder.filePath(name), "JPEG", kJpegQuality);
}

} // namespace painting
