#include "velkorn/form2description.h"

#include "closelabel.h"

#include <array>

namespace velkorn {
namespace {

constexpr std::array kControls{closeLabel("Label1", 4200, "Close")};

constexpr FormDescription kForm2{
    .name = "Form2",
    .caption = "Help",
    .clientWidth = 4500,
    .clientHeight = 5325,
    .background = "form2-background.jpg",
    .icon = "help.ico",
    .controls = kControls,
};

} // namespace

const FormDescription& form2Description() {
    return kForm2;
}

} // namespace velkorn
