// Runs the table of entry cases (tests/entry/entry_cases.tsv) against the
// Windows program's first number box from another process, as the user's
// keyboard, the clipboard, an input method and a screen reader reach it:
//   velkorn-entry-driver TABLE
// Prints one line a row (the row, the box, the caret, the box after one
// undo, ok or FAIL; or ERROR and why a step could not be taken); exits 0
// when every row is as the table says, 1 with a message on standard error
// otherwise. Every wait has a deadline.
#include "../entry/entrycases.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <thread>

namespace {

using velkorn::entry::Case;
using velkorn::entry::Outcome;
using velkorn::entry::Step;
using Clock = std::chrono::steady_clock;

constexpr auto kDeadline = std::chrono::seconds(10);
enum ImeRequest : ULONG_PTR { Compose = 1, Commit = 2, Cancel = 3 };

struct Program {
    HWND form = nullptr;
    HWND box = nullptr;   // Text1
    HWND clear = nullptr; // the keypad's Clear (Image25)
};

BOOL CALLBACK findTopLeftBox(HWND child, LPARAM data) {
    wchar_t name[16] = L"";
    GetClassNameW(child, name, 16);
    auto& found = *reinterpret_cast<HWND*>(data);
    RECT area;
    RECT best;
    GetWindowRect(child, &area);
    if (lstrcmpiW(name, L"Edit") == 0 &&
        (found == nullptr ||
         (GetWindowRect(found, &best) &&
          (area.top < best.top || (area.top == best.top && area.left < best.left))))) {
        found = child;
    }
    return TRUE;
}

bool findProgram(Program& program) {
    const auto deadline = Clock::now() + kDeadline * 3;
    while ((program.form = FindWindowW(L"Velkorn.Form1", nullptr)) == nullptr) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EnumChildWindows(program.form, &findTopLeftBox, reinterpret_cast<LPARAM>(&program.box));
    POINT clearAt{236, 208}; // at 96 DPI, as the end-to-end test clicks it
    program.clear = ChildWindowFromPointEx(program.form, clearAt, CWP_SKIPINVISIBLE);
    return program.box != nullptr && program.clear != nullptr && program.clear != program.form;
}

std::u16string boxText(HWND box) {
    const auto length = SendMessageW(box, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return {text.begin(), text.end()};
}

std::pair<DWORD, DWORD> selection(HWND box) {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

std::wstring wide(const std::u16string& text) {
    return {text.begin(), text.end()};
}

bool setClipboard(const std::u16string& text) {
    if (!OpenClipboard(nullptr)) {
        return false;
    }
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), chars);
    chars[text.size()] = L'\0';
    GlobalUnlock(memory);
    const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
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

INPUT key(WORD code, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = code;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(code, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (code == VK_INSERT ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

// Real keystrokes reach the window in front; the box has had the focus
// since the window was activated. Keystrokes are taken in their own time,
// so this waits until the box has changed.
bool shiftInsert(const Program& program) {
    const std::u16string before = boxText(program.box);
    SetForegroundWindow(program.form);
    INPUT keys[] = {key(VK_SHIFT, false), key(VK_INSERT, false), key(VK_INSERT, true),
                    key(VK_SHIFT, true)};
    SendInput(4, keys, sizeof(INPUT));
    const auto deadline = Clock::now() + kDeadline;
    while (boxText(program.box) == before) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

void typeUnits(HWND box, const std::u16string& text) {
    for (char16_t unit : text) {
        SendMessageW(box, WM_CHAR, unit, 1);
    }
}

// False with a message when the step could not be taken at all.
bool take(const Program& program, const Step& step, std::string& why) {
    HWND box = program.box;
    const std::wstring text = wide(step.text);
    if (step.action == "type") {
        typeUnits(box, step.text);
    } else if (step.action == "ctrl+backspace") {
        SendMessageW(box, WM_CHAR, 0x7F, 1); // what Ctrl+Backspace types
    } else if (step.action == "ctrl+v" || step.action == "menu-paste" ||
               step.action == "shift+insert") {
        if (!setClipboard(step.text)) {
            why = "cannot set the clipboard";
            return false;
        }
        if (step.action == "ctrl+v") {
            SendMessageW(box, WM_CHAR, 0x16, 1); // what Ctrl+V types
        } else if (step.action == "menu-paste") {
            SendMessageW(box, WM_PASTE, 0, 0); // what the menu's Paste sends
        } else if (!shiftInsert(program)) {
            why = "Shift+Insert changed nothing within 10 s";
            return false;
        }
    } else if (step.action == "ime-commit" || step.action == "ime-cancel") {
        if (!sendIme(box, Compose, step.text) ||
            !sendIme(box, step.action == "ime-commit" ? Commit : Cancel, u"")) {
            why = "the program's input method did not answer";
            return false;
        }
    } else if (step.action == "settext") {
        SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (step.action == "replacesel") {
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (step.action == "home" || step.action == "delete") {
        const WPARAM code = step.action == "home" ? VK_HOME : VK_DELETE;
        SendMessageW(box, WM_KEYDOWN, code, 1);
        SendMessageW(box, WM_KEYUP, code, 1);
    } else if (step.action == "backspace") {
        SendMessageW(box, WM_CHAR, 0x08, 1);
    } else if (step.action == "clear") {
        SendMessageW(program.clear, BM_CLICK, 0, 0);
    } else {
        why = "no such step on Windows: " + step.action;
        return false;
    }
    return true;
}

// The row's text as another program sets it, then a new undo history.
void setUp(const Program& program, const Case& row) {
    const std::wstring before = wide(row.before);
    SendMessageW(program.box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(before.c_str()));
    SendMessageW(program.box, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageW(program.box, EM_SETSEL, row.selectionFrom, static_cast<LPARAM>(row.selectionTo));
}

bool runRow(const Program& program, const Case& row, Outcome& seen, std::string& why) {
    setUp(program, row);
    if (boxText(program.box) != row.before) {
        why = "the box would not take the row's text";
        return false;
    }
    for (const Step& step : row.steps) {
        if (!take(program, step, why)) {
            return false;
        }
    }
    seen.box = boxText(program.box);
    const auto [start, end] = selection(program.box);
    seen.caret = start == end ? end : SIZE_MAX;
    SendMessageW(program.box, WM_CHAR, 0x1A, 1); // what Ctrl+Z types
    seen.undone = boxText(program.box);
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velkorn-entry-driver TABLE\n");
        return 1;
    }
    std::ifstream in(argv[1]);
    const std::vector<Case> rows = velkorn::entry::readCases(in);
    Program program;
    if (rows.empty() || !findProgram(program)) {
        std::fprintf(stderr, "entry driver: %s\n",
                     rows.empty() ? "no rows in the table" : "no main window with its boxes");
        return 1;
    }
    int failed = 0;
    for (const Case& row : rows) {
        if (row.steps.front().action == "drop") {
            // A number box registers no drop target: nothing can be dropped.
            std::printf("%s\tn/a: no drop target on Windows\n", row.name.c_str());
            continue;
        }
        Outcome seen;
        std::string why;
        if (!runRow(program, row, seen, why)) {
            std::printf("%s\tERROR: %s\n", row.name.c_str(), why.c_str());
            ++failed;
            continue;
        }
        std::printf("%s\n", velkorn::entry::report(row, seen).c_str());
        failed += velkorn::entry::matches(row, seen) ? 0 : 1;
    }
    std::fflush(stdout);
    if (failed > 0) {
        std::fprintf(stderr, "entry driver: %d rows differ from the table\n", failed);
    }
    return failed > 0 ? 1 : 0;
}
