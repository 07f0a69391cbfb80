// The main window's toolbar: one image of the strip per button, no text, no
// tooltips. The strip is drawn at three sizes; the toolbar takes the one
// nearest the window's scale.
#include "app/toolbar_win32.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "resource_ids.h"
#include "view/display_scale.h"

namespace {

constexpr int kToolbarId = 1;

struct ImageStrip {
    int size;  // pixels, square
    int bitmap;
};
// At 100, 150 and 200 percent.
constexpr ImageStrip kStrips[kDrawnScales] = {
    {16, IDB_TOOLBAR}, {24, IDB_TOOLBAR_24}, {32, IDB_TOOLBAR_32}};

TBBUTTON Button(int image, int command) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    button.fsStyle = TBSTYLE_BUTTON;
    return button;
}

}  // namespace

HWND CreateMainToolbar(HWND window) {
    TBBUTTON buttons[] = {
        Button(0, CMD_PREVIOUS_DAY), Button(1, CMD_TODAY),  Button(2, CMD_NEXT_DAY),
        Button(3, CMD_FONT),         Button(4, CMD_SEARCH), Button(5, CMD_SEARCH_AGAIN),
    };
    const int count = sizeof(buttons) / sizeof(buttons[0]);
    const ImageStrip& strip = kStrips[NearestDrawnScale(g_app.dpi)];
    return CreateToolbarEx(window, WS_CHILD | WS_VISIBLE, kToolbarId, count, g_app.instance,
                           strip.bitmap, buttons, count, strip.size, strip.size, strip.size,
                           strip.size, sizeof(TBBUTTON));
}
