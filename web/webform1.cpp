#include "webform1.h"

#include "dom.h"

#include "velkorn/form1description.h"
#include "velkorn/utf8_text.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace velkorn::web {
namespace {

// The parts come a line each, as "type\toption\tvalue".
std::vector<IntlPart> clockParts(bool date) {
    char* lines = velkornClockParts(date ? 1 : 0);
    const std::string text = lines;
    std::free(lines);
    std::vector<IntlPart> parts;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string line = text.substr(start, end - start);
        const std::size_t first = line.find('\t');
        const std::size_t second = line.find('\t', first + 1);
        parts.push_back({toUtf16(line.substr(0, first)), toUtf16(line.substr(second + 1)),
                         toUtf16(line.substr(first + 1, second - first - 1))});
        start = end + 1;
    }
    return parts;
}

} // namespace

ClockReading BrowserClock::now() {
    int fields[6] = {};
    velkornNow(fields);
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

ClockLocale BrowserClock::locale() {
    ClockLocale locale;
    locale.timePattern = patternOfIntlParts(clockParts(false));
    locale.datePattern = patternOfIntlParts(clockParts(true));
    return locale;
}

WebForm1::WebForm1(FormHost& host)
    : WebCard(form1Description()), form(host, *this, clock, dragSettings()) {
    present();
}

void WebForm1::showBoxText(BoxId box, const std::u16string& text, std::size_t caret) {
    velkornSetBoxText(number(), std::string(boxName(box)).c_str(), toUtf8(text).c_str(),
                      static_cast<int>(caret));
}

bool WebForm1::hasFocus(BoxId box) const {
    return velkornBoxHasFocus(number(), std::string(boxName(box)).c_str()) != 0;
}

} // namespace velkorn::web
