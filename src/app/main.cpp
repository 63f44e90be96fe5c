#include <QApplication>

#include "app/TableWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sorvane-32"));
  TableWindow window;
  window.resize(1024, 720);
  window.show();
  return app.exec();
}
