#include "velkorn/aboutwarning.h"
#include "velkorn/cardtexts.h"
#include "icowriter.h"
#include "painting.h"
#include "pictures.h"

using namespace painting;

namespace {

constexpr QSize kWarningSize(236, 78);

void aboutCard(QPainter& painter) {
    titleStrip(painter, 301, QStringLiteral("About"), 5);
    drawLines(painter, lines(velkorn::kAboutHeading), sans(12, QFont::Bold), 7, 43, 0);
    const QFont text = sans(11);
    drawLines(painter, lines(velkorn::kAboutCredit), text, 7, 67, 12);
    drawLines(painter, lines(velkorn::kAboutProduct), text, 7, 137, 15);
    drawLines(painter, lines(velkorn::kAboutRights), text, 7, 201, 16);
    drawLines(painter, lines(velkorn::kWarningEnglish), sans(10), 11, 276, 12);
}

// Black text on white, five lines filling the 236 x 78 picture.
Drawing warning(const char* text, const QString& family) {
    return [lines = lines(text), family](QPainter& painter) {
        const QFont font = fittingFont(family, lines, kWarningSize.width() - 6,
                                       kWarningSize.height());
        const int step = kWarningSize.height() / int(lines.size());
        drawLines(painter, lines, font, 3, (kWarningSize.height() - step * int(lines.size())) / 2,
                  step);
    };
}

// A black italic "i" inside a black circle on white: an information sign.
void aboutIcon(QPainter& painter) {
    painter.setPen(QPen(Qt::black, 4));
    painter.drawEllipse(QRectF(4, 4, 56, 56));
    QFont font = face(QStringLiteral("DejaVu Serif"), 38, QFont::Bold);
    font.setItalic(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 2, 64, 62), Qt::AlignCenter, QStringLiteral("i"));
}

} // namespace

bool paintAboutPictures(const QDir& folder) {
    bool ok = saveJpegs(folder, QStringLiteral("form3-background"), QSize(301, 359), Qt::white,
                        aboutCard);
    ok = saveJpegs(folder, QStringLiteral("warning-bengali"), kWarningSize, Qt::white,
                   warning(velkorn::kWarningBengali, QStringLiteral("Lohit Bengali"))) &&
         ok;
    ok = saveJpegs(folder, QStringLiteral("warning-chinese"), kWarningSize, Qt::white,
                   warning(velkorn::kWarningChinese, QStringLiteral("WenQuanYi Micro Hei"))) &&
         ok;
    return writeIco8(render(QSize(64, 64), 1, Qt::white, aboutIcon),
                     folder.filePath(QStringLiteral("about.ico"))) &&
           ok;
}
