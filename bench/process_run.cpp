#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <cstring>

#include "test_window/zorva.h"
#include "whole_test.h"

// One process of the benchmarks, from nothing to a window shown and painted
// once, then ending:
//   empty  an empty window of the test window's size (the toolkit's floor);
//   start  the test window, loaded;
//   test   the test window, then a whole test taken on it.
namespace {

void showAndPaint(QWidget &window) {
  window.show();
  QTest::qWaitForWindowExposed(&window);
  window.grab();
}

}  // namespace

int main(int argc, char *argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const char *mode = argc > 1 ? argv[1] : "empty";
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  if (std::strcmp(mode, "empty") == 0) {
    QMainWindow window;
    window.setFixedSize(750, 486);  // the test window's size, menu bar included
    showAndPaint(window);
    return 0;
  }
  Zorva window;
  showAndPaint(window);
  if (std::strcmp(mode, "test") == 0) {
    takeWholeTest(window);
    window.grab();
  }
  return 0;
}
