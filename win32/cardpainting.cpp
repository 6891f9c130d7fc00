#include "cardpainting.h"

#include "widetext.h"

#include "velkorn/captionfont.h"

#include <cmath>
#include <map>
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

void drawCaption(const CardPaint& paint, const CardControl& control) {
    const CaptionColours& colours = control.style->colours;
    RECT area = control.area;
    if (colours.fill) {
        SetBkColor(paint.dc, colourRef(*colours.fill));
        ExtTextOutW(paint.dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    }
    HGDIOBJ previous = SelectObject(paint.dc, sansSerifFont(control.pointSize, paint.dpi));
    SetBkMode(paint.dc, TRANSPARENT);
    SetTextColor(paint.dc, colourRef(colours.text));
    const UINT alignment = control.style->alignment == Alignment::Centre ? DT_CENTER : DT_LEFT;
    // Clipped to the label, as a label of its own would be.
    DrawTextW(paint.dc, control.caption.c_str(), static_cast<int>(control.caption.size()), &area,
              alignment | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    SelectObject(paint.dc, previous);
}

void drawCue(const CardPaint& paint, const KeyCue& cue) {
    const RECT area{cue.area.x, cue.area.y, cue.area.x + cue.area.width,
                    cue.area.y + cue.area.height};
    HBRUSH frame = CreateSolidBrush(colourRef(cue.colours.text));
    HBRUSH fill = CreateSolidBrush(colourRef(cue.colours.fill.value_or(Rgb{255, 255, 255})));
    FillRect(paint.dc, &area, fill);
    FrameRect(paint.dc, &area, frame);
    DeleteObject(fill);
    DeleteObject(frame);
    LOGFONTW face{};
    GetObjectW(sansSerifFont(cue.pointSize, paint.dpi), sizeof(face), &face);
    face.lfWeight = FW_BOLD;
    HFONT bold = CreateFontIndirectW(&face);
    HGDIOBJ previous = SelectObject(paint.dc, bold);
    SetBkMode(paint.dc, TRANSPARENT);
    SetTextColor(paint.dc, colourRef(cue.colours.text));
    RECT text = area;
    const std::wstring caption = widen(cue.text);
    DrawTextW(paint.dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(paint.dc, previous);
    DeleteObject(bold);
}

void drawControl(const CardPaint& paint, const CardControl& control) {
    if (control.picture != nullptr) {
        drawPicture(paint.dc, *control.picture, control.area.left, control.area.top);
    } else if (control.style) {
        drawCaption(paint, control);
    }
    // A picture's text is the background's; a box draws itself.
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
    // Windows has them all: the first is the face.
    const std::wstring face = widen(captionFamilies(static_cast<int>(dpi)).front());
    HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, face.c_str());
    return fonts.emplace(key, font).first->second;
}

double textWidth(const std::wstring& text, double pointSize, UINT dpi) {
    // A memory DC of its own, kept: a window's DC would be fetched from the
    // window manager for every caption the clock sets.
    static const HDC dc = CreateCompatibleDC(nullptr);
    // Each character's advance, measured once a face and size: the clock
    // sets a new text every second, made of the same few characters.
    static std::map<std::pair<HFONT, wchar_t>, int> advances;
    HFONT font = sansSerifFont(pointSize, dpi);
    const auto measure = [font](const wchar_t* characters, int count) {
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE needed{};
        GetTextExtentPoint32W(dc, characters, count, &needed);
        SelectObject(dc, previous);
        return static_cast<int>(needed.cx);
    };
    int width = 0;
    for (const wchar_t& character : text) {
        // Beyond the Latin letters a text may be more than the sum of its
        // characters (combining marks, shaping, surrogates): measured whole.
        if (character >= 0x0300) {
            return measure(text.c_str(), static_cast<int>(text.size()));
        }
        const auto key = std::make_pair(font, character);
        auto found = advances.find(key);
        if (found == advances.end()) {
            found = advances.emplace(key, measure(&character, 1)).first;
        }
        width += found->second;
    }
    return width;
}

std::optional<HighContrast> highContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof(setting);
    if (SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(setting), &setting, 0) == FALSE ||
        (setting.dwFlags & HCF_HIGHCONTRASTON) == 0) {
        return std::nullopt;
    }
    return HighContrast{systemColour(COLOR_WINDOWTEXT), systemColour(COLOR_WINDOW)};
}

void paintCard(const CardPaint& paint, const Picture& background,
               const std::vector<CardControl>& controls, const ShownControl& shown,
               std::span<const KeyCue> cues) {
    const RECT& dirty = paint.dirty;
    drawPictureArea(paint.dc, background, dirty);
    // Later in the list is further back: drawn first, and covered by what
    // lies in front of it ("Date:" under the date's right-hand end).
    for (std::size_t i = controls.size(); i-- > 0;) {
        const CardControl& control = controls[i];
        RECT overlap;
        if (control.window == nullptr && IntersectRect(&overlap, &control.area, &dirty) &&
            shown(control.entry->name)) {
            drawControl(paint, control);
        }
    }
    for (const KeyCue& cue : cues) {
        drawCue(paint, cue);
    }
}

} // namespace velkorn::win32
