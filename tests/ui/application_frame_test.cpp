#include "testsupport.h"

#include "applicationframe.h"

#include <QSignalSpy>

using velkorn::app::ApplicationFrame;
using velkorn::test::click;
using velkorn::test::CountingReporter;
using velkorn::FormDescription;
using velkorn::ui::PictureCard;
using velkorn::WindowId;

namespace {

const FormDescription kPlainCard{.name = "Form2",
                                 .caption = "Plain",
                                 .clientWidth = 3000,
                                 .clientHeight = 1500,
                                 .background = "form1-background.jpg",
                                 .icon = "",
                                 .controls = {}};

} // namespace

class ApplicationFrameTest : public QObject {
    Q_OBJECT

  private:
    CountingReporter reporter;
    std::unique_ptr<ApplicationFrame> frame;
    int created = 0;

  private slots:
    void init() {
        created = 0;
        frame = std::make_unique<ApplicationFrame>(reporter);
        frame->setFactory(WindowId::Help, [this] {
            ++created;
            return std::make_unique<PictureCard>(kPlainCard);
        });
        frame->start();
        QVERIFY(QTest::qWaitForWindowExposed(&frame->mainWindow()));
    }
    void cleanup() { frame.reset(); }

    void startShowsTheMainWindowCentred() {
        auto& form = frame->mainWindow();
        QVERIFY(form.isVisible());
        const QRect screen = form.screen()->availableGeometry();
        QCOMPARE(form.geometry().center().x() - screen.center().x(), 0);
        QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 1);
    }

    void showWindowCreatesOnceAndKeepsThePosition() {
        QCOMPARE(frame->window(WindowId::Help), nullptr);
        click(frame->mainWindow(), "Image27");
        PictureCard* help = frame->window(WindowId::Help);
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        help->move(help->pos() + QPoint(33, 44));
        const QPoint moved = help->pos();

        click(frame->mainWindow(), "Image27", Qt::RightButton);
        frame->hideWindow(WindowId::Help);
        QVERIFY(!help->isVisible());
        QVERIFY(frame->mainWindow().isVisible());
        frame->hideWindow(WindowId::Help);
        frame->showWindow(WindowId::Help);

        QCOMPARE(created, 1);
        QCOMPARE(frame->window(WindowId::Help), help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->pos(), moved);
    }

    void windowManagerCloseHidesASecondaryWindow() {
        frame->showWindow(WindowId::Help);
        PictureCard* help = frame->window(WindowId::Help);
        QSignalSpy ended(frame.get(), &ApplicationFrame::programEnded);
        QVERIFY(!help->close());
        QVERIFY(!help->isVisible());
        QCOMPARE(ended.size(), 0);
    }

    void exitLabelEndsTheProgramAndClosesEveryWindow() {
        frame->showWindow(WindowId::Help);
        QSignalSpy ended(frame.get(), &ApplicationFrame::programEnded);
        click(frame->mainWindow(), "Label2");
        QCOMPARE(ended.size(), 1);
        QVERIFY(!frame->mainWindow().isVisible());
        QVERIFY(!frame->window(WindowId::Help)->isVisible());
    }

    void windowManagerCloseOnTheMainWindowEndsTheProgram() {
        QSignalSpy ended(frame.get(), &ApplicationFrame::programEnded);
        frame->mainWindow().close();
        QCOMPARE(ended.size(), 1);
    }
};

QTEST_MAIN(ApplicationFrameTest)
#include "application_frame_test.moc"
