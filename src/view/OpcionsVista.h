// The display options (the check marks of the options menu, which mirror these
// fields) and the view values of the last repaint.
#pragma once

#include <limits>

namespace tracima {

// Every start shows these initial states; only MenuLiniesSuaus is stored between runs.
struct OpcionsVista {
    bool MenuPissarra = false;                        // black board, white texts
    bool MenuTrama = false;                           // dotted grid instead of ticks
    bool MenuMostrarValorUnitatEixos = false;         // unit labels on both axes
    bool MenuMostrarElsPuntsSingulars = true;         // result labels drawn
    bool MenuTrassarElsCalculs = true;                // traced scans
    bool MenuMostrarCoordenadesDeLaRata = false;      // pointer read-out
    bool MenuAlClicarEsmarquenLesCoordenades = false; // left click marks the point
    bool MenuPrecisioBaixa = true;                    // low-precision result numbers
    bool MenuTreureElsEixos = false;                  // no axes, ticks, grid or labels
    bool MenuFuncionsEnNegre = false;                 // curves, points, axes black
    bool MenuNomsPunts = false;                       // "Només punts": points, no curves
    bool MenuLiniesSuaus = false;                     // antialiased curves (kept in the settings)
    int GruixLinies = 1;                              // pen width in pixels, >= 1
};

// Scales and client size of the last repaint; DibuixarEixY is cleared by the
// intersection scan while a cut lies on the vertical axis column.
struct ValorsVista {
    double EscalaX = 1.0; // client width / 640
    double EscalaY = 1.0; // client height / 460
    int AmpladaClient = 640;
    int AlcadaClient = 460;
    bool DibuixarEixY = true;
};

// Line width commands: 0 when changed, 1 when nothing changed (decrease at 1,
// increase at the largest int). The caller repaints on 0.
inline int DisminuirGruixLinies(OpcionsVista& o) {
    if (o.GruixLinies <= 1) return 1;
    --o.GruixLinies;
    return 0;
}
inline int AugmentarGruixLinies(OpcionsVista& o) {
    if (o.GruixLinies >= std::numeric_limits<int>::max()) return 1;
    ++o.GruixLinies;
    return 0;
}

} // namespace tracima
