// The table of ways text enters a number box (tests/entry/entry_cases.tsv),
// run through the Qt box with real key, input method, clipboard, drop and
// accessibility events. The Windows program runs the same table under Wine
// (windows_entry_e2e); each row prints the line the Windows driver prints.
#include "testsupport.h"

#include "../entry/entrycases.h"

#include "accessibility.h"
#include "form1.h"

#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMimeData>

#include <algorithm>
#include <fstream>

using velkorn::BoxId;
using velkorn::entry::Case;
using velkorn::entry::Outcome;
using velkorn::entry::Step;
using velkorn::test::child;
using velkorn::test::click;
using velkorn::test::RecordingHost;
using velkorn::ui::Form1;

namespace {

std::vector<Case> table() {
    std::ifstream in(VELKORN_ENTRY_CASES);
    return velkorn::entry::readCases(in);
}

int characters(const QString& text, int units) {
    return static_cast<int>(text.left(units).toUcs4().size());
}

} // namespace

class EntryTableTest : public QObject {
    Q_OBJECT

  private:
    RecordingHost host;
    std::unique_ptr<Form1> form;
    const std::vector<Case> rows = table();

    QLineEdit* box() const { return static_cast<QLineEdit*>(child(*form, "Text1")); }

    // The row's text as the program shows it: a new undo history.
    void setUp(const Case& row) {
        form->presenter().boxEdited(BoxId::Text1, row.before);
        form->showBoxText(BoxId::Text1, row.before, 0);
        box()->setSelection(static_cast<int>(row.selectionFrom),
                            static_cast<int>(row.selectionTo - row.selectionFrom));
    }

    // One key event a character; a half character comes alone, as it is.
    void type(const QString& text) {
        for (int i = 0; i < text.size(); ++i) {
            const bool pair =
                text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
            const QString unit = text.mid(i, pair ? 2 : 1);
            i += pair ? 1 : 0;
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, unit);
            QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, unit);
            QCoreApplication::sendEvent(box(), &press);
            QCoreApplication::sendEvent(box(), &release);
        }
    }

    // A composition shown in the box, then committed or cancelled.
    void compose(const QString& text, bool commit) {
        QInputMethodEvent preedit(text, {});
        QCoreApplication::sendEvent(box(), &preedit);
        QInputMethodEvent end;
        if (commit) {
            end.setCommitString(text);
        }
        QCoreApplication::sendEvent(box(), &end);
    }

    void drop(const QString& text) {
        QMimeData data;
        data.setText(text);
        const QPoint at(box()->width() - 2, box()->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box(), &move);
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(box(), &dropped);
    }

    // What a screen reader does through the box's accessible interface.
    void replaceAccessibly(const QString& text, bool whole) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box());
        QVERIFY(accessible != nullptr);
        if (whole) {
            accessible->setText(QAccessible::Value, text);
            return;
        }
        QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
        QVERIFY(editable != nullptr);
        const QString now = box()->text();
        const int start =
            box()->hasSelectedText() ? box()->selectionStart() : box()->cursorPosition();
        const int end = start + static_cast<int>(box()->selectedText().size());
        editable->replaceText(characters(now, start), characters(now, end), text);
    }

    void take(const Step& step) {
        struct KeyStep {
            std::string action;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        static const KeyStep keys[] = {{"ctrl+v", Qt::Key_V, Qt::ControlModifier},
                                       {"shift+insert", Qt::Key_Insert, Qt::ShiftModifier},
                                       {"ctrl+backspace", Qt::Key_Backspace, Qt::ControlModifier},
                                       {"backspace", Qt::Key_Backspace, {}},
                                       {"delete", Qt::Key_Delete, {}},
                                       {"home", Qt::Key_Home, {}},
                                       {"alt+h", Qt::Key_H, Qt::AltModifier},
                                       {"alt+q", Qt::Key_Q, Qt::AltModifier},
                                       {"alt+shift+e", Qt::Key_E, Qt::AltModifier | Qt::ShiftModifier}};
        const QString text = QString::fromStdU16String(step.text);
        const std::string& action = step.action;
        if (action == "ctrl+v" || action == "shift+insert" || action == "menu-paste") {
            QGuiApplication::clipboard()->setText(text);
        }
        const auto* key = std::ranges::find(keys, action, &KeyStep::action);
        if (key != std::end(keys)) {
            QTest::keyClick(box(), key->key, key->modifiers);
        } else if (action == "type") {
            type(text);
        } else if (action == "ime-commit" || action == "ime-cancel") {
            compose(text, action == "ime-commit");
        } else if (action == "ime-char") {
            QInputMethodEvent committed; // Qt's input methods commit, never send characters
            committed.setCommitString(text);
            QCoreApplication::sendEvent(box(), &committed);
        } else if (action == "menu-paste") {
            box()->paste(); // what the context menu's Paste calls
        } else if (action == "settext" || action == "replacesel") {
            replaceAccessibly(text, action == "settext");
        } else if (action == "drop") {
            drop(text);
        } else if (action == "clear") {
            click(*form, "Image25");
        } else {
            QFAIL(qPrintable(QStringLiteral("no such step: ") + QString::fromStdString(action)));
        }
        // Edits made outside the box's own events are finished in the loop.
        QCoreApplication::processEvents();
    }

  private slots:
    void initTestCase() {
        velkorn::ui::installAccessibility();
        QVERIFY2(!rows.empty(), VELKORN_ENTRY_CASES);
    }

    void init() {
        host = RecordingHost();
        form = std::make_unique<Form1>(host);
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        box()->setFocus();
    }
    void cleanup() { form.reset(); }

    void everyEntryKeepsTheRule_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QTest::newRow(rows[i].name.c_str()) << static_cast<int>(i);
        }
    }
    void everyEntryKeepsTheRule() {
        QFETCH(int, index);
        const Case& row = rows[static_cast<std::size_t>(index)];
        setUp(row);
        for (const Step& step : row.steps) {
            take(step);
        }
        Outcome seen;
        seen.box = box()->text().toStdU16String();
        seen.caret =
            box()->hasSelectedText() ? SIZE_MAX : static_cast<std::size_t>(box()->cursorPosition());
        QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
        seen.undone = box()->text().toStdU16String();
        const std::string line = velkorn::entry::report(row, seen);
        qInfo().noquote() << QString::fromStdString(line);
        QVERIFY2(velkorn::entry::matches(row, seen), line.c_str());
        // What the engine holds is what the box shows.
        QCOMPARE(QString::fromStdString(form->engine().text(BoxId::Text1)), box()->text());
    }
};

QTEST_MAIN(EntryTableTest)
#include "entry_table_test.moc"
