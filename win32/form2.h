// The Help window: a card whose help text is its background picture, closed
// (hidden) with its "X".
#pragma once

#include "cardwindow.h"

namespace velkorn::win32 {

class Form2 final : public CardWindow {
  public:
    explicit Form2(FormHost& host);

  protected:
    void Control_Click(std::string_view name) override;
    void Form_Close() override { host.hideWindow(WindowId::Help); }
};

} // namespace velkorn::win32
