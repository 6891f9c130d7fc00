// What screen readers are told as the windows change under them, recorded
// where Qt hands its accessibility events to the platform: a box's text
// set by a click as the characters that changed, About's language as the
// warnings' visibility and a checked choice, and Help and About as dialogs
// described by the text they show.
#include "testsupport.h"

#include "accessibility.h"
#include "applicationframe.h"
#include "secondarywindows.h"

#include "velkorn/aboutwarning.h"
#include "velkorn/cardtexts.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

using velkorn::WindowId;
using velkorn::app::ApplicationFrame;
using velkorn::test::child;
using velkorn::ui::PictureCard;

namespace {

// One event as a line: its kind, its object and what it carries.
QStringList& recorded() {
    static QStringList lines;
    return lines;
}

void record(QAccessibleEvent* event) {
    const QString object =
        event->object() != nullptr ? event->object()->objectName() : QStringLiteral("?");
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        recorded().append(QStringLiteral("%1 inserted %2 at %3")
                              .arg(object, inserted->textInserted())
                              .arg(inserted->changePosition()));
        break;
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        recorded().append(QStringLiteral("%1 removed %2 at %3")
                              .arg(object, removed->textRemoved())
                              .arg(removed->changePosition()));
        break;
    }
    case QAccessible::TextUpdated: {
        const auto* updated = static_cast<QAccessibleTextUpdateEvent*>(event);
        recorded().append(QStringLiteral("%1 replaced %2 by %3 at %4")
                              .arg(object, updated->textRemoved(), updated->textInserted())
                              .arg(updated->changePosition()));
        break;
    }
    case QAccessible::StateChanged: {
        const QAccessible::State changed =
            static_cast<QAccessibleStateChangeEvent*>(event)->changedStates();
        QAccessibleInterface* interface = event->accessibleInterface();
        if (changed.invisible) {
            recorded().append(object +
                              QLatin1String(interface->state().invisible ? " hidden" : " shown"));
        }
        if (changed.checked) {
            recorded().append(
                object + QLatin1String(interface->state().checked ? " checked" : " unchecked"));
        }
        break;
    }
    case QAccessible::DescriptionChanged:
        recorded().append(object + QLatin1String(" described anew"));
        break;
    default:
        break;
    }
}

// The lines about controls whose names start so, in the order heard.
QStringList only(std::initializer_list<const char*> prefixes) {
    QStringList lines;
    for (const QString& line : recorded()) {
        for (const char* prefix : prefixes) {
            if (line.startsWith(QLatin1String(prefix))) {
                lines.append(line);
            }
        }
    }
    return lines;
}

void press(const PictureCard& card, const char* name) {
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(child(card, name));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

QString joined(std::initializer_list<const char*> texts) {
    QStringList lines;
    for (const char* text : texts) {
        lines.append(QString::fromUtf8(text));
    }
    return lines.join(u'\n');
}

} // namespace

class AccessibilityEventsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<ApplicationFrame> frame;

    PictureCard& open(WindowId id) {
        press(frame->mainWindow(), id == WindowId::Help ? "Image27" : "Image26");
        return *frame->window(id);
    }

  private slots:
    void initTestCase() {
        QPlatformAccessibility* platform =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(platform != nullptr);
        platform->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    void init() {
        frame = std::make_unique<ApplicationFrame>();
        frame->setFactory(WindowId::Help, [](velkorn::FormHost& host) {
            return std::make_unique<velkorn::ui::Form2>(velkorn::form2Description(), host);
        });
        frame->setFactory(WindowId::About, [](velkorn::FormHost& host) {
            return std::make_unique<velkorn::ui::Form3>(velkorn::form3Description(), host);
        });
        frame->start();
        // Recorded under the program's own handler, as the platform would
        // receive the events.
        QAccessible::installUpdateHandler(&record);
        velkorn::ui::installAccessibility();
        recorded().clear();
    }

    void cleanup() {
        QAccessible::installUpdateHandler(nullptr);
        frame.reset();
    }

    // The first keypad feeds Input 1 (Text1), the second Input 2 (Text2).
    void clicksChangeBoxesByTheCharactersThatChanged_data() {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("one digit") << QStringList{"Image1"} << QStringList{"Text1 inserted 1 at 0"};
        QTest::newRow("digits appended")
            << QStringList{"Image1", "Image2", "Image3"}
            << QStringList{"Text1 inserted 1 at 0", "Text1 inserted 2 at 1",
                           "Text1 inserted 3 at 2"};
        QTest::newRow("a repeated digit at the end")
            << QStringList{"Image1", "Image1"}
            << QStringList{"Text1 inserted 1 at 0", "Text1 inserted 1 at 1"};
        QTest::newRow("the second keypad")
            << QStringList{"Image13", "Image14"}
            << QStringList{"Text2 inserted 3 at 0", "Text2 inserted 4 at 1"};
        QTest::newRow("Clear") << QStringList{"Image1", "Image2", "Image13", "Image25"}
                               << QStringList{"Text1 inserted 1 at 0", "Text1 inserted 2 at 1",
                                              "Text2 inserted 3 at 0", "Text1 removed 12 at 0",
                                              "Text2 removed 3 at 0"};
    }

    void clicksChangeBoxesByTheCharactersThatChanged() {
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, heard);
        for (const QString& button : buttons) {
            press(frame->mainWindow(), button.toLatin1().constData());
        }
        QCOMPARE(only({"Text"}), heard);
    }

    void aboutsLanguageIsAChoiceAndItsWarningsVisibility_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("Chinese") << "Label5"
                                 << QStringList{"Image2 shown", "Warning hidden",
                                                "Label3 unchecked", "Label5 checked"};
        QTest::newRow("Bengali") << "Label4"
                                 << QStringList{"Image1 shown", "Warning hidden",
                                                "Label3 unchecked", "Label4 checked"};
        QTest::newRow("English again") << "Label3" << QStringList{};
    }

    void aboutsLanguageIsAChoiceAndItsWarningsVisibility() {
        QFETCH(QString, choice);
        QFETCH(QStringList, heard);
        PictureCard& about = open(WindowId::About);
        recorded().clear();
        press(about, choice.toLatin1().constData());
        QCOMPARE(only({"Image", "Warning", "Label"}), heard);
        // The choices are radio buttons; the one chosen is checked.
        for (const char* label : {"Label3", "Label4", "Label5"}) {
            QAccessibleInterface* button =
                QAccessible::queryAccessibleInterface(child(about, label));
            QCOMPARE(button->role(), QAccessible::RadioButton);
            QVERIFY(button->state().checkable);
            QCOMPARE(bool(button->state().checked), choice == QLatin1String(label));
            QVERIFY(!button->state().focusable);
        }
        // Told once the switch is done, and only when the text changed.
        QVERIFY(only({"Form3 described"}).isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(only({"Form3 described"}).size(), heard.isEmpty() ? 0 : 1);
    }

    void helpAndAboutAreDialogsDescribedByTheirText() {
        QAccessibleInterface* main = QAccessible::queryAccessibleInterface(&frame->mainWindow());
        QCOMPARE(main->role(), QAccessible::Window);
        QVERIFY(main->text(QAccessible::Description).isEmpty());

        QAccessibleInterface* help = QAccessible::queryAccessibleInterface(&open(WindowId::Help));
        QCOMPARE(help->role(), QAccessible::Dialog);
        QCOMPARE(help->text(QAccessible::Description),
                 joined({velkorn::kHelpGlossary, velkorn::kHelpSteps, velkorn::kHelpContact}));

        PictureCard& aboutCard = open(WindowId::About);
        QAccessibleInterface* about = QAccessible::queryAccessibleInterface(&aboutCard);
        QCOMPARE(about->role(), QAccessible::Dialog);
        const auto described = [&](const char* warning) {
            return joined({velkorn::kAboutHeading, velkorn::kAboutCredit, velkorn::kAboutProduct,
                           velkorn::kAboutRights, warning});
        };
        QCOMPARE(about->text(QAccessible::Description), described(velkorn::kWarningEnglish));
        press(aboutCard, "Label5");
        QCOMPARE(about->text(QAccessible::Description), described(velkorn::kWarningChinese));
        press(aboutCard, "Label4");
        QCOMPARE(about->text(QAccessible::Description), described(velkorn::kWarningBengali));
        // The picture's texts are the dialog's paragraphs.
        QCOMPARE(QAccessible::queryAccessibleInterface(child(aboutCard, "Heading"))->role(),
                 QAccessible::Paragraph);
    }
};

QTEST_MAIN(AccessibilityEventsTest)
#include "accessibility_events_test.moc"
