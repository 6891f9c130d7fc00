// The calculator in a page: the application's frame over the page
// (FrameView), and the entry points through which the page's events reach
// the cards' presenters (dom.js calls them). A browser's dialogs do not
// block: the error box tells the model when the user has dismissed it.
#include "dom.h"
#include "webcard.h"
#include "webform1.h"

#include "velkorn/applicationpresenter.h"
#include "velkorn/presentedcard.h"
#include "velkorn/twips.h"
#include "velkorn/utf8_text.h"

#include <emscripten.h>

#include <array>
#include <memory>
#include <string>

namespace velkorn::web {
namespace {

class WebApplication final : public FrameView {
  public:
    CardPresenter& createWindow(WindowId id) override {
        auto& slot = cards[static_cast<int>(id)];
        slot = makeCard<WebCard, WebForm1>(id, application);
        return slot->presenter();
    }
    void showWindow(WindowId id) override { card(id).show(); }
    void hideWindow(WindowId id) override { card(id).hide(); }
    void showErrorBox(WindowId owner, const std::u16string& title,
                      const std::u16string& message) override {
        velkornShowError(card(owner).number(), toUtf8(title).c_str(), toUtf8(message).c_str());
    }
    void quit(int) override { velkornEnd(); }

    WebCard& card(WindowId id) const { return *cards[static_cast<int>(id)]; }
    WebCard* byNumber(int number) const {
        for (const auto& made : cards) {
            if (made && made->number() == number) {
                return made.get();
            }
        }
        return nullptr;
    }
    // What the page says of itself (its scale, its colours) reaches every
    // card made so far.
    void forEachCard(void (WebCard::*change)()) const {
        for (const auto& made : cards) {
            if (made) {
                (made.get()->*change)();
            }
        }
    }
    Form1Presenter& main() { return static_cast<WebForm1&>(card(WindowId::Main)).presenter(); }

    ApplicationPresenter application{*this};

  private:
    std::array<std::unique_ptr<WebCard>, 3> cards;
};

WebApplication* page = nullptr;
std::string cutEdit;

CardPresenter* presenterOf(int card) {
    WebCard* found = page != nullptr ? page->byNumber(card) : nullptr;
    return found != nullptr ? &found->presenter() : nullptr;
}

MouseButton buttonOf(int button) {
    return button == 2 ? MouseButton::Right : button == 1 ? MouseButton::Middle : MouseButton::Left;
}

BoxId boxOf(std::string_view name) {
    return name == boxName(BoxId::Text2)   ? BoxId::Text2
           : name == boxName(BoxId::Text3) ? BoxId::Text3
                                           : BoxId::Text1;
}

} // namespace
} // namespace velkorn::web

using namespace velkorn;
using velkorn::web::page;
using velkorn::web::presenterOf;

