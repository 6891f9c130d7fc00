#include "testsupport.h"

#include "clicklabel.h"
#include "localclock.h"
#include "form1.h"

#include "velkorn/controlstack.h"
#include "velkorn/form1description.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHash>
#include <QPaintEvent>
#include <QRegion>
#include <QRegularExpression>
#include <QTimer>

using velkorn::BoxId;
using velkorn::ErrorKind;
using velkorn::Key;
using velkorn::WindowId;
using velkorn::test::boxText;
using velkorn::test::child;
using velkorn::test::click;
using velkorn::test::RecordingHost;
using velkorn::ui::ClickLabel;
using velkorn::ui::Form1;

// What a window and its controls paint, and the layout requests it gets.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(QWidget* window) {
        window->installEventFilter(this);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            control->installEventFilter(this);
        }
    }

    QHash<QObject*, QRegion> painted;
    int layoutRequests = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted[watched] += static_cast<QPaintEvent*>(event)->region();
        } else if (event->type() == QEvent::LayoutRequest) {
            ++layoutRequests;
        }
        return false;
    }
};

class Form1Test : public QObject {
    Q_OBJECT

  private:
    const QDateTime startTime{QDate(2026, 12, 7), QTime(23, 16, 29)};
    QDateTime fakeNow;
    RecordingHost host;
    std::unique_ptr<Form1> form;

    QTimer* timer() const { return form->findChild<QTimer*>(QStringLiteral("Timer1")); }

    // One tick of Timer1, through the timer itself.
    void tick() {
        auto* label = static_cast<QLabel*>(child(*form, "Label11"));
        const QString before = label->text();
        timer()->start(0);
        QTRY_VERIFY_WITH_TIMEOUT(label->text() != before, 5000);
        timer()->stop();
    }

