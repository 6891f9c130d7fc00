#include "cardcontrols.h"

#include "cardpainting.h"
#include "widetext.h"

#include "velkorn/focusorder.h"

#include <commctrl.h>

namespace velkorn::win32 {
namespace {

constexpr int kFirstControlId = 100;

// Placed as laid out once the presenter lays the card out.
HWND createBox(HWND card, const ControlDescription& entry, int id) {
    // The text box sets its length limit in the edit rule's units.
    const DWORD shown = entry.visible ? WS_VISIBLE : 0;
    return CreateWindowExW(0, L"EDIT", L"",
                           WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL |
                               shown,
                           0, 0, 0, 0, card, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

TTTOOLINFOW toolInfo(HWND card, const std::vector<CardControl>& controls, std::size_t index) {
    const CardControl& control = controls[index];
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = card;
    if (control.window != nullptr) {
        // The box is a window of its own: the card never sees the pointer
        // over it.
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(control.window);
    } else {
        tool.uFlags = 0; // the card relays its mouse messages itself
        tool.uId = index;
        tool.rect = control.area;
    }
    tool.lpszText = const_cast<wchar_t*>(control.toolTip.c_str());
    return tool;
}

} // namespace

std::vector<CardControl> buildControls(HWND card, const FormDescription& description) {
    std::vector<CardControl> controls(description.controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlDescription& entry = description.controls[i];
        CardControl& control = controls[i];
        control.entry = &entry;
        control.caption = widen(entry.caption);
        control.pointSize = entry.pointSize;
        control.toolTip = entry.toolTip != nullptr ? widen(entry.toolTip) : std::wstring();
    }
    // Tab follows the order the boxes are made in.
    for (std::string_view name : focusOrder(description)) {
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (description.controls[i].name == name) {
                controls[i].window =
                    createBox(card, description.controls[i], kFirstControlId + static_cast<int>(i));
            }
        }
    }
    return controls;
}

const CardControl* findControl(const std::vector<CardControl>& controls, std::string_view name) {
    for (const CardControl& control : controls) {
        if (control.entry->name == name) {
            return &control;
        }
    }
    return nullptr;
}

HWND addToolTips(HWND card, const std::vector<CardControl>& controls, const ShownControl& shown) {
    HWND toolTips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                    WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, card, nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    updateToolTips(card, toolTips, controls, shown);
    return toolTips;
}

void updateToolTips(HWND card, HWND toolTips, const std::vector<CardControl>& controls,
                    const ShownControl& shown) {
    if (toolTips == nullptr) {
        return; // not yet made: made with what is shown then
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        TTTOOLINFOW tool = toolInfo(card, controls, i);
        SendMessageW(toolTips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // The tool tip control takes the first of its tools that holds the
    // pointer: added front to back, the control in front gives its tip.
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (!controls[i].toolTip.empty() && shown(controls[i].entry->name)) {
            TTTOOLINFOW tool = toolInfo(card, controls, i);
            SendMessageW(toolTips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
}

void placeControls(std::vector<CardControl>& controls, const CardLayout& layout) {
    const auto dpi = static_cast<UINT>(layout.dpi);
    for (const LaidOutControl& laidOut : layout.controls) {
        auto& control = const_cast<CardControl&>(*findControl(controls, laidOut.entry->name));
        const PixelRect& at = laidOut.area;
        const RECT area{at.x, at.y, at.x + at.width, at.y + at.height};
        control.picture = laidOut.picture.empty() ? nullptr : &loadPicture(laidOut.picture, dpi);
        control.style = laidOut.caption;
        const bool moved = !EqualRect(&area, &control.area);
        control.area = area;
        if (control.window == nullptr) {
            continue;
        }
        if (moved) {
            SetWindowPos(control.window, nullptr, area.left, area.top, at.width, at.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        SendMessageW(control.window, WM_SETFONT,
                     reinterpret_cast<WPARAM>(sansSerifFont(laidOut.entry->pointSize, dpi)), TRUE);
    }
}

} // namespace velkorn::win32
