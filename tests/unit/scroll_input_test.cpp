// Scroll input of the main window: keys, scroll-bar requests, the wheel and
// the side of the scroll bar.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/scroll_input.h"

namespace {

// Twenty lines to a frame, at line 5 of a lesson whose last screenful starts
// at line 25.
constexpr ScrollPosition kMiddle{5, 25, 20};
constexpr uint32_t kHalfPageKeys = (kDefaultFlags & ~0x00700000u) | 0x00200000u;

}  // namespace

TEST(KeyScrollLines, PagesFollowTheKeyboardField) {
    EXPECT_EQ(KeyScrollLines(ScrollKey::PageDown, kDefaultFlags, kMiddle), 19);
    EXPECT_EQ(KeyScrollLines(ScrollKey::PageUp, kDefaultFlags, kMiddle), -19);
    EXPECT_EQ(KeyScrollLines(ScrollKey::PageDown, kHalfPageKeys, kMiddle), 10);
    EXPECT_EQ(KeyScrollLines(ScrollKey::PageUp, (kDefaultFlags & ~0x00700000u) | 0x00400000u, kMiddle), -10);
    // The click-paging field does not change the keys.
    EXPECT_EQ(KeyScrollLines(ScrollKey::PageDown, kDefaultFlags | 0x02000000u, kMiddle), 19);
    EXPECT_EQ(KeyScrollLines(ScrollKey::PageDown, kHalfPageKeys, {0, 0, 7}), 3);
}

TEST(KeyScrollLines, HomeAndEndGoToTheEndsOrPage) {
    EXPECT_EQ(KeyScrollLines(ScrollKey::Home, kDefaultFlags, kMiddle), -5);
    EXPECT_EQ(KeyScrollLines(ScrollKey::End, kDefaultFlags, kMiddle), 25);
    const ScrollPosition top{0, 0, 20};
    EXPECT_EQ(KeyScrollLines(ScrollKey::Home, kDefaultFlags, top), -19);
    EXPECT_EQ(KeyScrollLines(ScrollKey::End, kDefaultFlags, top), 19);
    EXPECT_EQ(KeyScrollLines(ScrollKey::Up, kDefaultFlags, kMiddle), -1);
    EXPECT_EQ(KeyScrollLines(ScrollKey::Down, kDefaultFlags, kMiddle), 1);
}

TEST(ScrollBarLines, EachRequest) {
    EXPECT_EQ(ScrollBarLines(kScrollLineUp, 0, kMiddle), -1);
    EXPECT_EQ(ScrollBarLines(kScrollLineDown, 0, kMiddle), 1);
    EXPECT_EQ(ScrollBarLines(kScrollPageUp, 0, kMiddle), -19);
    EXPECT_EQ(ScrollBarLines(kScrollPageDown, 0, kMiddle), 19);
    EXPECT_EQ(ScrollBarLines(kScrollThumbTrack, 25, kMiddle), 20);
    EXPECT_EQ(ScrollBarLines(kScrollThumbPosition, 0, kMiddle), -5);
    EXPECT_EQ(ScrollBarLines(kScrollTop, 0, kMiddle), -5);
    EXPECT_EQ(ScrollBarLines(kScrollBottom, 0, kMiddle), 1);
    EXPECT_EQ(ScrollBarLines(8, 0, kMiddle), 0);  // end of scroll
}

TEST(ScrollBarLines, ThePageIgnoresTheKeyboardField) {
    EXPECT_EQ(ScrollBarLines(kScrollPageDown, 0, {0, 25, 20}), 19);
    EXPECT_EQ(ScrollBarLines(kScrollPageUp, 0, {0, 0, 0}), 1);  // nothing drawn yet
}

TEST(WheelLines, WholeNotchesOnly) {
    EXPECT_EQ(WheelLines(-120), 1);
    EXPECT_EQ(WheelLines(-240), 2);
    EXPECT_EQ(WheelLines(-60), 0);
    EXPECT_EQ(WheelLines(60), 0);
    EXPECT_EQ(WheelLines(120), -1);
    EXPECT_EQ(WheelLines(-359), 2);
    EXPECT_EQ(WheelLines(359), -2);
    EXPECT_EQ(WheelLines(-32768), 273);
}

TEST(ScrollBarSideForFlags, LeftWinsAndImpliesABar) {
    EXPECT_EQ(ScrollBarSideForFlags(kDefaultFlags), ScrollBarSide::Right);
    EXPECT_EQ(ScrollBarSideForFlags(0x80), ScrollBarSide::Left);
    EXPECT_EQ(ScrollBarSideForFlags(0xC0), ScrollBarSide::Left);
    EXPECT_EQ(ScrollBarSideForFlags(kDefaultFlags & ~0x40u), ScrollBarSide::None);
}
