#pragma once

#include <QImage>
#include <QSize>

// The program's own picture: two fanned cards, a back behind the Ace of
// Spades, on a rounded square of table green. It is drawn from paths at any
// size, for the window icon, the desktop icons and the about box; the
// square is centred in `size` and the rest is see-through (ARGB32,
// premultiplied).
QImage ProgramPicture(QSize size);
