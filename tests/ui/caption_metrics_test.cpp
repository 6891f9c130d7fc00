// Caption widths from learned pairs of characters are the widths the face
// gives the whole text, and a caption made of known pairs is not shaped
// again.
#include "captionmetrics.h"
#include "cardfont.h"
#include "formbuilder.h"
#include "testsupport.h"

#include "velkorn/captionfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTest>

using velkorn::ui::CaptionMetrics;
using velkorn::ui::sansSerifFont;

namespace {

double wholeWidth(const QString& text, double pointSize) {
    return QFontMetricsF(sansSerifFont(pointSize)).horizontalAdvance(text);
}

} // namespace

class CaptionMetricsTest : public QObject {
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
        CaptionMetrics metrics;
        metrics.learnPairs();
        for (int second = 0; second < 24 * 3600; second += 7) {
            const QString text = format.time(QTime(0, 0).addSecs(second));
            QCOMPARE(metrics.width(text, pointSize), wholeWidth(text, pointSize));
        }
        const QString date = format.date(QDate(2026, 12, 27));
        QCOMPARE(metrics.width(date, pointSize), wholeWidth(date, pointSize));
    }

    void aTextOfKnownPairsIsNotShaped() {
        CaptionMetrics metrics;
        metrics.learnPairs();
        metrics.width(QStringLiteral("10:00:00"), 8.25);
        metrics.width(QStringLiteral("01:10:01"), 8.25);
        const int shaped = metrics.shapedTexts();
        // Its pairs (00, 0:, :0, 01, 1:, :1, 10) have all been met.
        const QString known = QStringLiteral("00:01:10");
        QCOMPARE(metrics.width(known, 8.25), wholeWidth(known, 8.25));
        QCOMPARE(metrics.shapedTexts(), shaped);
        // At another size nothing is known yet.
        metrics.width(known, 7.5);
        QVERIFY(metrics.shapedTexts() > shaped);
    }

    // Before the window's first frame every caption is measured once,
    // whole: learning pairs would cost start-up more shaping, not less.
    void beforeLearningTextsAreMeasuredWhole() {
        CaptionMetrics metrics;
        for (const char* text : {"Date:", "Time:", "VOSB 1", "12:00:00"}) {
            const int before = metrics.shapedTexts();
            QCOMPARE(metrics.width(QString::fromLatin1(text), 8.25),
                     wholeWidth(QString::fromLatin1(text), 8.25));
            QCOMPARE(metrics.shapedTexts(), before + 1);
        }
    }

    // Scripts that shape beyond pairs are measured whole every time.
    void otherScriptsAreMeasuredWhole() {
        CaptionMetrics metrics;
        metrics.learnPairs();
        const QString bengali = QStringLiteral("১২:৩৪:৫৬");
        for (int i = 0; i < 2; ++i) {
            const int before = metrics.shapedTexts();
            QCOMPARE(metrics.width(bengali, 8.25), wholeWidth(bengali, 8.25));
            QCOMPARE(metrics.shapedTexts(), before + 1);
        }
    }
};

QTEST_MAIN(CaptionMetricsTest)
#include "caption_metrics_test.moc"
