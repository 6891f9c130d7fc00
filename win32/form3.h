// The About window: the program's details on its background picture and a
// warning paragraph in English (on the card), Bengali or Chinese (pictures
// laid over it), chosen with three labels. The language is the visibility
// of the two pictures, so it lasts while the window is hidden.
#pragma once

#include "cardwindow.h"

namespace velkorn::win32 {

class Form3 final : public CardWindow {
  public:
    explicit Form3(FormHost& host);

  protected:
    void Control_Click(std::string_view name) override;
    void Form_Close() override { host.hideWindow(WindowId::About); }

  private:
    void Form_Load();
    void showLanguage(HWND shown);

    HWND bengali;
    HWND chinese;
};

} // namespace velkorn::win32
