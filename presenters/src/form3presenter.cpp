#include "velkorn/form3presenter.h"

#include "velkorn/form3description.h"
#include "velkorn/utf8_text.h"

#include <utility>

namespace velkorn {
namespace {

using form3::kBengaliWarning;
using form3::kChineseWarning;
using form3::kEnglishWarning;

std::string_view languageChoice(Language language) {
    switch (language) {
    case Language::Bengali:
        return form3::kBengali;
    case Language::Chinese:
        return form3::kChinese;
    case Language::English:
        break;
    }
    return form3::kEnglish;
}

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
    for (Language choice : {Language::English, Language::Bengali, Language::Chinese}) {
        setControlChecked(languageChoice(choice), language == choice);
    }
    // The choice is heard, not the whole card read again: a screen reader
    // hears nothing of a choice that does not have the focus.
    if (language != std::exchange(shown, language)) {
        announce(toUtf16(accessibleItem(languageChoice(language))->name) + u" checked");
    }
}

} // namespace velkorn
