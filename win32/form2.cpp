#include "form2.h"

#include "velkorn/form2description.h"

namespace velkorn::win32 {
namespace {

constexpr std::string_view kClickable[] = {"Label1"};

} // namespace

Form2::Form2(FormHost& host) : CardWindow(form2Description(), host, kClickable) {}

void Form2::Control_Click(std::string_view name) {
    if (name == "Label1") {
        Form_Close();
    }
}

} // namespace velkorn::win32
