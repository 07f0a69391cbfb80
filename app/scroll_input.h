// Scroll input of the main window: how many visual lines a key, a
// scroll-bar request or the mouse wheel moves the reading pane, and on which
// side the scroll bar stands.
#pragma once

#include <cstdint>

// What the handlers read from the pane before they scroll it.
struct ScrollPosition {
    int32_t topLine;
    int32_t lastTopLine;
    int32_t linesDrawn;  // by the last paint: the page
};

enum class ScrollKey { PageUp, PageDown, End, Home, Up, Down };

// Lines to scroll for a key. The page is the keyboard page step of `flags`
// (bits 20-22). End goes to the end (a page when the end is the top); Home
// to the top (a page back when already there).
int32_t KeyScrollLines(ScrollKey key, uint32_t flags, const ScrollPosition& position);

// Scroll-bar request codes, numbered as the window system numbers them.
enum ScrollBarCode {
    kScrollLineUp = 0,
    kScrollLineDown = 1,
    kScrollPageUp = 2,
    kScrollPageDown = 3,
    kScrollThumbPosition = 4,
    kScrollThumbTrack = 5,
    kScrollTop = 6,
    kScrollBottom = 7,
};

// Lines to scroll for a scroll-bar request; the page is always one less than
// the lines drawn. "Bottom" moves one line, as Line Down does; unknown codes 0.
int32_t ScrollBarLines(int code, int16_t thumbPosition, const ScrollPosition& position);

// Lines to scroll for a wheel delta: a notch (120) away from the reader
// scrolls one line back; smaller deltas scroll nothing and are not summed.
int32_t WheelLines(int16_t delta);

enum class ScrollBarSide { None, Right, Left };
// The left bit wins and implies a scroll bar.
ScrollBarSide ScrollBarSideForFlags(uint32_t flags);
