#include "test_window/zorva.h"

#include "core/zorva_danni.h"
#include "settings/cwiat.h"
#include "test_window/zorva_graphika.h"

Zorva::Zorva(const Content &content, FontSource fonts)
    : m_content(content), m_fonts(std::move(fonts)) {
  buildControls();
  buildHiddenLists();
  buildMenu();
  setTabOrder();
  Form_Load();
  centreOnScreen();
}

Zorva::~Zorva() { delete m_cwiat; }

Zorva_danni &Zorva::danni() {
  if (!m_danni) m_danni = std::make_unique<Zorva_danni>(m_content);
  return *m_danni;
}

Zorva_Graphika &Zorva::graphika() {
  if (!m_graphika) m_graphika = std::make_unique<Zorva_Graphika>(m_content);
  return *m_graphika;
}
