#include "velkorn/boxedit.h"

#include "velkorn/calculator_engine.h"
#include "velkorn/utf8_text.h"

namespace velkorn {

BoxEditDecision decideBoxEdit(std::u16string_view before, std::u16string_view after,
                              std::size_t caret) {
    caret = std::min(caret, after.size());
    const std::string before8 = toUtf8(before);
    const std::string after8 = toUtf8(after);
    const std::size_t caret8 = toUtf8(after.substr(0, caret)).size();
    const FittedEdit fitted = fitEdit(before8, after8, caret8, kMaxBoxLength);
    if (fitted.text == after8) {
        return {};
    }
    BoxEditDecision decision;
    if (fitted.text == before8) {
        decision.verdict = EditVerdict::Refuse;
        return decision;
    }
    const auto units = [&before8](std::size_t bytes) {
        return toUtf16(std::string_view(before8).substr(0, bytes)).size();
    };
    decision.verdict = EditVerdict::Cut;
    decision.from = units(fitted.replaceFrom);
    decision.to = units(fitted.replaceTo);
    decision.inserted = toUtf16(fitted.inserted);
    return decision;
}

} // namespace velkorn
