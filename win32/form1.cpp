#include "form1.h"

#include "widetext.h"

#include "velkorn/button_map.h"
#include "velkorn/form1description.h"
#include "velkorn/utf8_text.h"

#include <vector>

namespace velkorn::win32 {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kClockIntervalMs = 500;

// The controls with a click in the button map.
std::vector<std::string_view> clickableControls() {
    std::vector<std::string_view> names;
    for (const ButtonMapping& row : buttonMap()) {
        if (row.event == ControlEvent::Click) {
            names.push_back(row.control);
        }
    }
    return names;
}

std::wstring localTime() {
    wchar_t text[128] = L"";
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, nullptr, nullptr, text, 128);
    return text;
}

std::wstring localDate() {
    wchar_t text[128] = L"";
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, text, 128, nullptr);
    return text;
}

} // namespace

Form1::Form1(FormHost& host) : CardWindow(form1Description(), host, clickableControls()) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i] = control(boxName(static_cast<BoxId>(i)));
    }
    // Tab order follows the stacking of siblings: Text1, Text2, Text3, in
    // front of everything else (the boxes do not overlap each other).
    SetWindowPos(boxes[0], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(boxes[1], boxes[0], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(boxes[2], boxes[1], 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetTimer(handle(), kTimer1, kClockIntervalMs, nullptr);
    SetFocus(boxes[0]);
}

void Form1::Control_Click(std::string_view name) {
    const auto mapped = actionFor(name, ControlEvent::Click);
    if (!mapped) {
        return;
    }
    try {
        if (performEngineAction(calculator, *mapped)) {
            showBoxes();
            return;
        }
    } catch (const CalculatorError& error) {
        // The boxes keep what they showed before the click.
        host.reportError(error, handle());
        return;
    }
    switch (mapped->action) {
    case ButtonAction::ShowAbout:
        host.showWindow(WindowId::About);
        break;
    case ButtonAction::ShowHelp:
        host.showWindow(WindowId::Help);
        break;
    case ButtonAction::ShowTime:
        showTime();
        break;
    case ButtonAction::ExitProgram:
        host.endProgram();
        break;
    default:
        break;
    }
}

void Form1::showBoxes() {
    showingBoxes = true;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::wstring text = widen(calculator.text(static_cast<BoxId>(i)));
        if (windowText(boxes[i]) != text) {
            SetWindowTextW(boxes[i], text.c_str());
        }
    }
    showingBoxes = false;
}

void Form1::Box_Change(HWND box) {
    if (showingBoxes) {
        return;
    }
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i] == box) {
            takeEdit(static_cast<BoxId>(i), box);
        }
    }
}

// The user's edit, kept to 15 characters: an edit that does not fit is put
// back and done again with the insertion cut to what fits, as one edit that
// undo takes back.
void Form1::takeEdit(BoxId id, HWND box) {
    const std::wstring edited = windowText(box);
    DWORD selectionEnd = 0;
    SendMessageW(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&selectionEnd));
    const std::string after = narrow(edited);
    const std::size_t caret = narrow(std::wstring_view(edited).substr(0, selectionEnd)).size();
    const std::string before = calculator.text(id);
    const FittedEdit fitted = fitEdit(before, after, caret, kMaxBoxLength);
    if (fitted.text == after) {
        calculator.setText(id, after);
        return;
    }
    const auto units = [&before](std::size_t bytes) {
        return static_cast<WPARAM>(widen(std::string_view(before).substr(0, bytes)).size());
    };
    showingBoxes = true;
    SetWindowTextW(box, widen(before).c_str());
    SendMessageW(box, EM_SETSEL, units(fitted.replaceFrom),
                 static_cast<LPARAM>(units(fitted.replaceTo)));
    showingBoxes = false;
    if (fitted.replaceFrom != fitted.replaceTo || !fitted.inserted.empty()) {
        SendMessageW(box, EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(widen(fitted.inserted).c_str()));
    }
}

void Form1::Form_Timer(UINT_PTR timer) {
    if (timer == kTimer1) {
        Timer1_Timer();
    }
}

// Two readings of the clock, the time first.
void Form1::Timer1_Timer() {
    showTime();
    setCaption("Label11", localDate());
}

void Form1::showTime() {
    setCaption("Label12", localTime());
}

} // namespace velkorn::win32
