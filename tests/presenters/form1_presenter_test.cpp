#include "fakes.h"

#include "velkorn/captionfit.h"

#include <gtest/gtest.h>

namespace velkorn::test {
namespace {

// The main window's presenter over fake views, loaded at 100%.
struct MainWindow {
    MainWindow() {
        presenter.load(1.0);
        view.calls.clear();
    }

    void clicks(std::initializer_list<const char*> controls) {
        for (const char* control : controls) {
            presenter.click(control);
        }
    }
    std::string box(BoxId id) const { return toUtf8(presenter.boxText(id)); }

    FakeHost host;
    FakeForm1View view;
    FakeClock clock;
    Form1Presenter presenter{host, view, clock, {}};
};

class Form1PresenterTest : public ::testing::Test, public MainWindow {};

struct ClickCase {
    const char* name;
    std::vector<const char*> clicks;
    std::string text1, text2, text3;
    std::vector<std::string> hostCalls;
};

TEST_F(Form1PresenterTest, ClicksDriveTheEngineAndTheApplication) {
    const ClickCase table[] = {
        {"typical", {"Image1", "Image2", "Image13", "Image21"}, "12", "3", "15", {}},
        {"clear", {"Image9", "Image11", "Image23", "Image25"}, "", "", "", {}},
        {"keypads", {"Image10", "Image3", "Image20", "Image14"}, "03", "04", "", {}},
        {"minus", {"Image5", "Image17", "Image22"}, "5", "7", "-2", {}},
        {"divide", {"Image7", "Image12", "Image24"}, "7", "2", "4", {}},
        {"window buttons",
         {"Image26", "Image27", "Label2"},
         "",
         "",
         "",
         {"show About", "show Help", "end"}},
        {"no action", {"Label1", "Label5", "Text1", "Label11", "Form1"}, "", "", "", {}},
    };
    for (const ClickCase& row : table) {
        SCOPED_TRACE(row.name);
        MainWindow fresh;
        for (const char* control : row.clicks) {
            fresh.presenter.click(control);
        }
        EXPECT_EQ(fresh.box(BoxId::Text1), row.text1);
        EXPECT_EQ(fresh.box(BoxId::Text2), row.text2);
        EXPECT_EQ(fresh.box(BoxId::Text3), row.text3);
        EXPECT_EQ(fresh.host.calls, row.hostCalls);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(toUtf8(fresh.view.boxes[i]), toUtf8(fresh.presenter.boxText(BoxId(i))));
        }
    }
}

TEST_F(Form1PresenterTest, ABoxChangedByAClickHasItsCaretAtTheEnd) {
    presenter.boxEdited(BoxId::Text1, u"12");
    presenter.click("Image3"); // the first keypad's 3
    presenter.boxEdited(BoxId::Text2, u"9");
    presenter.click("Image21");
    EXPECT_EQ(view.calls,
              (std::vector<std::string>{"box Text1 123 caret 3", "box Text3 132 caret 3",
                                        "announce Output 132"}));
    // A box whose text did not change is left alone, its caret too; the
    // result is heard again, since the live region was emptied in between.
    view.calls.clear();
    const int cleared = view.liveCleared;
    presenter.click("Image21");
    EXPECT_EQ(view.calls, std::vector<std::string>{"announce Output 132"});
    EXPECT_EQ(view.liveCleared, cleared + 1);
}

// Operations are heard, a digit that went into a box other than the one
// with the focus (a screen reader speaks only that box's changes), and a
// clearing.
TEST_F(Form1PresenterTest, ResultsDigitsOutOfTheFocusAndClearingAreAnnounced) {
    struct Case {
        const char* control;
        std::optional<BoxId> focus;
        const char* heard;
    };
    const Case table[] = {
        {"Image1", BoxId::Text1, nullptr},       {"Image1", BoxId::Text2, "Input 1 81"},
        {"Image11", BoxId::Text2, nullptr},      {"Image11", BoxId::Text1, "Input 2 21"},
        {"Image11", std::nullopt, "Input 2 21"}, {"Image21", BoxId::Text1, "Output 10"},
        {"Image22", BoxId::Text3, "Output 6"},   {"Image23", BoxId::Text1, "Output 16"},
        {"Image24", BoxId::Text1, "Output 4"},   {"Image25", BoxId::Text1, "Cleared"},
        {"Label12", BoxId::Text1, nullptr},
    };
    for (const Case& row : table) {
        SCOPED_TRACE(std::string(row.control) + " heard " + (row.heard ? row.heard : "nothing"));
        MainWindow fresh;
        fresh.presenter.boxEdited(BoxId::Text1, u"8");
        fresh.presenter.boxEdited(BoxId::Text2, u"2");
        fresh.view.focus = row.focus;
        fresh.presenter.click(row.control);
        std::vector<std::string> announced;
        for (const std::string& call : fresh.view.calls) {
            if (call.starts_with("announce ")) {
                announced.push_back(call.substr(9));
            }
        }
        EXPECT_EQ(announced,
                  row.heard ? std::vector<std::string>{row.heard} : std::vector<std::string>{});
    }
}

TEST_F(Form1PresenterTest, AnErrorIsReportedOnceOverTheMainWindowAndTheBoxesStay) {
    struct Case {
        std::u16string text1, text2;
        const char* button;
        std::string message;
    };
    const Case table[] = {
        {u"", u"", "Image21", "Type mismatch"},
        {u"5", u"0", "Image24", "Division by zero"},
        {u"0", u"0", "Image24", "Overflow"},
        {u"200", u"200", "Image23", "Overflow"},
    };
    for (const Case& row : table) {
        MainWindow fresh;
        SCOPED_TRACE(row.button);
        fresh.presenter.boxEdited(BoxId::Text1, row.text1);
        fresh.presenter.boxEdited(BoxId::Text2, row.text2);
        fresh.presenter.boxEdited(BoxId::Text3, u"before");
        fresh.presenter.click(row.button);
        EXPECT_EQ(fresh.host.calls, std::vector<std::string>{"error Main: " + row.message});
        EXPECT_EQ(fresh.box(BoxId::Text3), "before");
        EXPECT_TRUE(fresh.view.calls.empty()) << fresh.view.calls.front();
    }
}

// A screen reader presses keys through their accessible action, which a
// modal message box does not stop, and a box that does not block stops
// nothing: until the report is dismissed, clicks do nothing.
TEST_F(Form1PresenterTest, NoClickIsTakenWhileAnErrorIsShown) {
    for (const bool blocks : {true, false}) {
        SCOPED_TRACE(blocks ? "a box that blocks" : "a box that does not");
        MainWindow fresh;
        fresh.host.holdReports = !blocks;
        fresh.host.duringReport = [&fresh] { fresh.clicks({"Image21", "Image1", "Image26"}); };
        fresh.presenter.click("Image21");
        fresh.clicks({"Image1"});
        EXPECT_EQ(fresh.host.calls, std::vector<std::string>{"error Main: Type mismatch"});
        EXPECT_EQ(fresh.box(BoxId::Text1), blocks ? "1" : "");
        if (!blocks) {
            fresh.host.pendingReport();
            fresh.presenter.click("Image1");
            EXPECT_EQ(fresh.box(BoxId::Text1), "1");
        }
    }
}

TEST_F(Form1PresenterTest, TheClockShowsTheTimeThenTheDateAndTheTimeAloneOnAClick) {
    EXPECT_EQ(view.caption("Label12"), "");
    EXPECT_EQ(view.caption("Label11"), "");
    presenter.tick();
    EXPECT_EQ(clock.readings, 1);
    EXPECT_EQ(view.caption("Label12"), "12:00:00");
    EXPECT_EQ(view.caption("Label11"), "08/12/2026");

    clock.reading = {2026, 12, 9, 12, 0, 1};
    presenter.click("Label12");
    EXPECT_EQ(view.caption("Label12"), "12:00:01");
    EXPECT_EQ(view.caption("Label11"), "08/12/2026");
    presenter.tick();
    EXPECT_EQ(view.caption("Label11"), "09/12/2026");
    EXPECT_EQ(clock.readings, 3);
    EXPECT_EQ(clock.localesRead, 1);
}

// One reading a tick; what did not change is not written again, and the
// date is the time's own day, across midnight too.
TEST_F(Form1PresenterTest, ATickWritesOnlyWhatChanged) {
    const struct {
        ClockReading reading;
        int written; // captions set by the tick
        const char* time;
        const char* date;
    } ticks[] = {
        {{2026, 12, 31, 23, 59, 59}, 2, "23:59:59", "31/12/2026"},
        {{2026, 12, 31, 23, 59, 59}, 0, "23:59:59", "31/12/2026"},
        {{2027, 1, 1, 0, 0, 0}, 2, "00:00:00", "01/01/2027"},
        {{2027, 1, 1, 0, 0, 1}, 1, "00:00:01", "01/01/2027"},
    };
    for (const auto& step : ticks) {
        clock.reading = step.reading;
        const int before = view.captionsSet;
        presenter.tick();
        EXPECT_EQ(view.captionsSet - before, step.written) << step.time;
        EXPECT_EQ(view.caption("Label12"), step.time);
        EXPECT_EQ(view.caption("Label11"), step.date);
    }
    // New regional formats: read again, and both written anew.
    clock.regional.timePattern = u"h:mm:ss AP";
    presenter.formatsChanged();
    presenter.tick();
    EXPECT_EQ(view.caption("Label12"), "12:00:01 AM");
    EXPECT_EQ(clock.localesRead, 2);
}

// A front end keeps what measuring one size costs (the Qt labels learn
// their characters' widths): a new second that fits is measured at the
// label's own size alone, and an unchanged one not at all.
TEST_F(Form1PresenterTest, ANewSecondIsMeasuredOnceAtItsOwnSize) {
    presenter.tick();
    view.measured.clear();
    clock.reading.second = 1;
    presenter.tick();
    EXPECT_EQ(view.measured, (std::vector<std::string>{"12:00:01 " + std::to_string(8.25)}));
    view.measured.clear();
    presenter.tick();
    EXPECT_TRUE(view.measured.empty());
}

TEST_F(Form1PresenterTest, ALongClockTextIsDrawnSmallerNeverCut) {
    clock.regional.timePattern = u"HH:mm:ss 'o''clock'"; // 16 characters: 132 units
    clock.reading = {2026, 12, 8, 23, 59, 58};
    presenter.tick();
    const double size = view.sizes["Label12"];
    EXPECT_EQ(view.caption("Label12"), "23:59:58 o'clock");
    EXPECT_DOUBLE_EQ(size, 6.25);
    EXPECT_LE(view.captionWidth(u"23:59:58 o'clock", size), 100);
    EXPECT_DOUBLE_EQ(view.sizes["Label11"], 8.25);
}

TEST_F(Form1PresenterTest, BackgroundPressDragsAnyButtonClicksDoNot) {
    presenter.pointerPressed(4400, 5300, MouseButton::Right, false, {150, 140});
    presenter.pointerMoved({190, 165}, true);
    EXPECT_EQ(view.position, (Point{140, 125}));
    EXPECT_EQ(presenter.windowDrag().state(), WindowDrag::State::MovingByHand);
    presenter.pointerReleased(MouseButton::Right, 4400, 5300);
    presenter.pointerMoved({100, 100}, false);
    EXPECT_EQ(view.position, (Point{140, 125}));
}

TEST_F(Form1PresenterTest, KeysAndTheCloseCommand) {
    EXPECT_TRUE(presenter.keyPressed(Key::F1));
    EXPECT_FALSE(presenter.keyPressed(Key::Escape));
    presenter.closeCommand();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"show Help", "end"}));
}

