// Tells the user about an error in a message box titled with the program's
// name; the program then goes on.
#pragma once

#include "errorreporter.h"

namespace velkorn::app {

class MessageBoxReporter : public ui::ErrorReporter {
  public:
    void report(const std::exception& error, QWidget* origin) override;
};

} // namespace velkorn::app
