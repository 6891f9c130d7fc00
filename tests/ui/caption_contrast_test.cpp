// Every caption of the three windows keeps at least 4.5:1 contrast against
// what is drawn behind it, measured on the rendered windows, under a dark
// colour scheme and under high contrast.
#include "testsupport.h"

#include "form1.h"
#include "secondarywindows.h"

#include "velkorn/captioncolours.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>

#include <map>

using velkorn::contrastRatio;
using velkorn::ControlKind;
using velkorn::FormDescription;
using velkorn::Rgb;
using velkorn::test::RecordingHost;
using velkorn::ui::CardWindow;

namespace {

Rgb rgb(QRgb pixel) {
    return {static_cast<std::uint8_t>(qRed(pixel)), static_cast<std::uint8_t>(qGreen(pixel)),
            static_cast<std::uint8_t>(qBlue(pixel))};
}

// The ground is the commonest colour in the caption's rectangle; the text
// is the pixel that stands out most from it (the core of a glyph).
double captionContrast(const QImage& window, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[window.pixel(x, y)];
        }
    }
    QRgb ground = 0;
    int most = 0;
    for (const auto& [pixel, count] : counts) {
        if (count > most) {
            ground = pixel;
            most = count;
        }
    }
    double best = 1;
    for (const auto& [pixel, count] : counts) {
        best = std::max(best, contrastRatio(rgb(pixel), rgb(ground)));
    }
    return best;
}

QPalette darkPalette() {
    QPalette palette;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        palette.setColor(role, Qt::black);
    }
    for (auto role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText}) {
        palette.setColor(role, Qt::white);
    }
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    return palette;
}

} // namespace

class CaptionContrastTest : public QObject {
    Q_OBJECT

  private:
    RecordingHost host;

    void measure(CardWindow& card, const FormDescription& form) {
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        const QImage image = card.grab().toImage();
        int measured = 0;
        for (const auto& entry : form.controls) {
            QWidget* control = card.control(entry.name);
            if (entry.kind != ControlKind::Label || entry.picture != nullptr ||
                !control->isVisible() || static_cast<QLabel*>(control)->text().isEmpty()) {
                continue;
            }
            const double ratio = captionContrast(image, control->geometry());
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1 of %2: %3:1")
                                    .arg(QString::fromUtf8(entry.name.data(), entry.name.size()),
                                         QString::fromUtf8(form.name.data(), form.name.size()))
                                    .arg(ratio, 0, 'f', 2)));
            ++measured;
        }
        QVERIFY(measured > 0);
    }

    void allWindows() {
        velkorn::ui::Form1 main(host);
        measure(main, velkorn::form1Description());
        velkorn::ui::Form2 help(velkorn::form2Description(), host);
        measure(help, velkorn::form2Description());
        velkorn::ui::Form3 about(velkorn::form3Description(), host);
        measure(about, velkorn::form3Description());
    }

  private slots:
    void cleanup() {
        QApplication::setPalette(QPalette());
        qunsetenv("GTK_THEME");
    }

    void darkScheme() {
        QApplication::setPalette(darkPalette());
        allWindows();
    }

    void highContrast() {
        qputenv("GTK_THEME", "HighContrastInverse");
        QApplication::setPalette(darkPalette());
        allWindows();
    }

    void lightScheme() { allWindows(); }
};

QTEST_MAIN(CaptionContrastTest)
#include "caption_contrast_test.moc"
