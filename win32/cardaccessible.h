// What Windows screen readers meet on a card (MSAA's IAccessible), bridged
// mechanically from the toolkit-free accessible tree: the controls in
// reading order with their names, roles, descriptions, shortcuts, values
// and states, presses that post the click, and the hit-test of the
// presenters. The boxes are their real EDIT windows, each behind a thin
// wrapper that gives it its name. Served from WM_GETOBJECT; oleacc and
// oleaut32 are loaded only when a screen reader first asks, so a start
// without one pays nothing for them.
#pragma once

#include "velkorn/accessibletree.h"

#include <windows.h>

#include <oleacc.h>

#include <string_view>
#include <vector>

namespace velkorn::win32 {

class CardWindow;

class CardAccessible;

// The card's accessible object and its boxes' wrappers, made on demand.
class CardAccessibility {
  public:
    explicit CardAccessibility(CardWindow& card);
    ~CardAccessibility();
    CardAccessibility(const CardAccessibility&) = delete;
    CardAccessibility& operator=(const CardAccessibility&) = delete;

    // WM_GETOBJECT for the card (OBJID_CLIENT); false: not ours to answer.
    bool answer(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // What changed, for screen readers that listen.
    void controlShown(std::string_view control, bool shown);
    void controlChecked(std::string_view control);

  private:
    CardWindow& card;
    std::vector<AccessibleItem> tree;
    std::vector<HWND> subclassed;
    CardAccessible* object = nullptr;
};

} // namespace velkorn::win32
