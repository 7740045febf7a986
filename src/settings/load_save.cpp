#include "core/colours.h"
#include "core/numbers.h"
#include "core/string_list.h"
#include "core/text_box.h"
#include "settings/appearance_record.h"
#include "settings/appearance_target.h"
#include "settings/cwiat.h"

// Load: fills the font lists, selects the record's font name and size there
// (which sets the sample), colours the previews and puts the red, green and
// blue of the window background on the sliders.
void Cwiat::Form_Load() {
  m_fontName = record().text(1);
  Fill_Fonts();
  selectRecordRows(*List_font[0], 1);
  setSampleSize(record().text(2));
  selectRecordRows(*List_font[1], 2);
  Opredeli_cwqt();
  // The sliders show the window background and Option1(0) is chosen, so the
  // sliders write into that group until the learner chooses another, also
  // when an earlier opening ended with another group chosen.
  m_state.currentTarget = 0;
  showSlidersFromRecord(0);
}

// Selects every row equal to the record's entry in turn; the last stays.
void Cwiat::selectRecordRows(StringList &list, int entry) {
  for (int row = 0; row < list.count(); ++row)
    if (list.text(row) == record().text(entry)) list.select(row);
}

// "Запис": the record goes onto the window, then the dialog closes.
void Cwiat::mnu_zapis_Click() {
  setBackground(m_target.formSurface(), entryColour(colourEntry(0)));
  const QList<QWidget *> fields = m_target.textFields();
  for (QWidget *field : fields) setBackground(*field, entryColour(colourEntry(1)));
  for (QWidget *field : fields) setTextColour(*field, entryColour(colourEntry(2)));
  const QList<QWidget *> fontFields = m_target.fontFields();
  for (QWidget *field : fontFields) {
    QFont font = field->font();
    font.setFamily(record().text(1));
    font.setPointSizeF(leadingNumber(record().text(2)));
    field->setFont(font);
  }
  close();
}

// "Отказ": the dialog closes; the record keeps what was mixed.
void Cwiat::mnu_Otkaz_Click() { close(); }
