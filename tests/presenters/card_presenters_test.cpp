#include "fakes.h"

#include "velkorn/button_map.h"
#include "velkorn/captioncolours.h"
#include "velkorn/captionfit.h"
#include "velkorn/captionfont.h"
#include "velkorn/desktopcontrast.h"
#include "velkorn/cardlayout.h"
#include "velkorn/focusorder.h"
#include "velkorn/form1description.h"
#include "velkorn/form2presenter.h"
#include "velkorn/form3presenter.h"
#include "velkorn/picturescale.h"

#include <gtest/gtest.h>

namespace velkorn::test {
namespace {

TEST(PictureScale, TwiceSizeDrawingsAboveOneHundredPercent) {
    const std::pair<double, int> table[] = {{0.75, 1}, {1.0, 1}, {1.25, 2},
                                            {1.5, 2},  {2.0, 2}, {3.0, 2}};
    for (const auto& [scale, drawing] : table) {
        EXPECT_EQ(drawingScale(scale), drawing) << scale;
    }
    EXPECT_EQ(pictureFile("face-1.jpg", 1), "face-1.jpg");
    EXPECT_EQ(pictureFile("face-1.jpg", 2), "face-1@2x.jpg");
    EXPECT_EQ(pictureFile("velkorn.calculator.jpg", 2), "velkorn.calculator@2x.jpg");
}

// Every new scale lays the card out anew, also where the drawings stay
// (125 % to 150 %): the pictures are made for the screen's own pixels.
// Captions are fitted again each time, since text widths do not follow
// the scale exactly.
TEST(CardPresenter, EveryNewScaleLaysTheCardOutAnew) {
    FakeHost host;
    FakeCardView view;
    Form2Presenter help(host, view, {});
    help.load(1.0);
    view.widthPerPoint = 2; // a face that grows faster than the scale
    const struct {
        double scale;
        int dpi;
        const char* layout; // none: nothing changed
    } steps[] = {
        {1.25, 96, "layout form2-background@2x.jpg 300"}, // a toolkit that scales itself
        {1.5, 96, "layout form2-background@2x.jpg 300"},   {1.5, 96, nullptr},
        {1.25, 120, "layout form2-background@2x.jpg 375"}, // one that lays out in pixels
        {1.0, 96, "layout form2-background.jpg 300"},
    };
    for (const auto& step : steps) {
        view.calls.clear();
        const int fitted = view.captionsSet;
        help.scaleChanged(step.scale, step.dpi);
        EXPECT_EQ(view.calls,
                  step.layout ? std::vector<std::string>{step.layout} : std::vector<std::string>{})
            << step.scale;
        EXPECT_EQ(view.captionsSet, fitted + (step.layout ? 1 : 0)) << step.scale;
    }
    EXPECT_DOUBLE_EQ(view.sizes["Label1"], 12); // "X" fits at any scale
}

// The bitmap face where a window draws in pixels of 96 DPI, and a font
// system asked first for the first family it has.
TEST(CaptionFont, TheBitmapFaceAtNinetySixDpiAndTheFirstInstalledFirst) {
    EXPECT_EQ(captionFamilies(96).front(), "MS Sans Serif");
    EXPECT_EQ(captionFamilies(144).front(), "Microsoft Sans Serif");
    EXPECT_EQ(captionFamilies(144).size() + 1, captionFamilies(96).size());
    const auto liberation = [](std::string_view name) {
        return name == "Liberation Sans" || name == "DejaVu Sans";
    };
    EXPECT_EQ(
        fromFirstInstalled(captionFamilies(96), liberation),
        (std::vector<std::string_view>{"Liberation Sans", "Arimo", "Nimbus Sans", "DejaVu Sans"}));
    EXPECT_EQ(fromFirstInstalled(captionFamilies(96), [](std::string_view) { return false; }),
              captionFamilies(96));
}

// What a front end draws, from the description: where, in which order,
// which drawings, in which colours.
TEST(CardLayout, ControlsBackToFrontWithTheirPlacesDrawingsAndColours) {
    const CardLayout at144 = layOutCard(form1Description(), 144, 1.5, std::nullopt);
    EXPECT_EQ(at144.controls.front().entry->name, "Label1"); // the last listed is at the back
    EXPECT_EQ(at144.controls.back().entry->name, "Text3");
    const auto control = [&at144](std::string_view name) {
        return *std::find_if(at144.controls.begin(), at144.controls.end(),
                             [name](const LaidOutControl& c) { return c.entry->name == name; });
    };
    const LaidOutControl plus = control("Image21");
    EXPECT_EQ(plus.area.x, 270);
    EXPECT_EQ(plus.area.width, 48);
    ASSERT_EQ(plus.picture.size(), 2u);
    EXPECT_EQ(plus.picture[0].file, "face-plus@2x.jpg");
    EXPECT_EQ(plus.picture[1].file, "face-plus.jpg"); // should the twice-size one be missing
    EXPECT_FALSE(plus.caption);
    const LaidOutControl time = control("Label12");
    ASSERT_TRUE(time.caption);
    EXPECT_EQ(time.caption->alignment, Alignment::Centre);
    EXPECT_TRUE(control("Text1").takesFocus);
    EXPECT_FALSE(time.takesFocus);
    EXPECT_EQ(at144.client.width, 447);
    EXPECT_EQ(layOutCard(form1Description(), 96, 1.0, std::nullopt).background.size(), 1u);
    const HighContrast yellowOnBlack{{255, 255, 0}, {0, 0, 0}};
    const CardLayout contrast = layOutCard(form1Description(), 96, 1.0, yellowOnBlack);
    const auto& exit =
        *std::find_if(contrast.controls.begin(), contrast.controls.end(),
                      [](const LaidOutControl& c) { return c.entry->name == "Label2"; });
    EXPECT_EQ(exit.caption->colours.text.blue, 0);
}

// The caption rule against a face whose widths come in whole pixels.
TEST(CaptionFit, LargestQuarterPointSizeThatFits) {
    const auto pixels = [](const std::u16string& text, double points) {
        return static_cast<double>(text.size()) * static_cast<int>(points * 4 / 3 + 0.5);
    };
    struct Case {
        std::u16string text;
        double width;
        double expected;
    };
    const Case table[] = {
        {u"Date:", 100, 8.25},                              // fits as described
        {std::u16string(12, u'8'), 120, 7.5},               // 10 px a character at 7.5 pt
        {std::u16string(40, u'8'), 10, kSmallestPointSize}, // never below 6 points
    };
    for (const Case& row : table) {
        const double size = fittedPointSize(row.text, 8.25, row.width, pixels);
        EXPECT_DOUBLE_EQ(size, row.expected) << row.width;
        EXPECT_TRUE(size == kSmallestPointSize || pixels(row.text, size) <= row.width);
    }
}

// A face with kerning ("AV" tighter) and one ligature ("ffi" narrower than
// its letters), counting what it shapes.
struct KerningFace {
    int shaped = 0;
    double operator()(const std::u16string& text, double points) {
        ++shaped;
        double width = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            width += points;
            if (i > 0 && text[i - 1] == u'A' && text[i] == u'V') {
                width -= 1;
            }
        }
        return width - (text.find(u"ffi") != std::u16string::npos ? 2 : 0);
    }
};

// Each caption measured as its face shapes it whole; `shaped` is how many
// more texts the face shaped for it.
TEST(CaptionWidths, PairsAddUpAndSpareShaping) {
    struct Case {
        const char* name;
        bool learned;
        std::vector<std::u16string> before; // measured first, at 8 points
        std::u16string text;
        double points;
        int shaped;
    };
    const Case table[] = {
        {"before the first frame, whole", false, {u"10:00"}, u"10:00", 8, 1},
        {"new pairs: each shaped, and the whole", true, {}, u"AVA", 8, 4},
        {"known pairs: nothing shaped", true, {u"10:01", u"01:10"}, u"10:10", 8, 0},
        {"known pairs at another size", true, {u"10:01"}, u"10:01", 9, 7},
        {"other scripts whole", true, {u"\u09E7\u09E8"}, u"\u09E7\u09E8", 8, 1},
        {"a ligature: that size whole from then on", true, {u"ffi"}, u"iff", 8, 1},
    };
    for (const Case& row : table) {
        KerningFace face;
        CaptionWidths widths(std::ref(face));
        if (row.learned) {
            widths.learnPairs();
        }
        for (const std::u16string& text : row.before) {
            EXPECT_DOUBLE_EQ(widths(text, 8), KerningFace{}(text, 8)) << row.name;
        }
        const int before = face.shaped;
        EXPECT_DOUBLE_EQ(widths(row.text, row.points), KerningFace{}(row.text, row.points))
            << row.name;
        EXPECT_EQ(face.shaped - before, row.shaped) << row.name;
        EXPECT_EQ(widths.shapedTexts(), face.shaped) << row.name;
    }
}

struct LanguageCase {
    const char* name;
    std::vector<const char*> clicks;
    Language language;
    bool bengali, chinese;
};

// The English warning's text is there for screen readers exactly when
// neither picture covers it.

TEST(Form3Presenter, LanguageLabelsSwitchTheWarning) {
    const LanguageCase table[] = {
        {"at load", {}, Language::English, false, false},
        {"Bengali", {"Label4"}, Language::Bengali, true, false},
        {"Chinese", {"Label5"}, Language::Chinese, false, true},
        {"Bengali then Chinese", {"Label4", "Label5"}, Language::Chinese, false, true},
        {"Chinese then Bengali", {"Label5", "Label4"}, Language::Bengali, true, false},
        {"then English", {"Label4", "Label5", "Label3"}, Language::English, false, false},
        {"Chinese twice", {"Label5", "Label5"}, Language::Chinese, false, true},
        {"LS and the pictures do nothing",
         {"Label4", "Label2", "Image1", "Image2"},
         Language::Bengali,
         true,
         false},
    };
    for (const LanguageCase& row : table) {
        SCOPED_TRACE(row.name);
        FakeHost host;
        FakeCardView view;
        Form3Presenter about(host, view, {});
        about.load(1.0);
        for (const char* control : row.clicks) {
            about.click(control);
        }
        EXPECT_EQ(about.language(), row.language);
        EXPECT_EQ(view.shown["Image1"], row.bengali);
        EXPECT_EQ(view.shown["Image2"], row.chinese);
        EXPECT_EQ(view.shown["Warning"], row.language == Language::English);
        // The chosen language is the one checked choice.
        EXPECT_TRUE(about.isChecked(row.language == Language::English   ? "Label3"
                                    : row.language == Language::Bengali ? "Label4"
                                                                        : "Label5"));
        EXPECT_EQ(view.checked,
                  (std::map<std::string, bool>{{"Label3", row.language == Language::English},
                                               {"Label4", row.language == Language::Bengali},
                                               {"Label5", row.language == Language::Chinese}}));
        EXPECT_TRUE(host.calls.empty());
    }
}

// Screen readers hear of the two choices that changed, not of all three.
TEST(Form3Presenter, ANewLanguageIsShownBeforeTheOldIsHidden) {
    FakeHost host;
    FakeCardView view;
    Form3Presenter about(host, view, {});
    about.load(1.0);
    about.click("Label4");
    view.calls.clear();
    about.click("Label5");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"show Image2", "hide Image1", "hide Warning",
                                                    "uncheck Label4", "check Label5",
                                                    "announce Chinese Language checked"}));
    // The same choice again changes nothing, and says nothing.
    view.calls.clear();
    about.click("Label5");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"show Image2", "hide Image1", "hide Warning"}));
}

