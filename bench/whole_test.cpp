#include "whole_test.h"

#include "fixtures/learner.h"
#include "test_window/zorva.h"

using namespace learner;

int takeWholeTest(Zorva &window) {
  int actions = 0;
  for (int item = 1; item <= 25; ++item) {
    recordPair(window, item, item);
    actions += 3;
  }
  clickRow(window, 2, 12);
  clickButton(window, 1);
  recordPair(window, 13, 13);
  clickButton(window, 2);
  actions += 6;
  for (int row = 0; row < 25; ++row) {
    clickRow(window, 2, row);
    clickButton(window, 3);
    actions += 2;
  }
  return actions;
}
