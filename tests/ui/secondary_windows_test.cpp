#include "testsupport.h"

#include "application.h"
#include "secondarywindows.h"
#include "velkorn/aboutwarning.h"

#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

using velkorn::WindowId;
using velkorn::app::Application;
using velkorn::test::child;
using velkorn::test::click;
using velkorn::test::RecordingHost;
using velkorn::ui::CardWindow;
using velkorn::ui::Form2;
using velkorn::ui::Form3;

class SecondaryWindowsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<Application> frame;
    std::map<WindowId, int> created;

    CardWindow& open(WindowId id) {
        click(frame->mainWindow(), id == WindowId::Help ? "Image27" : "Image26");
        return *frame->window(id);
    }

    static bool drags(CardWindow& card, QPoint where, Qt::MouseButton button) {
        const QPoint start = card.pos();
        QTest::mousePress(card.windowHandle(), button, Qt::NoModifier, where);
        QTest::mouseMove(card.windowHandle(), where + QPoint(20, 10));
        QTest::mouseRelease(card.windowHandle(), button, Qt::NoModifier, where + QPoint(20, 10));
        const bool moved = card.pos() != start;
        card.move(start);
        return moved;
    }

  private slots:
    // A screen reader may ask about a window while it is made (Orca does,
    // from the events of its controls' making), before its presenter
    // exists: it meets a window without controls, and nothing asks for the
    // presenter.
    void aScreenReaderMayAskWhileAWindowIsMade() {
        struct Unpresented : CardWindow {
            Unpresented() : CardWindow(velkorn::form3Description()) {}
            velkorn::CardPresenter& presenter() override {
                qFatal("the presenter was asked for before it existed");
            }
        } card;
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&card);
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->childCount(), 0);
        QCOMPARE(window->text(QAccessible::Description), QString());
        for (QWidget* control : card.findChildren<QWidget*>()) {
            QAccessibleInterface* item = QAccessible::queryAccessibleInterface(control);
            item->role();
            item->state();
            item->text(QAccessible::Name);
        }
        QVERIFY(window->childAt(card.mapToGlobal(QPoint(10, 10)).x(), 10) == nullptr);
    }

    void init() {
        created.clear();
        frame = std::make_unique<Application>();
        frame->setFactory(WindowId::Help, [this](velkorn::FormHost& host) {
            ++created[WindowId::Help];
            return std::make_unique<Form2>(velkorn::form2Description(), host);
        });
        frame->setFactory(WindowId::About, [this](velkorn::FormHost& host) {
            ++created[WindowId::About];
            return std::make_unique<Form3>(velkorn::form3Description(), host);
        });
        frame->start();
    }
    void cleanup() { frame.reset(); }

    void eachWindowIsCreatedOnce() {
        for (int i = 0; i < 3; ++i) {
            open(WindowId::Help);
            open(WindowId::About);
            click(*frame->window(WindowId::Help), "Label1");
        }
        QCOMPARE(created[WindowId::Help], 1);
        QCOMPARE(created[WindowId::About], 1);
        // Both open beside the main window, centred on the screen.
        open(WindowId::Help);
        for (WindowId id : {WindowId::Main, WindowId::Help, WindowId::About}) {
            CardWindow* card = frame->window(id);
            QVERIFY(card->isVisible());
            const QRect screen = card->screen()->availableGeometry();
            QVERIFY(qAbs(card->geometry().center().x() - screen.center().x()) <= 1);
        }
    }

    void aboutStartsInEnglish() {
        auto& about = static_cast<Form3&>(open(WindowId::About));
        QVERIFY(!child(about, "Image1")->isVisible());
        QVERIFY(!child(about, "Image2")->isVisible());
        QCOMPARE(about.presenter().language(), velkorn::Language::English);
    }

    void languageLabelsSwitchTheWarning_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("bengali");
        QTest::addColumn<bool>("chinese");
        QTest::newRow("Bengali") << QStringList{"Label4"} << true << false;
        QTest::newRow("Chinese") << QStringList{"Label5"} << false << true;
        QTest::newRow("Bengali then Chinese") << QStringList{"Label4", "Label5"} << false << true;
        QTest::newRow("Chinese then Bengali") << QStringList{"Label5", "Label4"} << true << false;
        QTest::newRow("then English")
            << QStringList{"Label4", "Label5", "Label3"} << false << false;
        QTest::newRow("English twice") << QStringList{"Label3", "Label3"} << false << false;
        QTest::newRow("Chinese twice") << QStringList{"Label5", "Label5"} << false << true;
        QTest::newRow("LS does nothing") << QStringList{"Label4", "Label2"} << true << false;
    }
    void languageLabelsSwitchTheWarning() {
        QFETCH(QStringList, clicks);
        QFETCH(bool, bengali);
        QFETCH(bool, chinese);
        CardWindow& about = open(WindowId::About);
        for (qsizetype i = 0; i < clicks.size(); ++i) {
            click(about, clicks[i].toLatin1(), i % 2 ? Qt::RightButton : Qt::LeftButton);
        }
        QCOMPARE(child(about, "Image1")->isVisible(), bengali);
        QCOMPARE(child(about, "Image2")->isVisible(), chinese);
        QVERIFY(about.isVisible());
    }

    void languageAndPositionSurviveClosing() {
        CardWindow& about = open(WindowId::About);
        click(about, "Label5");
        about.move(about.pos() + QPoint(-120, 35));
        const QPoint moved = about.pos();
        click(about, "Label1");
        QVERIFY(!about.isVisible());
        QCOMPARE(&open(WindowId::About), &about);
        QVERIFY(about.isVisible());
        QCOMPARE(about.pos(), moved);
        QVERIFY(child(about, "Image2")->isVisible());
        QVERIFY(!child(about, "Image1")->isVisible());
    }

    void closeLabelHidesOnlyItsOwnWindow_data() {
        QTest::addColumn<WindowId>("closed");
        QTest::addColumn<WindowId>("other");
        QTest::newRow("Help") << WindowId::Help << WindowId::About;
        QTest::newRow("About") << WindowId::About << WindowId::Help;
    }
    void closeLabelHidesOnlyItsOwnWindow() {
        QFETCH(WindowId, closed);
        QFETCH(WindowId, other);
        open(WindowId::Help);
        open(WindowId::About);
        click(*frame->window(closed), "Label1", Qt::RightButton);
        QVERIFY(!frame->window(closed)->isVisible());
        QVERIFY(frame->window(other)->isVisible());
        QVERIFY(frame->mainWindow().isVisible());
        // The window manager's close command hides it the same way, and so
        // does Escape.
        open(closed);
        QVERIFY(!frame->window(closed)->close());
        QVERIFY(!frame->window(closed)->isVisible());
        open(closed);
        QTest::keyClick(frame->window(closed), Qt::Key_Escape);
        QVERIFY(!frame->window(closed)->isVisible());
        QVERIFY(frame->window(other)->isVisible());
        QVERIFY(frame->mainWindow().isVisible());
    }

    void pressesDragOnlyOnTheBackground_data() {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QPoint>("where");
        QTest::addColumn<bool>("drags");
        QTest::newRow("Help strip") << WindowId::Help << "" << QPoint(150, 16) << true;
        QTest::newRow("Help text") << WindowId::Help << "" << QPoint(60, 100) << true;
        QTest::newRow("Help X") << WindowId::Help << "" << QPoint(288, 16) << false;
        QTest::newRow("About English text") << WindowId::About << "" << QPoint(100, 300) << true;
        QTest::newRow("About Bengali picture")
            << WindowId::About << "Label4" << QPoint(100, 300) << false;
        QTest::newRow("About Chinese picture")
            << WindowId::About << "Label5" << QPoint(100, 300) << false;
        QTest::newRow("About Chinese left edge")
            << WindowId::About << "Label5" << QPoint(3, 300) << false;
        QTest::newRow("About Bengali, left edge free")
            << WindowId::About << "Label4" << QPoint(3, 300) << true;
        QTest::newRow("About LS") << WindowId::About << "" << QPoint(260, 258) << false;
        QTest::newRow("About English label") << WindowId::About << "" << QPoint(265, 280) << false;
        QTest::newRow("About X") << WindowId::About << "" << QPoint(288, 16) << false;
    }
    void pressesDragOnlyOnTheBackground() {
        QFETCH(WindowId, window);
        QFETCH(QString, language);
        QFETCH(QPoint, where);
        QFETCH(bool, drags);
        CardWindow& card = open(window);
        if (!language.isEmpty()) {
            click(card, language.toLatin1());
        }
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            QCOMPARE(SecondaryWindowsTest::drags(card, where, button), drags);
        }
        QVERIFY(card.isVisible());
    }

    void geometryMatchesTheLayout_data() {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("Help window") << WindowId::Help << "" << QRect(0, 0, 300, 355);
        QTest::newRow("Help X") << WindowId::Help << "Label1" << QRect(280, 8, 17, 17);
        QTest::newRow("About window") << WindowId::About << "" << QRect(0, 0, 300, 358);
        QTest::newRow("About LS") << WindowId::About << "Label2" << QRect(248, 253, 33, 14);
        QTest::newRow("Chinese") << WindowId::About << "Image2" << QRect(0, 273, 236, 78);
        QTest::newRow("Bengali") << WindowId::About << "Image1" << QRect(8, 272, 236, 78);
        QTest::newRow("Chinese label") << WindowId::About << "Label5" << QRect(248, 320, 41, 17);
        QTest::newRow("Bengali label") << WindowId::About << "Label4" << QRect(248, 296, 41, 17);
        QTest::newRow("English label") << WindowId::About << "Label3" << QRect(248, 272, 41, 17);
        QTest::newRow("About X") << WindowId::About << "Label1" << QRect(280, 8, 17, 17);
    }
    void geometryMatchesTheLayout() {
        QFETCH(WindowId, window);
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        CardWindow& card = open(window);
        const QRect actual =
            name.isEmpty() ? card.rect() : child(card, name.toLatin1())->geometry();
        QCOMPARE(actual, pixels);
        QVERIFY(card.windowFlags() & Qt::FramelessWindowHint);
    }

    void titlesToolTipsAndAccessibleNames_data() {
        QTest::addColumn<WindowId>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("accessible");
        QTest::newRow("Help X") << WindowId::Help << "Label1"
                                << "Close"
                                << "Close";
        QTest::newRow("About X") << WindowId::About << "Label1"
                                 << "Close"
                                 << "Close";
        QTest::newRow("LS") << WindowId::About << "Label2"
                            << "Language Select"
                            << "Language Select";
        QTest::newRow("English") << WindowId::About << "Label3"
                                 << "English Language"
                                 << "English Language";
        QTest::newRow("Bengali") << WindowId::About << "Label4"
                                 << "Bengali Language"
                                 << "Bengali Language";
        QTest::newRow("Chinese") << WindowId::About << "Label5"
                                 << "Chinese Language"
                                 << "Chinese Language";
    }
    void titlesToolTipsAndAccessibleNames() {
        QFETCH(WindowId, window);
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, accessible);
        CardWindow& card = open(window);
        QCOMPARE(card.windowTitle(), window == WindowId::Help ? "Help" : "About");
        QCOMPARE(velkorn::test::toolTipOver(card, name.toLatin1()), toolTip);
        QCOMPARE(velkorn::test::accessibleText(child(card, name.toLatin1())), accessible);
    }

    void warningPicturesAreNamedByTheirText() {
        CardWindow& about = open(WindowId::About);
        QCOMPARE(velkorn::test::accessibleText(child(about, "Image2"), QAccessible::Description),
                 QStringLiteral("Warning in Chinese"));
        const QString bengali = velkorn::test::accessibleText(child(about, "Image1"));
        const QString chinese = velkorn::test::accessibleText(child(about, "Image2"));
        QCOMPARE(bengali, QString::fromUtf8(velkorn::kWarningBengali));
        QCOMPARE(chinese, QString::fromUtf8(velkorn::kWarningChinese));
        QVERIFY(bengali.contains(QStringLiteral("সতর্কতা")));
        QVERIFY(chinese.startsWith(QStringLiteral("警告")));
        QCOMPARE(chinese.count(u'\n'), 4);
    }
};

QTEST_MAIN(SecondaryWindowsTest)
#include "secondary_windows_test.moc"
