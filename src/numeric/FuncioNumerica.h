// The numeric-function record that each of the six functions carries, the seven
// labels that mark a function as numeric, and the dialogs' working table.
#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace tracima {

constexpr int MaxPuntsTaula = 400;

// One function given by a table of points: either interpolated or fitted by a
// regression. Points 1..NombrePunts are meaningful (stored at indices 0..n-1);
// the rest are left over from earlier tables.
struct FuncioNumerica {
    std::array<double, MaxPuntsTaula> ValorsX{};
    std::array<double, MaxPuntsTaula> ValorsY{};
    int NombrePunts = 0;  // 0..400
    bool InterpolacioLineal = false;
    bool MostrarPunts = false;
    bool Extrapolar = false;
    int TipusRegressio = 1;  // 1 linear, 2 quadratic, 3 a·b^x, 4 a·x^b, 5 ax/(b+x)
    std::string EquacioRegressio;
    double CoeficientCorrelacio = 0;
    double XMinim = 0, XMaxim = 0, YMinim = 0, YMaxim = 0;
    double MitjanaX = 0, MitjanaY = 0, DesviacioX = 0, DesviacioY = 0, Covariancia = 0;
    double CoeficientA = 0, CoeficientB = 0, CoeficientC = 0;
    int ValorReservat = 1;  // carried through unchanged; nothing interprets it
    friend bool operator==(const FuncioNumerica&, const FuncioNumerica&) = default;
};

// Restores what a reset of the function set restores (points, count, the three
// options, the model, ValorReservat); the fit's text and R are kept.
inline void RestablirFuncioNumerica(FuncioNumerica& f) {
    f.ValorsX.fill(0);
    f.ValorsY.fill(0);
    f.NombrePunts = 0;
    f.InterpolacioLineal = false;
    f.MostrarPunts = false;
    f.Extrapolar = false;
    f.TipusRegressio = 1;
    f.ValorReservat = 1;
}

// The seven labels, fixed Catalan texts whatever the interface language.
inline constexpr std::string_view EtiquetaInterpolacio = "INTERPOLACIÓ";
inline constexpr std::string_view EtiquetaInterpolacioLineal = "INTERPOLACIÓ LINEAL";
// Regression labels by model 1..5 (index 0 unused).
inline constexpr std::array<std::string_view, 6> EtiquetesRegressio = {
    "",
    "REGRESSIÓ LINEAL y = ax + b",
    "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c",
    "REGRESSIÓ EXPONENCIAL y = a . b^x",
    "REGRESSIÓ EXPONENCIAL y = a . x^b",
    "REGRESSIÓ INVERSA  y = a x/(b+x)",
};

// True exactly when the text is one of the two interpolation labels (exact comparison).
inline bool EsEtiquetaInterpolacio(std::string_view text) {
    return text == EtiquetaInterpolacio || text == EtiquetaInterpolacioLineal;
}

// The regression model 1..5 whose label the text is, or 0.
inline int ModelDeEtiqueta(std::string_view text) {
    for (int m = 1; m <= 5; ++m)
        if (text == EtiquetesRegressio[m]) return m;
    return 0;
}

// True exactly when the text equals one of the seven labels (case and blanks matter).
inline bool EsTextNumerica(std::string_view text) {
    return EsEtiquetaInterpolacio(text) || ModelDeEtiqueta(text) != 0;
}

// The working table through which the dialogs edit one record.
struct TaulaTreball {
    std::array<double, MaxPuntsTaula> ValorsX{};
    std::array<double, MaxPuntsTaula> ValorsY{};
    int NombrePunts = 0;
    // The points that may be read: NombrePunts kept within 0..400.
    int Punts() const { return std::clamp(NombrePunts, 0, MaxPuntsTaula); }
};

}  // namespace tracima
