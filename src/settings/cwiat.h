#pragma once

#include <QMainWindow>

#include "settings/cwiat_state.h"
#include "settings/font_source.h"

class AppearanceTarget;

// The settings dialog: mixes the colours of the test window and picks its
// font size. Modeless and without owner; closing it destroys its window.
class Cwiat : public QMainWindow {
  Q_OBJECT

 public:
  Cwiat(AppearanceTarget &target, CwiatState &state, FontSource fonts = installedFonts);

 private:
  AppearanceTarget &m_target;
  CwiatState &m_state;
  FontSource m_fonts;
};
