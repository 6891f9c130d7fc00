// Each window's pictures, painted and written into the assets folder.
// Each returns false when a file could not be written.
#pragma once

#include <QDir>

bool paintMainWindowPictures(const QDir& folder);
bool paintHelpPictures(const QDir& folder);
bool paintAboutPictures(const QDir& folder);
