// The windows' keyboard: every shortcut does what a click on its control
// does, and the keys a box needs never reach a shortcut.
#include "fakes.h"

#include "velkorn/cardlayout.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form2presenter.h"
#include "velkorn/form3description.h"
#include "velkorn/form3presenter.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace velkorn::test {
namespace {

// A window's presenter over fakes, with "12" and "3" in the main window's
// boxes, so that an operator changes something.
struct Window {
    explicit Window(const FormDescription& form) {
        if (&form == &form1Description()) {
            auto main = std::make_unique<Form1Presenter>(host, mainView, clock, DragSettings{});
            main->load(1.0);
            for (const char* key : {"Image1", "Image2", "Image13"}) {
                main->click(key);
            }
            presenter = std::move(main);
        } else if (&form == &form2Description()) {
            presenter = std::make_unique<Form2Presenter>(host, mainView, DragSettings{});
            presenter->load(1.0);
        } else {
            presenter = std::make_unique<Form3Presenter>(host, mainView, DragSettings{});
            presenter->load(1.0);
        }
        mainView.calls.clear();
    }

    std::vector<std::string> everything() const {
        std::vector<std::string> all = host.calls;
        all.insert(all.end(), mainView.calls.begin(), mainView.calls.end());
        return all;
    }

    FakeHost host;
    FakeForm1View mainView;
    FakeClock clock;
    std::unique_ptr<CardPresenter> presenter;
};

const FormDescription* const kForms[] = {&form1Description(), &form2Description(),
                                         &form3Description()};

TEST(Keyboard, EveryShortcutDoesWhatItsClickDoes) {
    for (const FormDescription* form : kForms) {
        for (const ShortcutDescription& shortcut : form->shortcuts) {
            SCOPED_TRACE(std::string(form->name) + " " + std::string(shortcut.control));
            Window clicked(*form);
            Window keyed(*form);
            clicked.presenter->click(shortcut.control);
            ASSERT_TRUE(keyed.presenter->keyPressed(shortcut.chord));
            EXPECT_FALSE(clicked.everything().empty()) << "the click did nothing";
            EXPECT_EQ(keyed.everything(), clicked.everything());
        }
    }
}

TEST(Keyboard, EveryActionHasAKeyAndNoWindowHasOneTwice) {
    for (const FormDescription* form : kForms) {
        SCOPED_TRACE(form->name);
        for (const ControlDescription& control : form->controls) {
            // The keypads' digits are typed into the boxes instead; the
            // clock, whose click shows the time, shows it every half second.
            const bool digit = control.kind == ControlKind::Picture && control.toolTip != nullptr &&
                               std::string_view(control.toolTip).size() == 1;
            if (control.clicks && !digit && control.name != "Label12") {
                EXPECT_NE(form->shortcut(control.name).key, Key::None) << control.name;
            }
        }
        for (std::size_t i = 0; i < form->shortcuts.size(); ++i) {
            EXPECT_TRUE(form->control(form->shortcuts[i].control).clicks);
            for (std::size_t j = i + 1; j < form->shortcuts.size(); ++j) {
                EXPECT_FALSE(form->shortcuts[i].chord == form->shortcuts[j].chord)
                    << form->shortcuts[i].control << " and " << form->shortcuts[j].control;
            }
        }
    }
}

// What the user types, and the editing keys of a box; Alt+F4, Alt+Space and
// the arrows are not chords the windows read at all.
TEST(Keyboard, TheKeysABoxNeedsAreNeverShortcuts) {
    std::vector<KeyChord> boxKeys;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        boxKeys.push_back({letterKey(letter)});
        boxKeys.push_back({letterKey(letter), Shift});
    }
    for (char letter : {'A', 'C', 'V', 'X', 'Z', 'Y'}) {
        boxKeys.push_back({letterKey(letter), Control});
    }
    boxKeys.push_back({letterKey('Z'), Control | Shift});
    for (const FormDescription* form : kForms) {
        for (const KeyChord& chord : boxKeys) {
            Window window(*form);
            EXPECT_FALSE(window.presenter->keyPressed(chord))
                << form->name << " " << keyChordText(chord);
            EXPECT_TRUE(window.everything().empty());
        }
    }
    // Escape leaves the main window alone: it ends only by its exit label.
    Window main(form1Description());
    EXPECT_FALSE(main.presenter->keyPressed(Key::Escape));
}

