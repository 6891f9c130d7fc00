// Runs the entry table (tests/entry/entry_cases.tsv) on the Windows
// program's first number box from another process, as keys, the clipboard,
// an input method and a screen reader reach it:
//   velkorn-entry-driver TABLE
// Prints a line a row (the box, the caret, the box after one undo, ok or
// FAIL, or ERROR and why); exits 1 with a message unless every row is as
// the table says. Every wait has a deadline.
#include "../entry/entrycases.h"

#include <windows.h>

#include <chrono>
#include <fstream>
#include <thread>

namespace {

using velkorn::entry::Case;
using velkorn::entry::Outcome;
using velkorn::entry::Step;

enum ImeRequest : ULONG_PTR { Compose = 1, Commit = 2, Cancel = 3 };

struct Program {
    HWND form = nullptr;
    HWND box = nullptr; // Text1, the top left box
};

// Polls every 20 ms until `done` or the deadline.
template <class Done> bool waitFor(std::chrono::seconds deadline, Done done) {
    const auto end = std::chrono::steady_clock::now() + deadline;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

BOOL CALLBACK keepTopLeftBox(HWND child, LPARAM data) {
    wchar_t name[8] = L"";
    GetClassNameW(child, name, 8);
    auto& found = *reinterpret_cast<HWND*>(data);
    RECT area, best{};
    GetWindowRect(child, &area);
    if (found != nullptr) {
        GetWindowRect(found, &best);
    }
    if (lstrcmpiW(name, L"Edit") == 0 &&
        (found == nullptr || std::pair(area.top, area.left) < std::pair(best.top, best.left))) {
        found = child;
    }
    return TRUE;
}

bool findProgram(Program& program) {
    waitFor(std::chrono::seconds(30),
            [&] { return (program.form = FindWindowW(L"Velkorn.Form1", nullptr)) != nullptr; });
    EnumChildWindows(program.form, &keepTopLeftBox, reinterpret_cast<LPARAM>(&program.box));
    return program.box != nullptr;
}

// A left click on Clear, drawn by the card, where windows_e2e clicks it.
void clickClear(const Program& program) {
    const LPARAM at = MAKELPARAM(236, 208);
    SendMessageW(program.form, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(program.form, WM_LBUTTONUP, 0, at);
}

// WM_GETTEXT: GetWindowText reads no control of another process.
std::u16string boxText(HWND box) {
    wchar_t text[64] = L"";
    SendMessageW(box, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(text));
    return {text, text + wcslen(text)};
}

std::wstring wide(const std::u16string& text) {
    return {text.begin(), text.end()};
}

bool setClipboard(const std::u16string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
    chars[std::copy(text.begin(), text.end(), chars) - chars] = L'\0';
    GlobalUnlock(memory);
    const bool set = OpenClipboard(nullptr) && EmptyClipboard() &&
                     SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return set;
}

bool sendIme(HWND box, ImeRequest request, const std::u16string& text) {
    std::wstring data = wide(text);
    COPYDATASTRUCT copy{request, static_cast<DWORD>(data.size() * sizeof(wchar_t)), data.data()};
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(box, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy),
                               SMTO_ABORTIFHUNG, 10000, &answer) != 0 &&
           answer != 0;
}

INPUT key(WORD code, DWORD up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up | (code == VK_INSERT ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

// Real keystrokes, to the window in front, whose box has had the focus
// since it was activated; taken in their own time, so this waits until the
// box has changed.
bool shiftInsert(const Program& program) {
    const std::u16string before = boxText(program.box);
    SetForegroundWindow(program.form);
    INPUT keys[] = {key(VK_SHIFT, 0), key(VK_INSERT, 0), key(VK_INSERT, KEYEVENTF_KEYUP),
                    key(VK_SHIFT, KEYEVENTF_KEYUP)};
    SendInput(4, keys, sizeof(INPUT));
    return waitFor(std::chrono::seconds(10), [&] { return boxText(program.box) != before; });
}

// A key's message, with a repeat count of one.
void send(HWND box, UINT message, WPARAM wParam) {
    SendMessageW(box, message, wParam, 1);
}

void sendText(HWND box, UINT message, WPARAM wParam, const std::u16string& text) {
    const std::wstring units = wide(text);
    SendMessageW(box, message, wParam, reinterpret_cast<LPARAM>(units.c_str()));
}

// Keys as the keyboard's characters (WM_CHAR, what TranslateMessage makes
// of them), the menu's Paste, a screen reader's messages, a keypad click.
// Returns why a step could not be taken, or nothing.
std::string take(const Program& program, const Step& step) {
    HWND box = program.box;
    const std::string& action = step.action;
    const bool pastes = action == "ctrl+v" || action == "menu-paste" || action == "shift+insert";
    if (pastes && !setClipboard(step.text)) {
        return "cannot set the clipboard";
    }
    if (action == "type" || action == "ime-char") {
        for (char16_t unit : step.text) {
            send(box, action == "type" ? WM_CHAR : WM_IME_CHAR, unit);
        }
    } else if (action == "ctrl+backspace" || action == "backspace" || action == "ctrl+v") {
        send(box, WM_CHAR, action == "ctrl+v" ? 0x16 : action == "backspace" ? 0x08 : 0x7F);
    } else if (action == "home" || action == "delete") {
        send(box, WM_KEYDOWN, action == "home" ? VK_HOME : VK_DELETE);
    } else if (action.starts_with("alt+")) {
        // What the system makes of Alt and a letter: a system character.
        const char16_t letter = action.back();
        const bool shift = action.find("shift") != std::string::npos;
        SendMessageW(box, WM_SYSCHAR, shift ? letter - 0x20 : letter, 1 | (1 << 29));
    } else if (action == "menu-paste") {
        SendMessageW(box, WM_PASTE, 0, 0);
    } else if (action == "shift+insert") {
        return shiftInsert(program) ? "" : "Shift+Insert changed nothing within 10 s";
    } else if (action == "ime-commit" || action == "ime-cancel") {
        const bool answered = sendIme(box, Compose, step.text) &&
                              sendIme(box, action == "ime-commit" ? Commit : Cancel, u"");
        return answered ? "" : "the program's input method did not answer";
    } else if (action == "settext" || action == "replacesel") {
        sendText(box, action == "settext" ? WM_SETTEXT : EM_REPLACESEL, TRUE, step.text);
    } else if (action == "clear") {
        clickClear(program);
    } else {
        return "no such step on Windows: " + action;
    }
    return "";
}

// The row's text as another program sets it, then a new undo history.
std::string runRow(const Program& program, const Case& row, Outcome& seen) {
    HWND box = program.box;
    sendText(box, WM_SETTEXT, 0, row.before);
    SendMessageW(box, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(box, EM_SETSEL, row.selectionFrom, static_cast<LPARAM>(row.selectionTo));
    if (boxText(box) != row.before) {
        return "the box would not take the row's text";
    }
    for (const Step& step : row.steps) {
        if (const std::string why = take(program, step); !why.empty()) {
            return why;
        }
    }
    seen.box = boxText(box);
    DWORD start = 0, end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    seen.caret = start == end ? end : SIZE_MAX;
    send(box, WM_CHAR, 0x1A); // what Ctrl+Z types
    seen.undone = boxText(box);
    return "";
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::ifstream in(argc == 2 ? argv[1] : L"");
    const std::vector<Case> rows = velkorn::entry::readCases(in);
    Program program;
    if (rows.empty() || !findProgram(program)) {
        std::fprintf(stderr, "entry driver: %s\n",
                     rows.empty() ? "usage: velkorn-entry-driver TABLE (with rows)"
                                  : "no main window with its boxes");
        return 1;
    }
    int failed = 0;
    for (const Case& row : rows) {
        Outcome seen;
        if (row.steps.front().action == "drop") {
            // A number box registers no drop target: nothing can be dropped.
            std::printf("%s\tn/a: no drop target on Windows\n", row.name.c_str());
        } else if (const std::string why = runRow(program, row, seen); !why.empty()) {
            std::printf("%s\tERROR: %s\n", row.name.c_str(), why.c_str());
            ++failed;
        } else {
            std::printf("%s\n", velkorn::entry::report(row, seen).c_str());
            failed += velkorn::entry::matches(row, seen) ? 0 : 1;
        }
    }
    if (failed > 0) {
        std::fprintf(stderr, "entry driver: %d rows differ from the table\n", failed);
    }
    return failed > 0 ? 1 : 0;
}
