// Reads the system's font configuration on a second thread while the
// application connects to the display, instead of on the first text the
// main window measures: fontconfig parses dozens of XML files, the largest
// part of start-up. Without fontconfig (Windows) it does nothing.
#pragma once

#include <thread>

namespace velkorn::app {

class FontconfigWarmUp {
  public:
    FontconfigWarmUp();
    ~FontconfigWarmUp() { wait(); }
    FontconfigWarmUp(const FontconfigWarmUp&) = delete;
    FontconfigWarmUp& operator=(const FontconfigWarmUp&) = delete;

    // Returns once the configuration is loaded.
    void wait();

  private:
    std::thread worker;
};

} // namespace velkorn::app
