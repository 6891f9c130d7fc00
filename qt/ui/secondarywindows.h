// The Help and About windows: cards whose presenters need nothing but the
// card itself.
#pragma once

#include "cardwindow.h"

#include "velkorn/form2presenter.h"
#include "velkorn/form3presenter.h"
#include "velkorn/presentedcard.h"

namespace velkorn::ui {

using Form2 = PresentedCard<CardWindow, Form2Presenter>;
using Form3 = PresentedCard<CardWindow, Form3Presenter>;

} // namespace velkorn::ui
