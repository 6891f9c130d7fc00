#include "form1.h"

#include "textbox.h"
#include "widetext.h"

#include "velkorn/form1description.h"

namespace velkorn::win32 {
namespace {

constexpr UINT_PTR kClockTimer = 1;

std::u16string units(const wchar_t* text) {
    return {text, text + wcslen(text)};
}

} // namespace

// Formatted only when the second changed: the timer ticks twice a second.
std::u16string LocalClock::timeText() {
    GetLocalTime(&now);
    if (now.wSecond != formattedSecond.wSecond || now.wMinute != formattedSecond.wMinute ||
        now.wHour != formattedSecond.wHour || formattedTime.empty()) {
        wchar_t text[128] = L"";
        GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &now, nullptr, text, 128);
        formattedSecond = now;
        formattedTime = units(text);
    }
    return formattedTime;
}

// The day of the time's own reading, so that the two agree across midnight.
std::u16string LocalClock::dateText() {
    if (now.wDay != formattedDay.wDay || now.wMonth != formattedDay.wMonth ||
        now.wYear != formattedDay.wYear) {
        wchar_t text[128] = L"";
        GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, text, 128,
                        nullptr);
        formattedDay = now;
        formattedDate = units(text);
    }
    return formattedDate;
}

Form1::Form1(FormHost& host)
    : CardWindow(form1Description()), form(host, *this, clock, dragSettings()) {
    connectBoxes();
    liveText = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, handle(),
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    present();
    SetTimer(handle(), kClockTimer, Form1Presenter::kClockIntervalMs, nullptr);
}

void Form1::connectBoxes() {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto id = static_cast<BoxId>(i);
        boxes[i] = control(boxName(id));
        makeTextBox(boxes[i], [this, id](const std::u16string& after, std::size_t caret) {
            return form.boxEditing(id, after, caret);
        });
    }
}

bool Form1::windowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_TIMER && wParam == kClockTimer) {
        form.tick();
        result = 0;
        return true;
    }
    if (message == WM_SETTINGCHANGE) {
        clock.formatsChanged(); // perhaps the user's date format
        return false;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE) {
        boxChanged(reinterpret_cast<HWND>(lParam));
        result = 0;
        return true;
    }
    return false;
}

// Every change of a box's text, the user's or the window's own: the engine
// holds the one copy of what the boxes show.
void Form1::boxChanged(HWND box) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i] == box) {
            const std::wstring text = windowText(box);
            form.boxEdited(static_cast<BoxId>(i), std::u16string(text.begin(), text.end()));
        }
    }
}

void Form1::showBoxText(BoxId box, const std::u16string& text, std::size_t caret) {
    showTextBoxText(boxes[static_cast<std::size_t>(box)], text, caret);
}

bool Form1::hasFocus(BoxId box) const {
    return GetFocus() == boxes[static_cast<std::size_t>(box)];
}

void Form1::showLiveText(const std::u16string& text) {
    liveRegion.showText(liveText, std::wstring(text.begin(), text.end()));
}

} // namespace velkorn::win32
