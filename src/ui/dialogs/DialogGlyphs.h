#pragma once

#include <QImage>

// The small pictures of the dialogs' OK and Cancel buttons, drawn by the
// program: a green tick and a red cross, 16 x 16 and see-through around.
QImage OKGlyph();
QImage CancelGlyph();
