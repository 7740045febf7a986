#include <QLabel>
#include <QPushButton>

#include "core/numbers.h"
#include "core/text_box.h"
#include "core/zorva_danni.h"
#include "test_window/zorva.h"

// Load procedure: runs once, before the window is first shown.
void Zorva::Form_Load() {
  Score = 0;
  const StringList &layout = *danni().Danni[3];
  setWindowTitle(layout.text(0));
  setOuterWidth(toInt32(leadingNumber(layout.text(1))));
  moveListInTwips(0, toInt32(leadingNumber(layout.text(2))), toInt32(leadingNumber(layout.text(3))));
  moveListInTwips(1, toInt32(leadingNumber(layout.text(4))), toInt32(leadingNumber(layout.text(5))));
  Prowerka[0]->setText(danni().Ukazanie);
  const int n = danni().Danni[0]->count();
  const int m = danni().Danni[1]->count();
  Nastroiki->setText(0, decimalText(n < m ? n : m));
  Fill_Numbers();
  Fill_Lists();
  Map_Numbers();
  // A content without phrases on one side has no row 0 to select.
  if (Slowo[0]->count() > 0) Slowo[0]->select(0);
  if (Slowo[1]->count() > 0) Slowo[1]->select(0);
  Update_Buttons();
}

// The answer key: item numbers 1 to n, twice over, on each side.
void Zorva::Fill_Numbers() {
  for (int side = 0; side < 2; ++side) {
    StringList &key = *dum_N[4 + side];
    const int items = danni().Danni[side]->count();
    key.clear();
    for (int run = 0; run < 2; ++run)
      for (int number = 1; number <= items; ++number) key.add(decimalText(number));
  }
}

void Zorva::Fill_Lists() {
  for (int side = 0; side < 2; ++side) {
    const StringList &items = *danni().Danni[side];
    for (int i = 0; i < items.count(); ++i) Slowo[side]->add(items.text(i));
  }
}

// Rebuilds dum_N(0) and dum_N(1): the item number of each phrase, row for
// row. A phrase is looked up in the content from its first row; the empty
// text finds the first row past the end. The search stops there, so a text
// the content does not hold gets that row's number too.
void Zorva::Map_Numbers() {
  for (int side = 0; side < 2; ++side) {
    const StringList &items = *danni().Danni[side];
    const StringList &phrases = *Slowo[side];
    StringList &numbers = *dum_N[side];
    numbers.clear();
    for (int i = 0; i < phrases.count(); ++i) {
      int j = 0;
      while (j < items.count() && items.text(j) != phrases.text(i)) ++j;
      numbers.add(dum_N[4 + side]->text(j));
    }
  }
}

void Zorva::Show_Remaining() {
  const int a = Slowo[0]->count();
  const int b = Slowo[1]->count();
  Ndapis->setText(u"Остават: "_qs + decimalText(a < b ? a : b));
}

// "Оцени" is enabled once the recorded pairs number at least three times the
// right phrases still unpaired.
void Zorva::Update_Buttons() {
  Uprawl[2]->setEnabled(Slowo[2]->count() >= 3 * Slowo[1]->count());
}
