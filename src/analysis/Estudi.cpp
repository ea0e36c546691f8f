#include "analysis/Estudi.h"

#include "analysis/ComandesAnalisi.h"
#include "analysis/PuntImatge.h"
#include "engine/UnitTools.h"
#include "view/Dibuix.h"

#include <memory>

namespace tracima {
namespace {

// The study asks for no value: every analysis it runs is a plain scan.
class SenseEntrades : public EntradesAnalisi {
  public:
    bool DemanarValor(std::string_view, std::string_view, std::string&) override { return false; }
    bool DemanarLimits(std::string_view, std::string&, std::string&) override { return false; }
};

// The report's own words in each language with texts.
struct TextsEstudi {
    const char *estudi, *a, *definida, *tall, *precisio, *cap, *limit;
};
constexpr TextsEstudi Textos[] = {
    {"Estudi de f(x) = ", " a ", "Definida a", "Tall amb l'eix Y",
     "Resultats a la precisió d'una columna de la vista: ", "cap", "límit"},
    {"Estudio de f(x) = ", " en ", "Definida en", "Corte con el eje Y",
     "Resultados con la precisión de una columna de la vista: ", "ninguno", "límite"},
    {"Study of f(x) = ", " on ", "Defined on", "Y-intercept",
     "Results at the precision of one column of the view: ", "none", "limit"},
};

constexpr int AnalisisDePunts[] = {AnalisiArrels, AnalisiDiscontinuitats, AnalisiMaxims,
                                   AnalisiMinims, AnalisiInflexio};
constexpr int AnalisisDIntervals[] = {AnalisiCreixement, AnalisiDecreixement, AnalisiConcavitat,
                                      AnalisiConvexitat};

std::string TextValor(const OpcionsVista& o, double valor, double precisio) {
    return o.MenuPrecisioBaixa ? NumeroATextPrecisioBaixa(valor, precisio) : NumeroAText(valor);
}

// The intervals of an interval analysis. Its segments are, in order, each
// interval along the axis (added when it opens, then stretched) and the mark of
// every labelled end (added with its label, the opening one right after its
// interval). An end without a mark is the edge of the view: the X range's end.
std::vector<IntervalEstudi> Intervals(const EstatResultats& r, const EixosFuncions& e,
                                      const OpcionsVista& o) {
    struct Element {
        const SegmentResultat* s;
        int etiqueta; // the mark's label, or -1 for an interval
    };
    std::vector<Element> elements;
    const int n = r.Segments.nombre;
    int k = 0;
    for (int i = 0; i < n; ++i) {
        const SegmentResultat& s = r.Segments.entrades[static_cast<std::size_t>(i)];
        const auto puntual = [](const SegmentResultat& t, int columna) {
            return t.x1 == t.x2 && t.x1 == columna;
        };
        const bool marca = k < r.Etiquetes.nombre &&
                           puntual(s, r.Etiquetes.entrades[static_cast<std::size_t>(k)].columna) &&
                           !(i + 1 < n && s.y1 == s.y2 &&
                             puntual(r.Segments.entrades[static_cast<std::size_t>(i + 1)], s.x1));
        elements.push_back({&s, marca ? k++ : -1});
    }
    const auto text = [&](int etiqueta) {
        return r.Etiquetes.entrades[static_cast<std::size_t>(etiqueta)].text;
    };
    std::vector<IntervalEstudi> intervals;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].etiqueta >= 0) continue;
        const SegmentResultat& s = *elements[i].s;
        IntervalEstudi interval{TextValor(o, e.XOrigen, r.PrecisioX),
                                TextValor(o, e.XFinal, r.PrecisioX)};
        std::size_t j = i + 1;
        if (j < elements.size() && elements[j].etiqueta >= 0 && elements[j].s->x1 == s.x1)
            interval.a = text(elements[j++].etiqueta);
        if (j < elements.size() && elements[j].etiqueta >= 0)
            interval.b = text(elements[j].etiqueta);
        intervals.push_back(std::move(interval));
    }
    return intervals;
}

void AfegirMarques(EstatResultats& desti, const EstatResultats& r) {
    for (int i = 0; i < r.Segments.nombre && !desti.Segments.Ple(); ++i) {
        const SegmentResultat& s = r.Segments.entrades[static_cast<std::size_t>(i)];
        desti.Segments.Afegir(s.x1, s.y1, s.x2, s.y2, s.omplert);
    }
    for (int i = 0; i < r.Etiquetes.nombre && !desti.Etiquetes.Ple(); ++i) {
        const EtiquetaResultat& l = r.Etiquetes.entrades[static_cast<std::size_t>(i)];
        desti.Etiquetes.Afegir(l.columna, l.fila, l.text);
    }
}

std::vector<PuntEstudi>& PuntsDe(EstudiFuncio& e, int analisi) {
    switch (analisi) {
    case AnalisiArrels:
        return e.arrels;
    case AnalisiDiscontinuitats:
        return e.discontinuitats;
    case AnalisiMaxims:
        return e.maxims;
    case AnalisiMinims:
        return e.minims;
    default:
        return e.inflexions;
    }
}

