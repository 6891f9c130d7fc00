// Writes a 256-colour Windows icon (one image, 8 bits per pixel with a
// palette and a transparency mask), which Qt's own ICO writer does not make.
#pragma once

#include <QImage>
#include <QString>

// Pixels whose alpha is below one half become transparent in the mask.
bool writeIco8(const QImage& image, const QString& path);
