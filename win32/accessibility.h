// The main window's announcements to screen readers: a live region set up
// through Microsoft Active Accessibility's dynamic annotation, reached
// through COM, so that the program links no further DLL.
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

    // A polite live region: a screen reader speaks its name when told that
    // it changed (announce), without moving the focus.
    void makeLiveRegion(HWND control);
    static void announce(HWND liveRegion, const std::wstring& text);

  private:
    ::IAccPropServices* services = nullptr; // null without accessibility support
};

} // namespace velkorn::win32
