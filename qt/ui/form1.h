// The main window as a humble view: its card, three number boxes and the
// clock timer. What it does is Form1Presenter's: clicks, the boxes' edit
// rule, the clock; the window shows what the presenter asks.
#pragma once

#include "cardwindow.h"
#include "localclock.h"

#include "velkorn/form1presenter.h"

#include <QDateTime>

#include <array>
#include <functional>

class QTimer;

namespace velkorn::ui {

class TextBox;

class Form1 final : public CardWindow, public Form1View {
    Q_OBJECT

  public:
    using Clock = LocalClock::Now;

    explicit Form1(FormHost& host, Clock clock = &QDateTime::currentDateTime,
                   QWidget* parent = nullptr);
    ~Form1() override;

    Form1Presenter& presenter() override { return form; }
    const CalculatorEngine& engine() const { return form.engine(); }

    void showBoxText(BoxId box, const std::u16string& text, std::size_t caret) override;
    bool hasFocus(BoxId box) const override;

  private:
    void connectBoxes();

    LocalClock clock;
    Form1Presenter form;
    QTimer* timer;
    std::array<TextBox*, 3> boxes{};
};

} // namespace velkorn::ui
