#include "clockformat.h"

#include <QList>

namespace velkorn::ui {
namespace {

// Quoted text is set aside while the fields around it are edited, each
// piece replaced by one character from the private use area.
constexpr char16_t kFirstPlaceholder = 0xE000;

// The formats' own white space: ASCII only, as Qt's formats use it (the
// narrow no-break space of some locales is part of the time).
bool isBlank(QChar c) {
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool isLooseEnd(QChar c) {
    return isBlank(c) || c == u',' || c == u';' || c == u':' || c == u'-';
}

// "()" or "[]" with only blanks between, each removed; what joins up
// after a removal is not looked at again.
QString withoutEmptyBrackets(const QString& text) {
    QString result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'(' || text[i] == u'[') {
            qsizetype end = i + 1;
            while (end < text.size() && isBlank(text[end])) {
                ++end;
            }
            if (end < text.size() && (text[end] == u')' || text[end] == u']')) {
                i = end;
                continue;
            }
        }
        result += text[i];
    }
    return result;
}

// Separators and blanks trimmed from both ends, and every run of two or
// more blanks made one space.
QString tidied(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isLooseEnd(text[first])) {
        ++first;
    }
    while (last > first && isLooseEnd(text[last - 1])) {
        --last;
    }
    QString result;
    for (qsizetype i = first; i < last; ++i) {
        qsizetype run = i;
        while (run < last && isBlank(text[run])) {
            ++run;
        }
        if (run - i >= 2) {
            result += u' ';
            i = run - 1;
        } else {
            result += text[i];
        }
    }
    return result;
}

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
    // that set it off from the time (plain string work: a regular expression
    // engine is a library and a compiler loaded for three patterns).
    pattern = tidied(withoutEmptyBrackets(pattern));
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
