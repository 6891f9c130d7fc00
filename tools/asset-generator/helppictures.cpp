#include "icowriter.h"
#include "painting.h"
#include "pictures.h"

#include <QPainter>
#include <QRadialGradient>

using namespace painting;

namespace {

QImage helpCard() {
    QImage image = card(301, 359, QStringLiteral("Help"), 7);
    const QStringList glossary{
        QStringLiteral("Input 1 = Number 1"),
        QStringLiteral("Input 2 = Number 2"),
        QStringLiteral("Output = Result"),
        QStringLiteral("VOSB 1 = Velkorn On Screen Button 1"),
        QStringLiteral("VOSB 2 = Velkorn On Screen Button 2"),
        QStringLiteral("VAOB = Velkorn Arithmetic Operator Button"),
        QStringLiteral("VOB = Velkorn Other Button"),
    };
    drawLines(image, glossary, sans(11), 8, 45, 16);
    {
        QPainter painter(&image);
        painter.setPen(kRed);
        painter.drawRect(4, 166, 292, 46); // one pixel, (4, 166) to (296, 212)
    }
    drawLines(image,
              {QStringLiteral("Type a number in Input 1, then a number in"),
               QStringLiteral("Input 2, then click +, -, * or / for the result.")},
              sans(11), 9, 174, 16);
    drawLines(image,
              {QStringLiteral("E-mail: help@example.com"),
               QStringLiteral("Web: https://www.example.com/velkorn")},
              sans(11), 8, 230, 16);
    return image;
}

// A white question mark on a glossy dark red disc with a light rim,
// transparent outside the disc.
QImage helpIcon() {
    QImage image(64, 64, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xF2, 0xB8, 0xBA), 3));
    QRadialGradient gloss(QPointF(24, 18), 44);
    gloss.setColorAt(0, QColor(0xE0, 0x4A, 0x50));
    gloss.setColorAt(0.5, kRed);
    gloss.setColorAt(1, QColor(0x5C, 0x03, 0x06));
    painter.setBrush(gloss);
    painter.drawEllipse(QRectF(2.5, 2.5, 59, 59));
    painter.setPen(Qt::white);
    painter.setFont(sans(40, QFont::Bold));
    painter.drawText(QRect(0, 0, 64, 64), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

} // namespace

bool paintHelpPictures(const QDir& folder) {
    const bool ok = saveJpeg(helpCard(), folder, QStringLiteral("form2-background.jpg"));
    return writeIco8(helpIcon(), folder.filePath(QStringLiteral("help.ico"))) && ok;
}
