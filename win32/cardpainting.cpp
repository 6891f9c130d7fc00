#include "cardpainting.h"

#include "velkorn/captioncolours.h"

#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace velkorn::win32 {
namespace {

COLORREF colourRef(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

Rgb systemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// Asked at each paint: the user may switch high contrast on at any time,
// and the windows are then repainted (WM_SYSCOLORCHANGE).
std::optional<HighContrast> highContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) == FALSE ||
        (setting.dwFlags & HCF_HIGHCONTRASTON) == 0) {
        return std::nullopt;
    }
    return HighContrast{systemColour(COLOR_WINDOWTEXT), systemColour(COLOR_WINDOW)};
}

void drawCaption(HDC dc, const CardControl& control, RECT area, UINT dpi) {
    const ControlDescription& entry = *control.entry;
    const std::wstring& text = control.caption;
    const CaptionColours colours = captionColours(entry, highContrast());
    if (colours.fill) {
        HBRUSH brush = CreateSolidBrush(colourRef(*colours.fill));
        FillRect(dc, &area, brush);
        DeleteObject(brush);
    }
    HGDIOBJ previous = SelectObject(dc, sansSerifFont(control.pointSize, dpi));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colourRef(colours.text));
    const UINT alignment = entry.alignment == Alignment::Centre ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              alignment | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);
}

} // namespace

HFONT sansSerifFont(double pointSize, UINT dpi) {
    static std::map<std::pair<int, UINT>, HFONT> fonts;
    const int hundredths = static_cast<int>(std::lround(pointSize * 100));
    const auto key = std::make_pair(hundredths, dpi);
    if (const auto found = fonts.find(key); found != fonts.end()) {
        return found->second;
    }
    const int height = -MulDiv(hundredths, static_cast<int>(dpi), 7200);
    const wchar_t* face = dpi == 96 ? L"MS Sans Serif" : L"Microsoft Sans Serif";
    HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, face);
    return fonts.emplace(key, font).first->second;
}

double textWidth(const std::wstring& text, double pointSize, UINT dpi) {
    // A memory DC of its own, kept: a window's DC would be fetched from the
    // window manager for every caption the clock sets.
    static const HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, sansSerifFont(pointSize, dpi));
    SIZE needed{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &needed);
    SelectObject(dc, previous);
    return needed.cx;
}

void drawControl(const DRAWITEMSTRUCT& item, const std::vector<CardControl>& controls,
                 std::size_t index, const Picture& background, UINT dpi) {
    const CardControl& control = controls[index];
    // Labels are transparent: what lies under the control shows through,
    // the card's picture and the captions of labels behind it ("Date:"
    // under the date's right-hand end).
    const RECT& area = control.area;
    drawPicture(item.hDC, background, -area.left, -area.top);
    for (std::size_t behind : control.labelsBehind) {
        const CardControl& label = controls[behind];
        if (IsWindowVisible(label.window)) {
            const RECT& other = label.area;
            drawCaption(item.hDC, label,
                        {other.left - area.left, other.top - area.top, other.right - area.left,
                         other.bottom - area.top},
                        dpi);
        }
    }
    if (control.picture != nullptr) {
        drawPicture(item.hDC, *control.picture, 0, 0);
        return;
    }
    if (control.entry->kind == ControlKind::PictureText) {
        return; // the picture shows it
    }
    drawCaption(item.hDC, control, item.rcItem, dpi);
}

} // namespace velkorn::win32
