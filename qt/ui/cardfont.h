// The face of the cards' labels and boxes.
#pragma once

#include <QFont>
#include <QStringList>

namespace velkorn::ui {

// The labels' and boxes' face: MS Sans Serif where installed, else a close
// sans-serif. Made once for each size.
const QFont& sansSerifFont(double pointSize);

// The faces in order of preference, from the one the cards were drawn for
// to the nearest sans-serifs.
QStringList preferredFamilies();

} // namespace velkorn::ui
