#pragma once

#include <QFont>
#include <QString>

// The program's captions use Georgia and Tahoma. Where a machine lacks them,
// close free faces stand in: Debian's free Tahoma from its wine fonts, and
// for Georgia a serif face of similar width.
void RegisterFallbackFonts();

// A font of the given family whose characters are `pixels` high, the way
// the window captions give their sizes.
QFont GameFont(const QString& family, int pixels, bool bold = true);
