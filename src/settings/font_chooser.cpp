#include "core/numbers.h"
#include "core/string_list.h"
#include "core/text_box.h"
#include "settings/cwiat.h"

// Fills the hidden name list with the installed fonts, each name as often as
// it comes, and selects the dialog's font name there. Every equal row is
// selected in turn, so the last of them stays selected.
void Cwiat::Fill_Fonts() {
  StringList &names = *List_font[0];
  names.clear();
  for (const QString &name : m_fonts()) names.add(name);
  for (int row = 0; row < names.count(); ++row)
    if (names.text(row) == m_fontName) names.select(row);
}

// A new row of List_font(index): the sample takes the font name (list 0) or
// the size (list 1), and the record takes it as the sample shows it.
void Cwiat::List_font_Click(int index) {
  const StringList &list = *List_font[index];
  const QString text = list.text(list.selectedRow());
  if (index == 1) {
    setSampleSize(text);
    setEntry(2, decimalText(toInt16(Text_Cv[0]->font().pointSizeF())));
  } else {
    QFont font = Text_Cv[0]->font();
    font.setFamily(text);
    Text_Cv[0]->setFont(font);
    setEntry(1, text);
  }
}

// The sample's font size, from a number of points in text.
void Cwiat::setSampleSize(const QString &points) {
  QFont font = Text_Cv[0]->font();
  font.setPointSizeF(float(leadingNumber(points)));
  Text_Cv[0]->setFont(font);
}