TEST(CardPresenters, CloseLabelEscapeF1AndTheCloseCommand) {
    struct Case {
        const char* name;
        std::function<std::unique_ptr<CardPresenter>(FormHost&, CardView&)> make;
        std::vector<std::string> calls;
    };
    const Case table[] = {
        {"Help",
         [](FormHost& host, CardView& view) {
             return std::make_unique<Form2Presenter>(host, view, DragSettings{});
         },
         {"hide Help", "hide Help", "show Help", "hide Help"}},
        {"About",
         [](FormHost& host, CardView& view) {
             return std::make_unique<Form3Presenter>(host, view, DragSettings{});
         },
         {"hide About", "hide About", "show Help", "hide About"}},
    };
    for (const Case& row : table) {
        SCOPED_TRACE(row.name);
        FakeHost host;
        FakeCardView view;
        auto card = row.make(host, view);
        card->load(1.0);
        card->click("Label1");
        EXPECT_TRUE(card->keyPressed(Key::Escape));
        EXPECT_TRUE(card->keyPressed(Key::F1));
        card->closeCommand();
        EXPECT_EQ(host.calls, row.calls);
    }
}

// Which controls take clicks is data in the descriptions; on the main
// window it must agree with the button map.
TEST(Descriptions, ClickableControlsAreThoseWithAClick) {
    FakeHost host;
    FakeForm1View view;
    FakeClock clock;
    Form1Presenter main(host, view, clock, {});
    for (const ControlDescription& entry : form1Description().controls) {
        EXPECT_EQ(main.takesClicks(entry.name),
                  actionFor(entry.name, ControlEvent::Click).has_value())
            << entry.name;
    }
    FakeCardView card;
    Form3Presenter about(host, card, {});
    for (const char* control : {"Label1", "Label3", "Label4", "Label5"}) {
        EXPECT_TRUE(about.takesClicks(control)) << control;
    }
    for (const char* control : {"Label2", "Image1", "Image2"}) {
        EXPECT_FALSE(about.takesClicks(control)) << control;
    }
}

