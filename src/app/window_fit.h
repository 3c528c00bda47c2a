#pragma once

#include <QRect>
#include <QSize>

class QLayout;
class QWidget;

namespace kelvane {

// What the window manager adds around a window's client area (title bar and borders), kept free
// when a window is fitted to the screen.
inline constexpr QSize kWindowFrameAllowance(16, 48);

// The wanted client size, made small enough for the window and its frame to fit the available
// area of the screen (a 1366 x 768 screen less its task bar, say).
QSize sizeWithin(const QSize& wanted, const QRect& available);

// Resizes a top-level window to fit the available area of its screen and moves it inside that area.
void fitWithinScreen(QWidget* window);

// Gives a window a scroll area that holds `content`, with `below` (its buttons) under it and always
// in view. The window starts at the size that shows all of the content; on a screen too small for
// that, fitWithinScreen makes it smaller and the content scrolls.
void setScrollingContent(QWidget* window, QWidget* content, QLayout* below);

} // namespace kelvane
