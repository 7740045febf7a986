#include <QApplication>

#include "test_window/zorva.h"

int main(int, char *argv[]) {
  // The program takes no command line: Qt sees only the program name.
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  Zorva window;
  window.show();
  return app.exec();
}
