#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>

#include "core/colours.h"
#include "core/numbers.h"
#include "core/text_box.h"
#include "settings/appearance_record.h"
#include "settings/cwiat.h"

// Splits a 0x00BBGGRR colour into the mixer's red, green and blue; the top
// byte is ignored.
void Cwiat::cwetowe_RGB(qint32 colour) {
  m_state.red = colour & 0xFF;
  m_state.green = (colour >> 8) & 0xFF;
  m_state.blue = quint8((colour >> 16) & 0xFF);
}

// Colours the previews from the record and rewrites the red, green and blue
// of every group from its colour. The dialog's own background stays as it is.
void Cwiat::Opredeli_cwqt() {
  setBackground(*picColor, entryColour(colourEntry(0)));
  setBackground(*Option1[0], entryColour(colourEntry(0)));
  setBackground(*Text_Cv[0], entryColour(colourEntry(1)));
  setBackground(*Option1[1], entryColour(colourEntry(1)));
  setTextColour(*Text_Cv[0], entryColour(colourEntry(2)));
  setBackground(*Option1[2], entryColour(colourEntry(2)));
  setBackground(*Option1[3], entryColour(colourEntry(3)));
  for (int group = 0; group < 4; ++group) {
    const int entry = colourEntry(group);
    cwetowe_RGB(entryNumber(entry));
    setEntry(entry + 1, decimalText(m_state.red));
    setEntry(entry + 2, decimalText(m_state.green));
    setEntry(entry + 3, decimalText(m_state.blue));
  }
}

// Shows the current colour on the swatch, the labels and the preview of the
// current group.
void Cwiat::Otdelni_Update() {
  for (int k = 0; k < 3; ++k) Label_ST[k]->setText(decimalText(Slider1[k]->value()));
  const QColor colour = colourFromNumber(m_state.currentColour);
  switch (m_state.currentTarget) {
    case 0:
      setBackground(*m_client, colour);
      setBackground(*Option1[0], colour);
      break;
    case 1:
      setBackground(*Text_Cv[0], colour);
      setBackground(*Option1[1], colour);
      break;
    case 2:
      setTextColour(*Text_Cv[0], colour);
      setBackground(*Option1[2], colour);
      break;
    case 3:
      setBackground(*Option1[3], colour);
      break;
  }
  setBackground(*picColor, colour);
  Label_Cv[3]->setText(u"Цвят в 10/16-тичен код = %1 /H%2"_qs
                           .arg(decimalText(m_state.currentColour),
                                QString::number(m_state.currentColour, 16).toUpper()));
}

// The learner chose the group `index`: its red, green and blue go onto the
// sliders. The record is not written.
void Cwiat::Option1_Click(int index) {
  m_state.currentTarget = quint8(index);
  showSlidersFromRecord(index);
  m_state.currentColour = sliderColour();
  Otdelni_Update();
}

// The learner moved slider `index`: the moved component and the colour of the
// current group are written into the record at once.
void Cwiat::Slider1_Scroll(int index) {
  const int base = colourEntry(m_state.currentTarget);
  setEntry(base + 1 + index, decimalText(Slider1[index]->value()));
  m_state.currentColour = sliderColour();
  setEntry(base, decimalText(m_state.currentColour));
  Otdelni_Update();
}

// Sets the sliders from the record's red, green and blue of `group`; no
// slider handling runs.
void Cwiat::showSlidersFromRecord(int group) {
  for (int k = 0; k < 3; ++k) {
    const QSignalBlocker quiet(Slider1[k]);
    Slider1[k]->setValue(entryNumber(colourEntry(group) + 1 + k));
  }
}

qint32 Cwiat::sliderColour() const {
  return qint32(numberFromRgb(Slider1[0]->value(), Slider1[1]->value(), Slider1[2]->value()));
}
