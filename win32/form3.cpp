#include "form3.h"

#include "velkorn/form3description.h"

namespace velkorn::win32 {
namespace {

constexpr std::string_view kClickable[] = {"Label1", "Label3", "Label4", "Label5"};

} // namespace

Form3::Form3(FormHost& host)
    : CardWindow(form3Description(), host, kClickable), bengali(control("Image1")),
      chinese(control("Image2")) {
    Form_Load();
}

void Form3::Form_Load() {
    ShowWindow(bengali, SW_HIDE);
    ShowWindow(chinese, SW_HIDE);
}

void Form3::Control_Click(std::string_view name) {
    if (name == "Label1") {
        Form_Close();
    } else if (name == "Label3") {
        showLanguage(nullptr);
    } else if (name == "Label4") {
        showLanguage(bengali);
    } else if (name == "Label5") {
        showLanguage(chinese);
    }
}

// Shows one picture before hiding the other, so the English paragraph
// underneath never flashes between two pictures.
void Form3::showLanguage(HWND shown) {
    if (shown != nullptr) {
        ShowWindow(shown, SW_SHOW);
    }
    for (HWND picture : {bengali, chinese}) {
        if (picture != shown) {
            ShowWindow(picture, SW_HIDE);
        }
    }
}

} // namespace velkorn::win32
