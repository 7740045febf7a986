#include "core/numbers.h"
#include "core/string_list.h"
#include "test_window/picture_box.h"
#include "test_window/zorva.h"
#include "test_window/zorva_graphika.h"

namespace {

// Items above 30 have no picture box in the store.
bool hasBox(int k) { return k >= 1 && k <= Content::kPictureBoxes; }

}  // namespace

// Shows the picture of item k in the panel, or the blank picture when the
// item has none, and hides the enlarged view. A flag that is not a number
// counts as no picture.
void Zorva::Show_Picture(qint16 k) {
  Zorva_Graphika &store = graphika();
  const double flag = strictNumber(store.Spis_graf->text(k)).value_or(0);
  if (flag != 0 && hasBox(k))
    Grafika[0]->setPicture(store.Graphika[k]->picture());
  else
    Grafika[0]->setPicture(Grafika[1]->picture());
  store.hide();
}

// A click on the panel opens the current item's picture at its stored size.
void Zorva::Grafika_Click(int) {
  const int k = Picture_Number;
  Zorva_Graphika &store = graphika();
  if (leadingNumber(store.Spis_graf->text(k)) <= 0 || !hasBox(k)) return;
  const PictureBox &stored = *store.Graphika[k];
  const QSizeF size = stored.sizeInTwips();
  store.Graphika[0]->setSizeInTwips(size);
  store.Graphika[0]->setPicture(stored.picture());
  store.setOuterSizeInTwips(size.width() + 100, size.height() + 250);
  store.show();
  // Shown, the window knows its frame: the outer size again, frame included.
  store.setOuterSizeInTwips(size.width() + 100, size.height() + 250);
}
