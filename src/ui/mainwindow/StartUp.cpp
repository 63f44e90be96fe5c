#include "ui/mainwindow/StartUp.h"

#include <QApplication>
#include <QIcon>

#include "cards/ProgramPicture.h"
#include "ui/dialogs/AboutBox.h"
#include "ui/look/GameFonts.h"

namespace {

// The program's picture at the sizes window managers and task bars ask for.
QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : {16, 24, 32, 48, 64, 128, 256})
    icon.addPixmap(QPixmap::fromImage(ProgramPicture(QSize(size, size))));
  return icon;
}

}  // namespace

void StartUp() {
  QApplication::setApplicationName(QStringLiteral("Sorvane-32"));
  QApplication::setApplicationVersion(ProgramVersion());
  // Desktops match the window to its entry, sorvane32.desktop, by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral("sorvane32"));
  QApplication::setWindowIcon(ProgramIcon());
  RegisterFallbackFonts();
}
