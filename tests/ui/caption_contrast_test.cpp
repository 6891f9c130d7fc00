// Every caption of the three windows keeps at least 4.5:1 contrast against
// what is drawn behind it, and so does each overlap of two captions, where
// both must read: measured on the rendered windows, under a dark colour
// scheme and under high contrast, at each scale the test is run at.
#include "testsupport.h"

#include "form1.h"
#include "highcontrast.h"
#include "secondarywindows.h"

#include "velkorn/captioncolours.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QPalette>

#include <map>
#include <vector>

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

    // Each caption shown, and each overlap of two ("Time:" under the clock,
    // where its colon lies), against what is drawn behind.
    void measure(CardWindow& card, const FormDescription& form) {
        card.show();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        const QImage image = card.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        const auto pixels = [ratio](const QRect& area) {
            return QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect();
        };
        std::vector<std::pair<QString, QRect>> captions;
        for (const auto& entry : form.controls) {
            QWidget* control = card.control(entry.name);
            if (entry.kind == ControlKind::Label && entry.picture == nullptr &&
                control->isVisible() && !static_cast<QLabel*>(control)->text().isEmpty()) {
                captions.emplace_back(QString::fromUtf8(entry.name.data(), entry.name.size()),
                                      control->geometry());
            }
        }
        std::vector<std::pair<QString, QRect>> measured = captions;
        for (std::size_t i = 0; i < captions.size(); ++i) {
            for (std::size_t j = i + 1; j < captions.size(); ++j) {
                const QRect both = captions[i].second & captions[j].second;
                if (!both.isEmpty()) {
                    measured.emplace_back(captions[i].first + "/" + captions[j].first, both);
                }
            }
        }
        QVERIFY(measured.size() > captions.size() || form.name != "Form1");
        for (const auto& [name, area] : measured) {
            const double contrast = captionContrast(image, pixels(area) & image.rect());
            QVERIFY2(contrast >= 4.5,
                     qPrintable(QStringLiteral("%1 of %2 at %3: %4:1")
                                    .arg(name, QString::fromUtf8(form.name.data(), form.name.size()))
                                    .arg(ratio)
                                    .arg(contrast, 0, 'f', 2)));
        }
    }

    void allWindows() {
        velkorn::ui::Form1 main(host);
        main.presenter().tick(); // the clock's first texts
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
        qunsetenv("XDG_CONFIG_HOME");
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

    // KDE's high-contrast colour scheme, as its settings file names it.
    void kdeHighContrast() {
        QTemporaryDir config;
        QFile settings(config.filePath(QStringLiteral("kdeglobals")));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write("[General]\nColorScheme=BreezeHighContrast\n");
        settings.close();
        QVERIFY(!velkorn::ui::highContrast());
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QVERIFY(velkorn::ui::highContrast());
        QApplication::setPalette(darkPalette());
        allWindows();
    }
};

QTEST_MAIN(CaptionContrastTest)
#include "caption_contrast_test.moc"
