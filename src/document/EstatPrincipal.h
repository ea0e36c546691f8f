// Everything the main window owns, in one object created by the window and
// passed by reference to the routines that need it; core tests create it
// directly. The menus' check marks mirror `Opcions`.
#pragma once

#include "view/EstatResultats.h"
#include "document/Document.h"
#include "text/Missatges.h"
#include "functionset/UnitVariables.h"
#include "numeric/DialegsNumerics.h"
#include "view/OpcionsVista.h"

#include <string>
#include <string_view>

namespace tracima {

// The window-behaviour check items; every start has both off.
struct OpcionsFinestra {
    bool MenuTransparent = false;   // pure white of the graph is see-through
    bool MenuSempreVisible = false; // the window stays above normal windows
};

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
    OpcionsFinestra Finestra;
    // The message table, the captions of the current language and the checked
    // language item.
    TaulaMissatges Missatges;
    // What the numeric-function chooser and the table dialogs share: the chosen
    // function, the working table, the acceptance flags.
    EstatNumerica Numerica;
    // The file "Desar" writes to; "SenseNom.trc" while the document was never saved.
    std::string NomDocument{NomDocumentSenseNom};

    // The parameters A..F live in the function set (they are not part of its reset).
    tracima::Parametres& Parametres() { return Funcions.Parametres; }
    const tracima::Parametres& Parametres() const { return Funcions.Parametres; }
};

// The state field behind a check item of the menus ("MenuPissarra" ->
// Opcions.MenuPissarra, "MenuTransparent" -> Finestra.MenuTransparent, ...);
// nullptr for a name that is no such check item (the language items live in
// the message table).
bool* MarcaDeMenu(EstatPrincipal& estat, std::string_view component);

// The text of "Error en els càlculs...": the world size of one logical unit on
// each axis, "Error de la x = " X, CR LF twice, "Error de la y = " Y; each size
// in the low-precision text (its own pixel size) while "Precisió baixa" is
// checked, else NumeroAText.
std::string TextErrorEnElsCalculs(const EstatPrincipal& estat);

} // namespace tracima
