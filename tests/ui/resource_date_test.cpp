// The pictures compiled into the program carry the build's date, not the
// modification times of the files they came from: those are the time of
// the checkout, and would make two builds of one commit differ.
#include <QDateTime>
#include <QDirIterator>
#include <QFileInfo>
#include <QTest>

class ResourceDateTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPictureCarriesTheBuildsDate() {
        const QDateTime expected = QDateTime::fromSecsSinceEpoch(VELKORN_SOURCE_DATE_EPOCH, Qt::UTC);
        int pictures = 0;
        QDirIterator it(QStringLiteral(":/velkorn"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo file(it.next());
            ++pictures;
            QVERIFY2(file.lastModified().toUTC() == expected,
                     qPrintable(QStringLiteral("%1 is dated %2, the build %3")
                                    .arg(file.filePath(),
                                         file.lastModified().toUTC().toString(Qt::ISODateWithMs),
                                         expected.toString(Qt::ISODateWithMs))));
        }
        QVERIFY2(pictures > 0, "no pictures under :/velkorn");
    }
};

QTEST_GUILESS_MAIN(ResourceDateTest)
#include "resource_date_test.moc"
