#include <QApplication>

#include "app/TablePreview.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Sorvane-32"));
  TablePreview window;
  window.setWindowTitle(QStringLiteral("Sorvane-32"));
  window.resize(1024, 720);
  window.show();
  return app.exec();
}
