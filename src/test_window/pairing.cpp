#include "core/colours.h"
#include "core/numbers.h"
#include "core/text_box.h"
#include "core/zorva_danni.h"
#include "test_window/zorva.h"

namespace {

constexpr qint64 kGreen = 65280;
constexpr qint64 kRed = 255;

}  // namespace

// "Избрах": the selected left and right phrases become a recorded pair.
void Zorva::Add_Pair() {
  const int L = Slowo[0]->selectedRow();
  const int R = Slowo[1]->selectedRow();
  if (L == -1 || R == -1) return;
  Slowo[2]->add(Slowo[0]->text(L) + u' ' + Slowo[1]->text(R));
  dum_N[2]->add(dum_N[0]->text(L));
  dum_N[3]->add(dum_N[1]->text(R));
  Slowo[0]->remove(L);
  Slowo[1]->remove(R);
  dum_N[0]->remove(L);
  dum_N[1]->remove(R);
  Show_Remaining();
}

// Puts the phrase of item `itemNumber` back into `phrases`. The key holds
// each number twice; its second match lies past the end of the items and
// adds an empty row, which sorts to row 0.
void Zorva::returnPhrase(StringList &key, const QString &itemNumber,
                         const StringList &items, StringList &phrases) {
  for (int i = 0; i < key.count(); ++i)
    if (key.text(i) == itemNumber) phrases.add(items.text(i));
}

// "Върни": the selected recorded pair goes back to the phrase lists.
void Zorva::Return_Pair() {
  const int k = Slowo[2]->selectedRow();
  if (k == -1) return;
  returnPhrase(*dum_N[4], dum_N[2]->text(k), *danni().Danni[0], *Slowo[0]);
  returnPhrase(*dum_N[5], dum_N[3]->text(k), *danni().Danni[1], *Slowo[1]);
  dum_N[2]->remove(k);
  dum_N[3]->remove(k);
  const int old = Slowo[2]->selectedRow();
  Slowo[2]->remove(old);
  if (Slowo[2]->count() > old) Slowo[2]->select(old);
  Map_Numbers();
  // Drop the empty rows and the numbers mapped to them.
  Slowo[0]->remove(0);
  Slowo[1]->remove(0);
  dum_N[0]->remove(0);
  dum_N[1]->remove(0);
  Show_Remaining();
  if (Slowo[2]->selectedRow() == -1 && Slowo[2]->count() > 0)
    Slowo[2]->select(Slowo[2]->count() - 1);
}

// Click handler of the three phrase lists.
void Zorva::Slowo_Click(int index) {
  switch (index) {
    case 0:
      dum_N[0]->select(Slowo[0]->selectedRow());
      Picture_Number = toInt16(leadingNumber(dum_N[0]->text(Slowo[0]->selectedRow())));
      Show_Picture(Picture_Number);
      break;
    case 1:
      dum_N[1]->select(Slowo[1]->selectedRow());
      break;
    case 2:
      Prowerka[0]->setText(QString());
      dum_N[2]->select(Slowo[2]->selectedRow());
      Picture_Number = toInt16(leadingNumber(dum_N[2]->text(Slowo[2]->selectedRow())));
      Show_Picture(Picture_Number);
      showMark(Slowo[2]->selectedRow());
      break;
    default:
      break;
  }
}

// The right/wrong mark of recorded pair `row`: "ДА" on green when its left
// and right item numbers agree, "НЕ" on red otherwise.
void Zorva::showMark(int row) {
  const bool right = dum_N[2]->text(row) == dum_N[3]->text(row);
  setBackground(*Prowerka[1], colourFromNumber(right ? kGreen : kRed));
  Prowerka[1]->setText(right ? u"ДА"_qs : u"НЕ"_qs);
}

// Click handler of the hidden number lists: keeps each phrase list on the
// row of its number list.
void Zorva::dum_N_Click(int index) {
  if (index == 0 || index == 1) Slowo[index]->select(dum_N[index]->selectedRow());
}
