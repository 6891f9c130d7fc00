#include "numberbox.h"

#include "widetext.h"

#include <commctrl.h>

#include <utility>

namespace velkorn::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 2;

struct NumberBox {
    EditRule rule;
    wchar_t pendingHigh = 0; // the first half of a character typed in two
};

std::u16string units(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// Replaces the selection as one edit that undo takes back.
void replaceSelection(HWND edit, std::size_t from, std::size_t to, const std::u16string& text) {
    SendMessageW(edit, EM_SETSEL, from, static_cast<LPARAM>(to));
    const std::wstring wide(text.begin(), text.end());
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::pair<DWORD, DWORD> selection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// True when the rule took the insertion over (refused or cut it); false
// leaves it to the control.
bool ruleTakesOver(HWND edit, const NumberBox& box, const std::u16string& inserted) {
    const std::u16string before = units(windowText(edit));
    const auto [start, end] = selection(edit);
    const std::u16string after = before.substr(0, start) + inserted + before.substr(end);
    const BoxEditDecision decision = box.rule(after, start + inserted.size());
    switch (decision.verdict) {
    case EditVerdict::Accept:
        return false;
    case EditVerdict::Refuse:
        return true;
    case EditVerdict::Cut:
        replaceSelection(edit, decision.from, decision.to, decision.inserted);
        return true;
    }
    return true;
}

std::u16string clipboardLine(HWND edit) {
    std::u16string text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(edit)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            // A single-line box takes the first line of what is pasted.
            for (const wchar_t* c = chars; *c != L'\0' && *c != L'\r' && *c != L'\n'; ++c) {
                text += static_cast<char16_t>(*c);
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

LRESULT CALLBACK numberBoxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR data) {
    auto& box = *reinterpret_cast<NumberBox*>(data);
    switch (message) {
    case WM_CHAR: {
        const auto unit = static_cast<wchar_t>(wParam);
        if (unit < 0x20 || unit == 0x7F) {
            break; // Backspace, Ctrl+V and the like: the control's own
        }
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            box.pendingHigh = unit;
            return 0;
        }
        std::u16string inserted;
        if (box.pendingHigh != 0 && unit >= 0xDC00 && unit <= 0xDFFF) {
            inserted += static_cast<char16_t>(box.pendingHigh);
        }
        box.pendingHigh = 0;
        inserted += static_cast<char16_t>(unit);
        if (ruleTakesOver(edit, box, inserted)) {
            return 0;
        }
        if (inserted.size() == 2) {
            // The control would take the two halves as two edits.
            const auto [start, end] = selection(edit);
            replaceSelection(edit, start, end, inserted);
            return 0;
        }
        break;
    }
    case WM_PASTE:
        if (ruleTakesOver(edit, box, clipboardLine(edit))) {
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &numberBoxProcedure, kSubclassId);
        delete &box;
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void makeNumberBox(HWND edit, EditRule rule) {
    SetWindowSubclass(edit, &numberBoxProcedure, kSubclassId,
                      reinterpret_cast<DWORD_PTR>(new NumberBox{std::move(rule)}));
}

} // namespace velkorn::win32
