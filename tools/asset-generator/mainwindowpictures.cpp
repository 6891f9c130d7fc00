#include "icowriter.h"
#include "painting.h"
#include "pictures.h"

#include <QPainter>

#include <functional>

using namespace painting;

namespace {

using Glyph = std::function<void(QPainter&)>;

// A 32 x 32 button face: a white glyph centred on dark red.
QImage buttonFace(const Glyph& glyph) {
    QImage image = canvas(32, 32, kRed);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(Qt::white);
    painter.setBrush(Qt::white);
    glyph(painter);
    return image;
}

Glyph text(const QString& glyph) {
    return [glyph](QPainter& painter) {
        painter.setFont(sans(22, QFont::Bold));
        painter.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, glyph);
    };
}

void plus(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.drawRect(8, 14, 16, 4);
    painter.drawRect(14, 8, 4, 16);
}

void minus(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.drawRect(8, 14, 16, 4);
}

void divide(QPainter& painter) {
    minus(painter);
    painter.drawEllipse(QRectF(13.5, 6.5, 5, 5));
    painter.drawEllipse(QRectF(13.5, 20.5, 5, 5));
}

// White outline of a calculator (display and a grid of keys) on a red disc,
// white corners.
QImage applicationIcon() {
    QImage image = canvas(64, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC4, 0x12, 0x18));
    painter.drawEllipse(QRectF(1, 1, 62, 62));
    QPen outline(Qt::white, 2.5);
    outline.setJoinStyle(Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(19, 12, 26, 40), 3, 3);
    painter.drawRect(QRectF(23, 16, 18, 8));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            painter.drawRect(QRectF(23.5 + column * 6.5, 28 + row * 7, 4, 4));
        }
    }
    return image;
}

} // namespace

bool paintMainWindowPictures(const QDir& folder) {
    bool ok = saveJpeg(card(299, 357, QStringLiteral("Velkorn Calculator"), 7), folder,
                       QStringLiteral("form1-background.jpg"));
    const std::pair<const char*, Glyph> faces[] = {
        {"0", text("0")},     {"1", text("1")},   {"2", text("2")},     {"3", text("3")},
        {"4", text("4")},     {"5", text("5")},   {"6", text("6")},     {"7", text("7")},
        {"8", text("8")},     {"9", text("9")},   {"plus", plus},       {"minus", minus},
        {"times", text("x")}, {"divide", divide}, {"clear", text("C")}, {"about", text("A")},
        {"help", text("H")},
    };
    for (const auto& [name, glyph] : faces) {
        ok = saveJpeg(buttonFace(glyph), folder, QStringLiteral("face-%1.jpg").arg(name)) && ok;
    }
    return writeIco8(applicationIcon(),
                     folder.filePath(QStringLiteral("velkorn-calculator.ico"))) &&
           ok;
}
