#pragma once

#include <QImage>

// Pictures for the tool-bar buttons: 32 x 32, RGB32. The bottom-left pixel
// holds a key colour used nowhere else in the picture, which the buttons
// show as see-through.

// Two fanned playing cards, a back behind a face with a spade.
QImage DealGlyph();

// An arrow curving round and back to the left.
QImage UndoGlyph();
