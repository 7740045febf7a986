#pragma once

#include <QtGlobal>

// The colour mixer's own state. It belongs to the one settings dialog and
// lasts for the whole run: closing the dialog keeps it.
struct CwiatState {
  qint32 currentColour = 0;  // the colour being mixed, 0x00BBGGRR
  quint8 currentTarget = 0;  // the colour group being mixed, 0 to 3
  qint32 red = 0;            // parts of the colour last split
  qint32 green = 0;
  quint8 blue = 0;
};
