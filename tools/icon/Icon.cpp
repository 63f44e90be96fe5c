// Draws the program's desktop icons at build time:
//   sorvane-icon folder
// writes folder/hicolor/<n>x<n>/apps/sorvane32.png for every size a desktop
// asks for, drawn afresh at each size rather than scaled.
#include <QDir>
#include <QImage>
#include <cstdio>

#include "cards/ProgramPicture.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: sorvane-icon folder\n");
    return 2;
  }
  const QDir root(QString::fromLocal8Bit(argv[1]));
  for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const QString folder = root.filePath(QStringLiteral("hicolor/%1x%1/apps").arg(size));
    const QString path = folder + QStringLiteral("/sorvane32.png");
    if (!QDir().mkpath(folder) || !ProgramPicture(QSize(size, size)).save(path, "PNG")) {
      std::fprintf(stderr, "sorvane-icon: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
