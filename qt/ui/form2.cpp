#include "form2.h"

#include "velkorn/form2description.h"

namespace velkorn::ui {

Form2::Form2(QWidget* parent) : PictureCard(form2Description(), parent) {
    makeCloseLabel("Label1");
}

} // namespace velkorn::ui
