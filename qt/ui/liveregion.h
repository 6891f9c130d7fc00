// The window's live region: a notification, shown while it holds a text
// and hidden while empty (screen readers speak a notification when it
// shows), drawn as nothing and letting every press through to the window.
#pragma once

#include <QLabel>

class QAccessibleInterface;

namespace velkorn::ui {

class LiveRegion : public QLabel {
    Q_OBJECT

  public:
    explicit LiveRegion(QWidget* window);

    void showText(const QString& text);
};

// What screen readers see of it: a notification named by its message.
QAccessibleInterface* liveRegionAccessible(LiveRegion* liveRegion);

} // namespace velkorn::ui