std::vector<IntervalEstudi>& IntervalsDe(EstudiFuncio& e, int analisi) {
    switch (analisi) {
    case AnalisiCreixement:
        return e.creixement;
    case AnalisiDecreixement:
        return e.decreixement;
    case AnalisiConcavitat:
        return e.concavitat;
    default:
        return e.convexitat;
    }
}

// One section of the report, in the order of the study.
struct Seccio {
    std::string titol;
    const std::vector<PuntEstudi>* punts = nullptr;
    const std::vector<IntervalEstudi>* intervals = nullptr;
    std::string capcaleraY;           // empty: the points have an x alone
    std::optional<std::string> valor; // the cut with the Y axis
    bool esValor = false;
};

std::vector<Seccio> Seccions(const EstudiFuncio& e, const TaulaMissatges& m) {
    const TextsEstudi& t = EnLlengua(Textos, m.LlenguaDelsTextos());
    const auto titol = [&m](int analisi) {
        return std::string(m.Missatge(BaseTitolsAnalisi + analisi));
    };
    std::vector<Seccio> s;
    s.push_back({t.definida, nullptr, &e.definida, {}, {}, false});
    s.push_back({t.tall, nullptr, nullptr, {}, e.tallEixY, true});
    s.push_back({titol(AnalisiArrels), &e.arrels, nullptr, {}, {}, false});
    s.push_back({titol(AnalisiDiscontinuitats), &e.discontinuitats, nullptr, t.limit, {}, false});
    s.push_back({titol(AnalisiMaxims), &e.maxims, nullptr, "y", {}, false});
    s.push_back({titol(AnalisiMinims), &e.minims, nullptr, "y", {}, false});
    s.push_back({titol(AnalisiInflexio), &e.inflexions, nullptr, "y", {}, false});
    s.push_back({titol(AnalisiCreixement), nullptr, &e.creixement, {}, {}, false});
    s.push_back({titol(AnalisiDecreixement), nullptr, &e.decreixement, {}, {}, false});
    s.push_back({titol(AnalisiConcavitat), nullptr, &e.concavitat, {}, {}, false});
    s.push_back({titol(AnalisiConvexitat), nullptr, &e.convexitat, {}, {}, false});
    return s;
}

std::string Interval(const IntervalEstudi& i) {
    return "[" + i.a + "; " + i.b + "]"; // a low-precision end has a decimal comma
}

std::string Html(std::string_view text) {
    std::string s;
    for (char ch : text) {
        switch (ch) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        default:
            s += ch;
        }
    }
    return s;
}

} // namespace

int EtiquetesPerPunt(int analisi) {
    return analisi == AnalisiAntiimatge ||
                   (analisi >= AnalisiDiscontinuitats && analisi <= AnalisiInflexio) ||
                   analisi == AnalisiTalls
               ? 2
               : 1;
}

std::vector<PuntEstudi> PuntsDelsResultats(const EstatResultats& r, int analisi) {
    const int k = EtiquetesPerPunt(analisi);
    std::vector<PuntEstudi> punts;
    for (int i = 0; i < r.Etiquetes.nombre; i += k) {
        PuntEstudi p{r.Etiquetes.entrades[static_cast<std::size_t>(i)].text, {}};
        if (k == 2 && i + 1 < r.Etiquetes.nombre)
            p.y = r.Etiquetes.entrades[static_cast<std::size_t>(i + 1)].text;
        punts.push_back(std::move(p));
    }
    return punts;
}

std::optional<EstudiFuncio> EstudiarFuncio(const ConjuntFuncions& cf, const OpcionsVista& opcions,
                                           const TaulaMissatges& missatges) {
    if (cf.NombreFuncions != 1 || !cf.FuncioUnica.Existeix()) return {};
    const int slot = cf.FuncioUnica.Slot();
    const MostresFuncio& f = cf.MostresColumna[static_cast<std::size_t>(slot)];
    const EixosFuncions& e = cf.Eixos;
    OpcionsVista o = opcions;
    o.MenuTrassarElsCalculs = false;
    ValorsVista vista;
    FinestraCalculBuida finestra;
    SenseEntrades entrades;
    auto r = std::make_unique<EstatResultats>();

    EstudiFuncio estudi;
    estudi.funcio = cf.FuncioUnica.Text;
    estudi.xOrigen = e.XOrigen;
    estudi.xFinal = e.XFinal;
    estudi.precisio = e.AmpladaColumna();
    NetejarEstatResultats(estudi.marques, e);
    estudi.marques.AnalisiActiva = AnalisiEstudi;
    estudi.marques.TextEstat = std::string(missatges.Missatge(BaseTitolsAnalisi + AnalisiEstudi));

    // The runs of defined columns.
    for (int c = PrimeraColumna; c <= UltimaColumna; ++c) {
        if (!f.Definida(c) || (c > PrimeraColumna && f.Definida(c - 1))) continue;
        int fi = c;
        while (fi < UltimaColumna && f.Definida(fi + 1))
            ++fi;
        estudi.definida.push_back({TextValor(o, e.XEscombrat(c), estudi.marques.PrecisioX),
                                   TextValor(o, e.XEscombrat(fi), estudi.marques.PrecisioX)});
    }

    // The cut with the Y axis: the point panel at x = 0.
    if (e.XOrigen <= 0 && 0 <= e.XFinal) {
        NetejarEstatResultats(*r, e);
        PanellPunt panell;
        Calculador calc;
        ContextAnalisi ctx{*r, f, e, o, vista, missatges, finestra, cf.FuncioUnica.Text};
        ContextPunt punt{ctx, cf.Slots[static_cast<std::size_t>(slot)], cf.Parametres, calc,
                         panell};
        IniciarPunt(punt, AnalisiImatge);
        if (panell.TextY.starts_with("y = "))
            estudi.tallEixY = panell.TextY.substr(4);
        else if (panell.TextY == missatges.Text(TextFix::ForaDeLaPantalla))
            estudi.tallEixY = panell.TextY;
    }

    const auto executar = [&](int analisi) {
        NetejarEstatResultats(*r, e);
        ContextAnalisi ctx{*r, f, e, o, vista, missatges, finestra, cf.FuncioUnica.Text};
        ExecutarComandaAnalisi(ctx, analisi, nullptr, cf.Parametres, entrades);
    };
    for (int a : AnalisisDePunts) {
        executar(a);
        PuntsDe(estudi, a) = PuntsDelsResultats(*r, a);
        AfegirMarques(estudi.marques, *r);
    }
    for (int a : AnalisisDIntervals) {
        executar(a);
        IntervalsDe(estudi, a) = Intervals(*r, e, o);
    }
    return estudi;
}