extern "C" {

EMSCRIPTEN_KEEPALIVE int velkorn_pointer_pressed(int card, int x, int y, int button, int second,
                                                 int screenX, int screenY) {
    CardPresenter* presenter = presenterOf(card);
    return presenter != nullptr &&
                   presenter->pointerPressed(pixelToTwips(x), pixelToTwips(y),
                                             web::buttonOf(button), second != 0, {screenX, screenY})
               ? 1
               : 0;
}

EMSCRIPTEN_KEEPALIVE void velkorn_press(int card, const char* control) {
    if (CardPresenter* presenter = presenterOf(card)) {
        presenter->accessiblePress(control);
    }
}

// The card came to the front with the keyboard (1), or lost them (0).
EMSCRIPTEN_KEEPALIVE void velkorn_activation(int card, int active) {
    if (CardPresenter* presenter = presenterOf(card)) {
        if (active != 0) {
            presenter->activated();
        } else {
            presenter->deactivated();
        }
    }
}

EMSCRIPTEN_KEEPALIVE void velkorn_frame_painted(int card) {
    if (CardPresenter* presenter = presenterOf(card)) {
        presenter->framePainted();
    }
}

EMSCRIPTEN_KEEPALIVE void velkorn_pointer_moved(int card, int screenX, int screenY, int held) {
    if (CardPresenter* presenter = presenterOf(card)) {
        presenter->pointerMoved({screenX, screenY}, held != 0);
    }
}

EMSCRIPTEN_KEEPALIVE void velkorn_pointer_released(int card, int x, int y, int button) {
    if (CardPresenter* presenter = presenterOf(card)) {
        presenter->pointerReleased(web::buttonOf(button), pixelToTwips(x), pixelToTwips(y));
    }
}

EMSCRIPTEN_KEEPALIVE void velkorn_pointer_lost(int card) {
    if (CardPresenter* presenter = presenterOf(card)) {
        presenter->pointerLost();
    }
}

// 0: the control's; 1: the window's shortcut; 2: the control's, without
// its text.
EMSCRIPTEN_KEEPALIVE int velkorn_key(int card, int down, int named, int character, int place,
                                     int modifiers, int text, int repeat) {
    CardPresenter* presenter = presenterOf(card);
    if (presenter == nullptr) {
        return 0;
    }
    KeyPress press{static_cast<Key>(named),     static_cast<char32_t>(character),
                   static_cast<char>(place),    static_cast<unsigned>(modifiers),
                   static_cast<char32_t>(text), repeat != 0};
    if (down == 0) {
        presenter->keyReleased(press);
        return 0;
    }
    switch (presenter->keyPressed(press)) {
    case CardPresenter::KeyRoute::Shortcut:
        return 1;
    case CardPresenter::KeyRoute::ControlWithoutText:
        return 2;
    case CardPresenter::KeyRoute::Control:
        break;
    }
    return 0;
}

EMSCRIPTEN_KEEPALIVE void velkorn_focus(int card, const char* control) {
    if (CardPresenter* presenter = presenterOf(card)) {
        presenter->focusMoved(control);
    }
}

// 0: taken as it is; 1: refused; 2: cut, the edit to make instead in
// velkorn_cut_edit. Offsets in UTF-16 units, as the page counts.
EMSCRIPTEN_KEEPALIVE int velkorn_box_editing(int, const char* box, const char* after, int caret) {
    const BoxEditDecision decision =
        page->main().boxEditing(web::boxOf(box), toUtf16(after), static_cast<std::size_t>(caret));
    switch (decision.verdict) {
    case EditVerdict::Accept:
        return 0;
    case EditVerdict::Refuse:
        return 1;
    case EditVerdict::Cut:
        break;
    }
    web::cutEdit = std::to_string(decision.from) + "\t" + std::to_string(decision.to) + "\t" +
                   toUtf8(decision.inserted);
    return 2;
}

EMSCRIPTEN_KEEPALIVE const char* velkorn_cut_edit() {
    return web::cutEdit.c_str();
}

EMSCRIPTEN_KEEPALIVE void velkorn_box_edited(int, const char* box, const char* text) {
    page->main().boxEdited(web::boxOf(box), toUtf16(text));
}

EMSCRIPTEN_KEEPALIVE void velkorn_run_task(int card) {
    if (web::WebCard* found = page != nullptr ? page->byNumber(card) : nullptr) {
        found->runPostedTask();
    }
}

EMSCRIPTEN_KEEPALIVE void velkorn_error_dismissed() {
    page->application.errorBoxDismissed();
}

EMSCRIPTEN_KEEPALIVE void velkorn_scale_changed() {
    page->forEachCard(&web::WebCard::scaleChanged);
}

EMSCRIPTEN_KEEPALIVE void velkorn_contrast_changed() {
    page->forEachCard(&web::WebCard::contrastChanged);
}

EMSCRIPTEN_KEEPALIVE void velkorn_tick() {
    page->main().tick();
}

} // extern "C"

int main() {
    static web::WebApplication application;
    page = &application;
    application.application.start();
    velkornStartClock(Form1Presenter::kClockIntervalMs);
    emscripten_exit_with_live_runtime();
}
