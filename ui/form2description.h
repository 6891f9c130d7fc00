// The Help window's layout as data: what FormBuilder builds for Form2.
#pragma once

#include "formdescription.h"

namespace velkorn::ui {

const FormDescription& form2Description();

} // namespace velkorn::ui