std::string TitolEstudi(const EstudiFuncio& e, const TaulaMissatges& m) {
    const TextsEstudi& t = EnLlengua(Textos, m.LlenguaDelsTextos());
    return t.estudi + e.funcio + t.a + "[" + NumeroAText(e.xOrigen) + ", " + NumeroAText(e.xFinal) +
           "]";
}

std::string TextEstudi(const EstudiFuncio& e, const TaulaMissatges& m) {
    const TextsEstudi& t = EnLlengua(Textos, m.LlenguaDelsTextos());
    std::string s = TitolEstudi(e, m) + "\r\n" + t.precisio + NumeroAText(e.precisio) + "\r\n";
    for (const Seccio& c : Seccions(e, m)) {
        s += "\r\n" + c.titol + "\r\n";
        if (c.esValor) {
            s += (c.valor ? *c.valor : std::string("—")) + "\r\n";
        } else if (c.intervals) {
            if (c.intervals->empty()) s += std::string(t.cap) + "\r\n";
            for (const IntervalEstudi& i : *c.intervals)
                s += Interval(i) + "\r\n";
        } else if (c.punts->empty()) {
            s += std::string(t.cap) + "\r\n";
        } else {
            s += c.capcaleraY.empty() ? "x\r\n" : "x\t" + c.capcaleraY + "\r\n";
            for (const PuntEstudi& p : *c.punts)
                s += c.capcaleraY.empty() ? p.x + "\r\n" : p.x + "\t" + p.y + "\r\n";
        }
    }
    return s;
}

std::string HtmlEstudi(const EstudiFuncio& e, const TaulaMissatges& m, bool taules) {
    const TextsEstudi& t = EnLlengua(Textos, m.LlenguaDelsTextos());
    const std::string titol = Html(TitolEstudi(e, m));
    std::string s = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + titol +
                    "</title></head>\n<body>\n<h2>" + titol + "</h2>\n<p>" + Html(t.precisio) +
                    NumeroAText(e.precisio) + "</p>\n";
    for (const Seccio& c : Seccions(e, m)) {
        s += "<h3>" + Html(c.titol) + "</h3>\n";
        if (c.esValor) {
            s += "<p>" + Html(c.valor ? *c.valor : std::string("—")) + "</p>\n";
        } else if (c.intervals ? c.intervals->empty() : c.punts->empty()) {
            s += "<p>" + Html(t.cap) + "</p>\n";
        } else if (c.intervals) {
            s += "<ul>\n";
            for (const IntervalEstudi& i : *c.intervals)
                s += "<li>" + Html(Interval(i)) + "</li>\n";
            s += "</ul>\n";
        } else if (!taules) {
            s += "<pre><b>x</b>" +
                 (c.capcaleraY.empty() ? "" : "\t<b>" + Html(c.capcaleraY) + "</b>") + "\n";
            for (const PuntEstudi& p : *c.punts)
                s += Html(p.x) + (c.capcaleraY.empty() ? "" : "\t" + Html(p.y)) + "\n";
            s += "</pre>\n";
        } else {
            s += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n<tr><th>x</th>";
            if (!c.capcaleraY.empty()) s += "<th>" + Html(c.capcaleraY) + "</th>";
            s += "</tr>\n";
            for (const PuntEstudi& p : *c.punts) {
                s += "<tr><td>" + Html(p.x) + "</td>";
                if (!c.capcaleraY.empty()) s += "<td>" + Html(p.y) + "</td>";
                s += "</tr>\n";
            }
            s += "</table>\n";
        }
    }
    return s + "</body></html>\n";
}

} // namespace tracima
