#include "messageboxreporter.h"

#include <QMessageBox>

namespace velkorn::app {

void MessageBoxReporter::report(const std::exception& error, QWidget* origin) {
    QMessageBox::critical(origin, QStringLiteral("Velkorn Calculator"),
                          QString::fromUtf8(error.what()));
}

} // namespace velkorn::app
