// A small Windows client for the end-to-end tests, cross-built like the
// program and run beside it under Wine. It reaches the program the way
// assistive technology and the system do:
//   probe list [FORM]           the main window (or Form2, Form3) and its accessible
//                               children shown, one a line as the golden listings
//                               have them: name|role|description|shortcut|value|
//                               states|language (MSAA carries no language)
//   probe walk [FORM]           the children met by navigation from the first on, and
//                               each shown child's name beside what the hit-test
//                               at its middle answers: "name>hit" a line, "order
//                               differs" first when navigation and the children disagree
//   probe value NAME            the value of the main window's child NAME
//   probe state NAME [FORM]     "checked" or "unchecked", and " invisible"
//   probe press NAME [INDEX]    the default action of the INDEX-th (from 1)
//                               accessible child named NAME
//   probe boxes                 the values of the text boxes, "|" between
//   probe tooltips              how many tools the main window's tool tips hold
//   probe tooltips shown        "shown" while a tip of the main window is up
//   probe dpi TITLE DPI         sends the window titled TITLE the DPI change
//                               that a move to a monitor of that DPI brings
//   probe captions FORM [DPI]   the rectangles of the form's captions as laid
//                               out at the DPI (96), name x y width height, and
//                               of each overlap of two, named "A/B"
// Exits 0 on success, 1 with a message on standard error otherwise.
#include <windows.h>

// The interfaces' GUIDs are defined here: the import library's would
// resolve to code, not to the GUIDs.
#include <initguid.h>

#include <oleacc.h>

#include <commctrl.h>

#include "velkorn/cardlayout.h"
#include "velkorn/form1description.h"
#include "velkorn/form2description.h"
#include "velkorn/form3description.h"
#include "velkorn/twips.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

int fail(const char* what) {
    std::fprintf(stderr, "probe: %s\n", what);
    return 1;
}

std::string utf8(const wchar_t* text) {
    if (text == nullptr) {
        return "";
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return bytes;
}

std::wstring wide(const char* text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0);
    std::wstring result(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), size);
    result.resize(static_cast<std::size_t>(size > 0 ? size - 1 : 0));
    return result;
}

struct Child {
    IAccessible* object = nullptr;
    VARIANT id{};
};

// The accessible children of the main window's client area, in the order
// the window lists them.
std::vector<Child> children(IAccessible* parent) {
    long count = 0;
    parent->get_accChildCount(&count);
    std::vector<VARIANT> found(static_cast<std::size_t>(count));
    long obtained = 0;
    AccessibleChildren(parent, 0, count, found.data(), &obtained);
    std::vector<Child> result;
    for (long i = 0; i < obtained; ++i) {
        Child child;
        if (found[i].vt == VT_DISPATCH && found[i].pdispVal != nullptr) {
            IAccessible* object = nullptr;
            found[i].pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
            found[i].pdispVal->Release();
            child.id.vt = VT_I4;
            child.id.lVal = CHILDID_SELF;
            VARIANT kind;
            VariantInit(&kind);
            HWND handle = nullptr;
            if (object != nullptr && SUCCEEDED(object->get_accRole(child.id, &kind)) &&
                kind.vt == VT_I4 && kind.lVal == ROLE_SYSTEM_WINDOW &&
                SUCCEEDED(WindowFromAccessibleObject(object, &handle))) {
                // A child window: what a screen reader reads is its client.
                AccessibleObjectFromWindow(handle, static_cast<DWORD>(OBJID_CLIENT),
                                           IID_IAccessible,
                                           reinterpret_cast<void**>(&child.object));
                object->Release();
            } else {
                child.object = object;
            }
        } else if (found[i].vt == VT_I4) {
            parent->AddRef();
            child.object = parent;
            child.id = found[i];
        }
        if (child.object != nullptr) {
            result.push_back(child);
        }
    }
    return result;
}

std::string text(IAccessible* object, VARIANT id,
                 HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
    BSTR value = nullptr;
    if (FAILED((object->*get)(id, &value)) || value == nullptr) {
        return "";
    }
    std::string result = utf8(value);
    SysFreeString(value);
    return result;
}

