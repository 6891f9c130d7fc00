// Which controls take the keyboard focus, and in what order Tab meets
// them, decided once for every front end: the boxes, in reading order.
// Labels and picture buttons take none, so a click on a key leaves the
// caret where the user was typing; their actions have shortcuts instead.
#pragma once

#include "velkorn/formdescription.h"

#include <string_view>
#include <vector>

namespace velkorn {

bool takesFocus(const ControlDescription& entry);

// The controls that take the focus, in the order Tab meets them.
std::vector<std::string_view> focusOrder(const FormDescription& form);

// Where the focus is when the window first opens: the first control Tab
// meets, or the window itself (an empty name) where none takes it.
std::string_view initialFocus(const FormDescription& form);

} // namespace velkorn
