// Runs once per scale factor (QT_SCALE_FACTOR, set by CTest for the process).
#include "testsupport.h"

#include "application.h"
#include "clicklabel.h"

#include "formbuilder.h"

#include "velkorn/form1description.h"
#include "velkorn/picturescale.h"

#include <QPixmapCache>
#include <QScreen>

using velkorn::WindowId;
using velkorn::app::Application;
using velkorn::test::child;
using velkorn::ui::ClickLabel;
using velkorn::ui::CardWindow;

class HighDpiTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Application> frame;
    qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();

    std::vector<CardWindow*> windows() {
        frame->host().showWindow(WindowId::Help);
        frame->host().showWindow(WindowId::About);
        return {&frame->mainWindow(), frame->window(WindowId::Help),
                frame->window(WindowId::About)};
    }

  private slots:
    void init() {
        frame = std::make_unique<Application>();
        frame->start();
    }
    void cleanup() { frame.reset(); }

    void windowsKeepTheirLogicalSize() {
        QCOMPARE(frame->mainWindow().devicePixelRatioF(), scale);
        QCOMPARE(frame->mainWindow().size(), QSize(298, 357));
        QCOMPARE(child(frame->mainWindow(), "Image1")->geometry(), QRect(8, 152, 32, 32));
    }

    // Every picture is made for the screen's ratio, at its own logical size
    // (which for the cards is a little larger than the window).
    void picturesMatchTheScreen() {
        const auto check = [&](const QPixmap& pixmap, QSize logical, const QString& name) {
            QVERIFY2(qFuzzyCompare(pixmap.devicePixelRatio(), scale), qPrintable(name));
            const QSizeF size = pixmap.deviceIndependentSize();
            QVERIFY2(qAbs(size.width() - logical.width()) < 1 &&
                         qAbs(size.height() - logical.height()) < 1,
                     qPrintable(name));
        };
        const std::map<QString, QSize> cards{
            {"Form1", {299, 357}}, {"Form2", {301, 359}}, {"Form3", {301, 359}}};
        for (CardWindow* card : windows()) {
            check(card->backgroundPicture(), cards.at(card->objectName()), card->objectName());
            for (auto* label : card->findChildren<ClickLabel*>()) {
                if (!label->pixmap().isNull()) {
                    check(label->pixmap(), label->size(), label->objectName());
                }
            }
        }
    }

    // Decoded ahead on a worker thread or when asked, a picture comes out
    // the same, at each scale.
    void prefetchedPicturesAreTheDecodedOnes() {
        const velkorn::FormDescription& form = velkorn::form1Description();
        const int drawing = velkorn::drawingScale(scale);
        for (const char* picture : {form.background, form.control("Image21").picture}) {
            QPixmapCache::clear();
            const QImage decoded = velkorn::ui::loadPicture(velkorn::pictureDrawings(picture, scale), scale).toImage();
            QPixmapCache::clear();
            velkorn::ui::prefetchPictures(form, drawing);
            const QImage prefetched = velkorn::ui::loadPicture(velkorn::pictureDrawings(picture, scale), scale).toImage();
            QVERIFY2(!decoded.isNull(), picture);
            QVERIFY2(prefetched == decoded, picture);
        }
    }

    // At 200% the pictures are the twice-size drawings themselves, pixel for
    // pixel, not the ordinary ones scaled up.
    void doubleScaleUsesTheTwiceSizeDrawings() {
        if (scale != 2) {
            QSKIP("only at 200%");
        }
        const QImage drawn(QStringLiteral(":/velkorn/face-plus@2x.jpg"));
        const QImage shown = static_cast<ClickLabel*>(child(frame->mainWindow(), "Image21"))
                                 ->pixmap()
                                 .toImage()
                                 .convertToFormat(drawn.format());
        QCOMPARE(shown.size(), QSize(64, 64));
        QCOMPARE(shown, drawn);
    }

    // No gap opens at the card's right and bottom edges, whatever the scale.
    // Run on two screens, at 100% and 200%: a window moved from one to the
    // other loads its pictures again for the new scale.
    void picturesFollowTheWindowsScreen() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() != 2) {
            QSKIP("needs the two-screen configuration");
        }
        CardWindow& card = frame->mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&card));
        auto* face = static_cast<ClickLabel*>(child(card, "Image1"));
        for (QScreen* screen : {screens[1], screens[0]}) {
            card.move(screen->geometry().topLeft() + QPoint(100, 100));
            QTRY_COMPARE(card.devicePixelRatioF(), screen->devicePixelRatio());
            QTRY_COMPARE(card.backgroundPicture().devicePixelRatio(), screen->devicePixelRatio());
            QCOMPARE(face->pixmap().devicePixelRatio(), screen->devicePixelRatio());
            QCOMPARE(face->pixmap().size(), QSize(32, 32) * screen->devicePixelRatio());
        }
    }

    void cardsCoverTheirWindows() {
        for (CardWindow* card : windows()) {
            QPalette palette = card->palette();
            palette.setColor(QPalette::Window, Qt::magenta);
            card->setPalette(palette);
            const QImage image = card->grab().toImage();
            for (int x = 0; x < image.width(); x += 7) {
                QVERIFY(image.pixelColor(x, image.height() - 1) != Qt::magenta);
            }
            for (int y = 0; y < image.height(); y += 7) {
                QVERIFY(image.pixelColor(image.width() - 1, y) != Qt::magenta);
            }
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "high_dpi_test.moc"