    void typeInto(const char* box, const QString& text) {
        auto* edit = static_cast<QLineEdit*>(child(*form, box));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

  private slots:
    void init() {
        host = RecordingHost();
        fakeNow = startTime;
        form = std::make_unique<Form1>(host, [this] { return fakeNow; });
        // The clock runs from creation; the tests tick it themselves, so
        // that nothing depends on how long the machine takes.
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 500);
        timer()->stop();
        form->presenter().centre();
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup() { form.reset(); }

    void clicksDriveTheEngine_data() {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("typical") << QStringList{"Image1", "Image2", "Image13", "Image21"}
                                 << QStringList{"12", "3", "15"};
        QTest::newRow("clear") << QStringList{"Image9", "Image11", "Image23", "Image25"}
                               << QStringList{"", "", ""};
        QTest::newRow("keypads") << QStringList{"Image10", "Image3", "Image20", "Image14"}
                                 << QStringList{"03", "04", ""};
        QTest::newRow("minus") << QStringList{"Image5", "Image17", "Image22"}
                               << QStringList{"5", "7", "-2"};
        QTest::newRow("divide") << QStringList{"Image7", "Image12", "Image24"}
                                << QStringList{"7", "2", "4"};
        QTest::newRow("window buttons")
            << QStringList{"Image8", "Image26", "Image27", "Label12"} << QStringList{"8", "", ""};
    }
    void clicksDriveTheEngine() {
        QFETCH(QStringList, clicks);
        QFETCH(QStringList, boxes);
        for (qsizetype i = 0; i < clicks.size(); ++i) {
            // Either button clicks.
            click(*form, clicks[i].toLatin1(), i % 2 ? Qt::RightButton : Qt::LeftButton);
        }
        QCOMPARE((QStringList{boxText(*form, "Text1"), boxText(*form, "Text2"),
                              boxText(*form, "Text3")}),
                 boxes);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QString::fromStdString(form->engine().text(static_cast<BoxId>(i))), boxes[i]);
        }
        QVERIFY(host.kinds.empty());
    }

    void windowButtonsAndKeysAskTheApplication() {
        click(*form, "Image26");
        click(*form, "Image27", Qt::RightButton);
        // F1 from a box reaches the window; Escape does nothing here.
        QTest::keyClick(child(*form, "Text2"), Qt::Key_F1);
        QTest::keyClick(child(*form, "Text1"), Qt::Key_Escape);
        QCOMPARE(host.ended, 0);
        click(*form, "Label2");
        QCOMPARE(host.shown, (std::vector{WindowId::About, WindowId::Help, WindowId::Help}));
        QCOMPARE(host.ended, 1);
        // The window manager's close command ends the program too.
        QVERIFY(!form->close());
        QCOMPARE(host.ended, 2);
    }

    // The box a keypad changes has its caret at the end, so typing goes on
    // after the digits.
    void typingAfterAKeypadClickAppends() {
        typeInto("Text1", "12");
        click(*form, "Image3");
        auto* box = static_cast<QLineEdit*>(child(*form, "Text1"));
        QCOMPARE(box->cursorPosition(), 3);
        QTest::keyClicks(box, "4");
        QCOMPARE(box->text(), QStringLiteral("1234"));
        QCOMPARE(form->engine().text(BoxId::Text1), "1234");
    }

    void middleButtonIsNoClick() {
        click(*form, "Image1", Qt::MiddleButton);
        QCOMPARE(boxText(*form, "Text1"), QString());
    }

    void doubleClickEntersOneDigit() {
        // Through the window, so that Qt itself turns the second press into
        // a double-click event, as it does for a person's double click.
        const QPoint centre = child(*form, "Image1")->geometry().center();
        QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, centre);
        QCOMPARE(boxText(*form, "Text1"), QStringLiteral("1"));
    }

    void releaseOutsideIsNoClick() {
        QWidget* one = child(*form, "Image1");
        QTest::mousePress(one, Qt::LeftButton, Qt::NoModifier, one->rect().center());
        QTest::mouseRelease(one, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
        QCOMPARE(boxText(*form, "Text1"), QString());
    }

    void geometryMatchesTheLayout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        // Twips to pixels by edges at 15 twips a pixel.
        QTest::newRow("Text1") << "Text1" << QRect(11, 64, 129, 25);
        QTest::newRow("Text2") << "Text2" << QRect(160, 64, 129, 25);
        QTest::newRow("Text3") << "Text3" << QRect(160, 96, 129, 25);
        QTest::newRow("Label1") << "Label1" << QRect(113, 100, 41, 24);
        QTest::newRow("Label2") << "Label2" << QRect(272, 8, 17, 17);
        QTest::newRow("Label3") << "Label3" << QRect(11, 43, 57, 25);
        QTest::newRow("Label4") << "Label4" << QRect(160, 43, 49, 17);
        QTest::newRow("Label5") << "Label5" << QRect(8, 133, 73, 17);
        QTest::newRow("Label8") << "Label8" << QRect(180, 240, 49, 17);
        QTest::newRow("Label10") << "Label10" << QRect(180, 328, 25, 17);
        QTest::newRow("Label11") << "Label11" << QRect(200, 304, 73, 17);
        QTest::newRow("Label12") << "Label12" << QRect(200, 328, 73, 17);
        QTest::newRow("Image1") << "Image1" << QRect(8, 152, 32, 32);
        QTest::newRow("Image10") << "Image10" << QRect(48, 312, 32, 32);
        QTest::newRow("Image13") << "Image13" << QRect(88, 192, 32, 32);
        QTest::newRow("Image23") << "Image23" << QRect(260, 152, 32, 32);
        QTest::newRow("Image27") << "Image27" << QRect(220, 256, 32, 32);
    }
    void geometryMatchesTheLayout() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(child(*form, name.toLatin1())->geometry(), pixels);
        QCOMPARE(form->size(), QSize(298, 357));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(form->windowTitle(), QStringLiteral("Velkorn Calculator"));
    }

    // Typed numbers, Tab between the boxes and the shortcuts: no pointer.
    void keyboardAloneComputes() {
        QCOMPARE(QApplication::focusWidget(), child(*form, "Text1"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(boxText(*form, "Text2"), QStringLiteral("3"));
        QCOMPARE(boxText(*form, "Text3"), QStringLiteral("15"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
        QCOMPARE(boxText(*form, "Text1"), QString());
        QCOMPARE(QApplication::focusWidget(), child(*form, "Text2")); // the focus stays
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier);
        QTest::keyClick(form.get(), Qt::Key_F1);
        QCOMPARE(host.shown, (std::vector{WindowId::About, WindowId::Help}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::AltModifier);
        QCOMPARE(host.ended, 1);
    }

    void clickInTheTimeOverlapRefreshesTheTime() {
        fakeNow = QDateTime(QDate(2027, 1, 2), QTime(9, 8, 7));
        QTest::mouseClick(form->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(202, 335));
        QCOMPARE(static_cast<QLabel*>(child(*form, "Label12"))->text(),
                 velkorn::test::QtClock().time(QTime(9, 8, 7)));
        QCOMPARE(static_cast<QLabel*>(child(*form, "Label11"))->text(), QString());
    }

    void pressesOnLabelsAndButtonsNeverDrag_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::MouseButton>("button");
        for (const char* name : {"Label1", "Label3", "Label5", "Label9", "Label10", "Label11",
                                 "Image1", "Image21", "Label8"}) {
            for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                QTest::addRow("%s %d", name, int(button)) << QString(name) << button;
            }
        }
    }
    void pressesOnLabelsAndButtonsNeverDrag() {
        QFETCH(QString, name);
        QFETCH(Qt::MouseButton, button);
        QWidget* control = child(*form, name.toLatin1());
        const QPoint start = form->pos();
        const QPoint centre = control->rect().center();
        QTest::mousePress(control, button, Qt::NoModifier, centre);
        QTest::mouseMove(control, centre + QPoint(30, 20));
        QTest::mouseRelease(control, button, Qt::NoModifier, centre + QPoint(30, 20));
        QCOMPARE(form->pos(), start);
    }

    void backgroundDragsWithAnyButton_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("where");
        QTest::newRow("left, title strip") << Qt::LeftButton << QPoint(100, 16);
        QTest::newRow("right, white ground") << Qt::RightButton << QPoint(150, 140);
        QTest::newRow("middle, bottom") << Qt::MiddleButton << QPoint(100, 350);
    }
    void backgroundDragsWithAnyButton() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, where);
        QCOMPARE(form->childAt(where), nullptr);
        const QPoint start = form->pos();
        QTest::mousePress(form.get(), button, Qt::NoModifier, where);
        // Within the drag distance nothing moves yet: a click stays a click.
        QTest::mouseMove(form.get(), where + QPoint(2, 1));
        QCOMPARE(form->pos(), start);
        QTest::mouseMove(form.get(), where + QPoint(40, 25));
        QTest::mouseRelease(form.get(), button, Qt::NoModifier, where + QPoint(40, 25));
        QCOMPARE(form->pos(), start + QPoint(40, 25));
        // Once released, moving the pointer leaves the window where it is.
        QTest::mouseMove(form.get(), where);
        QCOMPARE(form->pos(), start + QPoint(40, 25));
    }

    void typingReachesTheEngine() {
        typeInto("Text1", "-12");
        typeInto("Text2", " 3");
        typeInto("Text3", "old");
        click(*form, "Image22");
        QCOMPARE(boxText(*form, "Text3"), QStringLiteral("-15"));
        QCOMPARE(form->engine().text(BoxId::Text1), "-12");
    }

    void boxesHoldFifteenCharacters_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::newRow("ascii") << "12345678901234567890"
                               << "123456789012345";
        QTest::newRow("wide") << QString(20, QChar(0x4E2D)) << QString(15, QChar(0x4E2D));
        QTest::newRow("accents") << QString(16, QChar(0xE9)) << QString(15, QChar(0xE9));
        const QString smile = QStringLiteral("\U0001F600"); // two UTF-16 units
        QTest::newRow("outside the basic plane") << smile.repeated(16) << smile.repeated(15);
        QTest::newRow("mixed, cut on a character")
            << QStringLiteral("12345678901234") + smile.repeated(3)
            << QStringLiteral("12345678901234") + smile;
    }
    void boxesHoldFifteenCharacters() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QGuiApplication::clipboard()->setText(pasted);
        auto* box = static_cast<QLineEdit*>(child(*form, "Text2"));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), kept);
        QCOMPARE(QString::fromStdString(form->engine().text(BoxId::Text2)), kept);
        QTest::keyClicks(box, "9");
        QCOMPARE(box->text(), kept);
        QCOMPARE(box->cursorPosition(), kept.size());
        // The refused key left the undo history alone: undo takes back the
        // paste, then redo brings it again.
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QString());
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(box->text(), kept);
        click(*form, "Image11");
        QCOMPARE(box->text(), kept);
        // Typing in the middle of a full box changes nothing either.
        box->setCursorPosition(2);
        QTest::keyClicks(box, "7");
        QCOMPARE(box->text(), kept);
        QCOMPARE(box->cursorPosition(), 2);
        QCOMPARE(QString::fromStdString(form->engine().text(BoxId::Text2)), kept);
    }

    // A paste that does not fit is cut where it went in, and undo takes the
    // whole paste back.
    void pasteIsCutWhereItWentInAndUndone() {
        auto* box = static_cast<QLineEdit*>(child(*form, "Text1"));
        typeInto("Text1", "1234567890123");
        box->setCursorPosition(2);
        QGuiApplication::clipboard()->setText(QStringLiteral("3412"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("123434567890123"));
        QCOMPARE(box->cursorPosition(), 4);
        QCOMPARE(form->engine().text(BoxId::Text1), "123434567890123");
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("1234567890123"));
        QCOMPARE(form->engine().text(BoxId::Text1), "1234567890123");
    }

    void tabOrderAndFocus() {
        QCOMPARE(QApplication::focusWidget(), child(*form, "Text1"));
        click(*form, "Image2");
        QCOMPARE(QApplication::focusWidget(), child(*form, "Text1"));
        for (const char* next : {"Text2", "Text3", "Text1"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), child(*form, next));
        }
    }

    void clockShowsTimeThenDate() {
        auto* time = static_cast<QLabel*>(child(*form, "Label12"));
        auto* date = static_cast<QLabel*>(child(*form, "Label11"));
        QCOMPARE(time->text(), QString());
        QCOMPARE(date->text(), QString());
        tick();
        QCOMPARE(time->text(), velkorn::test::QtClock().time(fakeNow.time()));
        QCOMPARE(date->text(), velkorn::test::QtClock().date(fakeNow.date()));
        QVERIFY(time->text().contains(QStringLiteral("16:29")));

        // A click on the time refreshes the time alone.
        fakeNow = QDateTime(QDate(2030, 1, 1), QTime(1, 2, 3));
        click(*form, "Label12");
        QCOMPARE(time->text(), velkorn::test::QtClock().time(QTime(1, 2, 3)));
        QCOMPARE(date->text(), velkorn::test::QtClock().date(QDate(2026, 12, 7)));
        tick();
        QCOMPARE(date->text(), velkorn::test::QtClock().date(fakeNow.date()));
    }

    // A new second redraws the time's label and no more of the window, and
    // asks the window for no layout.
    void aNewSecondRepaintsOnlyTheTime() {
        tick();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        // The caret's blinking would repaint its box meanwhile.
        QApplication::focusWidget()->clearFocus();
        QCoreApplication::sendPostedEvents(form.get(), QEvent::UpdateRequest);
        QWidget* time = child(*form, "Label12");
        PaintRecorder recorder(form.get());
        fakeNow = fakeNow.addSecs(1);
        form->presenter().tick();
        QTRY_VERIFY(recorder.painted.contains(time));
        QCOMPARE(recorder.layoutRequests, 0);
        // ("Time:" reaches under the time: its overlap is drawn again too.)
        for (auto painted = recorder.painted.cbegin(); painted != recorder.painted.cend();
             ++painted) {
            auto* widget = static_cast<QWidget*>(painted.key());
            const QPoint offset = widget == form.get() ? QPoint() : widget->pos();
            QVERIFY2(time->geometry().contains(painted.value().boundingRect().translated(offset)),
                     qPrintable(widget->objectName()));
        }
    }

    // Every regional format Qt knows, read by the model from Qt's patterns
    // and names, is written as Qt itself writes it, with hours, minutes and
    // seconds, and nothing left of the zone.
    void everyLocaleShowsAClockTime() {
        static const QRegularExpression leftovers(
            QStringLiteral("\\(\\s*\\)|\\[\\s*\\]|^[\\s,;:-]|[\\s,;:-]$"));
        const auto locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                      QLocale::AnyTerritory);
        QVERIFY(locales.size() > 500);
        for (const QLocale& locale : locales) {
            const velkorn::ClockFormat model(velkorn::ui::clockLocale(locale));
            const velkorn::test::QtClock qt(locale);
            for (const QDateTime& when :
                 {QDateTime(QDate(2026, 12, 27), QTime(23, 5, 9)),
                  QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0)),
                  QDateTime(QDate(2031, 7, 9), QTime(12, 59, 30))}) {
                const auto reading = velkorn::ui::clockReading(when);
                const QString time = QString::fromStdU16String(model.time(reading));
                const QString date = QString::fromStdU16String(model.date(reading));
                const QString name = locale.name() + QStringLiteral(": ") + time;
                QCOMPARE(time, qt.time(when.time()));
                QCOMPARE(date, qt.date(when.date()));
                QVERIFY2(!time.contains(leftovers), qPrintable(name));
            }
            const auto at = [&model](int h, int m, int s) {
                return model.time({2026, 12, 27, h, m, s});
            };
            QVERIFY2(at(23, 5, 9) != at(22, 5, 9) && at(23, 5, 9) != at(23, 6, 9) &&
                         at(23, 5, 9) != at(23, 5, 8),
                     qPrintable(locale.name()));
        }
    }

    void longTimeFormatsFitTheClock_data() {
        QTest::addColumn<QString>("locale");
        for (const char* name : {"en_US", "de_DE", "fr_FR", "ja_JP", "zh_CN", "bn_BD", "ar_EG",
                                 "ru_RU", "fi_FI", "ko_KR"}) {
            QTest::newRow(name) << name;
        }
    }
    // Whatever the regional format, the clock shows all of it: it is drawn
    // smaller rather than cut.
    void longTimeFormatsFitTheClock() {
        QFETCH(QString, locale);
        const QLocale before;
        QLocale::setDefault(QLocale(locale));
        const QDateTime late(QDate(2026, 12, 27), QTime(23, 59, 58));
        Form1 regional(host, [&late] { return late; });
        regional.presenter().tick();
        QLocale::setDefault(before);
        const velkorn::test::QtClock format{QLocale(locale)};
        for (const char* name : {"Label12", "Label11"}) {
            auto* label = static_cast<ClickLabel*>(child(regional, name));
            const QString text = label->text();
            QCOMPARE(text, QString(name) == "Label12" ? format.time(late.time())
                                                      : format.date(late.date()));
            QVERIFY2(QFontMetricsF(label->font()).horizontalAdvance(text) <= label->width() ||
                         label->font().pointSizeF() == 6.0,
                     qPrintable(text));
            QVERIFY(!text.contains(QStringLiteral("UTC")));
        }
    }

    void errorIsReportedOnceAndBoxesStay_data() {
        QTest::addColumn<QString>("text1");
        QTest::addColumn<QString>("text2");
        QTest::addColumn<QString>("button");
        QTest::addColumn<ErrorKind>("kind");
        QTest::newRow("empty plus") << ""
                                    << ""
                                    << "Image21" << ErrorKind::TypeMismatch;
        QTest::newRow("5 / 0") << "5"
                               << "0"
                               << "Image24" << ErrorKind::DivisionByZero;
        QTest::newRow("0 / 0") << "0"
                               << "0"
                               << "Image24" << ErrorKind::Overflow;
        QTest::newRow("200 x 200") << "200"
                                   << "200"
                                   << "Image23" << ErrorKind::Overflow;
    }
    void errorIsReportedOnceAndBoxesStay() {
        QFETCH(QString, text1);
        QFETCH(QString, text2);
        QFETCH(QString, button);
        QFETCH(ErrorKind, kind);
        typeInto("Text1", text1);
        typeInto("Text2", text2);
        typeInto("Text3", "before");
        click(*form, button.toLatin1());
        QCOMPARE(host.kinds.size(), std::size_t(1));
        QCOMPARE(host.kinds[0], std::optional(kind));
        QCOMPARE(host.origins[0], WindowId::Main);
        QCOMPARE(boxText(*form, "Text1"), text1);
        QCOMPARE(boxText(*form, "Text2"), text2);
        QCOMPARE(boxText(*form, "Text3"), QStringLiteral("before"));
        // The program goes on.
        QVERIFY(form->isVisible());
        click(*form, "Image25");
        QCOMPARE(boxText(*form, "Text3"), QString());
    }

    void toolTipsAndAccessibleNames_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("accessible");
        QTest::newRow("Image1") << "Image1"
                                << "1"
                                << "1";
        QTest::newRow("Image20") << "Image20"
                                 << "0"
                                 << "0";
        QTest::newRow("Image21") << "Image21"
                                 << "Plus"
                                 << "Plus";
        QTest::newRow("Image22") << "Image22"
                                 << "Minus"
                                 << "Minus";
        QTest::newRow("Image23") << "Image23"
                                 << "Multiplication"
                                 << "Multiplication";
        QTest::newRow("Image24") << "Image24"
                                 << "Division"
                                 << "Division";
        QTest::newRow("Image25") << "Image25"
                                 << "Clear"
                                 << "Clear";
        QTest::newRow("Image26") << "Image26"
                                 << "About"
                                 << "About";
        QTest::newRow("Image27") << "Image27"
                                 << "Help"
                                 << "Help";
        QTest::newRow("Label2") << "Label2"
                                << "Exit Application"
                                << "Exit Application";
        QTest::newRow("Label5") << "Label5"
                                << "Velkorn On Screen Keyboard 1"
                                << "Velkorn On Screen Keyboard 1";
        QTest::newRow("Label7") << "Label7"
                                << "Velkorn Arithmetic Operator Board"
                                << "Velkorn Arithmetic Operator Board";
        QTest::newRow("Label9") << "Label9"
                                << ""
                                << "Date:";
        QTest::newRow("Text1") << "Text1"
                               << ""
                               << "Input 1";
        QTest::newRow("Text2") << "Text2"
                               << ""
                               << "Input 2";
        QTest::newRow("Text3") << "Text3"
                               << ""
                               << "Output";
    }
    void toolTipsAndAccessibleNames() {
        QFETCH(QString, name);
        QFETCH(QString, toolTip);
        QFETCH(QString, accessible);
        QWidget* control = child(*form, name.toLatin1());
        QCOMPARE(velkorn::test::toolTipOver(*form, name.toLatin1()), toolTip);
        QCOMPARE(velkorn::test::accessibleText(control), accessible);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
