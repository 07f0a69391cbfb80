// The main window's toolbar: one image of the strip per button, no text, no
// tooltips.
#include "app/toolbar_win32.h"

#include <commctrl.h>

#include "app/app_state.h"
#include "resource_ids.h"

namespace {

constexpr int kToolbarId = 1;
constexpr int kImageSize = 16;

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
    return CreateToolbarEx(window, WS_CHILD | WS_VISIBLE, kToolbarId, count, g_app.instance,
                           IDB_TOOLBAR, buttons, count, kImageSize, kImageSize, kImageSize,
                           kImageSize, sizeof(TBBUTTON));
}
