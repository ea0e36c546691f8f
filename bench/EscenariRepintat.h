// The repaint the benchmarks time: six functions sampled on the default axes,
// grid and unit labels on, and an overlay whose lists are full (651 segments of
// which 600 hatched, 651 labels, the green curve, a status text).
#pragma once

#include "view/EstatResultats.h"
#include "functionset/UnitVariables.h"
#include "view/OpcionsVista.h"

#include <memory>

namespace tracima::banc {

struct EscenariRepintat {
    std::unique_ptr<ConjuntFuncions> cf = std::make_unique<ConjuntFuncions>();
    std::unique_ptr<EstatResultats> r = std::make_unique<EstatResultats>();
    OpcionsVista opcions;
    ValorsVista vista;
    Calculador calc;
    bool valid = false;

    EscenariRepintat() {
        ReiniciarConjunt(*cf);
        const char* formules[] = {"sin(x)", "x^2/4-3", "1/x", "abs(x)-2", "cos(2x)*3", "x/2"};
        for (std::size_t i = 0; i < 6; ++i) cf->Slots[i].Text = formules[i];
        valid = AplicarFuncions(*cf, calc) == 0 && cf->NombreFuncions == 6;
        opcions.MenuTrama = true;
        opcions.MenuMostrarValorUnitatEixos = true;
        // Two boundary lines, 600 hatched columns, then short marks up to 651.
        EstatResultats& e = *r;
        e.Segments.Afegir(20, 100, 20, 220);
        e.Segments.Afegir(620, 100, 620, 220);
        for (int c = 20; c < 620; ++c) e.Segments.Afegir(c, 220, c, 100 + c % 50, true);
        for (int c = 20; !e.Segments.Ple(); c += 12) e.Segments.Afegir(c, 216, c, 224);
        for (int i = 0; !e.Etiquetes.Ple(); ++i) e.Etiquetes.Afegir(20 + i % 600, 40 + i % 380, "-1,234567");
        for (int c = 20; c <= 620; ++c) e.Corba.Fixar(c, (c - 320) / 40.0);
        e.Corba.MostrarCorbaResultat = true;
        e.TextEstat = "Integral definida entre -7.5 i 7.5 = 12.345";
    }
};

} // namespace tracima::banc
