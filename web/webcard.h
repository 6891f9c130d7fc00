// A card as an element of the page, as a humble view: built from the
// shared description, laid out, captioned and shown as its presenter asks
// (dom.h does the DOM's part), with the page's events handed to the
// presenter through the application's entry points. One card a window.
#pragma once

#include "velkorn/cardpresenter.h"
#include "velkorn/formdescription.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace velkorn::web {

class WebCard : public virtual CardView {
  public:
    explicit WebCard(const FormDescription& description);
    virtual ~WebCard() = default;
    WebCard(const WebCard&) = delete;
    WebCard& operator=(const WebCard&) = delete;

    virtual CardPresenter& presenter() = 0;
    int number() const { return card; }
    void show();
    void hide();
    void runPostedTask();
    // The device pixel ratio changed (zoom, another screen).
    void scaleChanged();
    // Colours were forced, or are no longer (high contrast).
    void contrastChanged();

    // CardView
    void setCaption(std::string_view control, const std::u16string& text,
                    double pointSize) override;
    double captionWidth(const std::u16string& text, double pointSize) const override;
    double controlWidth(std::string_view control) const override;
    void setControlVisible(std::string_view control, bool visible) override;
    void setControlChecked(std::string_view control, bool checked) override;
    void layOut(const CardLayout& layout) override;
    void showLiveText(const std::u16string& text) override;
    void showKeyCues(bool shown) override;
    void beep() override {}
    void addDecorations() override;
    void focusControl(std::string_view control) override;
    void postTask(std::function<void()> task) override;
    PixelRect workArea() const override;
    Point windowSize() const override;
    Point windowPosition() const override;
    void moveWindowTo(Point topLeft) override;
    bool startSystemMove(MouseButton, Point) override { return false; }
    void cancelSystemMove() override {}

  protected:
    void present();
    static DragSettings dragSettings() { return {.distance = {4, 4}, .systemMoveOnPress = false}; }

  private:
    void describeForScreenReaders(const AccessibleItem& item);

    const FormDescription& description;
    int card;
    std::vector<PixelRect> areas; // as laid out, in the description's order
    std::deque<std::function<void()>> tasks;
};

} // namespace velkorn::web
