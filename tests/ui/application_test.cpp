#include "testsupport.h"

#include "application.h"

#include "velkorn/presentedcard.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTimer>

using velkorn::FormDescription;
using velkorn::WindowId;
using velkorn::app::Application;
using velkorn::test::click;
using velkorn::ui::CardWindow;

namespace {

const FormDescription kPlainCard{.name = "Form2",
                                 .caption = "Plain",
                                 .clientWidth = 3000,
                                 .clientHeight = 1500,
                                 .background = "form1-background.jpg",
                                 .icon = "",
                                 .controls = {}};

// A card with no controls, hidden by what hides Help.
class PlainPresenter : public velkorn::CardPresenter {
  public:
    PlainPresenter(velkorn::FormHost& host, velkorn::CardView& view, velkorn::DragSettings drag)
        : CardPresenter(kPlainCard, WindowId::Help, host, view, drag) {}
    void click(std::string_view) override {}
};

} // namespace

class ApplicationTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Application> frame;
    int created = 0;

  private slots:
    void init() {
        created = 0;
        frame = std::make_unique<Application>();
        frame->setFactory(WindowId::Help, [this](velkorn::FormHost& host) {
            ++created;
            return std::make_unique<velkorn::PresentedCard<CardWindow, PlainPresenter>>(kPlainCard,
                                                                                         host);
        });
        frame->start();
        QVERIFY(QTest::qWaitForWindowExposed(&frame->mainWindow()));
    }
    void cleanup() { frame.reset(); }

    // First: once a test has ended the program, QCoreApplication::exit
    // makes every later event loop (the box's) return at once.
    // The error box is over the main window, titled with the program's
    // name; once it is closed the program goes on.
    void anErrorShowsAMessageBoxAndTheProgramGoesOn() {
        QSignalSpy shown(frame.get(), &Application::errorShown);
        QString title;
        QWidget* parent = nullptr;
        connect(frame.get(), &Application::errorShown, this, [&] {
            QTimer::singleShot(0, this, [&] {
                QWidget* box = QApplication::activeModalWidget();
                QVERIFY(box != nullptr);
                title = box->windowTitle();
                parent = box->parentWidget();
                box->close();
            });
        });
        click(frame->mainWindow(), "Image21");
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0][1].toString(), QStringLiteral("Type mismatch"));
        QCOMPARE(title, QStringLiteral("Velkorn Calculator"));
        QCOMPARE(parent, &frame->mainWindow());
        click(frame->mainWindow(), "Image1");
        QCOMPARE(frame->mainWindow().engine().text(velkorn::BoxId::Text1), "1");
    }

    void startShowsTheMainWindowCentred() {
        auto& form = frame->mainWindow();
        QVERIFY(form.isVisible());
        const QRect screen = form.screen()->availableGeometry();
        QCOMPARE(form.geometry().center().x() - screen.center().x(), 0);
        QVERIFY(qAbs(form.geometry().center().y() - screen.center().y()) <= 1);
    }

    // The icon is not part of the first frame: it comes once it is drawn.
    void theWindowIconComesAfterTheFirstFrame() {
        auto& form = frame->mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!form.windowIcon().isNull());
        QCOMPARE(form.windowIcon().availableSizes(), QList<QSize>{QSize(64, 64)});
    }

    void showWindowCreatesOnceAndKeepsThePosition() {
        QCOMPARE(frame->window(WindowId::Help), nullptr);
        click(frame->mainWindow(), "Image27");
        CardWindow* help = frame->window(WindowId::Help);
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        help->move(help->pos() + QPoint(33, 44));
        const QPoint moved = help->pos();

        click(frame->mainWindow(), "Image27", Qt::RightButton);
        frame->host().hideWindow(WindowId::Help);
        QVERIFY(!help->isVisible());
        QVERIFY(frame->mainWindow().isVisible());
        frame->host().hideWindow(WindowId::Help);
        frame->host().showWindow(WindowId::Help);

        QCOMPARE(created, 1);
        QCOMPARE(frame->window(WindowId::Help), help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->pos(), moved);
    }

    void windowManagerCloseHidesASecondaryWindow() {
        frame->host().showWindow(WindowId::Help);
        CardWindow* help = frame->window(WindowId::Help);
        QSignalSpy ended(frame.get(), &Application::programEnded);
        QVERIFY(!help->close());
        QVERIFY(!help->isVisible());
        QCOMPARE(ended.size(), 0);
    }

    void exitLabelEndsTheProgramAndClosesEveryWindow() {
        frame->host().showWindow(WindowId::Help);
        QSignalSpy ended(frame.get(), &Application::programEnded);
        click(frame->mainWindow(), "Label2");
        QCOMPARE(ended.size(), 1);
        QVERIFY(!frame->mainWindow().isVisible());
        QVERIFY(!frame->window(WindowId::Help)->isVisible());
    }

    void windowManagerCloseOnTheMainWindowEndsTheProgram() {
        QSignalSpy ended(frame.get(), &Application::programEnded);
        frame->mainWindow().close();
        QCOMPARE(ended.size(), 1);
    }
};

QTEST_MAIN(ApplicationTest)
#include "application_test.moc"
