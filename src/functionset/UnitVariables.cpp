// The function set: reset, bookkeeping, command availability and the sampling
// of every slot into its 601 column samples.
#include "functionset/UnitVariables.h"

#include "engine/UnitTools.h"
#include "numeric/UnitInterpolacio.h"

#include <cmath>

namespace tracima {

namespace {

constexpr std::array<std::string_view, NombreComandes> nomsComandes = {
    "MenuImatge",
    "MenuAntiimatge",
    "MenuArrels",
    "MenuDiscontinuitatsAillades",
    "MenuMaxims",
    "MenuMinims",
    "MenuPuntsDinflexio",
    "MenuDerivadaEnUnPunt",
    "MenuIntegralDefinida",
    "MenuIntegralDeLinia",
    "MenuIntervalsDeCreixement",
    "MenuIntervalsDeDecreixement",
    "MenuIntervalsDeConcavitat",
    "MenuIntervalsDeConvexitat",
    "MenuFuncioDerivada",
    "MenuSegonaDerivada",
    "MenuFuncioIntegral",
    "MenuTalls",
    "MenuArea",
    "MenuEquaciDeRegressio",
    "MenuNomsPunts",
};

// The menu refresh also takes the two Spanish interpolation titles for
// interpolation, although the samples do not (they are not labels).
bool EsInterpolacioPerAlMenu(std::string_view text) {
    return EsEtiquetaInterpolacio(text) || text == "INTERPOLACIÓN" ||
           text == "INTERPOLACIÓN LINEAL";
}

// The band rule: a piece of curve is drawn only when both of its rows lie
// strictly inside 0..440 (the curve may leave the plot box by 20 units).
bool DinsFranja(double fila) {
    return fila > 0 && fila < 440;
}

// Walks the columns in order, storing each status/value pair with the rounding
// rule and the band rule of the joined flag.
class EmmagatzemadorMostres {
  public:
    EmmagatzemadorMostres(MostresFuncio& m, const EixosFuncions& e) : m_(m), e_(e) {}

    void Guardar(int index, int codi, double valor) {
        MostraColumna& mc = m_.columna[static_cast<std::size_t>(index)];
        if (codi != 0 || !std::isfinite(valor)) {
            mc.definida = false;
            tram_ = 0;
            return;
        }
        if (valor < 1e-6) valor = Arrodonir6Decimals(valor);
        const double fila = e_.Fila(valor);
        mc.valor = valor;
        mc.fila = fila;
        ++tram_;
        if (tram_ >= 2 && (!DinsFranja(filaAnterior_) || !DinsFranja(fila))) mc.unida = false;
        filaAnterior_ = fila;
    }

