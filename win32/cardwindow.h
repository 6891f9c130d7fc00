// The borderless card all three windows are made of: a WS_POPUP window of
// the described client size whose background picture is drawn once at the
// top left at its own size, and whose controls are built from the shared
// FormDescription by one builder: EDIT boxes; labels and pictures drawn by
// the card, transparent over the background; and, for the controls that
// react to clicks, push buttons (see clickbutton.h). A press of any button
// on the background drags the window. Geometry, fonts and pictures follow
// the window's DPI. One window class per form; the static window procedure
// hands each message to the form object, whose handlers are named after
// control and event.
#pragma once

#include "formhost.h"
#include "pictures.h"

#include "velkorn/formdescription.h"

#include <windows.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velkorn::win32 {

class CardWindow {
  public:
    // `clickable` names the controls that react to clicks.
    CardWindow(const FormDescription& description, FormHost& host,
               std::span<const std::string_view> clickable);
    virtual ~CardWindow();
    CardWindow(const CardWindow&) = delete;
    CardWindow& operator=(const CardWindow&) = delete;

    HWND handle() const { return window; }
    HWND control(std::string_view name) const;

    // Shows the window, centred on its monitor's work area the first time.
    void show();
    void hide();

  protected:
    virtual void Control_Click(std::string_view name) = 0;
    virtual void Form_Close() = 0;
    // A change of an EDIT box's text.
    virtual void Box_Change(HWND) {}
    virtual void Form_Timer(UINT_PTR) {}

    // A label's new caption, drawn at once.
    void setCaption(std::string_view name, const std::wstring& caption);

    FormHost& host;

  private:
    struct Control {
        const ControlDescription* entry = nullptr;
        HWND window = nullptr;
        std::wstring caption;
        std::wstring toolTip;
        bool named = false; // the caption is also its name for screen readers
        // Set by layout() for the window's DPI: where the control lies in
        // the card, its picture, and the transparent labels behind it that
        // it overlaps (their captions show through it).
        RECT area{};
        const Picture* picture = nullptr;
        std::vector<const Control*> labelsBehind;
    };

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void createWindow();
    void buildControls(std::span<const std::string_view> clickable);
    void addToolTip(Control& control);
    void nameBoxes();
    void layout();
    void paint();
    void drawControl(const DRAWITEMSTRUCT& item);
    void drawCaption(HDC dc, const Control& control, RECT area);
    const Control* find(HWND child) const;

    void Form_MouseDown(UINT message);
    void Form_MouseMove(WPARAM buttons);
    void Form_MouseUp();
    void beginWindowDrag();
    void Form_DpiChanged(UINT newDpi, const RECT& suggested);

    const FormDescription& description;
    HWND window = nullptr;
    HWND toolTips = nullptr;
    HWND lastFocus = nullptr;
    std::vector<Control> controls;
    const Picture* background = nullptr;
    UINT dpi = 96;
    bool placed = false;
    // A press on the background, until the drag distance is passed.
    UINT pressedButton = 0;
    bool movingByHand = false;
    POINT pressedAt{};
    POINT grabOffset{};
};

} // namespace velkorn::win32
