#include "settings/cwiat.h"

#include <QFontDatabase>

QStringList installedFonts() { return QFontDatabase::families(); }

Cwiat::Cwiat(AppearanceTarget &target, CwiatState &state, FontSource fonts)
    : m_target(target), m_state(state), m_fonts(std::move(fonts)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(u"Формиране на цвят/избор на шрифт"_qs);
}
