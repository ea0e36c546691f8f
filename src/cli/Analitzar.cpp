// tracima-cli analitzar: one analysis run untraced on a function set, printing
// what the user would see (labels, curves, messages, status line).
#include "analysis/ComandesAnalisi.h"
#include "analysis/Estudi.h"
#include "analysis/PuntImatge.h"
#include "cli/Comandes.h"
#include "document/Document.h"
#include "engine/UnitTools.h"
#include "text/Missatges.h"
#include "view/Dibuix.h"
#include "view/LlencSvg.h"

#include <charconv>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>

namespace tracima::cli {

namespace {

const char* const ajudaAnalitzar =
    "Ús: tracima-cli analitzar ANALISI [opcions] FORMULA [FORMULA2]\n"
    "\n"
    "Fa l'anàlisi ANALISI sense traçar sobre les funcions donades (F(x) i G(x)) o\n"
    "sobre les d'un document, i escriu el que veuria l'usuari.\n"
    "\n"
    "ANALISI: imatge, derivada-punt, antiimatges, arrels, discontinuitats, maxims,\n"
    "minims, inflexio, creixement, decreixement, concavitat, convexitat, derivada,\n"
    "segona-derivada, funcio-integral, integral-definida, integral-linia, talls,\n"
    "area.\n"
    "\n"
    "  --document FITXER.trc   les funcions i els eixos d'un document\n"
    "  --eixos XO XF YO YF     eixos (per defecte -7.5 7.5 -5 5)\n"
    "  --unitats UX UY         unitats dels eixos (per defecte 1 1)\n"
    "  -p LLETRA=VALOR         paràmetre A..F; VALOR és una fórmula amb tots a 1\n"
    "  --valor T               valor de les antiimatges\n"
    "  --x X                   x de la imatge i de la derivada en un punt\n"
    "  --x0 X0                 x inicial de la funció integral\n"
    "  --limits A B            límits de les integrals i de l'àrea\n"
    "  --precisio-alta         sense \"Precisió baixa\" (per defecte marcada)\n"
    "  --idioma es|en          textos en castellà o en anglès (per defecte, català)\n"
    "  --json                  el mateix en JSON, amb segments i etiquetes\n"
    "  --help                  mostra aquesta ajuda\n"
    "\n"
    "Sortida: una línia per punt trobat amb les seves etiquetes separades per un\n"
    "tabulador; per a les corbes, una línia per columna 20..620 amb la x i el valor\n"
    "(\"-\" on no n'hi ha); \"missatge: TEXT\" per cada missatge; \"estat: TEXT\" al final.\n"
    "Una anàlisi sense el seu valor fa com si l'usuari cancel·lés la caixa.\n"
    "Estat de sortida: 0 bé, 2 arguments erronis o una fórmula que no compila.\n";

const char* const ajudaImatge =
    "Ús: tracima-cli imatge [opcions] [FORMULA]...\n"
    "\n"
    "Dibuixa, com la finestra, les funcions donades (F(x) a K(x), sis com a màxim) o\n"
    "les d'un document, amb una anàlisi opcional feta sense traçar, i escriu el\n"
    "gràfic en SVG a la sortida estàndard o a un fitxer.\n"
    "\n"
    "  --document FITXER.trc   les funcions i els eixos d'un document\n"
    "  --eixos XO XF YO YF     eixos (per defecte -7.5 7.5 -5 5)\n"
    "  --unitats UX UY         unitats dels eixos (per defecte 1 1)\n"
    "  -p LLETRA=VALOR         paràmetre A..F; VALOR és una fórmula amb tots a 1\n"
    "  --analisi ANALISI       una anàlisi de \"tracima-cli analitzar\"\n"
    "  --valor T, --x X, --x0 X0, --limits A B   els valors de l'anàlisi\n"
    "  --mida AMPLExALT        mida en píxels (per defecte 640x460)\n"
    "  --pissarra --trama --valors-eixos --sense-eixos --negre   opcions de la vista\n"
    "  --gruix N               gruix de les línies (per defecte 1)\n"
    "  --precisio-alta, --idioma es|en   com a \"analitzar\"\n"
    "  --sortida FITXER.svg    el fitxer on s'escriu (per defecte, la sortida estàndard)\n"
    "  --help                  mostra aquesta ajuda\n"
    "\n"
    "Estat de sortida: 0 bé, 2 arguments erronis, una fórmula que no compila o un\n"
    "fitxer que no es pot escriure.\n";

const char* const ajudaEstudi =
    "Ús: tracima-cli estudi [opcions] FORMULA\n"
    "\n"
    "Estudia la funció en l'interval X dels eixos com l'ordre \"Estudi de la funció\"\n"
    "de la finestra: on és definida, el tall amb l'eix Y, les arrels, les\n"
    "discontinuïtats aïllades, els màxims, els mínims, els punts d'inflexió i els\n"
    "intervals de creixement, decreixement, concavitat i convexitat, i n'escriu\n"
    "l'informe en text o en JSON.\n"
    "\n"
    "  --document FITXER.trc   la funció i els eixos d'un document\n"
    "  --eixos XO XF YO YF     eixos (per defecte -7.5 7.5 -5 5)\n"
    "  --unitats UX UY         unitats dels eixos (per defecte 1 1)\n"
    "  -p LLETRA=VALOR         paràmetre A..F; VALOR és una fórmula amb tots a 1\n"
    "  --precisio-alta         sense \"Precisió baixa\" (per defecte marcada)\n"
    "  --idioma es|en          textos en castellà o en anglès (per defecte, català)\n"
    "  --json                  un objecte JSON amb els mateixos textos\n"
    "  --help                  mostra aquesta ajuda\n"
    "\n"
    "Estat de sortida: 0 bé, 2 arguments erronis o una fórmula que no compila.\n";

struct DefAnalisi {
    const char* nom;
    int numero;
    Comanda comanda;
};

constexpr DefAnalisi analisis[] = {
    {"imatge", AnalisiImatge, Comanda::MenuImatge},
    {"derivada-punt", AnalisiDerivadaPunt, Comanda::MenuDerivadaEnUnPunt},
    {"antiimatges", AnalisiAntiimatge, Comanda::MenuAntiimatge},
    {"arrels", AnalisiArrels, Comanda::MenuArrels},
    {"discontinuitats", AnalisiDiscontinuitats, Comanda::MenuDiscontinuitatsAillades},
    {"maxims", AnalisiMaxims, Comanda::MenuMaxims},
    {"minims", AnalisiMinims, Comanda::MenuMinims},
    {"inflexio", AnalisiInflexio, Comanda::MenuPuntsDinflexio},
    {"creixement", AnalisiCreixement, Comanda::MenuIntervalsDeCreixement},
    {"decreixement", AnalisiDecreixement, Comanda::MenuIntervalsDeDecreixement},
    {"concavitat", AnalisiConcavitat, Comanda::MenuIntervalsDeConcavitat},
    {"convexitat", AnalisiConvexitat, Comanda::MenuIntervalsDeConvexitat},
    {"derivada", AnalisiDerivada, Comanda::MenuFuncioDerivada},
    {"segona-derivada", AnalisiSegonaDerivada, Comanda::MenuSegonaDerivada},
    {"funcio-integral", AnalisiFuncioIntegral, Comanda::MenuFuncioIntegral},
    {"integral-definida", AnalisiIntegralDefinida, Comanda::MenuIntegralDefinida},
    {"integral-linia", AnalisiIntegralLinia, Comanda::MenuIntegralDeLinia},
    {"talls", AnalisiTalls, Comanda::MenuTalls},
    {"area", AnalisiArea, Comanda::MenuArea},
    {"estudi", AnalisiEstudi, Comanda::MenuArrels}, // one function, as the menu's commands
};

// Each box is answered once with the value given; a box asked again counts as
// cancelled, as does a box whose value was not given.
class EntradesCli : public EntradesAnalisi {
  public:
    std::optional<std::string> valor;
    std::optional<std::pair<std::string, std::string>> limits;
    bool DemanarValor(std::string_view, std::string_view, std::string& text) override {
        if (!valor || valorDonat_) return false;
        valorDonat_ = true;
        text = *valor;
        return true;
    }
    bool DemanarLimits(std::string_view, std::string& a, std::string& b) override {
        if (!limits || limitsDonats_) return false;
        limitsDonats_ = true;
        a = limits->first;
        b = limits->second;
        return true;
    }

