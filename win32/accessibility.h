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

  private:
    ::IAccPropServices* services = nullptr; // null without accessibility support
};

} // namespace velkorn::win32
