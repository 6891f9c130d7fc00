// The About window's layout as data: what each front end builds for Form3.
#pragma once

#include "velkorn/formdescription.h"

namespace velkorn {

const FormDescription& form3Description();

} // namespace velkorn
