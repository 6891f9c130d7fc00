#include "aboutwarning.h"
#include "icowriter.h"
#include "painting.h"
#include "pictures.h"

#include <QPainter>

using namespace painting;

namespace {

QStringList warningLines(const char* text) {
    return QString::fromUtf8(text).split(u'\n');
}

QImage aboutCard() {
    QImage image = card(301, 359, QStringLiteral("About"), 5);
    drawLines(image, {QStringLiteral("About This Calculator")}, sans(12, QFont::Bold), 7, 43, 0);
    const QFont text = sans(11);
    drawLines(image,
              {QStringLiteral("Designed and programmed by"),
               QStringLiteral("the Velkorn Calculator team,"),
               QStringLiteral("software design and programming,"), QStringLiteral("Velkorn")},
              text, 7, 67, 12);
    drawLines(image,
              {QStringLiteral("Velkorn Calculator"), QStringLiteral("Version 1.0.0"),
               QStringLiteral("Product ID: VKC-100-2026-0001")},
              text, 7, 137, 15);
    drawLines(image,
              {QStringLiteral("Copyright \u00A9 2025\u20132026 Velkorn."),
               QStringLiteral("All rights reserved. Velkorn Calculator"),
               QStringLiteral("is a product of Velkorn.")},
              text, 7, 201, 16);
    drawLines(image, warningLines(velkorn::ui::kWarningEnglish), sans(10), 11, 276, 12);
    return image;
}

// Black text on white, five lines filling the 236 x 78 picture.
QImage warningPicture(const char* text, const QString& family) {
    QImage image = canvas(236, 78);
    const QStringList lines = warningLines(text);
    const QFont font = fittingFont(family, lines, 230, 78);
    const int step = 78 / lines.size();
    drawLines(image, lines, font, 3, (78 - step * int(lines.size())) / 2, step);
    return image;
}

// A black italic "i" inside a black circle on white: an information sign.
QImage aboutIcon() {
    QImage image = canvas(64, 64);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawEllipse(QRectF(4, 4, 56, 56));
    QFont font = face(QStringLiteral("DejaVu Serif"), 38, QFont::Bold);
    font.setItalic(true);
    painter.setFont(font);
    painter.drawText(QRect(0, 2, 64, 62), Qt::AlignCenter, QStringLiteral("i"));
    return image;
}

} // namespace

bool paintAboutPictures(const QDir& folder) {
    bool ok = saveJpeg(aboutCard(), folder, QStringLiteral("form3-background.jpg"));
    ok = saveJpeg(warningPicture(velkorn::ui::kWarningBengali, QStringLiteral("Lohit Bengali")),
                  folder, QStringLiteral("warning-bengali.jpg")) &&
         ok;
    ok = saveJpeg(
             warningPicture(velkorn::ui::kWarningChinese, QStringLiteral("WenQuanYi Micro Hei")),
             folder, QStringLiteral("warning-chinese.jpg")) &&
         ok;
    return writeIco8(aboutIcon(), folder.filePath(QStringLiteral("about.ico"))) && ok;
}
