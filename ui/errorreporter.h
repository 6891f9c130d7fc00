// Where the windows send an error a user must be told about. The application
// shows it in a message box; tests count the reports.
#pragma once

#include <exception>

namespace velkorn::ui {

class ErrorReporter {
  public:
    virtual ~ErrorReporter() = default;
    virtual void report(const std::exception& error) = 0;
};

} // namespace velkorn::ui
