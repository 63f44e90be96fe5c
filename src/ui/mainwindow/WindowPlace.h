#pragma once

#include <QList>
#include <QRect>

class QWidget;

// Where a window goes on the desktop so that the player can reach it. The
// rectangles are the window's frame and the screens' areas free of panels,
// the primary screen first.

// Shrinks the frame where it is larger than the screen, then moves it as
// little as needed to lie wholly on the screen.
QRect FitOnScreen(const QRect& frame, const QRect& screen);

// The frame as it is when a usable part of it (its top edge included, where
// the title bar is grabbed) lies on a screen that it is no larger than;
// otherwise centred on that screen, or on the primary screen when it is on
// none, and shrunk to fit.
QRect ReachablePlace(const QRect& frame, const QList<QRect>& screens);

// The frame that the settings file asks for: `frame` with its client area
// `screenHeight` tall (kept when 0 or less, at least `leastClientHeight`)
// and its top left at `position`; `clientHeight` is the client's present
// height. Any ints give a frame whose edges fit an int, as far off
// as they ask, for ReachablePlace to bring back.
QRect FrameFromSettings(const QRect& frame, int clientHeight, int leastClientHeight,
                        int screenHeight, QPoint position);

// Shows a side window and brings it to the front; the first time it comes
// to the middle of the primary screen, later it stays where the player put it.
void PresentSideWindow(QWidget& window, bool& placed);
