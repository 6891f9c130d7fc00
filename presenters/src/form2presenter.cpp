#include "velkorn/form2presenter.h"

#include "velkorn/form2description.h"

namespace velkorn {

Form2Presenter::Form2Presenter(FormHost& host, CardView& view, DragSettings drag)
    : CardPresenter(form2Description(), WindowId::Help, host, view, drag) {}

void Form2Presenter::click(std::string_view control) {
    if (control == form2::kClose) {
        host.hideWindow(WindowId::Help);
    }
}

} // namespace velkorn
