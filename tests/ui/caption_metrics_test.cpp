// The labels' face is the one the family list gives, and caption widths
// from its pairs of characters are the widths it gives the whole text.
#include "cardfont.h"
#include "formbuilder.h"
#include "testsupport.h"

#include "velkorn/captionfit.h"
#include "velkorn/captionfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using velkorn::ui::sansSerifFont;

namespace {

double wholeWidth(const QString& text, double pointSize) {
    return QFontMetricsF(sansSerifFont(pointSize)).horizontalAdvance(text);
}

double shaped(const std::u16string& text, double pointSize) {
    return wholeWidth(QString::fromStdU16String(text), pointSize);
}

} // namespace

class CaptionFaceTest : public QObject {
    Q_OBJECT

  private slots:
    // The list starts at the first family installed, for speed; the face
    // must be the one the whole list gives.
    void theFaceIsTheWholeListsFirstInstalled() {
        QFont whole;
        QStringList families;
        for (std::string_view family : velkorn::captionFamilies(96)) {
            families.append(velkorn::ui::latin1(family));
        }
        whole.setFamilies(families);
        whole.setStyleHint(QFont::SansSerif);
        for (double size : {8.25, 7.5, 9.75, 12.0}) {
            whole.setPointSizeF(size);
            const QFontInfo ours(sansSerifFont(size));
            const QFontInfo expected(whole);
            QCOMPARE(ours.family(), expected.family());
            QCOMPARE(ours.styleName(), expected.styleName());
            QCOMPARE(ours.pixelSize(), expected.pixelSize());
        }
        QVERIFY(QFontDatabase::families().contains(sansSerifFont(8.25).families().constFirst()));
    }

    // Every 7 s of a day as the C and three regional formats write it, at
    // the labels' sizes and the fitted-down ones.
    void pairsAddUpToTheWholeText_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("pointSize");
        for (const char* locale : {"C", "en_US", "de_DE", "fr_FR"}) {
            for (double size : {8.25, 7.5, 9.75, 12.0}) {
                QTest::addRow("%s at %g", locale, size) << locale << size;
            }
        }
    }
    void pairsAddUpToTheWholeText() {
        QFETCH(QString, locale);
        QFETCH(double, pointSize);
        const velkorn::test::QtClock format{QLocale(locale)};
        velkorn::CaptionWidths widths(&shaped);
        widths.learnPairs();
        for (int second = 0; second < 24 * 3600; second += 7) {
            const QString text = format.time(QTime(0, 0).addSecs(second));
            QCOMPARE(widths(text.toStdU16String(), pointSize), wholeWidth(text, pointSize));
        }
        const QString date = format.date(QDate(2026, 12, 27));
        QCOMPARE(widths(date.toStdU16String(), pointSize), wholeWidth(date, pointSize));
    }
};

QTEST_MAIN(CaptionFaceTest)
#include "caption_metrics_test.moc"
