// The main window's reading pane: the pane view on the window's own device
// context, fitted to the client area below the toolbar and above the date
// caption strip, the scroll bar that follows it, click paging, and the
// window-level paint with the caption strip.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "view/pane.h"

// Paint flags of PaintWindow and RefreshWindow.
constexpr uint32_t kPaintText = 0x1;
constexpr uint32_t kPaintErase = 0x100;
constexpr uint32_t kPaintEraseAndText = 0x1FF;
constexpr uint32_t kPaintAllButErase = 0x0FF;

// Takes and keeps the window's device context, builds the caption font and
// lays out the lesson of g_app.Lesson at g_app.LastPosition. Shows "Resource
// not found" when the lesson cannot be loaded. 0 when done.
int OpenReadingPane(HWND window);

// WM_SIZE: fits the frame, the caption strip and the toolbar to the new
// client size (lParam) and lays the lesson out again.
void OnPaneResize(HWND window, LPARAM clientSize);

// Every move of the pane ends here: the listener hears of it (screen readers
// then hear when the line at its top moved), then the vertical scroll bar
// follows the pane's range and position (nothing when Flags asks for no
// scroll bar, or when the bar shows them already).
void UpdateScrollBar(HWND window);

// Called by UpdateScrollBar after every move of the pane; null: none.
using PaneMovedListener = void (*)();
void SetPaneMovedListener(PaneMovedListener listener);

// Paints the window (null: the main window) outside WM_PAINT, then updates
// the scroll bar. When the bar comes or goes, the window is painted once,
// after the resize that this brings, and still before this returns.
void RefreshWindow(HWND window, uint32_t flags);

// WM_LBUTTONDOWN: pages the pane when the click is for it (1), else 0. A
// click on the caption strip's rows never is.
int PageOnClick(HWND window, TextView* view, int x, int y, int repaintMode);

// True when client row `y` is one of the caption strip's.
bool InCaptionStrip(int y);

// The main window's paint: with kPaintErase clears the client below the
// toolbar, with kPaintText paints the pane's text, then the caption strip.
// A null dc brackets the work with BeginPaint and EndPaint.
void PaintWindow(HDC dc, HWND window, uint32_t flags);

// (Re)builds g_app.captionFont from the reader's face, 14 pixels high at 96
// pixels per inch, scaled to g_app.dpi. When the font cannot be made the
// strip keeps the font it had.
void CreateCaptionFont();

// After the reader chose another face or size: the caption font, the strip
// and the pane's fonts are rebuilt, the lesson is laid out again and painted.
void ApplyReadingFont(HWND window);

// Brings the line holding `offset` to the top of the pane and paints the
// window; when a scroll bar comes or goes on the way and the text is laid
// out again for the new width, the line still comes to the top.
void ShowTextOffsetAtTop(HWND window, uint32_t offset);

// Zoom: the reading size becomes `size` (0: the default) as if chosen in the
// font dialog, the text is laid out again with the line at the top kept
// there, and the window painted. False, and nothing at all happens, when the
// size is the one in force.
bool ZoomReadingFont(HWND window, int32_t size);

// The point size the reader's face reads at when no size is chosen, as the
// pane's regular font at the default size measures; 0 without a pane.
int32_t DefaultReadingPoints();

// After g_app.dpi changed (and the window and the toolbar took their new
// sizes): the caption font and strip, the pane's fonts and frame are rebuilt
// for it and the lesson laid out again with the line holding `topOffset` (a
// TopTextOffset taken before) at the top; the window is repainted.
void RescaleReadingPane(HWND window, uint32_t topOffset);

// The civil date of the day shown in the user's long date format, as the
// strip shows it beside the caption; empty when the system cannot write it.
std::u16string ShownCivilDateText();

// Height of the toolbar window; 0 when there is none.
int ToolbarHeight();

// WM_DESTROY: gives back the device context the pane holds and deletes the
// caption font. The view itself stays until DestroyTextView.
void CloseReadingPane(HWND window);
