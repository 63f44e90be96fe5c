#include <QApplication>

#include "ui/mainwindow/Form1.h"
#include "ui/mainwindow/StartUp.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  StartUp();
  TForm1 window;
  window.show();
  return app.exec();
}
