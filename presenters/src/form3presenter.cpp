#include "velkorn/form3presenter.h"

#include "velkorn/form3description.h"

namespace velkorn {
namespace {

constexpr const char* kBengali = "Image1";
constexpr const char* kChinese = "Image2";
// The English warning's text, for screen readers: there while it is shown.
constexpr const char* kEnglish = "Warning";

} // namespace

Form3Presenter::Form3Presenter(FormHost& host, CardView& view, DragSettings drag)
    : CardPresenter(form3Description(), WindowId::About, host, view, drag), view(view) {}

void Form3Presenter::formLoad() {
    showLanguage(Language::English);
}

void Form3Presenter::click(std::string_view control) {
    if (control == "Label1") {
        host.hideWindow(WindowId::About);
    } else if (control == "Label3") {
        showLanguage(Language::English);
    } else if (control == "Label4") {
        showLanguage(Language::Bengali);
    } else if (control == "Label5") {
        showLanguage(Language::Chinese);
    }
}

// Shows one picture before hiding the other, so the English paragraph
// underneath never flashes between two pictures.
void Form3Presenter::showLanguage(Language language) {
    switch (language) {
    case Language::English:
        view.setControlVisible(kBengali, false);
        view.setControlVisible(kChinese, false);
        break;
    case Language::Bengali:
        view.setControlVisible(kBengali, true);
        view.setControlVisible(kChinese, false);
        break;
    case Language::Chinese:
        view.setControlVisible(kChinese, true);
        view.setControlVisible(kBengali, false);
        break;
    }
    view.setControlVisible(kEnglish, language == Language::English);
    view.setControlChecked("Label3", language == Language::English);
    view.setControlChecked("Label4", language == Language::Bengali);
    view.setControlChecked("Label5", language == Language::Chinese);
    shown = language;
}

} // namespace velkorn
