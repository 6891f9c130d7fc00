#include "velkorn/controlstack.h"

namespace velkorn {
namespace {

bool takesPresses(const ControlDescription& entry) {
    // A picture's text is there for screen readers only: presses on it
    // reach the background and drag.
    return entry.kind != ControlKind::PictureText;
}

bool contains(const ControlDescription& entry, int x, int y) {
    return x >= entry.left && x < entry.left + entry.width && y >= entry.top &&
           y < entry.top + entry.height;
}

std::size_t indexOf(const FormDescription& form, std::string_view name) {
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        if (form.controls[i].name == name) {
            return i;
        }
    }
    throw std::logic_error("no such control");
}

class Stacker {
  public:
    explicit Stacker(const FormDescription& form)
        : form(form), placed(form.controls.size(), false) {}

    // The controls in front of this one that it overlaps go first.
    void place(std::size_t index) {
        if (placed[index]) {
            return;
        }
        placed[index] = true;
        for (std::size_t front = 0; front < index; ++front) {
            if (overlap(form.controls[front], form.controls[index])) {
                place(front);
            }
        }
        order.push_back(index);
    }

    std::vector<std::size_t> order;

  private:
    const FormDescription& form;
    std::vector<bool> placed;
};

} // namespace

bool overlap(const ControlDescription& a, const ControlDescription& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

std::vector<std::size_t> readingIndices(const FormDescription& form) {
    std::vector<std::size_t> indices;
    if (form.readingOrder.empty()) {
        for (std::size_t i = form.controls.size(); i-- > 0;) {
            indices.push_back(i);
        }
        return indices;
    }
    for (std::string_view name : form.readingOrder) {
        indices.push_back(indexOf(form, name));
    }
    return indices;
}

std::optional<std::string_view> controlAt(const FormDescription& form, int xTwips, int yTwips,
                                          const ShownControl& shown) {
    for (const ControlDescription& entry : form.controls) {
        if (takesPresses(entry) && contains(entry, xTwips, yTwips) && shown(entry.name)) {
            return entry.name;
        }
    }
    return std::nullopt;
}

std::vector<std::size_t> stackingOrder(const FormDescription& form) {
    Stacker stacker(form);
    // The reading order has the boxes in their tab order, and Tab follows
    // the stack.
    const std::vector<std::size_t> reading = readingIndices(form);
    for (std::size_t index : reading) {
        stacker.place(index);
    }
    // Controls no reading order names, front to back.
    for (std::size_t index = 0; index < form.controls.size(); ++index) {
        stacker.place(index);
    }
    return std::move(stacker.order);
}

} // namespace velkorn
