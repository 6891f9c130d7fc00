#include "velkorn/focusorder.h"

#include "velkorn/controlstack.h"

namespace velkorn {

bool takesFocus(const ControlDescription& entry) {
    return entry.kind == ControlKind::TextBox;
}

std::vector<std::string_view> focusOrder(const FormDescription& form) {
    std::vector<std::string_view> order;
    for (std::size_t index : readingIndices(form)) {
        if (takesFocus(form.controls[index])) {
            order.push_back(form.controls[index].name);
        }
    }
    return order;
}

std::string_view initialFocus(const FormDescription& form) {
    const std::vector<std::string_view> order = focusOrder(form);
    return order.empty() ? std::string_view() : order.front();
}

} // namespace velkorn