TEST(Keyboard, ShortcutsAreWrittenAsBothPlatformsWriteThem) {
    const struct {
        KeyChord chord;
        const char* text;
    } table[] = {
        {{letterKey('P'), Alt}, "Alt+P"}, {{Key::F1}, "F1"},
        {{Key::Escape}, "Esc"},           {{Key::F1, Control | Shift}, "Ctrl+Shift+F1"},
        {{Key::None, Alt}, ""},
    };
    for (const auto& row : table) {
        EXPECT_EQ(keyChordText(row.chord), row.text);
    }
    Window main(form1Description());
    EXPECT_EQ(main.presenter->shortcutText("Image24"), "Alt+D");
    EXPECT_EQ(main.presenter->shortcutText("Image1"), "");
}

// Which chord a key press means: the layout's letter, or on a layout
// without Latin letters the US letter at the key's place.
TEST(Keyboard, APressMeansTheLayoutsLetterElseTheKeysPlace) {
    const struct {
        const char* name;
        KeyPress press;
        KeyChord chord;
    } table[] = {
        {"US P", {Key::None, U'p', 'P', Alt}, {letterKey('P'), Alt}},
        {"AZERTY A, at the US Q", {Key::None, U'a', 'Q', Alt}, {letterKey('A'), Alt}},
        {"QWERTZ Z, at the US Y", {Key::None, U'Z', 'Y', Alt}, {letterKey('Z'), Alt}},
        {"Russian ze, at the US P", {Key::None, U'\u0437', 'P', Alt}, {letterKey('P'), Alt}},
        {"Greek pi, at the US P", {Key::None, U'\u03C0', 'P', Control}, {letterKey('P'), Control}},
        {"AZERTY comma, at the US M", {Key::None, U',', 'M', Alt}, {}},
        {"a place alone", {Key::None, 0, 'X', Alt}, {letterKey('X'), Alt}},
        {"F1", {Key::F1, 0, 0, NoModifier}, {Key::F1}},
        {"Escape with Shift", {Key::Escape, 0, 0, Shift}, {Key::Escape, Shift}},
        {"a digit", {Key::None, U'1', 0, Alt}, {}},
    };
    for (const auto& row : table) {
        const KeyChord chord = chordOf(row.press);
        EXPECT_EQ(chord.key, row.chord.key) << row.name;
        EXPECT_EQ(chord.key == Key::None || chord.modifiers == row.chord.modifiers, true)
            << row.name;
    }
    std::string corners;
    for (unsigned code : {0x10u, 0x19u, 0x1Eu, 0x26u, 0x2Cu, 0x32u}) {
        corners += letterAtScanCode(code);
    }
    EXPECT_EQ(corners, "QPALZM");
    EXPECT_EQ(letterAtScanCode(0x1A), 0); // [
    EXPECT_EQ(letterAtScanCode(0x02), 0); // 1
}

