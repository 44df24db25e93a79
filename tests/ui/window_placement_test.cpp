#include "window_placement.h"

#include <gtest/gtest.h>

namespace classifier {
namespace {

struct Placement {
    QSize frame;
    QRect over;
    QRect available;
    QRect placed;
};

class FramePlaced : public testing::TestWithParam<Placement> {};
TEST_P(FramePlaced, LiesWhollyOnTheScreen) {
    const Placement& p = GetParam();
    const QRect placed = framePlaced(p.frame, p.over, p.available);
    EXPECT_EQ(placed, p.placed);
    EXPECT_TRUE(p.available.contains(placed));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FramePlaced,
    testing::Values(
        // centred on the main window where there is room
        Placement{{680, 560}, {282, 185, 715, 653}, {0, 0, 1280, 994}, {300, 232, 680, 560}},
        // a main window low on the screen: the frame moves up, not below the screen's edge
        Placement{{680, 560}, {282, 500, 715, 653}, {0, 0, 1280, 994}, {300, 434, 680, 560}},
        // and at its left edge
        Placement{{680, 560}, {-300, 100, 715, 653}, {0, 0, 1280, 994}, {0, 147, 680, 560}},
        // on the second of two screens
        Placement{{680, 560}, {1500, 100, 715, 653}, {1280, 0, 1920, 1050}, {1518, 147, 680, 560}},
        // a screen smaller than the frame: the frame shrinks to it
        Placement{{680, 560}, {0, 0, 715, 653}, {0, 0, 640, 480}, {0, 0, 640, 480}}));

} // namespace
} // namespace classifier
