#include "painting.h"

#include <QFontMetrics>

namespace painting {
namespace {

constexpr int kJpegQuality = 100;

} // namespace

QImage render(QSize size, qreal scale, const QColor& ground, const Drawing& drawing) {
    QImage image(size * scale, ground.alpha() == 255 ? QImage::Format_RGB32
                                                     : QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    drawing(painter);
    return image;
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

void titleStrip(QPainter& painter, int width, const QString& title, int titleLeft) {
    painter.fillRect(0, 0, width, kStripHeight, kRed);
    painter.setPen(Qt::white);
    painter.setFont(sans(15, QFont::Bold));
    painter.drawText(QRect(titleLeft, 0, width - titleLeft, kStripHeight),
                     Qt::AlignVCenter | Qt::AlignLeft, title);
}

void drawLines(QPainter& painter, const QStringList& lines, const QFont& font, int left, int top,
               int lineStep) {
    painter.setPen(Qt::black);
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

bool saveJpegs(const QDir& folder, const QString& name, QSize size, const QColor& ground,
               const Drawing& drawing) {
    const bool ok = render(size, 1, ground, drawing)
                        .save(folder.filePath(name + QStringLiteral(".jpg")), "JPEG", kJpegQuality);
    return render(size, 2, ground, drawing)
               .save(folder.filePath(name + QStringLiteral("@2x.jpg")), "JPEG", kJpegQuality) &&
           ok;
}

} // namespace painting
