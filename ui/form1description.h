// The main window's layout as data: what FormBuilder builds for Form1.
#pragma once

#include "formdescription.h"

namespace velkorn::ui {

const FormDescription& form1Description();

} // namespace velkorn::ui
