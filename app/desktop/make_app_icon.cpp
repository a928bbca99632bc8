// make_app_icon FILE SIZE: writes the application icon as a PNG, for the
// desktop's menus and launchers.
#include <QImage>
#include <cstdio>
#include <cstdlib>

#include "app/desktop/app_icons.h"

int main(int argc, char** argv) {
  const int size = argc == 3 ? std::atoi(argv[2]) : 0;
  if (size < 16 || size > 1024) {
    std::fprintf(stderr, "usage: make_app_icon FILE SIZE (16 to 1024)\n");
    return 2;
  }
  if (!vyn::desktop::AppIconImage(size).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "make_app_icon: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