std::string role(long id) {
    wchar_t name[128] = L"";
    GetRoleTextW(static_cast<DWORD>(id), name, 128);
    return utf8(name);
}

std::string role(IAccessible* object, VARIANT id) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(object->get_accRole(id, &value)) || value.vt != VT_I4) {
        return "";
    }
    return role(value.lVal);
}

// The listing's word for a role, as the toolkit-free tree names it.
std::string roleWord(IAccessible* object, VARIANT id) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(object->get_accRole(id, &value)) || value.vt != VT_I4) {
        return "";
    }
    switch (value.lVal) {
    case ROLE_SYSTEM_PUSHBUTTON:
        return "push button";
    case ROLE_SYSTEM_RADIOBUTTON:
        return "radio button";
    case ROLE_SYSTEM_TEXT:
        return "text";
    case ROLE_SYSTEM_STATICTEXT:
        return "static text";
    case ROLE_SYSTEM_GRAPHIC:
        return "graphic";
    case ROLE_SYSTEM_CLIENT:
        return "window";
    case ROLE_SYSTEM_DIALOG:
        return "dialog";
    default:
        return role(value.lVal);
    }
}

bool shown(IAccessible* object, VARIANT id) {
    VARIANT state;
    VariantInit(&state);
    return SUCCEEDED(object->get_accState(id, &state)) && state.vt == VT_I4 &&
           (state.lVal & STATE_SYSTEM_INVISIBLE) == 0;
}

// The states the listings name, in their order.
std::string stateWords(IAccessible* object, VARIANT id) {
    VARIANT state;
    VariantInit(&state);
    const long held =
        SUCCEEDED(object->get_accState(id, &state)) && state.vt == VT_I4 ? state.lVal : 0;
    BSTR action = nullptr;
    const bool pressable = SUCCEEDED(object->get_accDefaultAction(id, &action)) &&
                           action != nullptr && utf8(action) == "Press";
    SysFreeString(action);
    std::string words;
    for (const auto& [holds, word] : {std::pair{(held & STATE_SYSTEM_FOCUSABLE) != 0, "focusable"},
                                      std::pair{(held & STATE_SYSTEM_READONLY) != 0, "read-only"},
                                      std::pair{pressable, "pressable"},
                                      std::pair{(held & STATE_SYSTEM_CHECKED) != 0, "checked"}}) {
        if (holds) {
            words.append(words.empty() ? "" : ",").append(word);
        }
    }
    return words;
}

// Line breaks as the golden listings write them.
std::string oneLine(const std::string& text) {
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            line += "\\n";
        } else if (c != '\r') {
            line += c;
        }
    }
    return line;
}

// A window of the program by its form's name (its window class).
HWND formHandle(const std::wstring& form) {
    return FindWindowW((L"Velkorn." + form).c_str(), nullptr);
}

IAccessible* formWindow(const std::wstring& form) {
    HWND window = formHandle(form);
    if (window == nullptr) {
        return nullptr;
    }
    IAccessible* object = nullptr;
    const HRESULT result =
        AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                   reinterpret_cast<void**>(&object));
    if (FAILED(result)) {
        std::fprintf(stderr, "probe: AccessibleObjectFromWindow: 0x%08lx\n",
                     static_cast<unsigned long>(result));
    }
    return object;
}

void printLine(Child& child, bool withValue) {
    const auto field = [&child](HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*)) {
        return oneLine(text(child.object, child.id, get));
    };
    std::printf("%s|%s|%s|%s|%s|%s|\n", field(&IAccessible::get_accName).c_str(),
                roleWord(child.object, child.id).c_str(),
                field(&IAccessible::get_accDescription).c_str(),
                field(&IAccessible::get_accKeyboardShortcut).c_str(),
                withValue ? field(&IAccessible::get_accValue).c_str() : "",
                withValue ? stateWords(child.object, child.id).c_str() : "");
}

// A child as a VARIANT answer gives it: a simple element of the parent, or
// an object of its own.
Child childOf(IAccessible* parent, VARIANT answer) {
    Child child;
    child.id.vt = VT_I4;
    child.id.lVal = CHILDID_SELF;
    if (answer.vt == VT_DISPATCH && answer.pdispVal != nullptr) {
        answer.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&child.object));
        answer.pdispVal->Release();
    } else if (answer.vt == VT_I4) {
        parent->AddRef();
        child.object = parent;
        child.id = answer;
    }
    return child;
}

