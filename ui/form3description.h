// The About window's layout as data: what FormBuilder builds for Form3.
#pragma once

#include "formdescription.h"

namespace velkorn::ui {

const FormDescription& form3Description();

} // namespace velkorn::ui
