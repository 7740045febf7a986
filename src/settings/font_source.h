#pragma once

#include <QStringList>
#include <functional>

// Where the settings dialog takes the names of the installed screen fonts.
using FontSource = std::function<QStringList()>;

// The fonts installed on this machine.
QStringList installedFonts();
