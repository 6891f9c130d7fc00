// The program's own JPEG decoding gives every built-in picture the very
// pixels Qt's reader gives, and turns away what is not a picture.
#include "jpegpicture.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QTest>

class JpegPictureTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPictureDecodesAsQtsReaderDoes() {
        int pictures = 0;
        QDirIterator it(QStringLiteral(":/velkorn"), {QStringLiteral("*.jpg")}, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            const QResource resource(path);
            QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
            const QImage ours =
                velkorn::ui::decodeJpeg(QByteArrayView(resource.data(), resource.size()));
            const QImage qts = QImage(path).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!qts.isNull(), qPrintable(path));
            QVERIFY2(ours == qts, qPrintable(path + QStringLiteral(" differs from Qt's reading")));
            ++pictures;
        }
        QVERIFY2(pictures > 0, "no pictures under :/velkorn");
    }

    void whatIsNoPictureGivesNone_data() {
        QTest::addColumn<QByteArray>("bytes");
        QFile picture(QStringLiteral(":/velkorn/face-1.jpg"));
        QVERIFY(picture.open(QIODevice::ReadOnly));
        const QByteArray whole = picture.readAll();
        QTest::newRow("nothing") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("GIF89a, not what it says");
        QTest::newRow("the header cut short") << whole.left(40);
        QTest::newRow("start-of-image only") << whole.left(2);
    }
    void whatIsNoPictureGivesNone() {
        QFETCH(QByteArray, bytes);
        QVERIFY(velkorn::ui::decodeJpeg(bytes).isNull());
    }
};

QTEST_GUILESS_MAIN(JpegPictureTest)
#include "jpeg_picture_test.moc"
