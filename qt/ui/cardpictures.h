// The cards' pictures, built into the program: the first window's at the
// usual scale already decoded (builtpictures.h), the others decoded ahead
// on a worker thread while their window is built; then made into pixmaps
// of exactly the screen's pixels. And the windows' icons.
#pragma once

#include "velkorn/cardlayout.h"
#include "velkorn/formdescription.h"

#include <QIcon>
#include <QPixmap>

#include <vector>

namespace velkorn::ui {

// The window's icon, for the taskbar and the window switcher.
QIcon windowIcon(const FormDescription& description);

// Starts decoding the pictures of a window at a drawing scale that are not
// built in decoded, on a worker thread, for loadPicture to take: the window's controls and fonts are
// made meanwhile, and the first use of the font database alone takes
// longer than all its pictures.
void prefetchPictures(const FormDescription& description, int drawingScale);

// A picture built into the program, from the first of its drawings there
// is, for a screen of the given device pixel ratio: the pixmap has exactly
// the screen's pixels. Each picture is decoded once per ratio; the keypads
// share faces.
QPixmap loadPicture(const std::vector<PictureDrawing>& drawings, qreal devicePixelRatio);

} // namespace velkorn::ui
