// The shortcuts' cues over a card: a layer in front of every control that
// draws the badges the layout gives (velkorn/cardlayout.h) and lets every
// press through. The presenter says when it is shown.
#pragma once

#include "velkorn/cardlayout.h"

#include <QWidget>

#include <vector>

namespace velkorn::ui {

class KeyCues : public QWidget {
  public:
    explicit KeyCues(QWidget* card);

    void setCues(std::vector<KeyCue> laidOut);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<KeyCue> cues;
};

} // namespace velkorn::ui
