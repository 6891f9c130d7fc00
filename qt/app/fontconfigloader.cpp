#include "fontconfigloader.h"

#include <fontconfig/fontconfig.h>

namespace velkorn::app {

// A configuration that fails to load is left for Qt to meet and report.
FontConfigLoader::FontConfigLoader() : loading([] { FcInit(); }) {}

FontConfigLoader::~FontConfigLoader() {
    wait();
}

void FontConfigLoader::wait() {
    if (loading.joinable()) {
        loading.join();
    }
}

} // namespace velkorn::app
