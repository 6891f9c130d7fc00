// The Help and About windows: cards whose presenters need nothing but the
// card itself.
#pragma once

#include "picturecard.h"

#include "velkorn/form2presenter.h"
#include "velkorn/form3presenter.h"

namespace velkorn::ui {

using Form2 = PresentedCard<Form2Presenter>;
using Form3 = PresentedCard<Form3Presenter>;

} // namespace velkorn::ui
