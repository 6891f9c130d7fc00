// The program's own JPEG decoding gives every built-in picture the very
// pixels Qt's reader gives, and turns away what is not a picture; the
// pictures built in already decoded are those pixels, for exactly the first
// window's pictures.
#include "builtpictures.h"
#include "jpegpicture.h"

#include "velkorn/form1description.h"
#include "velkorn/picturescale.h"

#include <QDirIterator>
#include <QFile>
#include <QResource>
#include <QTest>

#include <set>
#include <string>

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

    void builtPicturesAreTheirJpegsDecoded() {
        std::set<std::string> built;
        for (const velkorn::ui::BuiltPicture& picture : velkorn::ui::builtPictures()) {
            const QResource jpeg(QStringLiteral(":/velkorn/") + QLatin1String(picture.file));
            QVERIFY2(jpeg.isValid(), picture.file);
            const QImage image = velkorn::ui::builtPicture(picture.file);
            QVERIFY2(image == velkorn::ui::decodeJpeg(QByteArrayView(jpeg.data(), jpeg.size())),
                     picture.file);
            // Drawn from the program's data, not a copy of it.
            QCOMPARE(static_cast<const void*>(image.constBits()),
                     static_cast<const void*>(picture.pixels));
            built.insert(picture.file);
        }
        QVERIFY(built == velkorn::pictureFiles(velkorn::form1Description(), 1));
    }

    void otherPicturesAreNotBuiltIn_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("the drawing at 2x") << QStringLiteral("form1-background@2x.jpg");
        QTest::newRow("another window's") << QStringLiteral("form2-background.jpg");
        QTest::newRow("no such picture") << QStringLiteral("face-11.jpg");
        QTest::newRow("a name's start") << QStringLiteral("face-");
    }
    void otherPicturesAreNotBuiltIn() {
        QFETCH(QString, file);
        QVERIFY(velkorn::ui::builtPicture(file.toStdString()).isNull());
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