std::string nameOf(const Child& child) {
    return child.object != nullptr ? text(child.object, child.id, &IAccessible::get_accName) : "";
}

int walk(IAccessible* window, std::vector<Child>& all) {
    std::vector<std::string> navigated;
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT at;
    VariantInit(&at);
    for (HRESULT found = window->accNavigate(NAVDIR_FIRSTCHILD, self, &at);
         found == S_OK && navigated.size() <= all.size();) {
        const Child child = childOf(window, at);
        navigated.push_back(nameOf(child));
        // From a simple element, along the parent; from an object, along
        // the parent too, by its place.
        VARIANT from = at.vt == VT_I4 ? at : self;
        if (at.vt != VT_I4) {
            from.lVal = static_cast<long>(navigated.size());
        }
        VariantInit(&at);
        found = window->accNavigate(NAVDIR_NEXT, from, &at);
    }
    std::vector<std::string> listed;
    for (Child& child : all) {
        listed.push_back(nameOf(child));
    }
    if (navigated != listed) {
        std::printf("order differs\n");
    }
    for (Child& child : all) {
        long x = 0, y = 0, width = 0, height = 0;
        if (!shown(child.object, child.id) ||
            FAILED(child.object->accLocation(&x, &y, &width, &height, child.id))) {
            continue;
        }
        VARIANT hit;
        VariantInit(&hit);
        window->accHitTest(x + width / 2, y + height / 2, &hit);
        std::printf("%s>%s\n", oneLine(nameOf(child)).c_str(),
                    oneLine(nameOf(childOf(window, hit))).c_str());
    }
    return 0;
}

Child* named(std::vector<Child>& all, const std::string& name, int index) {
    for (Child& child : all) {
        if (text(child.object, child.id, &IAccessible::get_accName) == name && --index == 0) {
            return &child;
        }
    }
    return nullptr;
}

int sendDpiChange(const char* title, int dpi) {
    HWND window = FindWindowW(nullptr, wide(title).c_str());
    if (window == nullptr) {
        return fail("no such window");
    }
    RECT area;
    GetWindowRect(window, &area);
    // The suggested rectangle lives in the program's memory, where the
    // message's pointer is read.
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE target = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, process);
    if (target == nullptr) {
        return fail("cannot open the program's process");
    }
    void* remote = VirtualAllocEx(target, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(target, remote, &area, sizeof(area), nullptr);
    DWORD_PTR result = 0;
    const bool sent = SendMessageTimeoutW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                                          reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 10000,
                                          &result) != 0;
    VirtualFreeEx(target, remote, 0, MEM_RELEASE);
    CloseHandle(target);
    return sent ? 0 : fail("the DPI change was not delivered");
}

// How many tools the main window's tool tip window holds: none until the
// window has painted and gone idle, then one for each control with a tip.
int countToolTips(bool askedShown) {
    HWND form = formHandle(L"Form1");
    if (form == nullptr) {
        return fail("no main window");
    }
    for (HWND tips = FindWindowExW(nullptr, nullptr, L"tooltips_class32", nullptr); tips != nullptr;
         tips = FindWindowExW(nullptr, tips, L"tooltips_class32", nullptr)) {
        if (GetWindow(tips, GW_OWNER) == form) {
            if (askedShown) {
                std::printf("%s\n", IsWindowVisible(tips) != FALSE ? "shown" : "hidden");
                return 0;
            }
            DWORD_PTR count = 0;
            SendMessageTimeoutW(tips, TTM_GETTOOLCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &count);
            std::printf("%lu\n", static_cast<unsigned long>(count));
            return 0;
        }
    }
    std::printf("0\n");
    return 0;
}

