// What depends on the desktop: the settings file, the stay-on-top window style
// and starting a new copy of the program.
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace tracima {

// The settings file: TracimaWin32.ini in the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), section [TracimaWin32], key Llengua.
QString FitxerConfiguracio();

// The value of Llengua, at most 49 characters; "Catala" for a missing file,
// section or key, and for a file that cannot be read, is not text or is damaged.
std::string LlegirLlenguaConfiguracio();

// Writes Llengua (a file that could not be read is replaced). Returns 0, or 1
// when the file could not be written (the caller does not report it).
int EscriureLlenguaConfiguracio(std::string_view valor);

// Stay above normal windows, or back to normal stacking.
void FixarSempreVisible(QWidget* finestra, bool sempreVisible);

// Starts this program's own executable with the argument NOABOUT; the result is
// ignored. Returns true when the process started.
bool ExecutarNouTracima();

} // namespace tracima
