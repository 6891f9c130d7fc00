// What the Help window does: its "X" hides it. The rest (drag, keys,
// captions, pictures) is every card's.
#pragma once

#include "velkorn/cardpresenter.h"

namespace velkorn {

class Form2Presenter final : public CardPresenter {
  public:
    Form2Presenter(FormHost& host, CardView& view, DragSettings drag);

    void click(std::string_view control) override;
};

} // namespace velkorn
