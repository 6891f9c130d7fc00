#include "velkorn/form3presenter.h"

#include "velkorn/form3description.h"

namespace velkorn {
namespace {

using form3::kBengaliWarning;
using form3::kChineseWarning;
using form3::kEnglishWarning;

} // namespace

Form3Presenter::Form3Presenter(FormHost& host, CardView& view, DragSettings drag)
    : CardPresenter(form3Description(), WindowId::About, host, view, drag) {}

void Form3Presenter::formLoad() {
    showLanguage(Language::English);
}

void Form3Presenter::click(std::string_view control) {
    if (control == form3::kClose) {
        host.hideWindow(WindowId::About);
    } else if (control == form3::kEnglish) {
        showLanguage(Language::English);
    } else if (control == form3::kBengali) {
        showLanguage(Language::Bengali);
    } else if (control == form3::kChinese) {
        showLanguage(Language::Chinese);
    }
}

// Shows one picture before hiding the other, so the English paragraph
// underneath never flashes between two pictures.
void Form3Presenter::showLanguage(Language language) {
    switch (language) {
    case Language::English:
        setControlShown(kBengaliWarning, false);
        setControlShown(kChineseWarning, false);
        break;
    case Language::Bengali:
        setControlShown(kBengaliWarning, true);
        setControlShown(kChineseWarning, false);
        break;
    case Language::Chinese:
        setControlShown(kChineseWarning, true);
        setControlShown(kBengaliWarning, false);
        break;
    }
    setControlShown(kEnglishWarning, language == Language::English);
    setControlChecked(form3::kEnglish, language == Language::English);
    setControlChecked(form3::kBengali, language == Language::Bengali);
    setControlChecked(form3::kChinese, language == Language::Chinese);
    shown = language;
}

} // namespace velkorn
