// The Help window: a card whose help text is its background picture, with
// one control, the "X" that closes (hides) it.
#pragma once

#include "picturecard.h"

namespace velkorn::ui {

class Form2 : public PictureCard {
    Q_OBJECT

  public:
    explicit Form2(QWidget* parent = nullptr);
};

} // namespace velkorn::ui
