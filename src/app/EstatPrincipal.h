// Everything the main window owns, in one object created by the window and
// passed by reference to the routines that need it; core tests create it
// directly. The menus' check marks mirror `Opcions`.
#pragma once

#include "analysis/EstatResultats.h"
#include "app/Document.h"
#include "functionset/UnitVariables.h"
#include "view/OpcionsVista.h"

#include <string>

namespace tracima {

struct EstatPrincipal {
    // The six slots, the parameters A..F (Funcions.Parametres), the axes with the
    // logical steps and origins, the column samples and the command states.
    ConjuntFuncions Funcions;
    // Scales and client size of the last repaint, DibuixarEixY.
    ValorsVista Vista;
    // What the last analysis left: AnalisiActiva, segments, labels, result curve,
    // status text, precisions, pause and stop flags.
    EstatResultats Resultats;
    // The check items of the options menu and "Només punts", and GruixLinies, at
    // their start-up states.
    OpcionsVista Opcions;
    // The file "Desar" writes to; "SenseNom.trc" while the document was never saved.
    std::string NomDocument{NomDocumentSenseNom};

    // The parameters A..F live in the function set (they are not part of its reset).
    tracima::Parametres& Parametres() { return Funcions.Parametres; }
    const tracima::Parametres& Parametres() const { return Funcions.Parametres; }
};

} // namespace tracima
