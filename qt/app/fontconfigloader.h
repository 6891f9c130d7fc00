// Loads fontconfig's configuration on a second thread while the main one
// connects to the display and the desktop's buses. Reading the
// configuration (dozens of XML files) is the largest single step of a Qt
// program's start-up; the first use of the font database would otherwise
// do it on the main thread, after the connection.
#pragma once

#include <thread>

namespace velkorn::app {

class FontConfigLoader {
  public:
    FontConfigLoader();
    ~FontConfigLoader();
    FontConfigLoader(const FontConfigLoader&) = delete;
    FontConfigLoader& operator=(const FontConfigLoader&) = delete;

    // Returns once the configuration is loaded: before the font database
    // is first used, so that Qt does not load a second one beside it.
    void wait();

  private:
    std::thread loading;
};

} // namespace velkorn::app
