#include "clockformat.h"

namespace velkorn::ui {

QString withoutTimeZone(const QString& format) {
    QString result;
    bool quoted = false;
    for (QChar c : format) {
        if (c == u'\'') {
            quoted = !quoted;
        }
        if (quoted || c != u't') {
            result += c;
        }
    }
    return result.trimmed();
}

ClockFormat::ClockFormat(const QLocale& locale)
    : locale(locale), timeFormat(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))),
      dateFormat(locale.dateFormat(QLocale::ShortFormat)) {}

} // namespace velkorn::ui
