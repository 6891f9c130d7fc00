// In-process costs, measured with QBENCHMARK on the real main window
// (offscreen): one click on a picture button until the box shows the new
// text, repaint included, and one tick of the clock.
#include "application.h"

#include <QLineEdit>
#include <QTest>

class Form1Benchmark : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<velkorn::app::Application> frame;
    int second = 0;

    QWidget* control(const char* name) { return frame->mainWindow().control(name); }

  private slots:
    void initTestCase() {
        frame = std::make_unique<velkorn::app::Application>([this] {
            return QDateTime(QDate(2026, 12, 7), QTime(12, 0, 0).addSecs(second));
        });
        frame->start();
        QVERIFY(QTest::qWaitForWindowExposed(&frame->mainWindow()));
    }
    void cleanupTestCase() { frame.reset(); }

    // A digit, then clear: two clicks that each change a box (the figure is
    // for both).
    void clickDigitAndClear() {
        QWidget* digit = control("Image1");
        QWidget* clear = control("Image25");
        auto* box = static_cast<QLineEdit*>(control("Text1"));
        QBENCHMARK {
            QTest::mouseClick(digit, Qt::LeftButton, {}, QPoint(16, 16));
            QCoreApplication::processEvents();
            QTest::mouseClick(clear, Qt::LeftButton, {}, QPoint(16, 16));
            QCoreApplication::processEvents();
        }
        QCOMPARE(box->text(), QString());
    }

    // 12 + 3 and 12 - 3 into the result box in turn, the whole operation
    // path twice (the figure is for both): each click changes the box.
    void clickAddAndSubtract() {
        for (const char* name : {"Image25", "Image1", "Image2", "Image13"}) {
            QTest::mouseClick(control(name), Qt::LeftButton, {}, QPoint(16, 16));
        }
        auto* result = static_cast<QLineEdit*>(control("Text3"));
        QBENCHMARK {
            QTest::mouseClick(control("Image21"), Qt::LeftButton, {}, QPoint(16, 16));
            QCoreApplication::processEvents();
            QTest::mouseClick(control("Image22"), Qt::LeftButton, {}, QPoint(16, 16));
            QCoreApplication::processEvents();
        }
        QCOMPARE(result->text(), QStringLiteral("9"));
    }

    // A tick in which the second has moved on, so the time label changes.
    void clockTick() {
        QBENCHMARK {
            ++second;
            frame->mainWindow().presenter().tick();
            QCoreApplication::processEvents();
        }
    }
};

QTEST_MAIN(Form1Benchmark)
#include "form1_benchmark.moc"
