// tracima-cli regressio and interpolacio: a table of points in the clipboard
// format, accepted as the regression or the interpolation dialog accepts it.
#include "text/Missatges.h"
#include "cli/Comandes.h"
#include "engine/UnitTools.h"
#include "numeric/DialegsNumerics.h"
#include "numeric/UnitCalcularRegressio.h"
#include "numeric/UnitInterpolacio.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tracima::cli {

namespace {

const char* const ajudaRegressio =
    "Ús: tracima-cli regressio [--model MODEL] [--idioma es|en] FITXER\n"
    "    tracima-cli regressio --coeficients [--idioma es|en] FITXER\n"
    "\n"
    "Llegeix una taula de punts de FITXER (\"-\": l'entrada estàndard) en el format\n"
    "de la carpeta: línies \"x<TAB>y\", o bé una x i una y en línies alternes (una\n"
    "línia buida acaba la taula; només hi caben 400 punts). Cada cel·la és una\n"
    "fórmula. Ajusta el MODEL com el diàleg de regressió i n'escriu, una per línia,\n"
    "l'etiqueta de la funció, l'equació i el coeficient de correlació.\n"
    "\n"
    "  --model MODEL   lineal (per defecte), quadratica, exponencial, potencial o\n"
    "                  inversa\n"
    "  --coeficients   escriu el text de la finestra de coeficients (19 línies\n"
    "                  acabades en CR LF): estadístiques, R i error de cada model\n"
    "  --idioma es|en  missatges i textos en castellà o en anglès (per defecte,\n"
    "                  català)\n"
    "  --help          mostra aquesta ajuda\n"
    "\n"
    "Si el diàleg refusaria la taula, escriu a l'error estàndard el número del\n"
    "missatge, la cel·la (fila, columna) on aniria el cursor i el text del missatge.\n"
    "Estat de sortida: 0 bé, 1 taula refusada, 2 arguments erronis o un fitxer que\n"
    "no es pot llegir.\n";

const char* const ajudaInterpolacio =
    "Ús: tracima-cli interpolacio [--lineal] [--extrapolar] [--idioma es|en] FITXER [X]...\n"
    "\n"
    "Llegeix una taula de punts de FITXER (\"-\": l'entrada estàndard) en el format\n"
    "de la carpeta, com \"tracima-cli regressio\" (les x han de ser creixents), i\n"
    "l'accepta com el diàleg d'interpolació. Escriu una línia per X: la x, un\n"
    "tabulador i el valor de la funció interpolada, o \"error 101\" on no en té.\n"
    "Sense cap X només comprova la taula.\n"
    "\n"
    "  --lineal        interpolació lineal (per defecte, la suau de cúbiques)\n"
    "  --extrapolar    també fora de l'interval de les x de la taula\n"
    "  --idioma es|en  missatges en castellà o en anglès (per defecte, català)\n"
    "  --help          mostra aquesta ajuda\n"
    "\n"
    "Cada X és una fórmula. Si el diàleg refusaria la taula, escriu a l'error\n"
    "estàndard el número del missatge, la cel·la (fila, columna) i el text.\n"
    "Estat de sortida: 0 bé, 1 taula refusada, 2 arguments erronis, un fitxer que\n"
    "no es pot llegir o una X que no es pot llegir.\n";

// More than a clipboard table ever needs (400 rows of long formulas).
constexpr std::size_t MidaMaximaFitxer = 16u << 20;

constexpr const char* nomsModels[] = {"lineal", "quadratica", "exponencial", "potencial",
                                      "inversa"};

// The arguments both commands share; the rest are left in `posicionals`.
struct ArgumentsTaula {
    Llengua llengua = Llengua::Catala;
    std::vector<std::string> posicionals;
    std::vector<std::string> opcions; // flags of the command, as given
    std::optional<std::string> model;
};

// Returns 0, 1 for --help (written), 2 for a bad argument (reported).
int LlegirArguments(const Arguments& args, std::string_view comanda, const char* ajuda,
                    std::initializer_list<std::string_view> banderes, ArgumentsTaula& a,
                    std::ostream& out, std::ostream& err) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& s = args[i];
        if (s == "--help") {
            out << ajuda;
            return 1;
        }
        const bool ambValor = s == "--idioma" || (s == "--model" && comanda == "regressio");
        if (ambValor) {
            if (i + 1 >= args.size()) {
                err << comanda << ": " << s << " necessita un valor\n";
                return 2;
            }
            const std::string& v = args[++i];
            if (s == "--model") {
                a.model = v;
            } else if (!LlenguaDeCodi(v, a.llengua)) {
                err << comanda << ": idioma desconegut (" << IdiomesAcceptats << "): " << v << "\n";
                return 2;
            }
        } else if (std::find(banderes.begin(), banderes.end(), s) != banderes.end()) {
            a.opcions.push_back(s);
        } else if (s.starts_with("--")) {
            err << comanda << ": opció desconeguda: " << s << "\n" << ajuda;
            return 2;
        } else {
            a.posicionals.push_back(s);
        }
    }
    if (a.posicionals.empty()) {
        err << comanda << ": falta el fitxer\n" << ajuda;
        return 2;
    }
    return 0;
}

bool Te(const ArgumentsTaula& a, std::string_view opcio) {
    return std::find(a.opcions.begin(), a.opcions.end(), opcio) != a.opcions.end();
}