TEST(Descriptions, KeysNameTheirKeypad) {
    const auto& form = form1Description();
    for (int i = 1; i <= 20; ++i) {
        const auto& key = form.control("Image" + std::to_string(i));
        ASSERT_NE(key.accessibleDescription, nullptr);
        EXPECT_EQ(std::string(key.accessibleDescription).find(i <= 10 ? "Input 1" : "Input 2") !=
                      std::string::npos,
                  true)
            << i;
    }
}

} // namespace
} // namespace velkorn::test

namespace velkorn::test {
namespace {

TEST(CaptionColours, TheCardsOwnPairsAndTrueHighContrastOnTheCard) {
    const ControlDescription onCard{
        .name = "a", .kind = ControlKind::Label, .left = 0, .top = 0, .width = 1, .height = 1};
    ControlDescription onRed = onCard;
    onRed.textRole = TextRole::StripText;
    onRed.background = Rgb{128, 0, 0};
    ControlDescription onStrip = onCard;
    onStrip.textRole = TextRole::StripText;
    const HighContrast black{{255, 255, 0}, {0, 0, 0}};
    const HighContrast white{{0, 0, 0}, {255, 255, 255}};
    const struct {
        const char* name;
        const ControlDescription& label;
        std::optional<HighContrast> highContrast;
        Rgb text;
        std::optional<Rgb> fill;
    } table[] = {
        {"black on the white card", onCard, std::nullopt, {0, 0, 0}, std::nullopt},
        {"white on a red button", onRed, std::nullopt, {255, 255, 255}, Rgb{128, 0, 0}},
        {"yellow would vanish on the card: black", onCard, black, {0, 0, 0}, std::nullopt},
        {"yellow stands out on a red button", onRed, black, {255, 255, 0}, Rgb{128, 0, 0}},
        {"yellow stands out on the strip", onStrip, black, {255, 255, 0}, std::nullopt},
        {"black on the card", onCard, white, {0, 0, 0}, std::nullopt},
        {"black would be dim on the strip: white", onStrip, white, {255, 255, 255}, std::nullopt},
    };
    const auto same = [](Rgb a, Rgb b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    };
    for (const auto& row : table) {
        const CaptionColours colours = captionColours(row.label, row.highContrast);
        EXPECT_TRUE(same(colours.text, row.text)) << row.name;
        ASSERT_EQ(colours.fill.has_value(), row.fill.has_value()) << row.name;
        if (row.fill) {
            EXPECT_TRUE(same(*colours.fill, *row.fill)) << row.name;
        }
    }
}

// What each Linux desktop says of high contrast.
TEST(DesktopContrast, TheDesktopsOwnSettingDecides) {
    const struct {
        const char* name;
        DesktopContrast desktop;
        bool high;
    } table[] = {
        {"nothing said", {}, false},
        {"GNOME's switch", {std::nullopt, true, "", ""}, true},
        {"GNOME's switch off, a plain theme", {std::nullopt, false, "", "Adwaita"}, false},
        {"KDE's scheme", {std::nullopt, std::nullopt, "BreezeHighContrast", ""}, true},
        {"a GTK theme", {std::nullopt, std::nullopt, "", "HighContrastInverse"}, true},
        {"a GTK theme with a variant", {std::nullopt, std::nullopt, "", "High-Contrast:dark"}, true},
        {"the portal's no preference leaves GNOME's", {false, true, "", ""}, true},
        {"the portal asks", {true, false, "Breeze", "Adwaita"}, true},
    };
    for (const auto& row : table) {
        EXPECT_EQ(wantsHighContrast(row.desktop), row.high) << row.name;
    }
}

TEST(CaptionColours, ContrastRatiosAsTheGuidelinesCountThem) {
    const struct {
        Rgb first, second;
        double ratio;
    } table[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},
        {{255, 255, 255}, {0, 0, 0}, 21.0},
        {{157, 8, 13}, {157, 8, 13}, 1.0},
        {{255, 255, 255}, {157, 8, 13}, 8.49}, // the title strip's X
        {{0, 0, 0}, {157, 8, 13}, 2.47},       // what a light scheme did to it
        {{255, 255, 255}, {128, 0, 0}, 10.95}, // About's language buttons
    };
    for (const auto& row : table) {
        EXPECT_NEAR(contrastRatio(row.first, row.second), row.ratio, 0.01);
    }
}

} // namespace
} // namespace velkorn::test

