#include "cardpictures.h"

#include "builtpictures.h"
#include "jpegpicture.h"

#include "velkorn/picturescale.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmapCache>
#include <QResource>

#include <future>
#include <map>
#include <mutex>
#include <set>

namespace velkorn::ui {
namespace {

// The pictures are built into the program under this prefix.
QString resourcePath(std::string_view picture) {
    return QStringLiteral(":/velkorn/") +
           QString::fromUtf8(picture.data(), static_cast<qsizetype>(picture.size()));
}

// A picture built in (stored as it is: JPEG does not compress again), or
// else through Qt's readers.
QImage readPicture(const QString& path) {
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        QImage image = decodeJpeg(QByteArrayView(resource.data(), resource.size()));
        if (!image.isNull()) {
            return image;
        }
    }
    return QImage(path);
}

// Pictures decoded ahead, each taken once: the pixmap made from it then
// owns its pixels alone.
struct Prefetch {
    std::mutex mutex;
    std::future<std::map<QString, QImage>> pending;
    std::map<QString, QImage> ready;

    void settle() {
        if (pending.valid()) {
            ready.merge(pending.get());
        }
    }
};

// Never destroyed: a decoding still running at exit must find it.
Prefetch& prefetched() {
    static auto& prefetch = *new Prefetch;
    return prefetch;
}

// A decoding the windows never took must end before the application object
// unloads the image plugins it is decoding with.
void finishDecoding() {
    Prefetch& prefetch = prefetched();
    const std::lock_guard lock(prefetch.mutex);
    if (prefetch.pending.valid()) {
        prefetch.pending.wait();
    }
}

// The picture decoded ahead for the path (waiting for the decoding to end),
// or a null image.
QImage takePrefetched(const QString& path) {
    Prefetch& prefetch = prefetched();
    const std::lock_guard lock(prefetch.mutex);
    prefetch.settle();
    auto node = prefetch.ready.extract(path);
    return node.empty() ? QImage() : std::move(node.mapped());
}

} // namespace

QIcon windowIcon(const FormDescription& description) {
    return QIcon(resourcePath(description.icon));
}

void prefetchPictures(const FormDescription& description, int drawingScale) {
    std::set<QString> paths;
    for (const std::string& file : pictureFiles(description, drawingScale)) {
        if (builtPicture(file).isNull()) {
            paths.insert(resourcePath(file));
        }
    }
    if (paths.empty()) {
        return;
    }
    static std::once_flag atExit;
    std::call_once(atExit, [] { qAddPostRoutine(&finishDecoding); });
    Prefetch& prefetch = prefetched();
    const std::lock_guard lock(prefetch.mutex);
    prefetch.settle();
    prefetch.pending = std::async(std::launch::async, [paths = std::move(paths)] {
        std::map<QString, QImage> images;
        for (const QString& path : paths) {
            images.emplace(path, readPicture(path));
        }
        return images;
    });
}

QPixmap loadPicture(const std::vector<PictureDrawing>& drawings, qreal devicePixelRatio) {
    const QString key =
        resourcePath(drawings.front().file) + u'@' + QString::number(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    qreal drawnScale = 1;
    QImage image;
    for (const PictureDrawing& drawing : drawings) {
        const QString path = resourcePath(drawing.file);
        image = builtPicture(drawing.file);
        if (image.isNull()) {
            image = takePrefetched(path);
        }
        if (image.isNull()) {
            image = readPicture(path);
        }
        if (!image.isNull()) {
            drawnScale = drawing.drawnScale;
            break;
        }
    }
    // Exactly the screen's pixels: nothing is scaled again when drawn.
    const QSize device = (QSizeF(image.size()) * (devicePixelRatio / drawnScale)).toSize();
    if (image.size() != device) {
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    pixmap = QPixmap::fromImage(std::move(image));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace velkorn::ui
