#include "formbuilder.h"

#include "clicklabel.h"
#include "highcontrast.h"
#include "textbox.h"
#include "velkorn/captioncolours.h"
#include "velkorn/picturescale.h"
#include "velkorn/twips.h"

#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPixmapCache>
#include <QWidget>

#include <cmath>
#include <future>
#include <map>
#include <mutex>
#include <set>

namespace velkorn::ui {
namespace {

QRect toQRect(const PixelRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

// The pictures are built into the program under this prefix.
QString resourcePath(std::string_view picture) {
    return QStringLiteral(":/velkorn/") +
           QString::fromUtf8(picture.data(), static_cast<qsizetype>(picture.size()));
}

QColor qtColour(Rgb colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QWidget* createTextBox(QWidget* window, const ControlDescription& entry) {
    auto* box = new TextBox(window);
    box->setFont(sansSerifFont(entry.pointSize));
    return box;
}

QWidget* createLabel(QWidget* window, const ControlDescription& entry) {
    auto* label = new ClickLabel(window);
    label->setClickable(entry.clicks);
    if (entry.picture != nullptr) {
        // The window sets the picture, for its screen.
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    // The caption is the presenter's to set, fitted to the label.
    label->setAlignment((entry.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
    // Text is drawn in the label's foreground role.
    const CaptionColours colours = captionColours(entry, highContrast());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, qtColour(colours.text));
    if (colours.fill) {
        palette.setColor(QPalette::Window, qtColour(*colours.fill));
        label->setAutoFillBackground(true);
    }
    label->setPalette(palette);
    return label;
}

QWidget* createPictureText(QWidget* window, const ControlDescription& entry) {
    auto* text = new ClickLabel(window);
    text->setText(QString::fromUtf8(entry.caption));
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // The picture shows the text: the label draws nothing and lets presses
    // through to the card, which drags.
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette palette = text->palette();
    palette.setColor(QPalette::WindowText, Qt::transparent);
    text->setPalette(palette);
    return text;
}

QWidget* createControl(QWidget* window, const ControlDescription& entry) {
    switch (entry.kind) {
    case ControlKind::TextBox:
        return createTextBox(window, entry);
    case ControlKind::Label:
    case ControlKind::Picture:
        return createLabel(window, entry);
    case ControlKind::PictureText:
        return createPictureText(window, entry);
    }
    return nullptr;
}

void describe(QWidget* control, const ControlDescription& entry) {
    control->setObjectName(latin1(entry.name));
    control->setGeometry(toQRect(twipsToRect(entry.left, entry.top, entry.width, entry.height)));
    if (entry.toolTip != nullptr) {
        control->setToolTip(QString::fromUtf8(entry.toolTip));
    }
    const char* name = entry.accessibleName != nullptr ? entry.accessibleName : entry.toolTip;
    if (name != nullptr) {
        control->setAccessibleName(QString::fromUtf8(name));
    }
    if (entry.accessibleDescription != nullptr) {
        control->setAccessibleDescription(QString::fromUtf8(entry.accessibleDescription));
    }
    control->setVisible(entry.visible);
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

void buildForm(QWidget* window, const FormDescription& description) {
    window->setObjectName(latin1(description.name));
    window->setWindowTitle(QString::fromUtf8(description.caption));
    window->setFixedSize(twipsToPixels(description.clientWidth),
                         twipsToPixels(description.clientHeight));
    // Created back to front: a later sibling lies over an earlier one.
    const auto& controls = description.controls;
    for (auto entry = controls.rbegin(); entry != controls.rend(); ++entry) {
        describe(createControl(window, *entry), *entry);
    }
}

QIcon windowIcon(const FormDescription& description) {
    return QIcon(resourcePath(description.icon));
}

void prefetchPictures(const FormDescription& description, int drawingScale) {
    std::set<QString> paths{resourcePath(pictureFile(description.background, drawingScale))};
    for (const ControlDescription& entry : description.controls) {
        if (entry.picture != nullptr) {
            paths.insert(resourcePath(pictureFile(entry.picture, drawingScale)));
        }
    }
    Prefetch& prefetch = prefetched();
    const std::lock_guard lock(prefetch.mutex);
    prefetch.settle();
    prefetch.pending = std::async(std::launch::async, [paths = std::move(paths)] {
        std::map<QString, QImage> images;
        for (const QString& path : paths) {
            images.emplace(path, QImage(path));
        }
        return images;
    });
}

QPixmap loadPicture(const char* picture, qreal devicePixelRatio, int drawingScale) {
    const QString path = resourcePath(pictureFile(picture, drawingScale));
    const QString key = path + u'@' + QString::number(devicePixelRatio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap)) {
        return pixmap;
    }
    qreal drawnScale = drawingScale;
    QImage image = takePrefetched(path);
    if (image.isNull()) {
        image.load(path);
    }
    if (image.isNull()) {
        image.load(resourcePath(picture));
        drawnScale = 1;
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

const QFont& sansSerifFont(double pointSize) {
    // Never destroyed: a QFont's destructor must not run after the
    // application object (and its font database) is gone, as a static's
    // would at exit. Keyed by hundredths of a point, not by a double.
    static auto& fonts = *new std::map<int, QFont>;
    const int key = static_cast<int>(std::lround(pointSize * 100));
    const auto found = fonts.find(key);
    if (found != fonts.end()) {
        return found->second;
    }
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return fonts.emplace(key, font).first->second;
}

} // namespace velkorn::ui
