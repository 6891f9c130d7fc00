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
    return result.simplified();
}

QString clockTimeText(QTime time, const QLocale& locale) {
    return locale.toString(time, withoutTimeZone(locale.timeFormat(QLocale::LongFormat)));
}

QString clockDateText(QDate date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

} // namespace velkorn::ui
