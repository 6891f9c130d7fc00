// Names and descriptions for screen readers where a control's window text
// cannot carry them (an EDIT box's text is its value; a picture has none):
// Microsoft Active Accessibility's dynamic annotation, reached through COM,
// so that the program links no further DLL.
#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace velkorn::win32 {

class Annotations {
  public:
    Annotations();
    ~Annotations();
    Annotations(const Annotations&) = delete;
    Annotations& operator=(const Annotations&) = delete;

    void setName(HWND control, const std::wstring& name);
    void setDescription(HWND control, const std::wstring& description);
    // A polite live region: a screen reader speaks its name when told that
    // it changed (announce), without moving the focus.
    void makeLiveRegion(HWND control);
    static void announce(HWND liveRegion, const std::wstring& text);

  private:
    ::IAccPropServices* services = nullptr; // null without accessibility support
};

} // namespace velkorn::win32
