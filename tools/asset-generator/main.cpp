// Paints the program's pictures and icons and writes them into a folder
// (the repository's assets/). Run by hand when a picture changes; the build
// only embeds what this wrote. The Bengali and Chinese pictures need Debian's
// fonts-lohit-beng-bengali and fonts-wqy-microhei.
#include "pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s ASSETS_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const bool ok =
        paintMainWindowPictures(folder) & paintHelpPictures(folder) & paintAboutPictures(folder);
    if (!ok) {
        std::fprintf(stderr, "could not write every picture into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