namespace velkorn::test {
namespace {

// The icon and the tool tips wait for the first frame, and come once.
TEST(CardPresenters, DecorationsComeAfterTheFirstFrameOnly) {
    FakeHost host;
    FakeCardView view;
    Form2Presenter help(host, view, {});
    help.load(1.0);
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "decorations"), 0);
    for (int frame = 0; frame < 3; ++frame) {
        help.framePainted();
    }
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "decorations"), 1);
}

} // namespace
} // namespace velkorn::test

namespace velkorn::test {
namespace {

// The click rule, for every front end: presses and releases at points of
// the main window (twips), and what the window then did.
TEST(CardPresenters, PressAndReleaseOverTheSameControlIsAClick) {
    struct Step {
        bool press; // else a release, or the pointer lost at no point
        int x, y;
        MouseButton button = MouseButton::Left;
        bool secondOfDouble = false;
    };
    const Step lost{false, -1, -1};
    const Point plus{2700 + 240, 2280 + 240}; // Image21, "+"
    const Point one{120 + 240, 2280 + 240};   // Image1
    const Point vob{2800, 3700};              // Label8, a caption
    const Point background{4400, 5300};
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::string text1;
        bool dragging;
    } table[] = {
        {"a left click", {{true, one.x, one.y}, {false, one.x, one.y}}, "1", false},
        {"a right click",
         {{true, one.x, one.y, MouseButton::Right}, {false, one.x, one.y, MouseButton::Right}},
         "1",
         false},
        {"the middle button",
         {{true, one.x, one.y, MouseButton::Middle}, {false, one.x, one.y, MouseButton::Middle}},
         "",
         false},
        {"released elsewhere", {{true, one.x, one.y}, {false, plus.x, plus.y}}, "", false},
        {"another button released",
         {{true, one.x, one.y}, {false, one.x, one.y, MouseButton::Right}},
         "",
         false},
        {"a double click enters one digit",
         {{true, one.x, one.y},
          {false, one.x, one.y},
          {true, one.x, one.y, MouseButton::Left, true},
          {false, one.x, one.y}},
         "1",
         false},
        {"a caption takes the press and does nothing", {{true, vob.x, vob.y}}, "", false},
        {"the pointer lost between press and release",
         {{true, one.x, one.y}, lost, {false, one.x, one.y}},
         "",
         false},
        {"a drag ends with the pointer lost",
         {{true, background.x, background.y}, lost},
         "",
         false},
        {"the background drags", {{true, background.x, background.y}}, "", true},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(row.name);
        FakeHost host;
        FakeForm1View view;
        FakeClock clock;
        Form1Presenter main(host, view, clock, {});
        main.load(1.0);
        for (const Step& step : row.steps) {
            if (step.x < 0) {
                main.pointerLost();
            } else if (step.press) {
                main.pointerPressed(step.x, step.y, step.button, step.secondOfDouble, {0, 0});
            } else {
                main.pointerReleased(step.button, step.x, step.y);
            }
        }
        EXPECT_EQ(toUtf8(main.boxText(BoxId::Text1)), row.text1);
        EXPECT_EQ(main.windowDrag().state() != WindowDrag::State::Idle, row.dragging);
    }
}

// A screen reader's press runs from the event loop, after the reader's
// call, on a control that takes clicks.
TEST(CardPresenters, AScreenReadersPressRunsLaterOnWhatIsShown) {
    FakeHost host;
    FakeCardView view;
    Form3Presenter about(host, view, {});
    about.load(1.0);
    about.accessiblePress("Label5");
    about.accessiblePress("Label2"); // LS takes no clicks
    EXPECT_EQ(about.language(), Language::English);
    EXPECT_EQ(view.posted.size(), 1u);
    view.runPosted();
    EXPECT_EQ(about.language(), Language::Chinese);
    EXPECT_TRUE(host.calls.empty());
}

// The focus starts in the first box, else on the window, follows the user
// and comes back there when the window is activated again.
TEST(CardPresenters, FocusStartsInTheFirstBoxAndComesBack) {
    FakeHost host;
    FakeForm1View main;
    FakeClock clock;
    Form1Presenter form1(host, main, clock, {});
    form1.load(1.0);
    form1.activated();
    form1.focusMoved("Text3");
    form1.activated();
    FakeCardView help;
    Form2Presenter form2(host, help, {});
    form2.load(1.0);
    form2.activated();
    const auto focusCalls = [](const std::vector<std::string>& calls) {
        std::vector<std::string> found;
        std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
                     [](const std::string& call) { return call.starts_with("focus"); });
        return found;
    };
    EXPECT_EQ(focusCalls(main.calls), (std::vector<std::string>{"focus Text1", "focus Text3"}));
    EXPECT_EQ(focusCalls(help.calls), std::vector<std::string>{"focus "});
    EXPECT_EQ(focusOrder(form1Description()),
              (std::vector<std::string_view>{"Text1", "Text2", "Text3"}));
}

// What is hidden takes no press: About's warnings as the language shows.
TEST(CardPresenters, OnlyWhatIsShownTakesAPress) {
    FakeHost host;
    FakeCardView view;
    Form3Presenter about(host, view, {});
    about.load(1.0);
    EXPECT_EQ(about.controlAt(1000, 4400), std::nullopt); // the English text drags
    about.click("Label5");
    EXPECT_EQ(about.controlAt(1000, 4400), std::optional<std::string_view>("Image2"));
    EXPECT_TRUE(about.isShown("Image2"));
    EXPECT_FALSE(about.isShown("Image1"));
}

} // namespace
} // namespace velkorn::test
