#include "cardcontrols.h"

#include "cardpainting.h"
#include "clickbutton.h"
#include "widetext.h"

#include "velkorn/controlstack.h"
#include "velkorn/twips.h"

#include <commctrl.h>

namespace velkorn::win32 {
namespace {

constexpr int kFirstControlId = 100;

const char* accessibleName(const ControlDescription& entry) {
    return entry.accessibleName != nullptr ? entry.accessibleName : entry.toolTip;
}

RECT twipsArea(const ControlDescription& entry, UINT dpi) {
    const PixelRect area = twipsToRect(entry.left, entry.top, entry.width, entry.height, int(dpi));
    return {area.x, area.y, area.x + area.width, area.y + area.height};
}

// Made where it belongs at once: moving 45 windows afterwards costs as much
// as making them.
HWND createChild(HWND card, const wchar_t* className, const std::wstring& text, DWORD style, int id,
                 const RECT& area) {
    return CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style,
                           area.left, area.top, area.right - area.left, area.bottom - area.top,
                           card, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND createControl(HWND card, const ControlDescription& entry, const std::wstring& text, int id,
                   const RECT& area) {
    const DWORD shown = entry.visible ? WS_VISIBLE : 0;
    if (entry.kind == ControlKind::TextBox) {
        HWND box = createChild(card, L"EDIT", L"", shown | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                               id, area);
        // The number box sets its length limit in the edit rule's units.
        return box;
    }
    if (entry.clicks) {
        HWND button = createChild(card, L"BUTTON", text, shown | BS_OWNERDRAW, id, area);
        makeClickButton(button);
        return button;
    }
    if (entry.kind == ControlKind::PictureText) {
        // Without SS_NOTIFY a static lets presses through to the card.
        return createChild(card, L"STATIC", text, shown | SS_OWNERDRAW, id, area);
    }
    // SS_NOTIFY: the label takes the presses on it, so they never reach
    // the card and drag it.
    return createChild(card, L"STATIC", text, shown | SS_OWNERDRAW | SS_NOTIFY, id, area);
}

void addToolTip(HWND card, HWND toolTips, CardControl& control) {
    if (control.toolTip.empty()) {
        return;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = card;
    tool.uId = reinterpret_cast<UINT_PTR>(control.window);
    tool.lpszText = control.toolTip.data();
    SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

} // namespace

std::vector<CardControl> buildControls(HWND card, const FormDescription& description, UINT dpi) {
    std::vector<CardControl> controls(description.controls.size());
    // A new child window goes to the bottom of its siblings (as a dialog's
    // controls do, whose tab order is their creation order): made in the
    // stacking order, each lies over those behind it where they overlap,
    // and Tab and screen readers meet them in reading order.
    const std::vector<std::size_t> order = stackingOrder(description);
    for (std::size_t i : order) {
        const ControlDescription& entry = description.controls[i];
        const char* name = accessibleName(entry);
        CardControl& control = controls[i];
        control.entry = &entry;
        control.caption = widen(entry.caption);
        control.pointSize = entry.pointSize;
        control.toolTip = entry.toolTip != nullptr ? widen(entry.toolTip) : std::wstring();
        // Screen readers read a control's window text.
        control.named = name == nullptr;
        control.area = twipsArea(entry, dpi);
        control.window = createControl(card, entry, name != nullptr ? widen(name) : control.caption,
                                       kFirstControlId + static_cast<int>(i), control.area);
    }
    return controls;
}

HWND addToolTips(HWND card, std::vector<CardControl>& controls) {
    HWND toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, card, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    for (CardControl& control : controls) {
        addToolTip(card, toolTips, control);
    }
    return toolTips;
}

void placeControls(std::vector<CardControl>& controls, UINT dpi, int drawingScale) {
    for (CardControl& control : controls) {
        const ControlDescription& entry = *control.entry;
        RECT area = twipsArea(entry, dpi);
        if (entry.picture != nullptr) {
            // A picture is shown at its own size.
            control.picture = &loadPicture(entry.picture, dpi, drawingScale);
            area.right = area.left + control.picture->width;
            area.bottom = area.top + control.picture->height;
        }
        if (!EqualRect(&area, &control.area)) {
            control.area = area;
            SetWindowPos(control.window, nullptr, area.left, area.top, area.right - area.left,
                         area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (entry.kind == ControlKind::TextBox) {
            SendMessageW(control.window, WM_SETFONT,
                         reinterpret_cast<WPARAM>(sansSerifFont(entry.pointSize, dpi)), TRUE);
        }
    }
    // Later in the list is further back.
    for (std::size_t front = 0; front < controls.size(); ++front) {
        controls[front].labelsBehind.clear();
        for (std::size_t behind = front + 1; behind < controls.size(); ++behind) {
            const ControlDescription& entry = *controls[behind].entry;
            RECT overlap;
            if (entry.kind == ControlKind::Label && entry.picture == nullptr && !entry.background &&
                IntersectRect(&overlap, &controls[front].area, &controls[behind].area)) {
                controls[front].labelsBehind.push_back(behind);
            }
        }
    }
}

} // namespace velkorn::win32
