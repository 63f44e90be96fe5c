#pragma once

#include <QColor>

class QWidget;

// The window's own colours on plain widgets: a filled background and a text colour.
void Fill(QWidget* widget, QColor background);
void SetTextColour(QWidget* widget, QColor colour);
