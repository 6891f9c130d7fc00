// The main window: a view of the CalculatorEngine it owns. Clicks on its
// controls and presses on its background go through the button map; engine
// actions run on the engine and the boxes show its texts afterwards, window
// actions leave as signals for the application (another window, exit) or
// are done here (the time, dragging). Engine errors go to the ErrorReporter
// and the boxes keep what they showed.
#pragma once

#include "clockformat.h"
#include "errorreporter.h"
#include "picturecard.h"
#include "velkorn/windowid.h"

#include "velkorn/button_map.h"
#include "velkorn/calculator_engine.h"

#include <QDateTime>

#include <array>
#include <functional>
#include <string_view>

class QLineEdit;
class QTimer;

namespace velkorn::ui {

class Form1 : public PictureCard {
    Q_OBJECT

  public:
    using Clock = std::function<QDateTime()>;

    explicit Form1(ErrorReporter& reporter, Clock clock = &QDateTime::currentDateTime,
                   QWidget* parent = nullptr);

    const CalculatorEngine& engine() const { return calculator; }

    // Shows the time, then the date, as each tick of Timer1 does.
    void updateClock();

  signals:
    void windowRequested(velkorn::WindowId window);
    void exitRequested();

  protected:
    void backgroundPressed(QMouseEvent* event) override;

  private:
    void connectControls();
    void connectBoxes();
    void takeEdit(BoxId id, const QString& edited);
    void handle(std::string_view control, ControlEvent event, const QMouseEvent* press = nullptr);
    void carryOutWindowAction(ButtonAction action, const QMouseEvent* press);
    void showBoxes();
    void showTime();

    CalculatorEngine calculator;
    ErrorReporter& reporter;
    Clock clock;
    ClockFormat clockFormat;
    QTimer* timer;
    std::array<QLineEdit*, 3> boxes{};
    ClickLabel* dateLabel;
    ClickLabel* timeLabel;
    double clockPointSize;
};

} // namespace velkorn::ui
