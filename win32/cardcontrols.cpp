#include "cardcontrols.h"

#include "cardpainting.h"
#include "clickbutton.h"
#include "widetext.h"

#include "velkorn/twips.h"

#include <commctrl.h>

namespace velkorn::win32 {
namespace {

constexpr int kFirstControlId = 100;

const char* accessibleName(const ControlDescription& entry) {
    return entry.accessibleName != nullptr ? entry.accessibleName : entry.toolTip;
}

HWND createChild(HWND card, const wchar_t* className, const std::wstring& text, DWORD style,
                 int id) {
    return CreateWindowExW(0, className, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0,
                           0, card, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND createControl(HWND card, const ControlDescription& entry, const std::wstring& text, int id) {
    const DWORD shown = entry.visible ? WS_VISIBLE : 0;
    if (entry.kind == ControlKind::TextBox) {
        HWND box = createChild(card, L"EDIT", L"", shown | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL,
                               id);
        // Fifteen characters take at most thirty UTF-16 units; the window's
        // edit rule keeps the boxes to fifteen characters.
        SendMessageW(box, EM_LIMITTEXT, 30, 0);
        return box;
    }
    if (entry.clicks) {
        HWND button = createChild(card, L"BUTTON", text, shown | BS_OWNERDRAW, id);
        makeClickButton(button);
        return button;
    }
    if (entry.kind == ControlKind::PictureText) {
        // Without SS_NOTIFY a static lets presses through to the card.
        return createChild(card, L"STATIC", text, shown | SS_OWNERDRAW, id);
    }
    // SS_NOTIFY: the label takes the presses on it, so they never reach
    // the card and drag it.
    return createChild(card, L"STATIC", text, shown | SS_OWNERDRAW | SS_NOTIFY, id);
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

std::vector<CardControl> buildControls(HWND card, const FormDescription& description,
                                       HWND toolTips, Annotations& annotations) {
    std::vector<CardControl> controls;
    controls.reserve(description.controls.size());
    int id = kFirstControlId;
    for (const ControlDescription& entry : description.controls) {
        const char* name = accessibleName(entry);
        CardControl control;
        control.entry = &entry;
        control.caption = widen(entry.caption);
        control.pointSize = entry.pointSize;
        control.toolTip = entry.toolTip != nullptr ? widen(entry.toolTip) : std::wstring();
        // Screen readers read a control's window text.
        control.named = name == nullptr;
        control.window = createControl(card, entry, name != nullptr ? widen(name) : control.caption,
                                       id++);
        // A new child window goes on top of its siblings, so each is sent
        // below those made before it, and lies under them where they overlap.
        SetWindowPos(control.window, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (entry.kind == ControlKind::TextBox && name != nullptr) {
            annotations.setName(control.window, widen(name));
        }
        if (entry.accessibleDescription != nullptr) {
            annotations.setDescription(control.window, widen(entry.accessibleDescription));
        }
        controls.push_back(std::move(control));
    }
    for (CardControl& control : controls) {
        addToolTip(card, toolTips, control);
    }
    return controls;
}

void placeControls(std::vector<CardControl>& controls, UINT dpi, int drawingScale) {
    for (CardControl& control : controls) {
        const ControlDescription& entry = *control.entry;
        const PixelRect area =
            twipsToRect(entry.left, entry.top, entry.width, entry.height, int(dpi));
        control.area = {area.x, area.y, area.x + area.width, area.y + area.height};
        if (entry.picture != nullptr) {
            // A picture is shown at its own size.
            control.picture = &loadPicture(entry.picture, dpi, drawingScale);
            control.area.right = area.x + control.picture->width;
            control.area.bottom = area.y + control.picture->height;
        }
        SetWindowPos(control.window, nullptr, control.area.left, control.area.top,
                     control.area.right - control.area.left, control.area.bottom - control.area.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
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
