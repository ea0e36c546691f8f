#include "functionset/EntradaDeDades.h"

#include "engine/UnitTools.h"
#include "numeric/FuncioNumerica.h"

#include <cctype>
#include <vector>

namespace tracima {
namespace {

constexpr std::string_view NomsEixos[] = {"EditOEX", "EditUEX", "EditFEX",
                                          "EditOEY", "EditUEY", "EditFEY"};
constexpr std::string_view NomsFuncions[] = {"EditF", "EditG", "EditH", "EditI", "EditJ", "EditK"};
constexpr std::string_view InicialsEixos[] = {"-7.5", "1", "7.5", "-5", "1", "5"};

constexpr std::string_view ExemplesOEX[] = {"-7.5", "0",   "-360", "-720",  "-2pi",  "-4pi",
                                            "-10",  "-15", "-100", "-1000", "-10000"};
constexpr std::string_view ExemplesUEX[] = {"1",    "5",    "10",   "15", "30",  "45",
                                            "90",   "180",  "360",  "pi/6", "pi/4", "pi/2",
                                            "pi",   "2pi",  "100",  "1000"};
constexpr std::string_view ExemplesFEX[] = {"7.5", "0",  "360", "720",  "2pi",  "4pi",
                                            "10",  "15", "100", "1000", "10000"};
constexpr std::string_view ExemplesOEY[] = {"-5",   "0",     "-1",     "-2",     "-10",
                                            "-100", "-1000", "-10000", "-100000"};
constexpr std::string_view ExemplesUEY[] = {"5", "0", "1", "2", "10", "100", "1000", "10000"};
constexpr std::string_view ExemplesFEY[] = {"5",   "0",    "1",     "2",     "10",
                                            "100", "1000", "10000", "100000"};

// The entries a list of partial sums gives: the first term, the first two, ...
void AfegirSumesParcials(std::vector<std::string>& llista,
                         std::initializer_list<std::string_view> termes) {
    std::string suma;
    for (std::string_view t : termes) {
        suma += t;
        llista.push_back(suma);
    }
}

std::vector<std::string> CrearExemplesFuncio() {
    std::vector<std::string> l = {
        "ax+b", "ax^2", "ax^2+c", "a(x-b)^2+c", "ax^2+bx+c", "1/36(3x^4-20x^3+12x^2+96x-110)",
        "x^3/3+x^2/2-2x-1", "x^3/3+x^2/2-2x-1.5", "exp(1/x)", "(x^2-4)/(x-2)",
        "(x-2)/((x-2)*(x+1))-3", "1/((x+3)*(x-1))+1", "x^2/(x-2)", "x+2",
        "1/20(x^3+2x^2-11x+38)", "1/20*(x^4/4+2/3x^3-11/2x^2+38x)", "(1-x^2)^(1/2)", "2^x",
        "ln(x)", "ln(x)/ln(2)", "sig(x)", "asig(bx)", "cog(x)", "acog(bx)", "tag(x)", "sin(x)",
        "asin(x)", "sin(bx)", "asin(bx)", "cos(x)", "acos(x)", "cos(bx)", "acos(bx)", "tan(x)",
        "abs(x-2)"};
    AfegirSumesParcials(l, {"1.273076sin(px/2)", "-0.636292sin(2px/2)", "+0.423922sin(3px/2)",
                            "-0.317655sin(4px/2)", "+0.253829sin(5px/2)", "-0,211224sin(6px/2)",
                            "+0,180745sin(7px/2)", "-0,157844sin(8px/2)", "+0,139995sin(9px/2)"});
    l.push_back("exp(x)");
    AfegirSumesParcials(l, {"1", "+x", "+x^2/2", "+x^3/6", "+x^4/24"});
    l.push_back("sin(x)+cos(x)");
    AfegirSumesParcials(l, {"1", "+x", "-x^2/2", "-x^3/6", "+x^4/24", "+x^5/120", "-x^6/720",
                            "-x^7/5040", "+x^8/40320", "+x^9/362880"});
    l.push_back("1/(x+1)");
    AfegirSumesParcials(l, {"1", "-x", "+x^2", "-x^3", "+x^4", "-x^5", "+x^6", "-x^7", "+x^8",
                            "-x^9"});
    l.push_back("30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2)");
    l.push_back("");
    return l;
}

std::vector<std::string> CrearExemplesUnaFuncio() {
    std::vector<std::string> l;
    for (const std::string& e : ExemplesFuncio())
        if (e != "asig(bx)" && e != "acog(bx)" && !e.empty()) l.push_back(e);
    l.push_back(" ");
    l.push_back(" ");
    return l;
}

} // namespace

std::string_view NomCaixaEix(int caixa) {
    return caixa >= 0 && caixa < NombreCaixesEix ? NomsEixos[caixa] : std::string_view();
}

std::string_view NomCaixaFuncio(int slot) {
    return slot >= 0 && slot < NombreSlotsFuncio ? NomsFuncions[slot] : std::string_view();
}

std::span<const std::string_view> ExemplesEix(int caixa) {
    switch (caixa) {
    case CaixaOEX: return ExemplesOEX;
    case CaixaUEX: return ExemplesUEX;
    case CaixaFEX: return ExemplesFEX;
    case CaixaOEY: return ExemplesOEY;
    case CaixaUEY: return ExemplesUEY;
    case CaixaFEY: return ExemplesFEY;
    default: return {};
    }
}

std::string_view TextInicialEix(int caixa) {
    return caixa >= 0 && caixa < NombreCaixesEix ? InicialsEixos[caixa] : std::string_view();
}

std::span<const std::string> ExemplesFuncio() {
    static const std::vector<std::string> llista = CrearExemplesFuncio();
    return llista;
}

std::span<const std::string> ExemplesUnaFuncio() {
    static const std::vector<std::string> llista = CrearExemplesUnaFuncio();
    return llista;
}

CaixesEntrada CaixesDelConjunt(const ConjuntFuncions& cf) {
    const EixosFuncions& e = cf.Eixos;
    CaixesEntrada c;
    const double valors[] = {e.XOrigen, e.XUnitat, e.XFinal, e.YOrigen, e.YUnitat, e.YFinal};
    for (int i = 0; i < NombreCaixesEix; ++i)
        c.eixos[static_cast<std::size_t>(i)] = NumeroATextFormula(valors[i]);
    for (int i = 0; i < NombreSlotsFuncio; ++i)
        c.funcions[static_cast<std::size_t>(i)] = cf.Slots[static_cast<std::size_t>(i)].Text;
    return c;
}

void IniciarEixos(CaixesEntrada& caixes) {
    const double valors[] = {-7.5, 1, 7.5, -5, 1, 5};
    for (int i = 0; i < NombreCaixesEix; ++i)
        caixes.eixos[static_cast<std::size_t>(i)] = NumeroATextFormula(valors[i]);
}

ValidacioEntrada ValidarEntrada(CaixesEntrada& caixes, const Parametres& p, Calculador& calc) {
    ValidacioEntrada v;
    auto falla = [&v](int missatge, std::string_view caixa) {
        v.missatge = missatge;
        v.caixa = caixa;
        return v;
    };
    // Evaluates and normalises one box; false when it does not evaluate.
    auto avaluar = [&](int caixa) {
        std::string& text = caixes.eixos[static_cast<std::size_t>(caixa)];
        double valor = 0;
        if (calc.CalcularExpressio(text, p, valor) != 0) return false;
        v.valors[static_cast<std::size_t>(caixa)] = ArrodonirComText(valor);
        // Written as the formula reader reads it back: fixed notation ("1E15"
        // would read as 1·E·15).
        const std::string normal = NumeroATextFormula(valor);
        if (normal != text) text = normal;
        return true;
    };
    // One axis: origin, final, origin < final, unit, unit > 0 (the unit is
    // normalised only after its check).
    struct Eix {
        int origen, unitat, final;
        int errOrigen, errFinal, noMenor, errUnitat, noPositiva;
    };
    const Eix eixos[] = {
        {CaixaOEX, CaixaUEX, CaixaFEX, MissatgeErrorOrigenEixX, MissatgeErrorFinalEixX,
         MissatgeOrigenXNoMenor, MissatgeErrorUnitatEixX, MissatgeUnitatXNoPositiva},
        {CaixaOEY, CaixaUEY, CaixaFEY, MissatgeErrorOrigenEixY, MissatgeErrorFinalEixY,
         MissatgeOrigenYNoMenor, MissatgeErrorUnitatEixY, MissatgeUnitatYNoPositiva},
    };
    for (const Eix& e : eixos) {
        if (!avaluar(e.origen)) return falla(e.errOrigen, NomsEixos[e.origen]);
        if (!avaluar(e.final)) return falla(e.errFinal, NomsEixos[e.final]);
        // Compared as they are kept: axes that only differ below the sixth
        // decimal would both become the same value.
        if (!(v.valors[static_cast<std::size_t>(e.origen)] <
              v.valors[static_cast<std::size_t>(e.final)]))
            return falla(e.noMenor, NomsEixos[e.final]);
        std::string& unitat = caixes.eixos[static_cast<std::size_t>(e.unitat)];
        double valor = 0;
        if (calc.CalcularExpressio(unitat, p, valor) != 0) return falla(e.errUnitat, NomsEixos[e.unitat]);
        if (!(ArrodonirComText(valor) > 0)) return falla(e.noPositiva, NomsEixos[e.unitat]);
        avaluar(e.unitat);
    }
    for (int i = 0; i < NombreSlotsFuncio; ++i) {
        const std::string& text = caixes.funcions[static_cast<std::size_t>(i)];
        if (text.empty() || EsTextNumerica(text)) continue;
        if (calc.CompilarFuncio(text, p) != 0) return falla(BaseErrorSintaxiFuncio + i, NomsFuncions[i]);
    }
    return v;
}

void AplicarEntrada(const CaixesEntrada& caixes, const ValidacioEntrada& v, ConjuntFuncions& cf) {
    EixosFuncions& e = cf.Eixos;
    e.XOrigen = v.valors[CaixaOEX];
    e.XUnitat = v.valors[CaixaUEX];
    e.XFinal = v.valors[CaixaFEX];
    e.YOrigen = v.valors[CaixaOEY];
    e.YUnitat = v.valors[CaixaUEY];
    e.YFinal = v.valors[CaixaFEY];
    for (int i = 0; i < NombreSlotsFuncio; ++i)
        cf.Slots[static_cast<std::size_t>(i)].Text = caixes.funcions[static_cast<std::size_t>(i)];
}

bool FuncioAplicable(std::string_view text, const Parametres& p, Calculador& calc) {
    return text.empty() || EsTextNumerica(text) || calc.CompilarFuncio(text, p) == 0;
}

int PasParametre(std::string_view camp, std::string_view increment, bool amunt,
                 const Parametres& p, Calculador& calc, std::string& nouText) {
    double pas = 0, valor = 0;
    if (calc.CalcularExpressio(increment, p, pas) != 0) return 1;
    if (calc.CalcularExpressio(camp, p, valor) != 0) return 1;
    nouText = NumeroATextFormula(amunt ? valor + pas : valor - pas);
    return 0;
}

std::string TitolCanviDeParametres(const ConjuntFuncions& cf, const TaulaMissatges& t) {
    if (cf.NombreFuncions != 1) return std::string(t.Missatge(MissatgeCanviDeParametres));
    std::string majuscules = cf.FuncioUnica.Text;
    for (char& ch : majuscules) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    return std::string(t.Missatge(MissatgeCanviDeParametres)) + " - f(x) = " +
           SubstituirParametres(majuscules, cf.Parametres);
}

} // namespace tracima
