#include <QLabel>
#include <QPushButton>

#include "core/numbers.h"
#include "core/text_box.h"
#include "test_window/zorva.h"

// "Оцени": grades the test once at least one pair is recorded.
void Zorva::gradeBranch() {
  if (Slowo[2]->count() == 0) return;
  Grade_Test();
  Uprawl[3]->setEnabled(true);
  Uprawl[2]->setEnabled(false);
}

// Counts the recorded pairs found in the answer key and shows the share of
// all correct combinations; locks recording and taking back, shows the mark
// of the first pair.
void Zorva::Grade_Test() {
  Score = 0;
  const int last = Slowo[2]->count() - 1;
  const int N = toInt32(leadingNumber(Nastroiki->text(0)));
  // The key's first run holds the N combinations (k, k) in order. Read from
  // there, it is right also when the two sides have different counts, where
  // positions 1 to N would pair item 1 with item n + 1.
  for (int i = 0; i <= last; ++i)
    for (int j = 0; j < N; ++j)
      if (dum_N[2]->text(i) == dum_N[4]->text(j) && dum_N[3]->text(i) == dum_N[5]->text(j))
        ++Score;
  // A test without correct combinations has nothing to get right.
  const qint16 percent = N > 0 ? toInt16(Score * 100.0 / N) : 0;
  Uprawl[0]->setEnabled(false);
  Uprawl[1]->setEnabled(false);
  Ndapis->setText(u"Верни: "_qs + decimalText(percent) + u'%');
  if (Slowo[2]->count() > 0) Slowo[2]->select(0);
  Slowo_Click(2);
  Prowerka[1]->show();
}
