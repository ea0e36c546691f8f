// What depends on the desktop: the settings file, the stay-on-top window style
// starting a new copy of the program and finding the user's guide.
#pragma once

#include "text/Missatges.h"

#include <QString>

#include <string>
#include <string_view>

class QWidget;

namespace tracima {

// The settings file: TracimaWin32.ini in the user's configuration folder
// ($XDG_CONFIG_HOME, else ~/.config), section [TracimaWin32], key Llengua.
QString FitxerConfiguracio();

// The value of Llengua, at most 49 characters. A missing file, section or key is a
// first start: the language of the desktop (LC_ALL, LC_MESSAGES, LANG), Catalan
// when it is none of those with texts. "Catala" for a file that cannot be read, is
// not text or is damaged, and for a value that is not text.
std::string LlegirLlenguaConfiguracio();

// The first page of the user's guide in `llengua` (Catalan for a language without
// texts): beside the program (../share/doc/tracima/guide), where the package
// installs it, or in the source tree of a build; empty when none exists.
QString PaginaGuia(Llengua llengua);

// The key LiniesSuaus beside Llengua: smooth lines on for "1"; off for any other
// value, a missing key or file, or a damaged file. Writing leaves an unchanged
// value alone. Returns 0, or 1 when the file cannot be written.
bool LlegirLiniesSuaus();
int EscriureLiniesSuaus(bool suaus);

// Writes Llengua (a file that could not be read is replaced). Returns 0, or 1
// when the file could not be written (the caller does not report it).
int EscriureLlenguaConfiguracio(std::string_view valor);

// Stay above normal windows, or back to normal stacking.
void FixarSempreVisible(QWidget* finestra, bool sempreVisible);

// Desktop registration of a document extension, per user, the freedesktop way:
// a MIME type application/x-<program> with the glob "*.<extension>", a desktop
// entry that runs the program with "%f", and the default in mimeapps.list.
// The command that opens the extension's files as the desktop resolves it (the
// defaults of the user's and the system's mimeapps.list, then any installed
// desktop entry of the type), cleaned (from the first "%" on removed, quotes and
// blanks around removed); empty when there is none.
std::string LlegirAssociacio(std::string_view extensio);
// Registers `programa` (a path) for the extension's files. Returns 0, or 1 when
// a file could not be written (the caller ignores it).
int EscriureAssociacio(std::string_view extensio, const QString& programa);
// The cleaning of a registered command.
std::string NetejarOrdre(std::string ordre);
// True when the registered command runs `programa`: the same file once both
// are made absolute and canonical (a bare name found through PATH).
bool MateixPrograma(const std::string& registrat, const QString& programa);
// This program's own absolute path.
QString ProgramaPropi();

// Starts this program's own executable with the argument NOABOUT; the result is
// ignored. Returns true when the process started.
bool ExecutarNouTracima();

} // namespace tracima
