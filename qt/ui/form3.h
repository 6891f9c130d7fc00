// The About window: a card with the program's details on its background
// picture and a warning paragraph shown in English (on the card), Bengali or
// Chinese (pictures laid over it), chosen with three labels. The language
// is the visibility of the two pictures, so it lasts while the window is
// hidden.
#pragma once

#include "picturecard.h"

namespace velkorn::ui {

class Form3 : public PictureCard {
    Q_OBJECT

  public:
    enum class Language { English, Bengali, Chinese };

    explicit Form3(QWidget* parent = nullptr);

    Language language() const;

  private:
    void formLoad();
    void showLanguage(Language language);

    QWidget* bengali;
    QWidget* chinese;
};

} // namespace velkorn::ui
