#include "fakes.h"

#include <gtest/gtest.h>

namespace velkorn::test {
namespace {

// ModalMove: the system's move runs to its end before it returns, the
// release delivered inside it (Windows).
enum class Step { Press, Move, MoveReleased, Release, Cancel, Scale, ModalMove };

struct Event {
    Step step;
    int x = 0;
    int y = 0;
    MouseButton button = MouseButton::Left;
};

struct DragCase {
    const char* name;
    bool systemMoves;
    bool systemMoveOnPress;
    std::vector<Event> events;
    std::vector<std::string> calls;
    WindowDrag::State end;
};

// The window starts at 100,100; the drag distance is 4 pixels either way.
TEST(WindowDrag, PressDistanceButtonAndRelease) {
    using enum Step;
    using S = WindowDrag::State;
    const MouseButton right = MouseButton::Right;
    const MouseButton middle = MouseButton::Middle;
    const DragCase table[] = {
        {"a click stays a click", true, false, {{Press, 150, 140}, {Release}}, {}, S::Idle},
        {"within the distance nothing moves",
         true,
         false,
         {{Press, 150, 140}, {Move, 154, 136}},
         {},
         S::Pressed},
        {"left: catch up, then the system's move",
         true,
         false,
         {{Press, 150, 140}, {Move, 160, 140}, {Move, 200, 200}},
         {"move 110,100", "system move from 160,140"},
         S::HandedOver},
        {"left where the system cannot: by hand",
         false,
         false,
         {{Press, 150, 140}, {Move, 160, 140}, {Move, 200, 200}},
         {"move 110,100", "system move from 160,140", "move 150,160"},
         S::MovingByHand},
        {"right: by hand, the grabbed point under the pointer",
         true,
         false,
         {{Press, 150, 140, right}, {Move, 140, 150}, {Move, 50, 220}, {Release, 0, 0, right}},
         {"move 90,110", "move 0,180"},
         S::Idle},
        {"middle: by hand",
         true,
         false,
         {{Press, 10, 10, middle}, {Move, 30, 10}},
         {"move 120,100"},
         S::MovingByHand},
        {"a release that reached the window cancels the system's move",
         true,
         false,
         {{Press, 150, 140}, {Move, 160, 140}, {Release}},
         {"move 110,100", "system move from 160,140", "cancel system move"},
         S::Idle},
        {"the release went elsewhere: the next motion ends the drag",
         true,
         false,
         {{Press, 150, 140, right}, {MoveReleased, 190, 190}, {Move, 300, 300}},
         {},
         S::Idle},
        {"another button's release does not end it",
         true,
         false,
         {{Press, 150, 140, right}, {Release}, {Move, 160, 140}},
         {"move 110,100"},
         S::MovingByHand},
        {"a modal system move that ended with its release leaves nothing held",
         true,
         false,
         {{ModalMove}, {Press, 150, 140}, {Move, 160, 140}},
         {"move 110,100", "system move from 160,140"},
         S::Idle},
        {"a modal system move on press, likewise",
         true,
         true,
         {{ModalMove}, {Press, 150, 140}},
         {"system move from 150,140"},
         S::Idle},
        {"lost pointer", true, false, {{Press, 150, 140}, {Cancel}, {Move, 200, 200}}, {}, S::Idle},
        {"on press where the system needs the press (any button)",
         true,
         true,
         {{Press, 150, 140, right}, {Move, 200, 200}},
         {"system move from 150,140"},
         S::HandedOver},
        {"on press refused: the usual rules",
         false,
         true,
         {{Press, 150, 140, right}, {Move, 200, 200}},
         {"system move from 150,140", "move 150,160"},
         S::MovingByHand},
        {"twice the scale mid-drag: the same point of the picture stays under the pointer",
         true,
         false,
         {{Press, 150, 140, right}, {Move, 160, 140}, {Scale}, {Move, 300, 300}},
         {"move 110,100", "move 200,220"},
         S::MovingByHand},
    };
    for (const DragCase& row : table) {
        SCOPED_TRACE(row.name);
        FakeCardView view;
        view.systemMoves = row.systemMoves;
        WindowDrag drag(view, {.distance = {4, 4}, .systemMoveOnPress = row.systemMoveOnPress});
        for (const Event& event : row.events) {
            switch (event.step) {
            case Press:
                drag.press(event.button, {event.x, event.y});
                break;
            case Move:
                drag.move({event.x, event.y}, true);
                break;
            case MoveReleased:
                drag.move({event.x, event.y}, false);
                break;
            case Release:
                drag.release(event.button);
                break;
            case Cancel:
                drag.cancel();
                break;
            case Scale:
                drag.windowScaled(2.0);
                break;
            case ModalMove:
                view.duringSystemMove = [&drag] { drag.release(MouseButton::Left); };
                break;
            }
        }
        EXPECT_EQ(view.calls, row.calls);
        EXPECT_EQ(drag.state(), row.end);
    }
}

} // namespace
} // namespace velkorn::test
