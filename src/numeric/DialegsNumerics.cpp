#include "numeric/DialegsNumerics.h"

#include <cmath>

#include "engine/UnitTools.h"
#include "numeric/UnitCalcularRegressio.h"

namespace tracima {

DialegTaula AcceptarSelector(const SelectorNumerica& s, const FuncioNumerica& registreTriat,
                             EstatNumerica& e, DialegInterpolacio& di, DialegRegressio& dr) {
    if (s.Funcio < 1 || s.Funcio > 6) return DialegCap;
    e.FuncioTriada = s.Funcio;
    e.ValorReservat = registreTriat.ValorReservat;
    e.TaulaDeTreball.NombrePunts = registreTriat.NombrePunts;
    e.TaulaDeTreball.ValorsX = registreTriat.ValorsX;
    e.TaulaDeTreball.ValorsY = registreTriat.ValorsY;
    e.InterpolacioAcceptada = 0;
    e.RegressioAcceptada = 0;
    if (s.Regressio) {
        dr.Graella.Carregar(e.TaulaDeTreball);
        const int model = registreTriat.TipusRegressio;
        // A record from a damaged file may name no model: the first one is checked.
        dr.Model = model >= 1 && model <= 5 ? model : ModelLineal;
        return DialegDeRegressio;
    }
    di.Graella.Carregar(e.TaulaDeTreball);
    di.Opcions.Lineal = registreTriat.InterpolacioLineal;
    di.Opcions.MostrarPunts = registreTriat.MostrarPunts;
    di.Opcions.Extrapolar = registreTriat.Extrapolar;
    return DialegDInterpolacio;
}

Refus AcceptarInterpolacio(DialegInterpolacio& d, const Parametres& param, EstatNumerica& e,
                           FuncioNumerica& registre, std::string& etiqueta) {
    const Refus r = d.Graella.Llegir(2, true, param, e.TaulaDeTreball);
    if (!r.Acceptat()) {
        d.Graella.FixarCursor(r.Cursor);
        return r;
    }
    DesarTaula(e.TaulaDeTreball, e.ValorReservat, registre);
    registre.InterpolacioLineal = d.Opcions.Lineal;
    registre.MostrarPunts = d.Opcions.MostrarPunts;
    registre.Extrapolar = d.Opcions.Extrapolar;
    etiqueta = std::string(d.Opcions.Lineal ? EtiquetaInterpolacioLineal : EtiquetaInterpolacio);
    e.InterpolacioAcceptada = 1;
    return r;
}

Refus AcceptarRegressio(DialegRegressio& d, const Parametres& param, EstatNumerica& e,
                        FuncioNumerica& registre, std::string& etiqueta) {
    Refus r = d.Graella.Llegir(3, false, param, e.TaulaDeTreball);
    if (r.Acceptat()) {
        FuncioNumerica provisional = registre;
        DesarTaula(e.TaulaDeTreball, e.ValorReservat, provisional);
        r = AjustarRegressio(e.TaulaDeTreball, d.Model, d.Graella.Cursor(), provisional);
        if (r.Acceptat()) {
            registre = provisional;
            etiqueta = std::string(EtiquetesRegressio[static_cast<std::size_t>(d.Model)]);
            e.RegressioAcceptada = 1;
            return r;
        }
    }
    d.Graella.FixarCursor(r.Cursor);
    return r;
}

Refus ObrirCoeficients(DialegRegressio& d, const Parametres& param, EstatNumerica& e,
                       CoeficientsRegressio& c) {
    const Refus r = CalcularCoeficients(d.Graella, param, e.TaulaDeTreball, c);
    if (!r.Acceptat()) d.Graella.FixarCursor(r.Cursor);
    return r;
}

void MarcarNomesPunts(OpcionsInterpolacio& o, bool marcat, bool& menuNomesPunts) {
    o.NomesPunts = marcat;
    if (marcat) o.MostrarPunts = true;
    menuNomesPunts = marcat;
}

void MarcarMostrarPunts(OpcionsInterpolacio& o, bool marcat, bool& menuNomesPunts) {
    o.MostrarPunts = marcat;
    if (!marcat && o.NomesPunts) MarcarNomesPunts(o, false, menuNomesPunts);
}

void CommutarMenuNomesPunts(bool& menuNomesPunts, OpcionsInterpolacio& o,
                            FuncioNumerica& registreTriat) {
    menuNomesPunts = !menuNomesPunts;
    o.NomesPunts = menuNomesPunts;
    if (menuNomesPunts) {
        o.MostrarPunts = true;
        registreTriat.MostrarPunts = true;
    }
}

// --- Axis suggestion ------------------------------------------------------------

double PotenciaDeDeu(int e) {
    double r = 1;
    for (int i = 0; i < e; ++i)
        r *= 10;
    for (int i = 0; i > e; --i)
        r /= 10;
    return r;
}

double ArrodonirAmunt(double v) {
    if (v > 1e9) return v;
    for (int e = 8; e >= -5; --e) {
        const double p = PotenciaDeDeu(e);
        for (int d = 10; d >= 1; --d)
            if (d * p <= v) return (d + 1) * p;
    }
    return v;
}

double ArrodonirAvall(double v) {
    if (v >= 1e9) return v;
    for (int e = 8; e >= -5; --e) {
        const double p = PotenciaDeDeu(e);
        for (int d = 10; d >= 1; --d)
            if (d * p < v) return d * p;
    }
    return v;
}

namespace {

void SuggerirEix(double lo, double hi, double& origen, double& final) {
    hi = hi + (hi - lo) / 10;
    lo = lo - (hi - lo) / 10;
    const bool mateixSigne = (lo >= 0 && hi >= 0) || (lo <= 0 && hi <= 0);
    if (mateixSigne && std::fabs(hi - lo) < std::fabs(hi) / 5 && hi != lo) {
        origen = lo;
        final = hi;
        return;
    }
    hi = hi > 0 ? ArrodonirAmunt(hi) : -ArrodonirAvall(std::fabs(hi));
    lo = lo > 0 ? ArrodonirAvall(lo) : -ArrodonirAmunt(std::fabs(lo));
    if (hi == lo) {
        if (hi > 0)
            lo = 0;
        else
            hi = 0;
    } else if (hi > 0 && lo > 0) {
        if (hi > 5 * lo) lo = 0;
    } else if (hi > 0 && lo < 0) {
        if (hi > 5 * std::fabs(lo))
            lo = -hi / 5;
        else if (5 * hi < std::fabs(lo))
            hi = -lo / 5;
    } else if (hi < 0 && lo < 0) {
        if (5 * std::fabs(hi) < std::fabs(lo)) hi = 0;
    }
    origen = lo + 0.0; // never -0
    final = hi + 0.0;
}

} // namespace

ExtremsSuggerits SuggerirExtremsEixos(const FuncioNumerica& f) {
    ExtremsSuggerits s;
    SuggerirEix(f.XMinim, f.XMaxim, s.OrigenX, s.FinalX);
    SuggerirEix(f.YMinim, f.YMaxim, s.OrigenY, s.FinalY);
    return s;
}

std::string TextPreguntaExtrems(const ExtremsSuggerits& s, const TaulaMissatges& textos) {
    const std::string b12(12, ' ');
    std::string t = b12;
    t += textos.Missatge(MissatgeOrigenEixX);
    t += NumeroAText(s.OrigenX) + std::string(7, ' ');
    t += textos.Missatge(MissatgeOrigenEixY);
    t += NumeroAText(s.OrigenY) + b12 + "\n\r\n\r" + b12;
    t += textos.Missatge(MissatgeFinalEixX);
    t += NumeroAText(s.FinalX) + std::string(9, ' ');
    t += textos.Missatge(MissatgeFinalEixY);
    t += NumeroAText(s.FinalY) + b12 + "\n\r";
    return t;
}

} // namespace tracima
