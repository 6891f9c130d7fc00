// A window's announcements to screen readers: a live region set up
// through Microsoft Active Accessibility's dynamic annotation, reached
// through COM, so that the program links no further DLL. COM itself is
// started on the window thread when first needed (the first announcement,
// a screen reader's first question): a session without a screen reader
// never loads it, and the window comes up without waiting for it.
#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

namespace velkorn::win32 {

class LiveRegion {
  public:
    LiveRegion() = default;
    ~LiveRegion();
    LiveRegion(const LiveRegion&) = delete;
    LiveRegion& operator=(const LiveRegion&) = delete;

    // The text of a polite live region: a screen reader speaks its name
    // when told that it changed, without moving the focus; an empty text
    // is set without telling. The control is made a live region before its
    // first text, when a screen reader first reads its setting.
    void showText(HWND control, const std::wstring& text);

  private:
    void makeLiveRegion(HWND control);

    ::IAccPropServices* services = nullptr; // null without accessibility support
    HWND madeLive = nullptr;                // the control already made one
};

} // namespace velkorn::win32
