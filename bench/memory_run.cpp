#include <QApplication>
#include <QMainWindow>
#include <cstring>

#include "test_window/zorva.h"
#include "whole_test.h"

// Runs one of two processes whose peak memory bench/run.sh compares:
// "empty" shows an empty window of the test window's size; "test" takes a
// whole test on the test window.
int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const bool wholeTest = argc > 1 && std::strcmp(argv[1], "test") == 0;
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  if (wholeTest) {
    Zorva window;
    window.show();
    window.repaint();
    takeWholeTest(window);
    window.repaint();
  } else {
    QMainWindow window;
    window.setFixedSize(750, 486);  // the test window's size, menu bar included
    window.show();
    window.repaint();
  }
  return 0;
}
