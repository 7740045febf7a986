#include <QPushButton>

#include "core/numbers.h"
#include "core/text_box.h"
#include "core/zorva_danni.h"
#include "test_window/zorva.h"

// "Обясни": one hint while the test runs, after grading the explanation of
// the selected recorded pair.
void Zorva::explainBranch() {
  if (Uprawl[0]->isEnabled()) {
    if (Slowo[0]->selectedRow() == -1 || Slowo[1]->selectedRow() == -1) return;
    Explain_Selection();
    Uprawl[3]->setEnabled(false);
  } else {
    if (Slowo[2]->selectedRow() == -1) return;
    Explain_Answer();
    Uprawl[2]->setEnabled(false);
  }
}

void Zorva::appendLine(const QString &line) {
  Prowerka[0]->setText(Prowerka[0]->text() + u"\r\n"_qs + line);
}

// Writes which left phrase belongs with which right phrase for item k, then
// the item's further lines, if it has any, and shows its picture.
void Zorva::Build_Explanation(qint16 k) {
  const QChar quote = u'"';
  Prowerka[0]->setText(QString());
  appendLine(quote + danni().Danni[0]->text(k - 1) + quote + u" е във връзка с "_qs + quote +
             danni().Danni[1]->text(k - 1) + quote);
  // Items without a list of further lines (above 30) have only the relation.
  if (k >= 1 && k <= Content::kExplanationLists &&
      leadingNumber(danni().Otgowor[0]->text(k)) > 0) {
    const StringList &lines = *danni().Otgowor[k];
    for (int m = 0; m < lines.count(); ++m) appendLine(lines.text(m));
  }
  Show_Picture(k);
}

void Zorva::Explain_Answer() {
  const int sel = Slowo[2]->selectedRow();
  dum_N[2]->select(sel);
  Build_Explanation(toInt16(leadingNumber(dum_N[2]->text(sel))));
}

// The hint: names the correct partner of the selected left phrase and
// records the selected pair. The hint lowers Score, but grading counts
// afresh from 0, so it costs no point in the grade.
void Zorva::Explain_Selection() {
  const int sel = Slowo[0]->selectedRow();
  if (sel == -1) return;
  Prowerka[0]->setText(QString());
  const StringList &items = *danni().Danni[0];
  int m = 0;
  while (m < items.count() && items.text(m) != Slowo[0]->text(sel)) ++m;
  const qint16 k = qint16(m + 1);
  --Score;
  Add_Pair();
  Build_Explanation(k);
}
