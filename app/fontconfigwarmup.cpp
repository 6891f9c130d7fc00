#include "fontconfigwarmup.h"

#ifdef VELKORN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace velkorn::app {

FontconfigWarmUp::FontconfigWarmUp() {
#ifdef VELKORN_HAVE_FONTCONFIG
    // FcInit is thread-safe and idempotent; Qt finds the configuration loaded.
    worker = std::thread([] { FcInit(); });
#endif
}

void FontconfigWarmUp::wait() {
    if (worker.joinable()) {
        worker.join();
    }
}

} // namespace velkorn::app
