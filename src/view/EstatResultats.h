// The result state that the analyses leave behind and the graph redraws at every
// repaint: red segments, labels, the green result curve, the status text, the
// display precisions and the pause/stop flags. Header only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tracima {

// Room of each result list. The click marks refuse a new mark once
// LimitMarquesClic segments are stored.
constexpr int CapacitatResultats = 651;
constexpr int LimitMarquesClic = 650;
// Longest label text, in characters (UTF-8 code points).
constexpr int LongitudEtiqueta = 20;
// Columns of the result curve: logical columns 20..620 at index column - 20.
constexpr int ColumnesCorba = 601;

// Status of an append to a full list (no entry is written past the capacity).
constexpr int LlistaPlena = 1;

// The analysis numbers held in AnalisiActiva.
enum NumeroAnalisi : int {
    AnalisiCap = 0,
    AnalisiImatge = 1,
    AnalisiAntiimatge = 2,
    AnalisiArrels = 3,
    AnalisiDiscontinuitats = 4,
    AnalisiMaxims = 5,
    AnalisiMinims = 6,
    AnalisiInflexio = 7,
    AnalisiDerivadaPunt = 8,
    AnalisiIntegralDefinida = 9,
    AnalisiIntegralLinia = 10,
    AnalisiCreixement = 11,
    AnalisiDecreixement = 12,
    AnalisiConcavitat = 13,
    AnalisiConvexitat = 14,
    AnalisiDerivada = 15,
    AnalisiSegonaDerivada = 16,
    AnalisiFuncioIntegral = 17,
    AnalisiTalls = 18,
    AnalisiArea = 19,
};

// One red line in logical coordinates; `omplert` (SegmentOmplert) marks the
// column segments of a hatched area.
struct SegmentResultat {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool omplert = false;
};

// Entries are stored at 0 .. nombre - 1 (entry i of the lists numbered from 1 is
// entrades[i - 1]). Entries past `nombre` are never read.
struct SegmentsResultat {
    std::int32_t nombre = 0;
    std::array<SegmentResultat, CapacitatResultats> entrades{};

    bool Ple() const { return nombre >= CapacitatResultats; }
    // Appends a segment: 0, or LlistaPlena when there is no room (nothing written).
    int Afegir(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
               bool omplert = false) {
        if (nombre < 0 || nombre >= CapacitatResultats) return LlistaPlena;
        entrades[static_cast<std::size_t>(nombre)] = {x1, y1, x2, y2, omplert};
        ++nombre;
        return 0;
    }
    // Takes the last entry out (used when a paused scan removes its tracing line).
    void TreureUltim() {
        if (nombre > 0) {
            --nombre;
            entrades[static_cast<std::size_t>(nombre)] = {};
        }
    }
    void Buidar() {
        nombre = 0;
        entrades.fill({});
    }
};

// `text` cut to its first `maxim` UTF-8 characters.
inline std::string RetallarText(std::string_view text, int maxim = LongitudEtiqueta) {
    std::size_t i = 0;
    int caracters = 0;
    while (i < text.size() && caracters < maxim) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
        ++caracters;
    }
    return std::string(text.substr(0, i));
}

struct EtiquetaResultat {
    std::int32_t columna = 0, fila = 0; // logical
    std::string text;                   // at most LongitudEtiqueta characters
};

struct EtiquetesResultat {
    std::int32_t nombre = 0;
    std::array<EtiquetaResultat, CapacitatResultats> entrades{};

    bool Ple() const { return nombre >= CapacitatResultats; }
    // Appends a label, its text cut to 20 characters: 0, or LlistaPlena.
    int Afegir(std::int32_t columna, std::int32_t fila, std::string_view text) {
        if (nombre < 0 || nombre >= CapacitatResultats) return LlistaPlena;
        auto& e = entrades[static_cast<std::size_t>(nombre)];
        e.columna = columna;
        e.fila = fila;
        e.text = RetallarText(text);
        ++nombre;
        return 0;
    }
    void Buidar() {
        nombre = 0;
        for (auto& e : entrades)
            e = {};
    }
};

// World y values of the result curve, index column - 20 (columns 20..620).
struct CorbaResultat {
    std::array<double, ColumnesCorba> valor{};
    std::array<bool, ColumnesCorba> valida{};
    bool MostrarCorbaResultat = false;
    // While CorbaParcial is set the drawing ends at ColumnaFinalCorba.
    bool CorbaParcial = false;
    int ColumnaFinalCorba = 618;

    // Value and flag of a logical column; out of 20..620 reads as not valid.
    bool Valida(int columna) const {
        return columna >= 20 && columna <= 620 && valida[static_cast<std::size_t>(columna - 20)];
    }
    double Valor(int columna) const {
        return (columna >= 20 && columna <= 620) ? valor[static_cast<std::size_t>(columna - 20)]
                                                 : 0.0;
    }
    // Sets a column's value and marks it valid; columns out of 20..620 are ignored.
    void Fixar(int columna, double v) {
        if (columna < 20 || columna > 620) return;
        valor[static_cast<std::size_t>(columna - 20)] = v;
        valida[static_cast<std::size_t>(columna - 20)] = true;
    }
    // All 601 entries: value 0, not valid.
    void Buidar() {
        valor.fill(0.0);
        valida.fill(false);
    }
};

// Device rectangle of the status strip (left, top, right, bottom).
struct RectangleEstat {
    int esquerra = 0, dalt = 440, dreta = 300, baix = 460;
    // The strip for a client height: (0, h - 20) .. (300, h).
    void Fixar(int alcadaClient) {
        esquerra = 0;
        dalt = alcadaClient - 20;
        dreta = 300;
        baix = alcadaClient;
    }
};

struct EstatResultats {
    int AnalisiActiva = AnalisiCap;
    SegmentsResultat Segments;   // SegmentsResultat
    EtiquetesResultat Etiquetes; // EtiquetesResultat
    CorbaResultat Corba;         // CorbaResultat
    std::string TextEstat;
    RectangleEstat Rectangle; // RectangleEstat
    double PrecisioX = 0.025; // ArrodonirPerMostrar(one column's world width)
    double PrecisioY = 0.025; // ArrodonirPerMostrar(one logical row's world height)
    bool PausaDemanada = false;
    bool AturarCalcul = false;
};

// The state part of NetejarResultats: flags cleared, AnalisiActiva 0, both lists
// empty with every entry cleared, the result curve hidden (its values stay),
// TextEstat empty. The precisions are set by the caller, which knows the axes
// (PrecisioY = ArrodonirPerMostrar(Y unit / PasLogicY), PrecisioX likewise).
inline void BuidarResultats(EstatResultats& r) {
    r.PausaDemanada = false;
    r.AturarCalcul = false;
    r.Corba.MostrarCorbaResultat = false;
    r.Corba.CorbaParcial = false;
    r.AnalisiActiva = AnalisiCap;
    r.Segments.Buidar();
    r.Etiquetes.Buidar();
    r.TextEstat.clear();
}

} // namespace tracima
