// The main window's layout as data: what each front end builds for Form1.
#pragma once

#include "velkorn/formdescription.h"

namespace velkorn {

const FormDescription& form1Description();

} // namespace velkorn
