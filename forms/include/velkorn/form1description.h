// The main window's layout as data: what each front end builds for Form1.
#pragma once

#include "velkorn/formdescription.h"

namespace velkorn {

const FormDescription& form1Description();

// The controls the presenters name, so that a misspelt name fails to
// compile instead of finding nothing at run time.
namespace form1 {
inline constexpr std::string_view kDate = "Label11";
inline constexpr std::string_view kTime = "Label12";
} // namespace form1

} // namespace velkorn
