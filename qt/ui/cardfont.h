// The face of the cards' labels and boxes.
#pragma once

#include <QFont>

namespace velkorn::ui {

// The labels' and boxes' face: MS Sans Serif where installed, else a close
// sans-serif. Made once for each size.
const QFont& sansSerifFont(double pointSize);

} // namespace velkorn::ui
