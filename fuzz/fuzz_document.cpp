// Any bytes as a document: LlegirTextDocument must read them or refuse them
// with 202 leaving the function set exactly as it was. A set it accepts has its
// bounds (counts 0..400, models 1..5, valid axes, texts without control
// characters), can be applied, and is written so that writing what it reads
// back gives the same bytes.
#include "document/Document.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace {

void Fallar() {
    __builtin_trap();
}

// The set on screen before the read; a refused read must leave it untouched.
std::unique_ptr<tracima::ConjuntFuncions> Actual() {
    auto cf = std::make_unique<tracima::ConjuntFuncions>();
    cf->Eixos = {0, 10, 1, -1, 1, 0.5};
    cf->Slots[1].Text = "x^3";
    cf->Slots[4].Text = "INTERPOLACIÓ";
    cf->Slots[4].Numerica.NombrePunts = 3;
    cf->Slots[4].Numerica.EquacioRegressio = "2*X";
    return cf;
}

bool Iguals(const tracima::ConjuntFuncions& a, const tracima::ConjuntFuncions& b) {
    std::string x, y;
    return tracima::EscriureTextDocument(a, x) == 0 && tracima::EscriureTextDocument(b, y) == 0 &&
           x == y;
}

void Comprovar(const tracima::ConjuntFuncions& cf) {
    if (!cf.Eixos.Valids()) Fallar();
    for (const auto& s : cf.Slots) {
        for (char c : s.Text)
            if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) Fallar();
        const tracima::FuncioNumerica& fn = s.Numerica;
        if (fn.NombrePunts < 0 || fn.NombrePunts > tracima::MaxPuntsTaula) Fallar();
        if (fn.TipusRegressio < 1 || fn.TipusRegressio > 5) Fallar();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto cf = Actual();
    const auto abans = Actual();
    tracima::ErrorDocument error;
    const int codi = tracima::LlegirTextDocument(bytes, *cf, &error);
    if (codi != 0) {
        if (codi != tracima::MissatgeNoPucObrir || error.motiu.empty()) Fallar();
        if (!Iguals(*cf, *abans)) Fallar();
        return 0;
    }
    Comprovar(*cf);
    // The parameters are not part of a document.
    if (cf->Parametres.valor != abans->Parametres.valor) Fallar();

    std::string escrit;
    if (tracima::EscriureTextDocument(*cf, escrit) != 0) Fallar();
    auto llegit = std::make_unique<tracima::ConjuntFuncions>();
    if (tracima::LlegirTextDocument(escrit, *llegit) != 0) Fallar();
    std::string reescrit;
    if (tracima::EscriureTextDocument(*llegit, reescrit) != 0 || reescrit != escrit) Fallar();

    tracima::Calculador calc;
    if (tracima::AplicarFuncions(*cf, calc) != 0) Fallar();
    for (const auto& m : cf->MostresColumna)
        for (const auto& mc : m.columna)
            if (mc.definida && (mc.valor != mc.valor || mc.fila != mc.fila)) Fallar();
    return 0;
}
