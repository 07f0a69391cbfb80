// Scroll input of the main window.
#include "app/scroll_input.h"

#include "app/app_state.h"
#include "view/pane.h"

int32_t KeyScrollLines(ScrollKey key, uint32_t flags, const ScrollPosition& position) {
    const int32_t page = KeyPageStep(flags, position.linesDrawn);
    switch (key) {
    case ScrollKey::PageUp: return -page;
    case ScrollKey::PageDown: return page;
    case ScrollKey::End: return position.lastTopLine != 0 ? position.lastTopLine : page;
    case ScrollKey::Home: return position.topLine != 0 ? -position.topLine : -page;
    case ScrollKey::Up: return -1;
    case ScrollKey::Down: return 1;
    }
    return 0;
}

int32_t ScrollBarLines(int code, int16_t thumbPosition, const ScrollPosition& position) {
    switch (code) {
    case kScrollLineUp: return -1;
    case kScrollLineDown: return 1;
    case kScrollPageUp: return 1 - position.linesDrawn;
    case kScrollPageDown: return position.linesDrawn - 1;
    case kScrollThumbPosition:
    case kScrollThumbTrack: return thumbPosition - position.topLine;
    case kScrollTop: return -position.topLine;
    case kScrollBottom: return 1;
    }
    return 0;
}

int32_t WheelLines(int16_t delta) { return delta / -120; }

ScrollBarSide ScrollBarSideForFlags(uint32_t flags) {
    if (flags & kFlagScrollBarLeft) return ScrollBarSide::Left;
    if (flags & kFlagScrollBar) return ScrollBarSide::Right;
    return ScrollBarSide::None;
}
