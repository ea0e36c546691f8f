// Tables of points written inline in the numeric tests.
#pragma once

#include <vector>

#include "numeric/FuncioNumerica.h"

namespace tracima {

struct Punt {
    double x, y;
};

inline TaulaTreball Taula(const std::vector<Punt>& punts) {
    TaulaTreball t;
    for (std::size_t i = 0; i < punts.size() && i < MaxPuntsTaula; ++i) {
        t.ValorsX[i] = punts[i].x;
        t.ValorsY[i] = punts[i].y;
    }
    t.NombrePunts = static_cast<int>(punts.size());
    return t;
}

} // namespace tracima
