#pragma once

#include <QImage>

// Pictures for the tool-bar buttons: 32 x 32, RGB32. The bottom-left pixel
// holds a key colour used nowhere else in the picture, which the buttons
// show as see-through. For a screen with a device pixel ratio above 1 the
// picture is drawn with that many pixels per button pixel (its size rounded
// up) and carries the ratio.

// Two fanned playing cards, a back behind a face with a spade.
QImage DealGlyph(double ratio = 1.0);

// An arrow curving round and back to the left.
QImage UndoGlyph(double ratio = 1.0);

// A lit bulb with a screw base.
QImage HintGlyph(double ratio = 1.0);