  private:
    MostresFuncio& m_;
    const EixosFuncions& e_;
    int tram_ = 0; // length of the current run of defined columns
    double filaAnterior_ = 0;
};

void MarcarIndefinides(MostresFuncio& m) {
    for (auto& mc : m.columna)
        mc.definida = false;
}

void PrepararSlot(const SlotFuncio& slot, const EixosFuncions& eixos, const Parametres& param,
                  Calculador& calc, MostresFuncio& m) {
    std::array<double, NombreColumnes> xs;
    for (int c = PrimeraColumna; c <= UltimaColumna; ++c)
        xs[MostresFuncio::Index(c)] = eixos.XColumna(c);

    EmmagatzemadorMostres desti(m, eixos);
    const FuncioNumerica& fn = slot.Numerica;
    const bool ambPunts = fn.NombrePunts >= 2 && fn.NombrePunts <= MaxPuntsTaula;

    if (EsEtiquetaInterpolacio(slot.Text)) {
        if (!ambPunts) {
            MarcarIndefinides(m);
            return;
        }
        PreparacioInterpolacio prep;
        if (PrepararInterpolacio(fn, prep) != 0) {
            MarcarIndefinides(m);
            return;
        }
        for (std::size_t i = 0; i < xs.size(); ++i) {
            double y = 0;
            const int codi = AvaluarInterpolacio(fn, prep, xs[i], y);
            desti.Guardar(static_cast<int>(i), codi, y);
        }
        return;
    }

    // A regression label samples its fitted formula; a label with fewer than two
    // points has no value anywhere. Anything else is a formula.
    std::string_view formula = slot.Text;
    if (ModelDeEtiqueta(slot.Text) != 0) {
        if (!ambPunts) {
            MarcarIndefinides(m);
            return;
        }
        formula = fn.EquacioRegressio;
    }
    if (calc.CompilarFuncio(formula, param) != 0) {
        MarcarIndefinides(m);
        return;
    }
    std::array<double, NombreColumnes> ys;
    std::array<int, NombreColumnes> codis;
    calc.AvaluarFuncioMostres(xs.data(), ys.data(), codis.data(), NombreColumnes);
    for (std::size_t i = 0; i < xs.size(); ++i)
        desti.Guardar(static_cast<int>(i), codis[i], ys[i]);
}

void DesactivarTot(DisponibilitatComandes& d) {
    d.activa.fill(false);
    d.TreureMarcaNomsPunts = true;
}

} // namespace

bool EixosFuncions::Valids() const {
    const double v[] = {XOrigen, XFinal, XUnitat, YOrigen, YFinal, YUnitat};
    for (double x : v)
        if (!std::isfinite(x)) return false;
    if (!(XOrigen < XFinal && YOrigen < YFinal && XUnitat > 0 && YUnitat > 0)) return false;
    // The steps and origins derived from them must be finite too.
    EixosFuncions derivats = *this;
    derivats.CalcularPassos();
    derivats.CalcularOrigens();
    const double d[] = {XFinal - XOrigen,   YFinal - YOrigen,      derivats.PasLogicX,
                        derivats.PasLogicY, derivats.OrigenLogicX, derivats.OrigenLogicY};
    for (double x : d)
        if (!std::isfinite(x)) return false;
    return true;
}

void EixosFuncions::CalcularPassos() {
    PasLogicX = 600 * XUnitat / (XFinal - XOrigen);
    PasLogicY = 400 * YUnitat / (YFinal - YOrigen);
}

void EixosFuncions::CalcularOrigens() {
    OrigenLogicX = 20 - XOrigen * 600 / std::fabs(XFinal - XOrigen);
    OrigenLogicY = 20 + YFinal * 400 / std::fabs(YFinal - YOrigen);
}

double EixosFuncions::XColumna(int c) const {
    return ArrodonirPerMostrar((c - OrigenLogicX) / PasLogicX * XUnitat);
}

double EixosFuncions::XEscombrat(int c) const {
    return ArrodonirPerMostrar((c - OrigenLogicX) * AmpladaColumna());
}

double EixosFuncions::XMigEscombrat(int c) const {
    return ArrodonirPerMostrar(((2.0 * c - 1) / 2 - OrigenLogicX) * AmpladaColumna());
}

std::string_view NomComanda(Comanda c) {
    const int i = static_cast<int>(c);
    return i >= 0 && i < NombreComandes ? nomsComandes[static_cast<std::size_t>(i)]
                                        : std::string_view{};
}

void ReiniciarConjunt(ConjuntFuncions& cf) {
    cf.Eixos = EixosFuncions{};
    for (auto& s : cf.Slots) {
        s.Text.clear();
        RestablirFuncioNumerica(s.Numerica);
    }
    for (auto& m : cf.MostresColumna)
        m.Reiniciar();
    cf.NombreFuncions = 0;
    cf.FuncioUnica = {};
    cf.SegonaFuncio = {};
}

void ComptarFuncions(ConjuntFuncions& cf) {
    cf.NombreFuncions = 0;
    cf.FuncioUnica = {};
    cf.SegonaFuncio = {};
    for (int i = 0; i < NombreSlotsFuncio; ++i) {
        const std::string& text = cf.Slots[static_cast<std::size_t>(i)].Text;
        if (text.empty()) continue;
        ++cf.NombreFuncions;
        if (cf.NombreFuncions == 1)
            cf.FuncioUnica = {i + 1, text};
        else if (cf.NombreFuncions == 2)
            cf.SegonaFuncio = {i + 1, text};
    }
}

DisponibilitatComandes CalcularDisponibilitat(const ConjuntFuncions& cf) {
    DisponibilitatComandes d;
    if (cf.NombreFuncions == 1 && cf.FuncioUnica.Existeix()) {
        for (int i = 0; i < NombreComandesUnaFuncio; ++i)
            d.activa[static_cast<std::size_t>(i)] = true;
        const std::string& text = cf.FuncioUnica.Text;
        if (ModelDeEtiqueta(text) != 0) {
            d.Fixar(Comanda::MenuEquaciDeRegressio, true);
            d.Fixar(Comanda::MenuNomsPunts, true);
        } else if (EsInterpolacioPerAlMenu(text)) {
            d.Fixar(Comanda::MenuNomsPunts, true);
        } else {
            d.TreureMarcaNomsPunts = true;
        }
    } else if (cf.NombreFuncions == 2) {
        d.Fixar(Comanda::MenuTalls, true);
        d.Fixar(Comanda::MenuArea, true);
        d.TreureMarcaNomsPunts = true;
    } else {
        DesactivarTot(d);
    }
    return d;
}

int PrepararFuncions(ConjuntFuncions& cf, Calculador& calc, FinestraFuncions* finestra) {
    for (auto& m : cf.MostresColumna)
        m.Reiniciar();
    for (std::size_t i = 0; i < cf.Slots.size(); ++i) {
        const SlotFuncio& slot = cf.Slots[i];
        if (slot.Text.empty()) continue;
        if (finestra) finestra->FixarTitolFinestra(slot.Text);
        PrepararSlot(slot, cf.Eixos, cf.Parametres, calc, cf.MostresColumna[i]);
    }
    return 0;
}

int AplicarFuncions(ConjuntFuncions& cf, Calculador& calc, FinestraFuncions* finestra) {
    EixosFuncions& e = cf.Eixos;
    ComptarFuncions(cf);
    if (!e.Valids()) {
        for (auto& m : cf.MostresColumna) {
            m.Reiniciar();
            MarcarIndefinides(m);
        }
        DesactivarTot(cf.Comandes);
        return 1;
    }
    if (600 / (e.XFinal - e.XOrigen) * e.XUnitat < 6) e.XUnitat = (e.XFinal - e.XOrigen) * 0.01;
    if (400 / (e.YFinal - e.YOrigen) * e.YUnitat < 4) e.YUnitat = (e.YFinal - e.YOrigen) * 0.01;
    e.CalcularPassos();
    e.CalcularOrigens();
    PrepararFuncions(cf, calc, finestra);
    cf.Comandes = CalcularDisponibilitat(cf);
    return 0;
}

} // namespace tracima