struct EditCase {
    const char* name;
    std::u16string before;
    std::u16string after;
    std::size_t caret;
    EditVerdict verdict;
    std::size_t from, to;
    std::u16string inserted;
};

TEST_F(Form1PresenterTest, EditsOfTheBoxesKeepFifteenCharacters) {
    const std::u16string smile = u"\U0001F600";
    const std::u16string full = u"123456789012345";
    const EditCase table[] = {
        {"typing fits", u"12", u"123", 3, EditVerdict::Accept, 0, 0, u""},
        {"delete", full, u"12345678901234", 14, EditVerdict::Accept, 0, 0, u""},
        {"16th keystroke", full, full + u"6", 16, EditVerdict::Refuse, 0, 0, u""},
        {"keystroke in the middle", full, u"127" + full.substr(2), 3, EditVerdict::Refuse, 0, 0,
         u""},
        {"paste cut where it went in", u"1234567890123", u"123412" + std::u16string(u"34567890123"),
         6, EditVerdict::Cut, 2, 2, u"34"},
        {"paste over a selection", u"1234567890123", u"1" + std::u16string(20, u'9') + u"890123",
         21, EditVerdict::Cut, 1, 7, u"99999999"},
        {"wide characters", u"", std::u16string(20, u'\u4E2D'), 20, EditVerdict::Cut, 0, 0,
         std::u16string(15, u'\u4E2D')},
        {"outside the basic plane, cut on a character", u"12345678901234",
         u"12345678901234" + smile + smile, 18, EditVerdict::Cut, 14, 14, smile},
        {"a character outside the basic plane into a full box", full, full + smile, 17,
         EditVerdict::Refuse, 0, 0, u""},
        {"half of a character", u"123", u"123\xDC00", 4, EditVerdict::Refuse, 0, 0, u""},
        {"half of a character before a whole one", u"12", u"1\xDC00" + smile + u"2", 4,
         EditVerdict::Refuse, 0, 0, u""},
        {"a pasted carriage return: the first line", u"123456789", u"1\r23456789123456789", 10,
         EditVerdict::Cut, 0, 0, u"1"},
        {"a pasted line over the whole box, first line", full, u"99\n1", 4, EditVerdict::Cut, 0, 15,
         u"99"},
        {"a first line cut to the room left", u"12345678901234",
         u"12345678" + std::u16string(u"99\r\n1") + u"901234", 13, EditVerdict::Cut, 8, 8, u"9"},
        {"a line break alone", u"12", u"12\r\n", 4, EditVerdict::Refuse, 0, 0, u""},
        {"a tab", u"12", u"1\t2", 2, EditVerdict::Refuse, 0, 0, u""},
        {"delete (U+007F)", u"12", u"12\x7F", 3, EditVerdict::Refuse, 0, 0, u""},
        {"mixed scripts fit", u"\u4E2D", u"\u4E2D\u0639" + smile + u"\u00E9", 5,
         EditVerdict::Accept, 0, 0, u""},
    };
    for (const EditCase& row : table) {
        SCOPED_TRACE(row.name);
        MainWindow fresh;
        fresh.presenter.boxEdited(BoxId::Text2, row.before);
        const BoxEditDecision decision =
            fresh.presenter.boxEditing(BoxId::Text2, row.after, row.caret);
        EXPECT_EQ(decision.verdict, row.verdict);
        const bool beeped = !fresh.view.calls.empty() && fresh.view.calls.back() == "beep";
        EXPECT_EQ(beeped, row.verdict == EditVerdict::Refuse);
        if (row.verdict == EditVerdict::Cut) {
            EXPECT_EQ(decision.from, row.from);
            EXPECT_EQ(decision.to, row.to);
            EXPECT_EQ(toUtf8(decision.inserted), toUtf8(row.inserted));
            EXPECT_EQ(decision.caret(), row.from + row.inserted.size());
        }
    }
}

