#include "textbox.h"

#include "widetext.h"

#include "velkorn/calculator_engine.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <utility>

namespace velkorn::win32 {

#ifdef VELKORN_TEST_HOOKS
// Drives the input method inside the box's thread, as an IME would.
LRESULT driveInputMethod(HWND edit, const COPYDATASTRUCT& request);
#endif

namespace {

constexpr UINT_PTR kSubclassId = 2;
constexpr const wchar_t* kBoxProperty = L"Velkorn.NumberBox";
constexpr WPARAM kRoomForUndo = 2 * kMaxBoxLength;
// What Ctrl+A, Ctrl+C, Backspace, Ctrl+V, Ctrl+X, Ctrl+Z and Ctrl+Backspace
// type.
constexpr wchar_t kSelectAll = 0x01, kCopy = 0x03, kBackspace = 0x08, kPaste = 0x16, kCut = 0x18,
                  kUndo = 0x1A, kWordBackspace = 0x7F;

struct NumberBox {
    EditRule rule;
    wchar_t pendingHigh = 0; // the first half of a character typed in two
    bool ownEdit = false;    // the program's own text or a replacement the rule made
};

// Sends the program's own WM_SETTEXT or EM_REPLACESEL, told apart from
// those of other programs (which are edits like the user's).
LRESULT sendOwn(HWND edit, NumberBox& box, UINT message, WPARAM wParam, const wchar_t* text) {
    const bool outer = std::exchange(box.ownEdit, true);
    const LRESULT result = SendMessageW(edit, message, wParam, reinterpret_cast<LPARAM>(text));
    box.ownEdit = outer;
    return result;
}

bool isHighSurrogate(wchar_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(wchar_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

std::u16string boxText(HWND edit) {
    const std::wstring text = windowText(edit);
    return {text.begin(), text.end()};
}

std::pair<DWORD, DWORD> selection(HWND edit) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// The control's own limit counts UTF-16 units, the rule characters: fifteen
// characters plus one unit for each that takes two. Whatever still reaches
// the control unchecked is then refused or cut by it where it went in, as
// the rule would for text of the basic plane.
void fitLimit(HWND edit, std::u16string_view text) {
    const auto pairs = static_cast<std::size_t>(std::ranges::count_if(text, isHighSurrogate));
    SendMessageW(edit, EM_SETLIMITTEXT, kMaxBoxLength + pairs, 0);
}

// Replaces units [from, to) as one edit that undo takes back. The control
// keeps one step of undo and would fold an insertion where the last edit
// began into that edit (typing, then a paste before it): undo would then
// take back both. The step before is dropped, as the next would drop it.
void replace(HWND edit, NumberBox& box, std::size_t from, std::size_t to,
             const std::u16string& text) {
    const std::u16string before = boxText(edit);
    fitLimit(edit, before.substr(0, from) + text + before.substr(std::min(to, before.size())));
    SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(edit, EM_SETSEL, from, static_cast<LPARAM>(to));
    const std::wstring wide(text.begin(), text.end());
    sendOwn(edit, box, EM_REPLACESEL, TRUE, wide.c_str());
}

// Text entering the box in place of its selection, as the rule decides:
// taken whole, cut, or refused (the box, its caret and undo untouched).
// False when refused.
bool enter(HWND edit, NumberBox& box, const std::u16string& inserted) {
    const std::u16string before = boxText(edit);
    const auto [start, end] = selection(edit);
    const std::u16string after = before.substr(0, start) + inserted + before.substr(end);
    const BoxEditDecision decision = box.rule(after, start + inserted.size());
    switch (decision.verdict) {
    case EditVerdict::Accept:
        if (after != before) {
            replace(edit, box, start, end, inserted);
        }
        return true;
    case EditVerdict::Cut:
        replace(edit, box, decision.from, decision.to, decision.inserted);
        return true;
    case EditVerdict::Refuse:
        break;
    }
    return false;
}

// A whole new text from outside (a screen reader's value): the rule sees it
// as everything selected and replaced.
LRESULT enterWholeText(HWND edit, NumberBox& box, const wchar_t* text) {
    SendMessageW(edit, EM_SETSEL, 0, -1);
    const std::size_t length = text != nullptr ? wcslen(text) : 0;
    return enter(edit, box, std::u16string(text, text + length)) ? TRUE : FALSE;
}

std::u16string clipboardText(HWND edit) {
    std::u16string text;
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(edit)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text.assign(chars, chars + wcslen(chars));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void paste(HWND edit, NumberBox& box) {
    const std::u16string text = clipboardText(edit);
    if (!text.empty()) {
        enter(edit, box, text);
    }
}

// Ctrl+Backspace: what Qt's line edit does, and never a DEL character.
void deleteWordBefore(HWND edit, NumberBox& box) {
    const auto [start, end] = selection(edit);
    const std::size_t from = start != end ? start : previousWordStart(boxText(edit), start);
    if (from != end) {
        SendMessageW(edit, EM_SETSEL, from, end);
        sendOwn(edit, box, EM_REPLACESEL, TRUE, L"");
        fitLimit(edit, boxText(edit));
    }
}

// Backspace and Delete with nothing selected take a whole character, as in
// Qt: the control would take one unit, half of a character outside the
// basic plane.
void selectWholeCharacter(HWND edit, bool backward) {
    const auto [start, end] = selection(edit);
    const std::u16string text = boxText(edit);
    if (start != end) {
        return;
    }
    if (backward && start >= 2 && isLowSurrogate(text[start - 1]) &&
        isHighSurrogate(text[start - 2])) {
        SendMessageW(edit, EM_SETSEL, start - 2, start);
    } else if (!backward && start + 1 < text.size() && isHighSurrogate(text[start]) &&
               isLowSurrogate(text[start + 1])) {
        SendMessageW(edit, EM_SETSEL, start, start + 2);
    }
}

// Keys that the control turns into commands rather than text.
bool isControlCommand(wchar_t unit) {
    return unit == kSelectAll || unit == kCopy || unit == kBackspace || unit == kCut;
}

// One UTF-16 unit typed (WM_CHAR or WM_IME_CHAR). Returns true when the
// control may take it itself, as its own typing.
bool typeUnit(HWND edit, NumberBox& box, wchar_t unit) {
    const wchar_t high = std::exchange(box.pendingHigh, 0);
    if (high != 0 && isLowSurrogate(unit)) {
        enter(edit, box, {static_cast<char16_t>(high), static_cast<char16_t>(unit)});
        return false;
    }
    if (high != 0) {
        enter(edit, box, {static_cast<char16_t>(high)}); // half a character: refused
    }
    if (isHighSurrogate(unit)) {
        box.pendingHigh = unit;
        return false;
    }
    // Enter, Tab, Escape and other control keys make no text, as in Qt.
    if (unit < 0x20 || unit == 0x7F || isLowSurrogate(unit)) {
        if (isLowSurrogate(unit)) {
            enter(edit, box, {static_cast<char16_t>(unit)});
        }
        return false;
    }
    const auto [start, end] = selection(edit);
    const std::u16string before = boxText(edit);
    const std::u16string after =
        before.substr(0, start) + static_cast<char16_t>(unit) + before.substr(end);
    const BoxEditDecision decision = box.rule(after, start + 1);
    if (decision.verdict == EditVerdict::Cut) {
        replace(edit, box, decision.from, decision.to, decision.inserted);
    }
    return decision.verdict == EditVerdict::Accept;
}

LRESULT undo(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    // What undo brings back fitted the rule once, in whatever units.
    SendMessageW(edit, EM_SETLIMITTEXT, kRoomForUndo, 0);
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    fitLimit(edit, boxText(edit));
    return result;
}

LRESULT onChar(HWND edit, NumberBox& box, WPARAM wParam, LPARAM lParam) {
    const auto unit = static_cast<wchar_t>(wParam);
    if (unit == kPaste) {
        paste(edit, box);
        return 0;
    }
    if (unit == kUndo) {
        return undo(edit, WM_UNDO, 0, 0);
    }
    if (unit == kWordBackspace) {
        deleteWordBefore(edit, box);
        return 0;
    }
    if (unit == kBackspace) {
        selectWholeCharacter(edit, true);
    }
    if (isControlCommand(unit) || typeUnit(edit, box, unit)) {
        const LRESULT result = DefSubclassProc(edit, WM_CHAR, wParam, lParam);
        fitLimit(edit, boxText(edit));
        return result;
    }
    return 0;
}

// The composition stays in the input method's own window until it is
// committed: the box never holds half-typed text, so it is never rewritten
// while a composition is open, and a cancelled one leaves it as it was.
LRESULT onComposition(HWND edit, NumberBox& box, WPARAM wParam, LPARAM lParam) {
    constexpr LPARAM kResult =
        GCS_RESULTSTR | GCS_RESULTCLAUSE | GCS_RESULTREADSTR | GCS_RESULTREADCLAUSE;
    if ((lParam & GCS_RESULTSTR) != 0) {
        HIMC context = ImmGetContext(edit);
        const LONG bytes = ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
        std::wstring result(bytes > 0 ? static_cast<std::size_t>(bytes) / sizeof(wchar_t) : 0,
                            L'\0');
        ImmGetCompositionStringW(context, GCS_RESULTSTR, result.data(),
                                 static_cast<DWORD>(result.size() * sizeof(wchar_t)));
        ImmReleaseContext(edit, context);
        if (!result.empty()) {
            enter(edit, box, std::u16string(result.begin(), result.end()));
        }
    }
    // The rest to the input method's window; the result, taken here, must
    // not come again as WM_IME_CHAR.
    return DefWindowProcW(edit, WM_IME_COMPOSITION, wParam, lParam & ~kResult);
}

// The input method's composition window opens at the caret, in the box's
// font.
LRESULT onStartComposition(HWND edit, WPARAM wParam, LPARAM lParam) {
    HIMC context = ImmGetContext(edit);
    if (context != nullptr) {
        COMPOSITIONFORM place{CFS_POINT, {}, {}};
        GetCaretPos(&place.ptCurrentPos);
        ImmSetCompositionWindow(context, &place);
        LOGFONTW font{};
        const auto shown = reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0));
        if (shown != nullptr && GetObjectW(shown, sizeof(font), &font) != 0) {
            ImmSetCompositionFontW(context, &font);
        }
        ImmReleaseContext(edit, context);
    }
    return DefWindowProcW(edit, WM_IME_STARTCOMPOSITION, wParam, lParam);
}

bool shiftInsert(WPARAM key) {
    return key == VK_INSERT && GetKeyState(VK_SHIFT) < 0 && GetKeyState(VK_CONTROL) >= 0;
}

// A message that the rule takes before the control: its result in `result`.
bool ruleTakes(HWND edit, NumberBox& box, UINT message, WPARAM wParam, LPARAM lParam,
               LRESULT& result) {
    result = 0;
    switch (message) {
    case WM_CHAR:
        result = onChar(edit, box, wParam, lParam);
        return true;
    case WM_IME_CHAR:
        if (typeUnit(edit, box, static_cast<wchar_t>(wParam))) {
            result = DefSubclassProc(edit, WM_CHAR, wParam, lParam);
        }
        return true;
    case WM_IME_STARTCOMPOSITION:
        result = onStartComposition(edit, wParam, lParam);
        return true;
    case WM_IME_SETCONTEXT:
    case WM_IME_ENDCOMPOSITION:
        // Not the control's: it would keep the input method from showing
        // the composition, which it can no longer show itself.
        result = DefWindowProcW(edit, message, wParam, lParam);
        return true;
    case WM_IME_COMPOSITION:
        result = onComposition(edit, box, wParam, lParam);
        return true;
    case WM_PASTE:
        paste(edit, box);
        return true;
    case WM_KEYDOWN:
        if (shiftInsert(wParam)) {
            paste(edit, box);
            return true;
        }
        if (wParam == VK_DELETE) {
            selectWholeCharacter(edit, false);
        }
        return false;
    case WM_UNDO:
    case EM_UNDO:
        result = undo(edit, message, wParam, lParam);
        return true;
    default:
        break;
    }
    // From another program (a screen reader, an automation tool): an edit
    // like the user's. The program's own text is the engine's, and its own
    // replacements are the rule's already.
    if (box.ownEdit) {
        return false;
    }
    if (message == WM_SETTEXT) {
        result = enterWholeText(edit, box, reinterpret_cast<const wchar_t*>(lParam));
        return true;
    }
    if (message == EM_REPLACESEL && lParam != 0) {
        const auto* text = reinterpret_cast<const wchar_t*>(lParam);
        enter(edit, box, std::u16string(text, text + wcslen(text)));
        return true;
    }
    return false;
}

LRESULT CALLBACK numberBoxProcedure(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR data) {
    auto& box = *reinterpret_cast<NumberBox*>(data);
    LRESULT result = 0;
    if (ruleTakes(edit, box, message, wParam, lParam, result)) {
        return result;
    }
    switch (message) {
#ifdef VELKORN_TEST_HOOKS
    case WM_COPYDATA:
        return driveInputMethod(edit, *reinterpret_cast<const COPYDATASTRUCT*>(lParam));
#endif
    case WM_SETTEXT:
        // A text the program sets (a click, Clear) starts a new history:
        // undo never brings back a number from before it.
        result = DefSubclassProc(edit, message, wParam, lParam);
        SendMessageW(edit, EM_EMPTYUNDOBUFFER, 0, 0);
        fitLimit(edit, boxText(edit));
        return result;
    case WM_KEYDOWN:
    case WM_CUT:
    case WM_CLEAR:
        result = DefSubclassProc(edit, message, wParam, lParam);
        fitLimit(edit, boxText(edit));
        return result;
    case WM_NCDESTROY:
        RemoveWindowSubclass(edit, &numberBoxProcedure, kSubclassId);
        RemovePropW(edit, kBoxProperty);
        delete &box;
        break;
    default:
        break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

} // namespace

void makeTextBox(HWND edit, EditRule rule) {
    auto* box = new NumberBox{std::move(rule)};
    SetPropW(edit, kBoxProperty, box);
    SetWindowSubclass(edit, &numberBoxProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(box));
    fitLimit(edit, boxText(edit));
}

void showTextBoxText(HWND edit, const std::u16string& text, std::size_t caret) {
    auto* box = static_cast<NumberBox*>(GetPropW(edit, kBoxProperty));
    if (box == nullptr) {
        return;
    }
    fitLimit(edit, text);
    const std::wstring wide(text.begin(), text.end());
    sendOwn(edit, *box, WM_SETTEXT, 0, wide.c_str());
    SendMessageW(edit, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

} // namespace velkorn::win32
