#include "form1.h"

#include "textbox.h"
#include "widetext.h"

#include "velkorn/form1description.h"

namespace velkorn::win32 {
namespace {

constexpr UINT_PTR kClockTimer = 1;

// One of the user's regional settings.
std::u16string setting(LCTYPE type) {
    wchar_t text[128] = L"";
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 128);
    return {text, text + wcslen(text)};
}

} // namespace

ClockReading LocalClock::now() {
    SYSTEMTIME time;
    GetLocalTime(&time);
    return {time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

ClockLocale LocalClock::locale() {
    ClockLocale regional{.timePattern = setting(LOCALE_STIMEFORMAT),
                         .datePattern = setting(LOCALE_SSHORTDATE),
                         .dialect = PatternDialect::Windows,
                         .am = setting(LOCALE_S1159),
                         .pm = setting(LOCALE_S2359)};
    for (LCTYPE month = 0; month < 12; ++month) {
        regional.shortMonths[month] = setting(LOCALE_SABBREVMONTHNAME1 + month);
        regional.longMonths[month] = setting(LOCALE_SMONTHNAME1 + month);
    }
    for (LCTYPE day = 0; day < 7; ++day) {
        regional.shortDays[day] = setting(LOCALE_SABBREVDAYNAME1 + day);
        regional.longDays[day] = setting(LOCALE_SDAYNAME1 + day);
    }
    return regional;
}

Form1::Form1(FormHost& host)
    : CardWindow(form1Description()), form(host, *this, clock, dragSettings()) {
    connectBoxes();
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
        form.formatsChanged(); // perhaps the user's date format
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

} // namespace velkorn::win32