// Each caption shown, and where two captions overlap ("Time:" and the
// clock), their overlap: the text of the one behind must read there too.
int printCaptions(const std::string& form, int dpi) {
    using namespace velkorn;
    const FormDescription& description = form == "Form2"   ? form2Description()
                                         : form == "Form3" ? form3Description()
                                                           : form1Description();
    const CardLayout layout = layOutCard(description, dpi, dpi / 96.0, std::nullopt);
    std::vector<const LaidOutControl*> captions;
    for (const LaidOutControl& control : layout.controls) {
        if (control.caption && control.entry->visible) {
            captions.push_back(&control);
        }
    }
    const auto print = [](const std::string& name, const PixelRect& area) {
        std::printf("%s %d %d %d %d\n", name.c_str(), area.x, area.y, area.width, area.height);
    };
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const std::string name(captions[i]->entry->name);
        if (*captions[i]->entry->caption != 0) {
            print(name, captions[i]->area);
        }
        for (std::size_t j = i + 1; j < captions.size(); ++j) {
            const PixelRect& a = captions[i]->area;
            const PixelRect& b = captions[j]->area;
            const PixelRect both{std::max(a.x, b.x), std::max(a.y, b.y),
                                 std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x),
                                 std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y)};
            if (both.width > 0 && both.height > 0) {
                print(name + "/" + std::string(captions[j]->entry->name), both);
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return fail("usage: probe list [FORM] | press NAME [INDEX] | boxes | tooltips | dpi "
                    "TITLE DPI");
    }
    const std::string command = argv[1];
    if (command == "tooltips") {
        return countToolTips(argc == 3 && std::string(argv[2]) == "shown");
    }
    if (command == "captions" && argc >= 3) {
        return printCaptions(argv[2], argc == 4 ? std::atoi(argv[3]) : 96);
    }
    if (command == "dpi" && argc == 4) {
        return sendDpiChange(argv[2], std::atoi(argv[3]));
    }
    CoInitialize(nullptr);
    // "list" takes the form to list, Form1 (the main window) unless named.
    const bool listed = command == "list" || command == "walk";
    const bool formGiven = (listed && argc >= 3) || (command == "state" && argc >= 4);
    const std::wstring form = formGiven ? wide(argv[listed ? 2 : 3]) : L"Form1";
    IAccessible* window = formWindow(form);
    if (window == nullptr) {
        return fail("no accessible window of that form");
    }
    std::vector<Child> all = children(window);
    if (command == "list") {
        // The window, then what is shown, as the golden listings have it.
        Child self{window, {}};
        self.id.vt = VT_I4;
        self.id.lVal = CHILDID_SELF;
        printLine(self, false);
        for (Child& child : all) {
            if (shown(child.object, child.id)) {
                printLine(child, true);
            }
        }
        return 0;
    }
    if (command == "walk") {
        return walk(window, all);
    }
    if (command == "value" && argc >= 3) {
        Child* child = named(all, argv[2], 1);
        if (child == nullptr) {
            return fail("no accessible child of that name");
        }
        std::printf("%s\n", text(child->object, child->id, &IAccessible::get_accValue).c_str());
        return 0;
    }
    if (command == "state" && argc >= 3) {
        Child* child = named(all, argv[2], 1);
        VARIANT state;
        VariantInit(&state);
        if (child == nullptr || FAILED(child->object->get_accState(child->id, &state))) {
            return fail("no state for an accessible child of that name");
        }
        std::printf("%s%s\n", (state.lVal & STATE_SYSTEM_CHECKED) != 0 ? "checked" : "unchecked",
                    (state.lVal & STATE_SYSTEM_INVISIBLE) != 0 ? " invisible" : "");
        return 0;
    }
    if (command == "boxes") {
        std::string values;
        for (Child& child : all) {
            if (role(child.object, child.id) == role(ROLE_SYSTEM_TEXT)) {
                if (!values.empty()) {
                    values += '|';
                }
                values += text(child.object, child.id, &IAccessible::get_accValue);
            }
        }
        std::printf("%s\n", values.c_str());
        return 0;
    }
    if (command == "press" && argc >= 3) {
        Child* child = named(all, argv[2], argc >= 4 ? std::atoi(argv[3]) : 1);
        if (child == nullptr) {
            return fail("no accessible child of that name");
        }
        return SUCCEEDED(child->object->accDoDefaultAction(child->id))
                   ? 0
                   : fail("the child has no default action");
    }
    return fail("unknown command");
}
