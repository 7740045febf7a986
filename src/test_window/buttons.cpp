#include "test_window/zorva.h"

// The four buttons share one handler. "Оцени" is refreshed first, so its
// state reflects the lists as they were before this click's own action.
void Zorva::Uprawl_Click(int index) {
  Update_Buttons();
  switch (index) {
    case 0:
      Add_Pair();
      break;
    case 1:
      Return_Pair();
      break;
    case 2:
      gradeBranch();
      break;
    case 3:
      explainBranch();
      break;
    default:
      break;
  }
}
