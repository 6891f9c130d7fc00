#include "messageboxreporter.h"

#include <QApplication>
#include <QMessageBox>

namespace velkorn::app {

void MessageBoxReporter::report(const std::exception& error) {
    QMessageBox::critical(QApplication::activeWindow(), QStringLiteral("Velkorn Calculator"),
                          QString::fromUtf8(error.what()));
}

} // namespace velkorn::app
