// Tables written inline in the numeric tests: points as {x, y} pairs, and grids as
// "x y" rows separated by ';', the last blank of a row before y ("1 1;;3 9" leaves
// row 2 empty, " 7" fills only y, "  7" writes a blank into x).
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "numeric/FuncioNumerica.h"
#include "numeric/GraellaValors.h"

namespace tracima {

struct Punt { double x, y; };

// A working table (or a record) holding the points.
template <class T = TaulaTreball> T Taula(const std::vector<Punt>& punts) {
    T t;
    for (std::size_t i = 0; i < punts.size() && i < MaxPuntsTaula; ++i) {
        t.ValorsX[i] = punts[i].x;
        t.ValorsY[i] = punts[i].y;
    }
    t.NombrePunts = static_cast<int>(punts.size());
    return t;
}

inline GraellaValors Graella(const std::string& files) {
    GraellaValors g;
    std::istringstream in(files);
    std::string fila;
    for (int r = 1; std::getline(in, fila, ';'); ++r) {
        const std::size_t blanc = fila.rfind(' ');
        g.FixarText(r, ColumnaX, fila.substr(0, blanc));
        if (blanc != std::string::npos) g.FixarText(r, ColumnaY, fila.substr(blanc + 1));
    }
    return g;
}

} // namespace tracima
