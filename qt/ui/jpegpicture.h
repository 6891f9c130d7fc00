// The pictures' decoder: libjpeg-turbo called directly, writing each line
// straight into the window's pixel format. Qt's own reader decodes with
// the same library, but first looks through every image plugin installed,
// loads its JPEG plugin, and converts each line again.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace velkorn::ui {

// The JPEG picture in the bytes, in QImage::Format_RGB32, or a null image
// when they hold none (then Qt's reader may know better).
QImage decodeJpeg(QByteArrayView bytes);

} // namespace velkorn::ui
