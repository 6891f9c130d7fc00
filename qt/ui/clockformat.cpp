#include "clockformat.h"

#include <QList>
#include <QRegularExpression>

namespace velkorn::ui {
namespace {

// Quoted text is set aside while the fields around it are edited, each
// piece replaced by one character from the private use area.
constexpr char16_t kFirstPlaceholder = 0xE000;

} // namespace

QString withoutTimeZone(const QString& format) {
    QList<QString> quoted;
    QString pattern;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            qsizetype end = format.indexOf(u'\'', i + 1);
            end = end < 0 ? format.size() - 1 : end;
            pattern += QChar(char16_t(kFirstPlaceholder + quoted.size()));
            quoted.append(format.mid(i, end - i + 1));
            i = end;
        } else if (c == u'B') {
            // A day period ("in the afternoon") that Qt 6.4 does not know and
            // would print as a letter; Qt's own AM/PM marker stands in.
            pattern += QStringLiteral("AP");
        } else if (c != u't') {
            pattern += c;
        }
    }
    // What held the zone: brackets left empty, and the separators and spaces
    // that set it off from the time.
    static const QRegularExpression emptyBrackets(QStringLiteral("[(\\[]\\s*[)\\]]"));
    static const QRegularExpression looseEnds(QStringLiteral("^[\\s,;:\\-]+|[\\s,;:\\-]+$"));
    static const QRegularExpression doubleSpaces(QStringLiteral("\\s{2,}"));
    pattern.remove(emptyBrackets).remove(looseEnds).replace(doubleSpaces, QStringLiteral(" "));
    QString result;
    for (QChar c : pattern) {
        const int piece = c.unicode() - kFirstPlaceholder;
        result += piece >= 0 && piece < quoted.size() ? quoted[piece] : QString(c);
    }
    return result;
}

ClockFormat::ClockFormat(const QLocale& locale)
    : locale(locale), timeFormat(withoutTimeZone(locale.timeFormat(QLocale::LongFormat))),
      dateFormat(locale.dateFormat(QLocale::ShortFormat)) {}

} // namespace velkorn::ui