// Reads the whole file ("-": standard input). Returns 0, or 2 (reported).
int LlegirFitxer(const std::string& nom, std::string_view comanda, std::string& text,
                 std::ostream& err) {
    std::ifstream fitxer;
    std::istream* in = &std::cin;
    if (nom != "-") {
        fitxer.open(nom, std::ios::binary);
        if (!fitxer) {
            err << comanda << ": no es pot obrir el fitxer " << nom << "\n";
            return 2;
        }
        in = &fitxer;
    }
    text.clear();
    char buf[65536];
    while (*in) {
        in->read(buf, sizeof buf);
        text.append(buf, static_cast<std::size_t>(in->gcount()));
        if (text.size() > MidaMaximaFitxer) {
            err << comanda << ": el fitxer " << nom << " és massa gran per ser una taula\n";
            return 2;
        }
    }
    if (in->bad()) {
        err << comanda << ": error en llegir el fitxer " << nom << "\n";
        return 2;
    }
    return 0;
}

// A refusal as the dialog would show it. Returns the exit status 1.
int EscriureRefus(const Refus& r, bool ambCella, Llengua llengua, std::ostream& err) {
    TaulaMissatges textos;
    textos.CanviarLlengua(llengua);
    err << "missatge " << r.Missatge;
    if (ambCella) err << ", fila " << r.Cursor.Fila << ", columna " << r.Cursor.Columna;
    err << ": " << textos.Missatge(r.Missatge) << "\n";
    return 1;
}

// Reads the file into the grid as the paste button does. Returns 0, 1 (an empty
// text: refusal reported) or 2 (reported).
int OmplirGraella(const std::string& nom, std::string_view comanda, Llengua llengua,
                  GraellaValors& graella, std::ostream& err) {
    std::string text;
    if (const int codi = LlegirFitxer(nom, comanda, text, err)) return codi;
    if (const int missatge = graella.Enganxar(text))
        return EscriureRefus({missatge, {}}, false, llengua, err);
    return 0;
}

} // namespace

int ComandaRegressio(const Arguments& args, std::ostream& out, std::ostream& err) {
    ArgumentsTaula a;
    if (const int codi =
            LlegirArguments(args, "regressio", ajudaRegressio, {"--coeficients"}, a, out, err))
        return codi == 1 ? 0 : codi;
    if (a.posicionals.size() > 1) {
        err << "regressio: sobra l'argument " << a.posicionals[1] << "\n" << ajudaRegressio;
        return 2;
    }
    const bool coeficients = Te(a, "--coeficients");
    int model = ModelLineal;
    if (a.model) {
        if (coeficients) {
            err << "regressio: --coeficients ja calcula tots els models; sobra --model\n";
            return 2;
        }
        model = 0;
        for (int m = 1; m <= 5; ++m)
            if (*a.model == nomsModels[m - 1]) model = m;
        if (model == 0) {
            err << "regressio: model desconegut: " << *a.model
                << " (lineal, quadratica, exponencial, potencial o inversa)\n";
            return 2;
        }
    }

    auto dialeg = std::make_unique<DialegRegressio>();
    if (const int codi =
            OmplirGraella(a.posicionals[0], "regressio", a.llengua, dialeg->Graella, err))
        return codi;
    auto estat = std::make_unique<EstatNumerica>();
    if (coeficients) {
        CoeficientsRegressio c;
        const Refus r = ObrirCoeficients(*dialeg, Parametres{}, *estat, c);
        if (!r.Acceptat()) return EscriureRefus(r, true, a.llengua, err);
        TaulaMissatges textos;
        textos.CanviarLlengua(a.llengua);
        out << TextCopiarCoeficients(c, textos);
        return 0;
    }
    dialeg->Model = model;
    auto registre = std::make_unique<FuncioNumerica>();
    std::string etiqueta;
    const Refus r = AcceptarRegressio(*dialeg, Parametres{}, *estat, *registre, etiqueta);
    if (!r.Acceptat()) return EscriureRefus(r, true, a.llengua, err);
    out << etiqueta << "\n"
        << registre->EquacioRegressio << "\n"
        << NumeroAText(registre->CoeficientCorrelacio) << "\n";
    return 0;
}

int ComandaInterpolacio(const Arguments& args, std::ostream& out, std::ostream& err) {
    ArgumentsTaula a;
    if (const int codi = LlegirArguments(args, "interpolacio", ajudaInterpolacio,
                                         {"--lineal", "--extrapolar"}, a, out, err))
        return codi == 1 ? 0 : codi;
    std::vector<double> xs;
    for (std::size_t i = 1; i < a.posicionals.size(); ++i) {
        double x = 0;
        if (CalcularExpressio(a.posicionals[i], Parametres{}, x) != 0) {
            err << "interpolacio: la X no es pot llegir: " << a.posicionals[i] << "\n";
            return 2;
        }
        xs.push_back(x);
    }

    auto dialeg = std::make_unique<DialegInterpolacio>();
    if (const int codi =
            OmplirGraella(a.posicionals[0], "interpolacio", a.llengua, dialeg->Graella, err))
        return codi;
    dialeg->Opcions.Lineal = Te(a, "--lineal");
    dialeg->Opcions.Extrapolar = Te(a, "--extrapolar");
    auto estat = std::make_unique<EstatNumerica>();
    auto registre = std::make_unique<FuncioNumerica>();
    std::string etiqueta;
    const Refus r = AcceptarInterpolacio(*dialeg, Parametres{}, *estat, *registre, etiqueta);
    if (!r.Acceptat()) return EscriureRefus(r, true, a.llengua, err);

    auto peces = std::make_unique<PreparacioInterpolacio>();
    PrepararInterpolacio(*registre, *peces);
    for (double x : xs) {
        double y = 0;
        out << NumeroAText(x) << '\t';
        if (const int codi = AvaluarInterpolacio(*registre, *peces, x, y))
            out << "error " << codi << '\n';
        else
            out << NumeroAText(y) << '\n';
    }
    return 0;
}

} // namespace tracima::cli
