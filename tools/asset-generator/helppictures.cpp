#include "velkorn/cardtexts.h"
#include "icowriter.h"
#include "painting.h"
#include "pictures.h"

#include <QRadialGradient>

using namespace painting;

namespace {

void helpCard(QPainter& painter) {
    titleStrip(painter, 301, QStringLiteral("Help"), 7);
    drawLines(painter, lines(velkorn::kHelpGlossary), sans(11), 8, 45, 16);
    painter.setPen(QPen(kRed, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(4.5, 166.5, 292, 46)); // one pixel, (4, 166) to (296, 212)
    drawLines(painter, lines(velkorn::kHelpSteps), sans(11), 9, 174, 16);
    drawLines(painter, lines(velkorn::kHelpContact), sans(11), 8, 230, 16);
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
