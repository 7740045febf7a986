#include "settings/cwiat.h"

#include <QFontDatabase>

#include "core/colours.h"
#include "core/numbers.h"
#include "core/string_list.h"
#include "settings/appearance_target.h"

QStringList installedFonts() { return QFontDatabase::families(); }

Cwiat::Cwiat(AppearanceTarget &target, CwiatState &state, FontSource fonts)
    : m_target(target), m_state(state), m_fonts(std::move(fonts)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"Формиране на цвят/избор на шрифт"_qs);
  buildControls();
  buildMenu();
  setTabOrder();
  Form_Load();
}

StringList &Cwiat::record() const { return m_target.appearanceRecord(); }

qint32 Cwiat::entryNumber(int entry) const {
  return toInt32(leadingNumber(record().text(entry)));
}

QColor Cwiat::entryColour(int entry) const { return colourFromNumber(entryNumber(entry)); }

void Cwiat::setEntry(int entry, const QString &text) { record().setText(entry, text); }
