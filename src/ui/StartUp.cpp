#include "ui/StartUp.h"

#include <QApplication>

#include "ui/GameFonts.h"

void StartUp() {
  QApplication::setApplicationName(QStringLiteral("Sorvane-32"));
  RegisterFallbackFonts();
}
