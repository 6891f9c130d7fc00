#include "velkorn/form2description.h"

#include "closelabel.h"
#include "velkorn/cardtexts.h"

#include <array>

namespace velkorn {
namespace {

// The picture's texts go last, behind everything, and bottom first: they
// are made back to front, so screen readers meet them top first.
constexpr std::array kControls{
    closeLabel(form2::kClose, 4200, "Close"),
    pictureText("Contact", kHelpContact, 8, 230, 288, 32),
    pictureText("Steps", kHelpSteps, 9, 174, 286, 32),
    pictureText("Glossary", kHelpGlossary, 8, 45, 288, 112),
};

constexpr ShortcutDescription kShortcuts[] = {{form2::kClose, {Key::Escape}}};

constexpr FormDescription kForm2{
    .name = "Form2",
    .caption = "Help",
    .clientWidth = 4500,
    .clientHeight = 5325,
    .background = "form2-background.jpg",
    .icon = "help.ico",
    .controls = kControls,
    .shortcuts = kShortcuts,
};

} // namespace

const FormDescription& form2Description() {
    return kForm2;
}

} // namespace velkorn
