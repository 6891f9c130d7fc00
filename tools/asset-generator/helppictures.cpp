#include "icowriter.h"
#include "painting.h"
#include "pictures.h"

#include <QRadialGradient>

using namespace painting;

namespace {

void helpCard(QPainter& painter) {
    titleStrip(painter, 301, QStringLiteral("Help"), 7);
    const QStringList glossary{
        QStringLiteral("Input 1 = Number 1"),
        QStringLiteral("Input 2 = Number 2"),
        QStringLiteral("Output = Result"),
        QStringLiteral("VOSB 1 = Velkorn On Screen Button 1"),
        QStringLiteral("VOSB 2 = Velkorn On Screen Button 2"),
        QStringLiteral("VAOB = Velkorn Arithmetic Operator Button"),
        QStringLiteral("VOB = Velkorn Other Button"),
    };
    drawLines(painter, glossary, sans(11), 8, 45, 16);
    painter.setPen(QPen(kRed, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(4.5, 166.5, 292, 46)); // one pixel, (4, 166) to (296, 212)
    drawLines(painter,
              {QStringLiteral("Type a number in Input 1, then a number in"),
               QStringLiteral("Input 2, then click +, -, * or / for the result.")},
              sans(11), 9, 174, 16);
    drawLines(painter,
              {QStringLiteral("E-mail: help@example.com"),
               QStringLiteral("Web: https://www.example.com/velkorn")},
              sans(11), 8, 230, 16);
}

// A white question mark on a glossy dark red disc with a light rim,
// transparent outside the disc.
void helpIcon(QPainter& painter) {
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
}

} // namespace

bool paintHelpPictures(const QDir& folder) {
    const bool ok =
        saveJpegs(folder, QStringLiteral("form2-background"), QSize(301, 359), Qt::white, helpCard);
    return writeIco8(render(QSize(64, 64), 1, Qt::transparent, helpIcon),
                     folder.filePath(QStringLiteral("help.ico"))) &&
           ok;
}
