#include "form3.h"

#include "clicklabel.h"
#include "velkorn/form3description.h"

namespace velkorn::ui {

Form3::Form3(QWidget* parent)
    : PictureCard(form3Description(), parent), bengali(control("Image1")),
      chinese(control("Image2")) {
    makeCloseLabel("Label1");
    const std::pair<const char*, Language> choices[] = {
        {"Label3", Language::English},
        {"Label4", Language::Bengali},
        {"Label5", Language::Chinese},
    };
    for (const auto& [name, language] : choices) {
        connect(label(name), &ClickLabel::clicked, this,
                [this, choice = language] { showLanguage(choice); });
    }
    formLoad();
}

void Form3::formLoad() {
    bengali->hide();
    chinese->hide();
}

// Shows one picture before hiding the other, so the English paragraph
// underneath never flashes between two pictures.
void Form3::showLanguage(Language choice) {
    switch (choice) {
    case Language::English:
        bengali->hide();
        chinese->hide();
        break;
    case Language::Bengali:
        bengali->show();
        chinese->hide();
        break;
    case Language::Chinese:
        chinese->show();
        bengali->hide();
        break;
    }
}

Form3::Language Form3::language() const {
    if (bengali->isVisibleTo(this)) {
        return Language::Bengali;
    }
    return chinese->isVisibleTo(this) ? Language::Chinese : Language::English;
}

} // namespace velkorn::ui
