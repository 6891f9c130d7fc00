// How a window's controls lie over each other, decided once for every
// front end: which control takes a press at a point (the one in front, of
// those shown that take presses), and the order to stack a front end's
// child windows in so that the front one wins where two overlap while
// Tab, and screen readers that walk the children, meet them in reading
// order everywhere else.
#pragma once

#include "velkorn/formdescription.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace velkorn {

// Whether a control is shown now, as the window's presenter last set it.
using ShownControl = std::function<bool(std::string_view control)>;

// The control that takes a press at a point in twips from the client
// area's top left; none where the press falls on the background.
std::optional<std::string_view> controlAt(const FormDescription& form, int xTwips, int yTwips,
                                          const ShownControl& shown);

// Whether two controls overlap, in twips (touching is no overlap).
bool overlap(const ControlDescription& a, const ControlDescription& b);

// Indices into form.controls in the order screen readers meet them: the
// form's reading order, or back to front where it gives none.
std::vector<std::size_t> readingIndices(const FormDescription& form);

// Indices into form.controls, top of the stack first: the reading order,
// but each control after every control it overlaps that lies in front of
// it.
std::vector<std::size_t> stackingOrder(const FormDescription& form);

} // namespace velkorn
