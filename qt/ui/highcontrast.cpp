#include "highcontrast.h"

#include <QGuiApplication>
#include <QPalette>

namespace velkorn::ui {
namespace {

Rgb rgb(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

} // namespace

std::optional<HighContrast> highContrast() {
    const QString theme = qEnvironmentVariable("GTK_THEME");
    if (!theme.contains(QLatin1String("HighContrast"), Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    const QPalette palette = QGuiApplication::palette();
    return HighContrast{rgb(palette.color(QPalette::WindowText)),
                        rgb(palette.color(QPalette::Window))};
}

} // namespace velkorn::ui