TEST_F(Form1PresenterTest, AnOverlongEditThatSlipsPastTheRuleIsCutInTheBox) {
    presenter.boxEdited(BoxId::Text1, u"12345678901234567890");
    EXPECT_EQ(box(BoxId::Text1), "123456789012345");
    EXPECT_EQ(view.calls.back(), "box Text1 123456789012345 caret 15");
    view.calls.clear();
    presenter.boxEdited(BoxId::Text1, u"-12");
    EXPECT_TRUE(view.calls.empty());
    EXPECT_EQ(box(BoxId::Text1), "-12");
}

TEST(PreviousWordStart, CtrlBackspaceDeletesBackToIt) {
    struct Case {
        std::u16string text;
        std::size_t caret;
        std::size_t start;
    };
    const Case table[] = {
        {u"", 0, 0},         {u"12345", 5, 0},        {u"12 345", 6, 3}, {u"12 345", 3, 0},
        {u"12   ", 5, 0},    {u"12+34", 5, 3},        {u"12+34", 3, 2},  {u"12 345", 4, 3},
        {u"ab\u4E2D", 3, 0}, {u"1 \U0001F600", 4, 2}, {u"12", 9, 0},
    };
    for (const Case& row : table) {
        EXPECT_EQ(previousWordStart(row.text, row.caret), row.start)
            << toUtf8(row.text) << " at " << row.caret;
    }
}

} // namespace
} // namespace velkorn::test
