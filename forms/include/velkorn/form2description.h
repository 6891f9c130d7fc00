// The Help window's layout as data: what each front end builds for Form2.
#pragma once

#include "velkorn/formdescription.h"

namespace velkorn {

const FormDescription& form2Description();

namespace form2 {
inline constexpr std::string_view kClose = "Label1";
} // namespace form2

} // namespace velkorn