  private:
    bool valorDonat_ = false, limitsDonats_ = false;
};

std::string Json(std::string_view s) {
    std::string o = "\"";
    for (unsigned char ch : s) {
        switch (ch) {
        case '"':
            o += "\\\"";
            break;
        case '\\':
            o += "\\\\";
            break;
        case '\n':
            o += "\\n";
            break;
        case '\t':
            o += "\\t";
            break;
        default:
            if (ch < 0x20) {
                static const char* hex = "0123456789abcdef";
                o += "\\u00";
                o += hex[ch >> 4];
                o += hex[ch & 15];
            } else {
                o += static_cast<char>(ch);
            }
        }
    }
    return o + "\"";
}

bool EsCorba(int a) {
    return a == AnalisiDerivada || a == AnalisiSegonaDerivada || a == AnalisiFuncioIntegral;
}

bool EsDePunts(int a) {
    return (a >= AnalisiAntiimatge && a <= AnalisiInflexio) ||
           (a >= AnalisiCreixement && a <= AnalisiConvexitat) || a == AnalisiTalls;
}

void EscriureText(std::ostream& out, const EstatResultats& r, const EixosFuncions& e, int a,
                  const std::vector<std::string>& missatges) {
    if (EsDePunts(a)) {
        for (const PuntEstudi& p : PuntsDelsResultats(r, a))
            out << p.x << (p.y.empty() ? "" : "\t" + p.y) << "\n";
    }
    if (EsCorba(a) && r.Corba.MostrarCorbaResultat) {
        for (int c = PrimeraColumna; c <= UltimaColumna; ++c)
            out << NumeroAText(e.XEscombrat(c)) << "\t"
                << (r.Corba.Valida(c) ? NumeroAText(r.Corba.Valor(c)) : "-") << "\n";
    }
    for (const auto& m : missatges)
        out << "missatge: " << m << "\n";
    out << "estat: " << r.TextEstat << "\n";
}

void EscriureJson(std::ostream& out, const EstatResultats& r, const EixosFuncions& e, int a,
                  std::string_view nom, const std::vector<std::string>& missatges) {
    out << "{\"analisi\": " << Json(nom) << ", \"numero\": " << a;
    out << ", \"punts\": [";
    if (EsDePunts(a)) {
        bool primer = true;
        for (const PuntEstudi& p : PuntsDelsResultats(r, a)) {
            out << (primer ? "" : ", ") << "[" << Json(p.x) << (p.y.empty() ? "" : ", " + Json(p.y))
                << "]";
            primer = false;
        }
    }
    out << "], \"corba\": [";
    if (EsCorba(a) && r.Corba.MostrarCorbaResultat) {
        for (int c = PrimeraColumna; c <= UltimaColumna; ++c)
            out << (c > PrimeraColumna ? ", " : "") << "[" << Json(NumeroAText(e.XEscombrat(c)))
                << ", " << (r.Corba.Valida(c) ? Json(NumeroAText(r.Corba.Valor(c))) : "null")
                << "]";
    }
    out << "], \"missatges\": [";
    for (std::size_t i = 0; i < missatges.size(); ++i)
        out << (i ? ", " : "") << Json(missatges[i]);
    out << "], \"segments\": [";
    for (int i = 0; i < r.Segments.nombre; ++i) {
        const auto& s = r.Segments.entrades[static_cast<std::size_t>(i)];
        out << (i ? ", " : "") << "[" << s.x1 << ", " << s.y1 << ", " << s.x2 << ", " << s.y2
            << ", " << (s.omplert ? "true" : "false") << "]";
    }
    out << "], \"etiquetes\": [";
    for (int i = 0; i < r.Etiquetes.nombre; ++i) {
        const auto& l = r.Etiquetes.entrades[static_cast<std::size_t>(i)];
        out << (i ? ", " : "") << "{\"columna\": " << l.columna << ", \"fila\": " << l.fila
            << ", \"text\": " << Json(l.text) << "}";
    }
    out << "], \"estat\": " << Json(r.TextEstat) << "}\n";
}

void EscriureJsonEstudi(std::ostream& out, const EstudiFuncio& e) {
    const auto intervals = [&out](const std::vector<IntervalEstudi>& v) {
        out << "[";
        for (std::size_t i = 0; i < v.size(); ++i)
            out << (i ? ", " : "") << "[" << Json(v[i].a) << ", " << Json(v[i].b) << "]";
        out << "]";
    };
    const auto punts = [&out](const std::vector<PuntEstudi>& v, const char* y) {
        out << "[";
        for (std::size_t i = 0; i < v.size(); ++i) {
            out << (i ? ", " : "") << "{\"x\": " << Json(v[i].x);
            if (y) out << ", \"" << y << "\": " << Json(v[i].y);
            out << "}";
        }
        out << "]";
    };
    out << "{\"funcio\": " << Json(e.funcio) << ", \"interval\": [" << NumeroAText(e.xOrigen)
        << ", " << NumeroAText(e.xFinal) << "], \"precisio\": " << NumeroAText(e.precisio)
        << ", \"definida\": ";
    intervals(e.definida);
    out << ", \"tall_eix_y\": " << (e.tallEixY ? Json(*e.tallEixY) : std::string("null"))
        << ", \"arrels\": ";
    punts(e.arrels, nullptr);
    out << ", \"discontinuitats\": ";
    punts(e.discontinuitats, "limit");
    out << ", \"maxims\": ";
    punts(e.maxims, "y");
    out << ", \"minims\": ";
    punts(e.minims, "y");
    out << ", \"inflexions\": ";
    punts(e.inflexions, "y");
    const std::pair<const char*, const std::vector<IntervalEstudi>*> seccions[] = {
        {"creixement", &e.creixement},
        {"decreixement", &e.decreixement},
        {"concavitat", &e.concavitat},
        {"convexitat", &e.convexitat}};
    for (const auto& [nom, v] : seccions) {
        out << ", \"" << nom << "\": ";
        intervals(*v);
    }
    out << "}\n";
}

// Options that take values: how many.
int ValorsOpcio(std::string_view a, bool imatge) {
    if (a == "--eixos") return 4;
    if (a == "--unitats" || a == "--limits") return 2;
    if (a == "-p" || a == "--valor" || a == "--x" || a == "--x0" || a == "--idioma" ||
        a == "--document")
        return 1;
    if (imatge && (a == "--analisi" || a == "--mida" || a == "--gruix" || a == "--sortida")) return 1;
    return -1;
}

// "AMPLExALT" with both from 1 to 8000.
bool LlegirMida(std::string_view text, int& amplada, int& alcada) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) return false;
    const auto llegir = [](std::string_view t, int& v) {
        const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
        return r.ec == std::errc() && r.ptr == t.data() + t.size() && v >= 1 && v <= 8000;
    };
    return llegir(text.substr(0, x), amplada) && llegir(text.substr(x + 1), alcada);
}

