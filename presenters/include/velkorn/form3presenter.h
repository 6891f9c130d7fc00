// What the About window does: its warning paragraph is shown in English
// (on the card), Bengali (Image1) or Chinese (Image2), chosen with three
// labels; "X" hides the window. The language is the pictures' visibility
// and lasts while the window is hidden, since the window is never made
// again.
#pragma once

#include "velkorn/cardpresenter.h"

namespace velkorn {

enum class Language { English, Bengali, Chinese };

class Form3Presenter final : public CardPresenter {
  public:
    Form3Presenter(FormHost& host, CardView& view, DragSettings drag);

    void click(std::string_view control) override;
    Language language() const { return shown; }

  private:
    void formLoad() override;
    void showLanguage(Language language);

    Language shown = Language::English;
};

} // namespace velkorn
