// The face of the cards' labels and boxes.
#pragma once

#include <QFont>
#include <QStringList>

namespace velkorn::ui {

// The labels' and boxes' face, as the presenters list the families, from
// the first installed. Made once for each size.
const QFont& sansSerifFont(double pointSize);

} // namespace velkorn::ui
