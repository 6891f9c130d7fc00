#include "icowriter.h"
#include "painting.h"
#include "pictures.h"

using namespace painting;

namespace {

constexpr QSize kFaceSize(32, 32);

Drawing glyphText(const QString& glyph) {
    return [glyph](QPainter& painter) {
        painter.setPen(Qt::white);
        painter.setFont(sans(22, QFont::Bold));
        painter.drawText(QRect(QPoint(0, 0), kFaceSize), Qt::AlignCenter, glyph);
    };
}

void bar(QPainter& painter) { painter.fillRect(8, 14, 16, 4, Qt::white); }

void plus(QPainter& painter) {
    bar(painter);
    painter.fillRect(14, 8, 4, 16, Qt::white);
}

void divide(QPainter& painter) {
    bar(painter);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(13.5, 6.5, 5, 5));
    painter.drawEllipse(QRectF(13.5, 20.5, 5, 5));
}

// White outline of a calculator (display and a grid of keys) on a red disc,
// white corners. Drawn on a 64 x 64 grid and scaled for every icon size.
void applicationIcon(QPainter& painter) {
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
}

// The program's icon for the desktop's icon theme, at its usual sizes.
bool saveThemeIcons(const QDir& folder) {
    bool ok = true;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("icons/hicolor/%1x%1/apps").arg(size);
        ok = folder.mkpath(dir) && ok;
        const QImage image = render(QSize(64, 64), size / 64.0, Qt::transparent, applicationIcon);
        ok = image.save(folder.filePath(dir + QStringLiteral("/com.example.VelkornCalculator.png"))) &&
             ok;
    }
    return ok;
}

} // namespace

bool paintMainWindowPictures(const QDir& folder) {
    bool ok = saveJpegs(folder, QStringLiteral("form1-background"), QSize(299, 357), Qt::white,
                        [](QPainter& painter) {
                            titleStrip(painter, 299, QStringLiteral("Velkorn Calculator"), 7);
                        });
    const std::pair<const char*, Drawing> faces[] = {
        {"0", glyphText("0")},     {"1", glyphText("1")},     {"2", glyphText("2")},
        {"3", glyphText("3")},     {"4", glyphText("4")},     {"5", glyphText("5")},
        {"6", glyphText("6")},     {"7", glyphText("7")},     {"8", glyphText("8")},
        {"9", glyphText("9")},     {"plus", plus},            {"minus", bar},
        {"times", glyphText("x")}, {"divide", divide},        {"clear", glyphText("C")},
        {"about", glyphText("A")}, {"help", glyphText("H")},
    };
    for (const auto& [name, glyph] : faces) {
        ok = saveJpegs(folder, QStringLiteral("face-%1").arg(name), kFaceSize, kRed, glyph) && ok;
    }
    ok = saveThemeIcons(folder) && ok;
    return writeIco8(render(QSize(64, 64), 1, Qt::white, applicationIcon),
                     folder.filePath(QStringLiteral("velkorn-calculator.ico"))) &&
           ok;
}
