#include "core/string_list_view.h"
#include "core/text_box.h"
#include "settings/cwiat.h"
#include "test_window/zorva.h"

#include <QLabel>

// "Color": the settings dialog, modeless and without owner. A second "Color"
// only brings the open dialog to the front.
void Zorva::Cwqt_Click() {
  if (!m_cwiat) m_cwiat = new Cwiat(*this, m_cwiatState, m_fonts);
  m_cwiat->show();
  m_cwiat->raise();
  m_cwiat->activateWindow();
}

Cwiat *Zorva::settingsDialog() const { return m_cwiat; }

QWidget &Zorva::formSurface() { return *m_client; }

QList<QWidget *> Zorva::textFields() {
  return {SlowoView[0], SlowoView[1], SlowoView[2], Prowerka[0], Ndapis};
}

QList<QWidget *> Zorva::fontFields() {
  return {SlowoView[0], SlowoView[1], SlowoView[2], Prowerka[0]};
}
