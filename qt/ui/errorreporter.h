// Where the windows send an error a user must be told about. The application
// shows it in a message box over the window whose click raised it; tests
// count the reports.
#pragma once

#include <exception>

class QWidget;

namespace velkorn::ui {

class ErrorReporter {
  public:
    virtual ~ErrorReporter() = default;
    virtual void report(const std::exception& error, QWidget* origin) = 0;
};

} // namespace velkorn::ui