// What a press may type into a box, and where the window sends it.
TEST(Keyboard, AChordThatIsNoShortcutTypesNothing) {
    using Route = CardPresenter::KeyRoute;
    const struct {
        const char* name;
        KeyPress press;
        Route route;
    } table[] = {
        {"h", {Key::None, U'h', 'H', NoModifier, U'h'}, Route::Control},
        {"Shift+H", {Key::None, U'h', 'H', Shift, U'H'}, Route::Control},
        {"Alt+H", {Key::None, U'h', 'H', Alt, U'h'}, Route::ControlWithoutText},
        {"Meta+Q", {Key::None, U'q', 'Q', Meta, U'q'}, Route::ControlWithoutText},
        {"Ctrl+Shift+E", {Key::None, U'e', 'E', Control | Shift, U'E'}, Route::ControlWithoutText},
        {"AltGr+Q, @ on German keys", {Key::None, U'q', 'Q', Control | Alt, U'@'}, Route::Control},
        {"Ctrl+V, a control character", {Key::None, U'v', 'V', Control, 0x16}, Route::Control},
        {"Alt+P, a shortcut", {Key::None, U'p', 'P', Alt, U'p'}, Route::Shortcut},
        {"Alt alone", {Key::None, 0, 0, Alt, 0}, Route::Control},
    };
    Window main(form1Description());
    for (const auto& row : table) {
        EXPECT_EQ(main.presenter->keyPressed(row.press), row.route) << row.name;
    }
    // A shortcut held down does its work once.
    KeyPress f1{Key::F1};
    f1.repeat = true;
    main.host.calls.clear();
    EXPECT_EQ(main.presenter->keyPressed(f1), Route::Shortcut);
    EXPECT_TRUE(main.host.calls.empty());
}

// The shortcuts' cues: shown while Alt is held, or always where the
// platform asks; each only the view's news when it changes.
TEST(Keyboard, CuesWhileAltIsHeld) {
    const KeyPress alt{Key::Alt, 0, 0, Alt};
    struct Step {
        const char* what;
        std::function<void(CardPresenter&)> take;
    };
    const Step down{"Alt down", [alt](CardPresenter& p) { p.keyPressed(alt); }};
    const Step up{"Alt up", [alt](CardPresenter& p) { p.keyReleased(alt); }};
    const Step letter{"Alt+Q", [](CardPresenter& p) { p.keyPressed({Key::None, U'q', 'Q', Alt}); }};
    const Step lost{"deactivated", [](CardPresenter& p) { p.deactivated(); }};
    const Step always{"always", [](CardPresenter& p) { p.keyCuesAlways(true); }};
    const Step notAlways{"not always", [](CardPresenter& p) { p.keyCuesAlways(false); }};
    const struct {
        std::vector<Step> steps;
        std::vector<std::string> calls;
    } table[] = {
        {{down, letter, up}, {"cues", "no cues"}},
        {{down, down, up, up}, {"cues", "no cues"}},
        {{down, lost, up}, {"cues", "no cues"}},
        {{always, down, up, notAlways}, {"cues", "no cues"}},
        {{down, always, up, notAlways}, {"cues", "no cues"}},
    };
    for (const auto& row : table) {
        Window about(form3Description());
        std::string steps;
        for (const Step& step : row.steps) {
            step.take(*about.presenter);
            steps += std::string(step.what) + ", ";
        }
        EXPECT_EQ(about.mainView.calls, row.calls) << steps;
    }
}

// Each shortcut's cue: its key, over its control's corner, inside the
// window, at every scale.
TEST(Keyboard, ACueByEachShortcut) {
    for (int dpi : {96, 120, 144, 192}) {
        const CardLayout layout = layOutCard(form1Description(), dpi, dpi / 96.0, std::nullopt);
        std::string texts;
        for (const KeyCue& cue : layout.cues) {
            texts += cue.text + " ";
            const ControlDescription& entry = form1Description().control(cue.control);
            const PixelRect control =
                twipsToRect(entry.left, entry.top, entry.width, entry.height, dpi);
            const PixelRect& at = cue.area;
            EXPECT_TRUE(at.x < control.x + control.width && control.x < at.x + at.width &&
                        at.y < control.y + control.height && control.y < at.y + at.height)
                << cue.text << " at " << dpi;
            EXPECT_TRUE(at.x >= 0 && at.y >= 0 && at.x + at.width <= layout.client.width &&
                        at.y + at.height <= layout.client.height)
                << cue.text << " at " << dpi;
        }
        EXPECT_EQ(texts, "P M T D C A F1 X ") << dpi;
    }
    const CardLayout help = layOutCard(form2Description(), 96, 1.0, std::nullopt);
    ASSERT_EQ(help.cues.size(), 1u);
    EXPECT_EQ(help.cues.front().text, "Esc");
}

} // namespace
} // namespace velkorn::test