// "analitzar" (the analysis named first, one or two formulas, its results as
// text) and "imatge" (up to six formulas, an optional analysis, the graph as SVG).
int Executar(const Arguments& args, std::ostream& out, std::ostream& err, bool imatge,
             bool estudi = false) {
    const char* const nomComanda = imatge ? "imatge" : estudi ? "estudi" : "analitzar";
    const char* const ajuda = imatge ? ajudaImatge : estudi ? ajudaEstudi : ajudaAnalitzar;
    std::optional<std::string> analisi, mida, gruix, sortida;
    OpcionsVista vistaDemanada;
    Parametres parametres;
    const Parametres tots1;
    std::vector<std::string> posicionals;
    std::optional<std::vector<std::string>> eixos, unitats;
    std::optional<std::string> document, x, valor, x0;
    EntradesCli entrades;
    bool json = false, precisioAlta = false;
    Llengua llengua = Llengua::Catala;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help") {
            out << ajuda;
            return 0;
        }
        if (imatge) {
            bool* marca = a == "--pissarra"      ? &vistaDemanada.MenuPissarra
                          : a == "--trama"       ? &vistaDemanada.MenuTrama
                          : a == "--valors-eixos" ? &vistaDemanada.MenuMostrarValorUnitatEixos
                          : a == "--sense-eixos" ? &vistaDemanada.MenuTreureElsEixos
                          : a == "--negre"       ? &vistaDemanada.MenuFuncionsEnNegre
                                                 : nullptr;
            if (marca) {
                *marca = true;
                continue;
            }
        }
        if (a == "--json") {
            json = true;
            continue;
        }
        if (a == "--precisio-alta") {
            precisioAlta = true;
            continue;
        }
        const int n = ValorsOpcio(a, imatge);
        if (n < 0) {
            posicionals.push_back(a);
            continue;
        }
        if (i + static_cast<std::size_t>(n) >= args.size()) {
            err << nomComanda << ": " << a << " necessita " << n << " valor" << (n > 1 ? "s" : "")
                << "\n";
            return 2;
        }
        std::vector<std::string> v(args.begin() + static_cast<std::ptrdiff_t>(i + 1),
                                   args.begin() + static_cast<std::ptrdiff_t>(i + 1 + n));
        i += static_cast<std::size_t>(n);
        if (a == "--eixos") {
            eixos = v;
        } else if (a == "--unitats") {
            unitats = v;
        } else if (a == "--limits") {
            entrades.limits = std::pair{v[0], v[1]};
        } else if (a == "--valor") {
            valor = v[0];
        } else if (a == "--x0") {
            x0 = v[0];
        } else if (a == "--x") {
            x = v[0];
        } else if (a == "--document") {
            document = v[0];
        } else if (a == "--analisi") {
            analisi = v[0];
        } else if (a == "--mida") {
            mida = v[0];
        } else if (a == "--gruix") {
            gruix = v[0];
        } else if (a == "--sortida") {
            sortida = v[0];
        } else if (a == "--idioma") {
            if (!LlenguaDeCodi(v[0], llengua)) {
                err << nomComanda << ": idioma desconegut (" << IdiomesAcceptats << "): " << v[0]
                    << "\n";
                return 2;
            }
        } else { // -p
            const std::string& def = v[0];
            char lletra = def.empty() ? '\0' : def[0];
            if (lletra >= 'a' && lletra <= 'f') lletra = static_cast<char>(lletra - 'a' + 'A');
            double valor = 0;
            if (def.size() < 3 || def[1] != '=' || lletra < 'A' || lletra > 'F' ||
                CalcularExpressio(std::string_view(def).substr(2), tots1, valor) != 0) {
                err << nomComanda << ": paràmetre mal escrit o que no es pot llegir: " << def << "\n";
                return 2;
            }
            parametres[lletra - 'A'] = valor;
        }
    }
    if (estudi) {
        analisi = "estudi";
    } else if (!imatge) {
        if (posicionals.empty()) {
            err << "analitzar: falta l'anàlisi\n" << ajudaAnalitzar;
            return 2;
        }
        analisi = posicionals.front();
        posicionals.erase(posicionals.begin());
    }
    const DefAnalisi* def = nullptr;
    if (analisi) {
        for (const auto& d : analisis)
            if (*analisi == d.nom) def = &d;
        if (def == nullptr) {
            err << nomComanda << ": anàlisi desconeguda: " << *analisi << "\n";
            return 2;
        }
    }
    int amplada = 640, alcada = 460, gruixLinies = 1;
    if (mida && !LlegirMida(*mida, amplada, alcada)) {
        err << "imatge: mida mal escrita (AMPLExALT, de 1 a 8000): " << *mida << "\n";
        return 2;
    }
    if (gruix) {
        const auto r = std::from_chars(gruix->data(), gruix->data() + gruix->size(), gruixLinies);
        if (r.ec != std::errc() || r.ptr != gruix->data() + gruix->size() || gruixLinies < 1 || gruixLinies > 100) {
            err << "imatge: gruix mal escrit (de 1 a 100): " << *gruix << "\n";
            return 2;
        }
    }
    const std::vector<std::string>& formules = posicionals;
    if (def) entrades.valor = def->numero == AnalisiFuncioIntegral ? x0 : valor;

    auto cf = std::make_unique<ConjuntFuncions>();
    ReiniciarConjunt(*cf);
    cf->Parametres = parametres;
    Calculador calc;
    auto missatges = std::make_unique<TaulaMissatges>();
    missatges->CanviarLlengua(llengua);
    if (document) {
        if (!formules.empty()) {
            err << nomComanda << ": amb --document no es donen fórmules\n";
            return 2;
        }
        if (LlegirDocument(*document, *cf, calc) != 0) {
            err << nomComanda << ": " << missatges->Missatge(MissatgeNoPucObrir) << "\n";
            return 2;
        }
    } else {
        if (imatge ? formules.size() > 6 : formules.empty() || formules.size() > 2) {
            err << nomComanda
                << (imatge   ? ": sis fórmules com a màxim\n"
                    : estudi ? ": cal una fórmula\n"
                             : ": cal una fórmula o dues\n");
            return 2;
        }
        for (std::size_t i = 0; i < formules.size(); ++i) {
            const int codi = calc.CompilarFuncio(formules[i], parametres);
            if (codi != 0) {
                const std::string_view nom = missatges->Missatge(BaseCodisCompilacio + codi);
                err << nomComanda << ": la fórmula " << formules[i] << " no compila (codi " << codi
                    << (nom.empty() ? "" : ": ") << nom << ")\n";
                return 2;
            }
            cf->Slots[i].Text = formules[i];
        }
    }
    const auto llegir = [&](const std::vector<std::string>& v, double* desti) {
        for (std::size_t i = 0; i < v.size(); ++i)
            if (CalcularExpressio(v[i], parametres, desti[i]) != 0) {
                err << nomComanda << ": valor que no es pot llegir: " << v[i] << "\n";
                return false;
            }
        return true;
    };
    EixosFuncions& e = cf->Eixos;
    if (eixos) {
        double v[4];
        if (!llegir(*eixos, v)) return 2;
        e.XOrigen = v[0];
        e.XFinal = v[1];
        e.YOrigen = v[2];
        e.YFinal = v[3];
    }
    if (unitats) {
        double v[2];
        if (!llegir(*unitats, v)) return 2;
        e.XUnitat = v[0];
        e.YUnitat = v[1];
    }
    if (AplicarFuncions(*cf, calc) != 0) {
        err << nomComanda << ": eixos no vàlids\n";
        return 2;
    }
    if (def && !cf->Comandes.Activa(def->comanda)) {
        const bool dues = def->numero == AnalisiTalls || def->numero == AnalisiArea;
        err << nomComanda << ": " << def->nom << " necessita "
            << (dues ? "dues funcions definides" : "una sola funció definida") << "\n";
        return 2;
    }

    auto resultats = std::make_unique<EstatResultats>();
    NetejarEstatResultats(*resultats, e);
    OpcionsVista opcions = vistaDemanada;
    opcions.GruixLinies = gruixLinies;
    opcions.MenuTrassarElsCalculs = false;
    opcions.MenuPrecisioBaixa = !precisioAlta;
    ValorsVista vista;
    FinestraCalculBuida finestra;
    const int slot1 = cf->FuncioUnica.Slot();
    const int slot2 = cf->SegonaFuncio.Slot();
    const MostresFuncio& f1 = cf->MostresColumna[static_cast<std::size_t>(slot1)];
    const MostresFuncio* f2 =
        slot2 >= 0 ? &cf->MostresColumna[static_cast<std::size_t>(slot2)] : nullptr;
    ContextAnalisi ctx{*resultats, f1,         e,        opcions,
                       vista,      *missatges, finestra, cf->FuncioUnica.Text};
    if (def == nullptr) {
        // Only the picture.
    } else if (def->numero == AnalisiEstudi) {
        if (!estudi) {
            err << nomComanda << ": anàlisi desconeguda: " << def->nom << "\n";
            return 2;
        }
        const std::optional<EstudiFuncio> e = EstudiarFuncio(*cf, opcions, *missatges);
        if (json)
            EscriureJsonEstudi(out, *e);
        else
            out << TextEstudi(*e, *missatges);
        return 0;
    } else if (def->numero == AnalisiImatge || def->numero == AnalisiDerivadaPunt) {
        PanellPunt panell;
        Calculador calcPunt;
        ContextPunt punt{ctx, cf->Slots[static_cast<std::size_t>(slot1)], cf->Parametres, calcPunt,
                         panell};
        IniciarPunt(punt, def->numero);
        if (x) {
            panell.TextX = *x;
            AcceptarPunt(punt);
        }
    } else {
        ExecutarComandaAnalisi(ctx, def->numero, f2, cf->Parametres, entrades);
    }
    if (imatge) {
        for (const std::string& m : finestra.missatges) err << "imatge: missatge: " << m << "\n";
        LlencSvg svg(amplada, alcada);
        Repintar(svg, *cf, opcions, vista, *resultats);
        const std::string document = svg.Document();
        if (!sortida) {
            out << document;
            return 0;
        }
        std::ofstream fitxer(*sortida, std::ios::binary);
        fitxer << document;
        fitxer.close();
        if (!fitxer) {
            err << "imatge: no es pot escriure el fitxer " << *sortida << "\n";
            return 2;
        }
        return 0;
    }
    if (json)
        EscriureJson(out, *resultats, e, def->numero, def->nom, finestra.missatges);
    else
        EscriureText(out, *resultats, e, def->numero, finestra.missatges);
    return 0;
}

} // namespace

int ComandaEstudi(const Arguments& args, std::ostream& out, std::ostream& err) {
    return Executar(args, out, err, false, true);
}

int ComandaAnalitzar(const Arguments& args, std::ostream& out, std::ostream& err) {
    return Executar(args, out, err, false);
}

int ComandaImatge(const Arguments& args, std::ostream& out, std::ostream& err) {
    return Executar(args, out, err, true);
}

} // namespace tracima::cli
