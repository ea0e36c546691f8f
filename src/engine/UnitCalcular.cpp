#include "engine/UnitCalcular.h"

#include "engine/UnitTools.h"

#include <charconv>
#include <cmath>
#include <cstring>
#if defined(__x86_64__)
#include <immintrin.h>
#endif
#include <vector>

namespace tracima {

namespace {

constexpr double LimitGran = 1e19;
constexpr double LimitPetit = 1e-19;
constexpr double PiCurt = 3.141593;      // the constant PI of the language
constexpr double AngleRecte = 1.570796;  // PI/2 in radians as the language writes it
constexpr long double PiLlarg = 3.141592653589793238462643383279502884L;

// Function numbers of the evaluation schedule, in the order the tokeniser tries the names.
enum Funcio : std::uint16_t {
    FSin = 1, FSig, FAsi, FAsg, FCos, FCog, FAco, FAcg, FTan, FTag, FAta, FAtg, FAbs,
    FLog, FAlo, FExp, FLne
};
// A power whose exponent is a known whole number (the schedule's own operation).
constexpr std::uint16_t OpPotenciaEntera = 'e';

struct NomFuncio {
    const char* text; // the four characters that begin the call
    const char* codi; // the element code
    Funcio funcio;
};

constexpr NomFuncio nomsFuncions[] = {
    {"SIN(", "SIN", FSin}, {"SIG(", "SIG", FSig}, {"ASI(", "ASI", FAsi}, {"ASG(", "ASG", FAsg},
    {"COS(", "COS", FCos}, {"COG(", "COG", FCog}, {"ACO(", "ACO", FAco}, {"ACG(", "ACG", FAcg},
    {"TAN(", "TAN", FTan}, {"TAG(", "TAG", FTag}, {"ATA(", "ATA", FAta}, {"ATG(", "ATG", FAtg},
    {"ABS(", "ABS", FAbs}, {"LOG(", "LOG", FLog}, {"ALO(", "ALO", FAlo}, {"ALN(", "EXP", FExp},
};

bool EsDigit(char c) { return c >= '0' && c <= '9'; }
bool EsDigitOPunt(char c) { return EsDigit(c) || c == '.'; }
bool EsOperador(char c) { return c == '+' || c == '-' || c == '*' || c == '/' || c == '^'; }
bool EsInicialFuncio(char c) { return c == 'S' || c == 'C' || c == 'T' || c == 'A' || c == 'L'; }

// Typed decimal points: "," and "'" become "." in the rewrite pass.
bool EsPuntEscrit(char c) { return c == '.' || c == ',' || c == '\''; }
bool EsDigitOPuntEscrit(char c) { return EsDigit(c) || EsPuntEscrit(c); }
bool ComencaOperand(char c) { return (c >= 'A' && c <= 'Z') || EsDigitOPuntEscrit(c) || c == '('; }

char A(std::string_view s, std::size_t i) { return i < s.size() ? s[i] : '\0'; }

// Whether the parameter letter at position i belongs to a function or constant name.
bool LletraProtegida(std::string_view s, std::size_t i) {
    const char prev = i > 0 ? s[i - 1] : '\0';
    const char n1 = A(s, i + 1), n2 = A(s, i + 2), n3 = A(s, i + 3);
    switch (s[i]) {
    case 'A':
        return (prev == 'T' && (n1 == 'N' || n1 == 'G')) || (n1 == 'S' && (n2 == 'E' || n2 == 'G')) ||
               (n1 == 'C' && ((n2 == 'O' && n3 == '(') || n2 == 'G')) ||
               (n1 == 'T' && (n2 == 'A' || n2 == 'G')) ||
               (i >= 2 && s[i - 2] == 'A' && s[i - 1] == 'T') || (n1 == 'L' && n2 == 'O') ||
               (n1 == 'B' && n2 == 'S');
    case 'B': return n1 == 'S' && n2 == '(';
    case 'C': return n1 == 'O' || n1 == 'G';
    case 'E': return n1 == 'N' || n1 == 'G' || n1 == 'X' || prev == 'S' || prev == 'N';
    default: return false; // D and F
    }
}

bool EsCodi(const ElementCompilat& e, char c) { return e.codi[0] == c && e.codi[1] == '\0'; }
bool EsNumero(const ElementCompilat& e) { return e.codi[0] == '\0'; }
bool EsOperadorElement(const ElementCompilat& e) { return e.codi[1] == '\0' && EsOperador(e.codi[0]); }

const ElementCompilat elementBuit{};

// Reads a decimal number of digits with at most one point; 0 or code 9/10.
int LlegirNumero(std::string_view text, double& valor) {
    if (text.size() >= 20) return CompNumeroLlarg;
    bool punt = false, digits = false;
    for (char c : text) {
        if (c == '.') {
            if (punt) return CompNumeroErroni;
            punt = true;
        } else if (EsDigit(c)) {
            digits = true;
        } else {
            return CompNumeroErroni;
        }
    }
    if (!digits) return CompNumeroErroni;
    char buf[24] = "0";
    std::memcpy(buf + 1, text.data(), text.size());
    std::size_t n = text.size() + 1;
    if (buf[n - 1] == '.') --n; // "5." reads as 5
    auto res = std::from_chars(buf, buf + n, valor);
    if (res.ec != std::errc() || res.ptr != buf + n) return CompNumeroErroni;
    return CompOk;
}

// The repeated product of a whole exponent below 100 (see Potencia).
inline int PotenciaEntera(double b, double p, double& r) {
    const int n = p < 0 ? static_cast<int>(-p) : static_cast<int>(p);
    double producte = 1;
    for (int i = 0; i < n; ++i) {
        if (producte > LimitGran || b > LimitGran) return AvalOverflow;
        producte *= b;
    }
    if (p > 0) {
        r = producte;
        return AvalOk;
    }
    if (std::fabs(producte) <= LimitPetit) return AvalOverflow;
    r = 1 / producte;
    return AvalOk;
}

// Power(base b, exponent p) of the language; 0 or an evaluation code.
int Potencia(double b, double p, double& r) {
    if (p == std::trunc(p) && p != 0 && std::fabs(p) < 100) return PotenciaEntera(b, p, r);
    // Logarithms, exponentials and the cosine in extended precision, rounded to a
    // double where the rule says so: (-8)^(1/3) is -2 and 8^(1/3) is 2 exactly.
    if (b > 0) {
        const double t = static_cast<double>(std::log(static_cast<long double>(b)) * p);
        if (t <= -88 || t >= 88) return AvalOverflow;
        r = static_cast<double>(std::exp(static_cast<long double>(t)));
        return AvalOk;
    }
    if (b == 0) {
        if (p <= 0) return AvalSenseValorReal;
        r = 0;
        return AvalOk;
    }
    // A negative base: look for an odd multiple of pi*p that is a whole multiple of pi.
    int codi = AvalSenseValorReal;
    const long double pl = p;
    for (long k = 0;; ++k) {
        const double theta = static_cast<double>(PiLlarg * pl + static_cast<long double>(k) * (2 * PiLlarg) * pl);
        const double s = std::sin(theta);
        if (s > -1e-5 && s < 1e-5) {
            codi = AvalOk;
            const long double lnb = std::log(static_cast<long double>(std::fabs(b)));
            const double t = static_cast<double>(lnb * p);
            if (t > -88 && t < 88)
                r = static_cast<double>(std::exp(static_cast<long double>(t)) *
                                        std::cos(static_cast<long double>(theta)));
            else
                codi = AvalOverflow;
        }
        if (std::fabs(theta) > 2 * static_cast<double>(PiLlarg) || !std::isfinite(theta)) break;
        if (codi == AvalOk) break;
        // With a small exponent the multiples creep towards 2*pi in tiny steps (about
        // 1/p of them). Between two multiples of pi, |sin| stays above the tolerance
        // until within 3e-5 of the next one, so the k in between cannot succeed: skip
        // to the first k that comes that close. The k tested are the same as before.
        const long double a = std::fabs(static_cast<long double>(theta));
        const long double pas = 2 * PiLlarg * std::fabs(pl);
        const long double objectiu = (std::floor(a / PiLlarg) + 1) * PiLlarg - 3e-5L;
        if (objectiu > a && pas > 0) {
            const long double salt = std::ceil((objectiu - PiLlarg * std::fabs(pl)) / pas) - 1;
            if (salt > static_cast<long double>(k)) k = static_cast<long>(salt);
        }
    }
    return codi;
}

int ArrelQuadrada(double v, double& r) {
    if (v < 0) return AvalSenseValorReal;
    r = std::sqrt(v);
    return AvalOk;
}

int AplicarFuncio(std::uint16_t f, double x, double& y) {
    double r = 0;
    int codi = AvalOk;
    switch (f) {
    case FSin: y = std::sin(x); return AvalOk;
    case FSig: y = std::sin(x / 180 * PiCurt); return AvalOk;
    case FCos: y = std::cos(x); return AvalOk;
    case FCog: y = std::cos(x / 180 * PiCurt); return AvalOk;
    case FTan:
    case FTag: {
        const double a = f == FTan ? x : PiCurt * (x / 180);
        const double c = std::cos(a);
        if (std::fabs(c) <= LimitPetit) {
            y = 0;
            return AvalOverflow;
        }
        y = std::sin(a) / c;
        return AvalOk;
    }
    case FAsi:
    case FAsg: {
        const bool graus = f == FAsg;
        if (x == 1) { y = graus ? 90 : AngleRecte; return AvalOk; }
        if (x == -1) { y = graus ? -90 : -AngleRecte; return AvalOk; }
        if ((codi = ArrelQuadrada(1 - x * x, r)) != AvalOk) return codi;
        y = std::atan(x / r);
        if (graus) y = y * 180 / PiCurt;
        return AvalOk;
    }
    case FAco:
    case FAcg: {
        const bool graus = f == FAcg;
        if (x == 0) { y = graus ? 90 : AngleRecte; return AvalOk; }
        if ((codi = ArrelQuadrada(1 - x * x, r)) != AvalOk) return codi;
        if (graus) {
            y = std::atan(r / x) * 180 / PiCurt;
            if (x < 0) y = y + 180;
        } else {
            y = std::atan(r / x);
            if (x < 0) y = y + PiCurt;
        }
        return AvalOk;
    }
    case FAta: y = std::atan(x); return AvalOk;
    case FAtg: y = std::atan(x) * 180 / PiCurt; return AvalOk;
    case FAbs: y = std::fabs(x); return AvalOk;
    case FLne:
        if (!(x > 0)) return AvalLogaritme;
        y = std::log(x);
        return AvalOk;
    case FLog:
        if (!(x > 0)) return AvalLogaritme;
        // In extended precision, so that LOG(1000) is 3, not 2.9999999999999996.
        y = static_cast<double>(std::log(static_cast<long double>(x)) / std::log(10.0L));
        return AvalOk;
    case FAlo: return Potencia(10, x, y);
    case FExp:
        if (!(x > -88 && x < 88)) return AvalOverflow;
        y = std::exp(x);
        return AvalOk;
    }
    return AvalSenseValorReal;
}

inline int Executar(std::uint16_t op, double a, double b, double& r) {
    switch (op) {
    case OpPotenciaEntera: return PotenciaEntera(a, b, r);
    case '*':
        if (std::fabs(a) >= LimitGran || std::fabs(b) >= LimitGran) return AvalOverflow;
        r = a * b;
        return AvalOk;
    case '+':
        if (std::fabs(a) >= LimitGran || std::fabs(b) >= LimitGran) return AvalOverflow;
        r = a + b;
        return AvalOk;
    case '-':
        if (std::fabs(a) >= LimitGran || std::fabs(b) >= LimitGran) return AvalOverflow;
        r = a - b;
        return AvalOk;
    case '/':
        if (b == 0) return AvalDivisioZero;
        if (std::fabs(a) >= LimitGran || std::fabs(b) <= LimitPetit) return AvalOverflow;
        r = a / b;
        return AvalOk;
    case '^': return Potencia(a, b, r);
    default: return AplicarFuncio(op, a, r);
    }
}

// Step 2 of the normalisation. A digit or decimal point next to a parameter
// multiplies: 2A is 2*A, A2 is A*2; so does an X before it (XA is X*A, whatever
// the sign of A, as AX is A*X). For the compiler, a negative value "(-2)"
// is also multiplied by the operand that follows it, as a positive value is by
// the implicit multiplication: (-2)X, (-2)(X+1), (-2)SIN(X). Returns the number
// of "*" inserted through `estrelles`.
std::string Substituir(std::string_view textMajuscules, const Parametres& p, bool perCompilar,
                       std::size_t& estrelles) {
    std::string s(textMajuscules);
    estrelles = 0;
    for (int k = 0; k < 6; ++k) {
        const char lletra = static_cast<char>('A' + k);
        const std::string valor = TextParametre(p[k]);
        const bool negatiu = valor[0] == '(';
        for (std::size_t i = 0; i < s.size();) {
            if (s[i] != lletra || LletraProtegida(s, i)) {
                ++i;
                continue;
            }
            std::string r;
            if (i > 0 && (EsDigitOPuntEscrit(s[i - 1]) || s[i - 1] == 'X')) r += '*';
            r += valor;
            const char seguent = A(s, i + 1);
            if (EsDigitOPuntEscrit(seguent) || (perCompilar && negatiu && ComencaOperand(seguent)))
                r += '*';
            estrelles += r.size() - valor.size();
            s.replace(i, 1, r);
            i += r.size();
        }
    }
    return s;
}

// Normalisation steps 1 to 6 and the checks between them. Returns 0 or a compile
// code; `text` receives the normalised text.
int Normalitzar(std::string_view entrada, const Parametres& p, std::string& text) {
    std::string s;
    s.reserve(entrada.size());
    std::size_t espais = 0;
    // Spaces go first, so that "SEN (X)" and "2 PI" read as the user means them;
    // they still count towards the length limit.
    for (char c : entrada) {
        if (c == ' ') {
            ++espais;
            continue;
        }
        s += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    std::size_t estrelles = 0;
    const std::string substituit = Substituir(s, p, true, estrelles);
    s.assign(1, '(').append(substituit).push_back(')');
    for (char c : s)
        if (c == 'Y' || c == 'Z' || c == 'U' || c == 'V') return CompExpressioDesconeguda;
    // The "*" inserted next to parameters are not typed text.
    if (s.size() + espais - estrelles > 202) return CompMassaLlarga;

    // A digit directly followed by P or N multiplies.
    std::string t;
    t.reserve(s.size() + 16);
    for (std::size_t i = 0; i < s.size(); ++i) {
        t += s[i];
        if (EsDigit(s[i]) && (A(s, i + 1) == 'P' || A(s, i + 1) == 'N')) t += '*';
    }

    // The rewrite pass: names and constants, decimal separators.
    s.clear();
    for (std::size_t i = 0; i < t.size();) {
        std::string_view r(t.data() + i, t.size() - i);
        auto comenca = [&](const char* m) { return r.substr(0, std::strlen(m)) == m; };
        auto constant = [&](const char* valor, std::size_t llarg) {
            s += valor;
            i += llarg;
            // A constant directly followed by a digit or a decimal point multiplies too.
            if (EsDigitOPuntEscrit(A(t, i))) s += '*';
        };
        if (comenca("EXP(")) { s += "ALN("; i += 4; }
        else if (comenca("PI")) constant("3.141593", 2);
        else if (comenca("P")) constant("3.141593", 1);
        else if (comenca("NE")) constant("2.718282", 2);
        else if (comenca("SEN(")) { s += "SIN("; i += 4; }
        else if (comenca("ASE(")) { s += "ASI("; i += 4; }
        else if (comenca("SEG(")) { s += "SIG("; i += 4; }
        else if (r[0] == ',' || r[0] == '\'') { s += '.'; ++i; }
        else { s += r[0]; ++i; }
    }

    // Implicit multiplication after a digit or an X.
    t.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        t += s[i];
        const char n = A(s, i + 1);
        if ((EsDigit(s[i]) && (n == '(' || n == 'X' || EsInicialFuncio(n))) ||
            (s[i] == 'X' && (n == '(' || EsInicialFuncio(n))))
            t += '*';
    }
    text = std::move(t);
    return CompOk;
}

// The neighbourhood check: code 5 at the first forbidden pair, else 0.
int ComprovarVeinatge(std::string_view s) {
    int punts = 0;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        const char c0 = s[i - 1], c1 = s[i], c2 = s[i + 1];
        if (EsOperador(c0) && (EsOperador(c1) || c1 == ')')) return CompCombinacio;
        if (c0 == '(' && (c1 == '*' || c1 == '/' || c1 == '^' || c1 == ')')) return CompCombinacio;
        if (c0 == 'X' && (c1 == 'X' || EsDigitOPunt(c1))) return CompCombinacio;
        if ((EsDigitOPunt(c0) || c0 == 'X') && (c1 == 'X' || c1 == '(' || EsInicialFuncio(c1)))
            return CompCombinacio;
        if (c0 == ')' && (EsDigitOPunt(c1) || c1 == 'X' || EsInicialFuncio(c1))) return CompCombinacio;
        if (c1 == '.') {
            ++punts;
            if ((!EsDigit(c0) && !EsDigit(c2)) || punts >= 2 || c0 == '.') return CompCombinacio;
        } else if (!EsDigit(c1)) {
            punts = 0;
        }
    }
    return CompOk;
}

void PosarCodi(ElementCompilat& e, std::string_view codi) {
    std::memset(e.codi, 0, sizeof e.codi);
    std::memcpy(e.codi, codi.data(), codi.size() < 3 ? codi.size() : 3);
}

} // namespace

std::string TextParametre(double valor) {
    const std::string text = NumeroATextFormula(std::fabs(valor));
    if (valor < 0 && text != "0") return "(-" + text + ")";
    return text;
}

std::string SubstituirParametres(std::string_view textMajuscules, const Parametres& p) {
    std::size_t estrelles = 0;
    return Substituir(textMajuscules, p, false, estrelles);
}

const ElementCompilat& Calculador::Element(int i) const {
    if (i < 1 || i > nombre_) return elementBuit;
    return elements_[static_cast<std::size_t>(i - 1)];
}

int Calculador::CompilarFuncio(std::string_view entrada, const Parametres& p) {
    compilat_ = false;
    nombre_ = 0;
    nombrePassos_ = 0;
    nombreConstants_ = 0;
    elements_.fill(ElementCompilat{});

    std::string s;
    if (int codi = Normalitzar(entrada, p, s)) return codi;
    if (s == "()") return CompBuida;
    if (s.size() >= 255) return CompMassaLlarga;
    if (int codi = ComprovarVeinatge(s)) return codi;

    // Tokenising. The text holds at most 254 characters, so at most 254 elements.
    std::vector<ElementCompilat> llista;
    llista.reserve(s.size());
    std::size_t inici = 0, llargPendent = 0;
    int profunditat = 0;
    auto emetre = [&]() -> int {
        if (llargPendent == 0) return CompOk;
        ElementCompilat e;
        if (int codi = LlegirNumero(std::string_view(s).substr(inici, llargPendent), e.valor)) return codi;
        llista.push_back(e);
        llargPendent = 0;
        return CompOk;
    };
    auto afegir = [&](std::string_view codi) {
        ElementCompilat e;
        PosarCodi(e, codi);
        llista.push_back(e);
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (EsDigitOPunt(c)) {
            if (llargPendent == 0) inici = i;
            ++llargPendent;
            continue;
        }
        if (c == '(' || c == ')' || EsOperador(c)) {
            if (c == '(') ++profunditat;
            if (c == ')') {
                --profunditat;
                if (profunditat < 0 || (profunditat == 0 && i + 1 != s.size())) return CompParentesiTancat;
            }
            if (int codi = emetre()) return codi;
            afegir(std::string_view(&c, 1));
        } else if (c == 'X') {
            if (int codi = emetre()) return codi;
            afegir("X");
        } else if (EsInicialFuncio(c)) {
            const std::string_view r = std::string_view(s).substr(i);
            const NomFuncio* trobat = nullptr;
            for (const auto& f : nomsFuncions)
                if (r.substr(0, 4) == f.text) {
                    trobat = &f;
                    break;
                }
            std::size_t llargNom = 3;
            const char* codiFuncio = nullptr;
            if (trobat) {
                codiFuncio = trobat->codi;
            } else if (c == 'L' && r.substr(0, 3) == "LN(") {
                codiFuncio = "LNE";
                llargNom = 2;
            } else {
                return CompExpressioDesconeguda;
            }
            if (int codi = emetre()) return codi;
            afegir(codiFuncio);
            i += llargNom - 1; // the "(" is read next as an ordinary parenthesis
        } else {
            return CompCaracter;
        }
    }
    if (int codi = emetre()) return codi;
    if (profunditat > 0) return CompParentesiObert;

    // The element pass: operator pairs, empty groups, and the leading signs.
    auto codiA = [&](std::size_t i) -> const ElementCompilat& {
        return i < llista.size() ? llista[i] : elementBuit;
    };
    for (std::size_t i = 0; i < llista.size(); ++i) {
        const ElementCompilat& e = llista[i];
        const ElementCompilat& seg = codiA(i + 1);
        if (EsOperadorElement(e) &&
            (EsCodi(seg, ')') || EsCodi(seg, '+') || EsCodi(seg, '-') || EsCodi(seg, '*') || EsCodi(seg, '/')))
            return CompCombinacio;
        if (EsCodi(e, '(')) {
            if (EsCodi(seg, '*') || EsCodi(seg, '/') || EsCodi(seg, ')') || (i > 0 && EsCodi(llista[i - 1], ')')))
                return CompCombinacio;
            if (EsCodi(seg, '+')) {
                llista.erase(llista.begin() + static_cast<std::ptrdiff_t>(i + 1));
                // A group left empty once its sign is dropped is no formula.
                if (EsCodi(codiA(i + 1), ')')) return CompCombinacio;
            } else if (EsCodi(seg, '-')) {
                ElementCompilat menysU;
                menysU.valor = -1;
                ElementCompilat per;
                PosarCodi(per, "*");
                llista[i + 1] = menysU;
                llista.insert(llista.begin() + static_cast<std::ptrdiff_t>(i + 2), per);
            }
        }
    }
    if (llista.size() > static_cast<std::size_t>(MaxElementsCompilats)) return CompMassaLlarga;
    nombre_ = static_cast<int>(llista.size());
    for (std::size_t i = 0; i < llista.size(); ++i) elements_[i] = llista[i];
    if (int codi = PlanificarAvaluacio()) {
        nombre_ = 0;
        elements_.fill(ElementCompilat{});
        return codi;
    }
    PlegarConstants();
    compilat_ = true;
    return CompOk;
}

// Simulates the reduction of the compiled list once, recording each operation
// in the order the evaluation performs it: innermost pair first (the last "("
// before the first ")"), powers left to right, then products and quotients,
// then sums and differences, then the function before the pair.
int Calculador::PlanificarAvaluacio() {
    struct Simbol {
        char codi[4];
        std::uint16_t slot; // for numbers
    };
    Simbol llista[MaxElementsCompilats];
    int n = nombre_;
    std::uint16_t properSlot = 1;
    for (int i = 0; i < n; ++i) {
        const ElementCompilat& e = elements_[static_cast<std::size_t>(i)];
        Simbol& s = llista[i];
        std::memcpy(s.codi, e.codi, sizeof s.codi);
        s.slot = 0;
        if (EsNumero(e)) {
            constants_[static_cast<std::size_t>(nombreConstants_++)] = e.valor;
            s.slot = properSlot++;
        } else if (e.codi[0] == 'X' && e.codi[1] == '\0') {
            s.codi[0] = '\0';
            s.slot = 0;
        }
    }
    std::uint16_t slotTemporal = static_cast<std::uint16_t>(1 + nombreConstants_);
    auto esNum = [&](int i) { return i >= 0 && i < n && llista[i].codi[0] == '\0'; };
    auto es = [&](int i, char c) { return i >= 0 && i < n && llista[i].codi[0] == c && llista[i].codi[1] == '\0'; };
    auto treure = [&](int i, int quants) {
        for (int j = i; j + quants < n; ++j) llista[j] = llista[j + quants];
        n -= quants;
    };
    auto afegirPas = [&](std::uint16_t op, std::uint16_t a, std::uint16_t b) -> std::uint16_t {
        passos_[static_cast<std::size_t>(nombrePassos_++)] = Pas{op, a, b, slotTemporal};
        return slotTemporal++;
    };
    for (;;) {
        int obert = -1, tancat = -1;
        for (int i = 0; i < n; ++i) {
            if (es(i, '(')) obert = i;
            else if (es(i, ')')) { tancat = i; break; }
        }
        if (tancat < 0) break;
        if (obert < 0) return CompParentesiTancat;
        // Each pass walks the span, reducing "number op number" in place.
        for (const char* ops : {"^", "*/", "+-"}) {
            for (int i = obert + 1; i < tancat;) {
                const char c = llista[i].codi[0];
                if (llista[i].codi[1] == '\0' && c != '\0' && std::strchr(ops, c)) {
                    if (!esNum(i - 1) || !esNum(i + 1) || nombrePassos_ >= MaxElementsCompilats)
                        return CompCombinacio;
                    llista[i - 1].slot = afegirPas(static_cast<std::uint16_t>(c), llista[i - 1].slot, llista[i + 1].slot);
                    treure(i, 2);
                    tancat -= 2;
                } else {
                    ++i;
                }
            }
        }
        if (tancat != obert + 2 || !esNum(obert + 1)) return CompCombinacio;
        llista[obert] = llista[obert + 1];
        treure(obert + 1, 2);
        if (obert > 0 && llista[obert - 1].codi[0] != '\0' && llista[obert - 1].codi[1] != '\0') {
            std::uint16_t f = 0;
            for (const auto& nf : nomsFuncions)
                if (std::strncmp(llista[obert - 1].codi, nf.codi, 3) == 0) f = nf.funcio;
            if (std::strncmp(llista[obert - 1].codi, "LNE", 3) == 0) f = FLne;
            if (f == 0 || nombrePassos_ >= MaxElementsCompilats) return CompCombinacio;
            llista[obert - 1].codi[0] = '\0';
            llista[obert - 1].slot = afegirPas(f, llista[obert].slot, 0);
            treure(obert, 1);
        }
    }
    if (n != 1 || !esNum(0)) return CompCombinacio;
    slotResultat_ = llista[0].slot;
    return CompOk;
}

// Steps whose operands are all known at compile time are computed now, when they
// succeed: at evaluation they would give the same value at every X. A step that
// fails stays in the schedule, so its error is still met in its turn. A power
// whose exponent is a known whole number below 100 gets the repeated product.
void Calculador::PlegarConstants() {
    constexpr std::uint16_t Cap = 0xFFFF;
    double valor[MaxValors];
    bool conegut[MaxValors];
    const int nSlots = 1 + nombreConstants_ + nombrePassos_;
    conegut[0] = false;
    valor[0] = 0;
    for (int s = 1; s < nSlots; ++s) {
        conegut[s] = s <= nombreConstants_;
        valor[s] = s <= nombreConstants_ ? constants_[static_cast<std::size_t>(s - 1)] : 0;
    }
    Pas guardats[MaxElementsCompilats];
    int n = 0;
    for (int k = 0; k < nombrePassos_; ++k) {
        const Pas& p = passos_[static_cast<std::size_t>(k)];
        const bool funcio = p.operacio < 32;
        if (conegut[p.a] && (funcio || conegut[p.b])) {
            double r = 0;
            const int codi = Executar(p.operacio, valor[p.a], valor[p.b], r);
            if (codi == AvalOk) {
                valor[p.resultat] = r;
                conegut[p.resultat] = true;
                continue;
            }
        }
        guardats[n++] = p;
    }
    // Renumber: X, then the known values the schedule reads, then the temporaries.
    std::uint16_t nou[MaxValors];
    for (int s = 0; s < nSlots; ++s) nou[s] = Cap;
    nou[0] = 0;
    std::uint16_t seguent = 1;
    auto constant = [&](std::uint16_t s) {
        if (conegut[s] && nou[s] == Cap) {
            constants_[seguent - 1u] = valor[s];
            nou[s] = seguent++;
        }
    };
    for (int k = 0; k < n; ++k) {
        constant(guardats[k].a);
        if (guardats[k].operacio >= 32) constant(guardats[k].b);
    }
    constant(slotResultat_);
    nombreConstants_ = seguent - 1;
    for (int k = 0; k < n; ++k) nou[guardats[k].resultat] = seguent++;
    for (int k = 0; k < n; ++k) {
        Pas p = guardats[k];
        p.a = nou[p.a];
        p.b = p.operacio >= 32 ? nou[p.b] : 0;
        p.resultat = nou[p.resultat];
        if (p.operacio == '^' && p.b >= 1 && p.b <= nombreConstants_) {
            const double e = constants_[p.b - 1u];
            if (e == std::trunc(e) && e != 0 && std::fabs(e) < 100) p.operacio = OpPotenciaEntera;
        }
        passos_[static_cast<std::size_t>(k)] = p;
    }
    nombrePassos_ = n;
    slotResultat_ = nou[slotResultat_];
}

int Calculador::AvaluarFuncio(double x, double& valor) const {
    if (!compilat_) return AvalSenseValorReal;
    double v[MaxValors];
    v[0] = x;
    std::memcpy(v + 1, constants_.data(), static_cast<std::size_t>(nombreConstants_) * sizeof(double));
    for (int k = 0; k < nombrePassos_; ++k) {
        const Pas& p = passos_[static_cast<std::size_t>(k)];
        if (const int codi = Executar(p.operacio, v[p.a], v[p.b], v[p.resultat])) return codi;
    }
    const double r = v[slotResultat_];
    // Strictly above the limit (NaN included) there is no value.
    if (!(std::fabs(r) <= LimitGran)) return AvalOverflow;
    valor = r;
    return AvalOk;
}

namespace {

constexpr int Carrils = 32;

// The value table of one block of samples: every slot holds one value per lane.
using Carril = double[Carrils];

// Keeps the first error of each lane: a lane already failed keeps its code.
// Codes are 64-bit so that a lane's code and its double value have the same width
// and the loops vectorise.
using Codi = std::int64_t;

inline void Marcar(Codi* c, int j, bool falla, Codi codi) {
    c[j] |= codi & -static_cast<Codi>((c[j] == AvalOk) & falla);
}

// One binary step over a block: r = f(a, b) lane by lane, f giving the lane's
// code (0 or an evaluation code). The result slot is never an operand slot.
template <class F>
[[gnu::always_inline]] inline void PerCarrils(const double* __restrict a, const double* __restrict b,
                       double* __restrict r, Codi* __restrict c, F f) {
    for (int j = 0; j < Carrils; ++j) {
        Codi e;
        r[j] = f(a[j], b[j], e);
        c[j] |= e & -static_cast<Codi>(c[j] == AvalOk);
    }
}

// Repeated product of a whole exponent known at compile time, lane by lane, with
// the checks of PotenciaEntera before each factor.
// The check "product > limit" before each factor fails exactly when the largest
// of the partial products before the last factor exceeds the limit (NaN never does).
// Inlined, so that it is compiled with the instruction set of the block loop.
[[gnu::always_inline]] inline void PotenciaEnteraCarrils(const double* __restrict a, double e, double* __restrict r,
                           Codi* __restrict c) {
    const int n = e < 0 ? static_cast<int>(-e) : static_cast<int>(e);
    if (n == 2 && e > 0) {  // the square, by far the most common
        for (int j = 0; j < Carrils; ++j) {
            r[j] = a[j] * a[j];
            Marcar(c, j, a[j] > LimitGran, AvalOverflow);
        }
        return;
    }
    double producte[Carrils], maxim[Carrils];
    for (int j = 0; j < Carrils; ++j) {
        producte[j] = a[j];
        maxim[j] = a[j];  // the base itself is checked before every factor
    }
    for (int i = 2; i < n; ++i)
        for (int j = 0; j < Carrils; ++j) {
            producte[j] *= a[j];
            maxim[j] = producte[j] > maxim[j] ? producte[j] : maxim[j];
        }
    if (n > 1)
        for (int j = 0; j < Carrils; ++j) producte[j] *= a[j];
    if (e > 0) {
        for (int j = 0; j < Carrils; ++j) {
            r[j] = producte[j];
            Marcar(c, j, maxim[j] > LimitGran, AvalOverflow);
        }
    } else {
        for (int j = 0; j < Carrils; ++j) {
            r[j] = 1 / producte[j];
            Marcar(c, j, (maxim[j] > LimitGran) | (std::fabs(producte[j]) <= LimitPetit),
                   AvalOverflow);
        }
    }
}

} // namespace

// Sine and cosine of a whole block through glibc's vector math library (libmvec):
// four lanes per call with AVX2, two otherwise. Its results may differ from the
// scalar sin and cos by a few units in the last place.
#if defined(__x86_64__) && defined(__GLIBC__)
#define TRACIMA_TRIG_VECTORIAL 1
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpsabi"
extern "C" {
__m128d _ZGVbN2v_sin(__m128d);
__m128d _ZGVbN2v_cos(__m128d);
__attribute__((target("avx2"))) __m256d _ZGVdN4v_sin(__m256d);
__attribute__((target("avx2"))) __m256d _ZGVdN4v_cos(__m256d);
}

__attribute__((target("avx2"))) void TrigAvx2(bool sinus, const double* a, double* r) {
    for (int j = 0; j < Carrils; j += 4) {
        const __m256d x = _mm256_loadu_pd(a + j);
        _mm256_storeu_pd(r + j, sinus ? _ZGVdN4v_sin(x) : _ZGVdN4v_cos(x));
    }
}
#pragma GCC diagnostic pop

void TrigSse2(bool sinus, const double* a, double* r) {
    for (int j = 0; j < Carrils; j += 2) {
        const __m128d x = _mm_loadu_pd(a + j);
        _mm_storeu_pd(r + j, sinus ? _ZGVbN2v_sin(x) : _ZGVbN2v_cos(x));
    }
}

// FSin, FSig, FCos, FCog over a block; these never fail.
void TrigCarrils(std::uint16_t f, const double* a, double* r) {
    alignas(64) double graus[Carrils];
    if (f == FSig || f == FCog) {
        for (int j = 0; j < Carrils; ++j) graus[j] = a[j] / 180 * PiCurt;
        a = graus;
    }
    const bool sinus = f == FSin || f == FSig;
    if (__builtin_cpu_supports("avx2"))
        TrigAvx2(sinus, a, r);
    else
        TrigSse2(sinus, a, r);
}
#endif

// Samples are evaluated in blocks of Carrils lanes; a short last block is padded
// with its first abscissa. Every step runs over the whole block: a lane that has
// already failed goes on computing meaningless values but keeps its first code,
// which is what the single-point evaluation would have returned.
// On processors with AVX2 a second copy of the block loop runs twice as many lanes
// per instruction; the choice is made once, when the program is loaded.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && !defined(__SANITIZE_ADDRESS__)
__attribute__((target_clones("avx2", "default")))
#endif
void Calculador::AvaluarFuncioMostres(const double* x, double* y, int* codi, int n) const {
    if (!compilat_) {
        for (int i = 0; i < n; ++i) codi[i] = AvalSenseValorReal;
        return;
    }
    const int nSlots = 1 + nombreConstants_ + nombrePassos_;
    alignas(64) Carril v[MaxValors];
    // The constants are never written by a step: broadcast them once.
    for (int s = 1; s <= nombreConstants_ && s < nSlots; ++s)
        for (int j = 0; j < Carrils; ++j) v[s][j] = constants_[static_cast<std::size_t>(s - 1)];
    // Every lane starts without error; the result loop clears the codes again for
    // the next block.
    alignas(64) Codi c[Carrils] = {};
    for (int inici = 0; inici < n; inici += Carrils) {
        const int m = n - inici < Carrils ? n - inici : Carrils;
        // A whole block reads its abscissas in place; a short last one is padded.
        const double* xs = x + inici;
        if (m < Carrils) {
            for (int j = 0; j < Carrils; ++j) v[0][j] = x[inici + (j < m ? j : 0)];
            xs = v[0];
        }
        auto slot = [&](std::uint16_t s) { return s == 0 ? xs : v[s]; };
        for (int k = 0; k < nombrePassos_; ++k) {
            const Pas& p = passos_[static_cast<std::size_t>(k)];
            const double* a = slot(p.a);
            const double* b = slot(p.b);
            double* r = v[p.resultat];
            switch (p.operacio) {
            case '*':
                PerCarrils(a, b, r, c, [](double x1, double x2, Codi& e) {
                    e = ((std::fabs(x1) >= LimitGran) | (std::fabs(x2) >= LimitGran)) ? AvalOverflow : 0;
                    return x1 * x2;
                });
                break;
            case '+':
                PerCarrils(a, b, r, c, [](double x1, double x2, Codi& e) {
                    e = ((std::fabs(x1) >= LimitGran) | (std::fabs(x2) >= LimitGran)) ? AvalOverflow : 0;
                    return x1 + x2;
                });
                break;
            case '-':
                PerCarrils(a, b, r, c, [](double x1, double x2, Codi& e) {
                    e = ((std::fabs(x1) >= LimitGran) | (std::fabs(x2) >= LimitGran)) ? AvalOverflow : 0;
                    return x1 - x2;
                });
                break;
            case '/':
                PerCarrils(a, b, r, c, [](double x1, double x2, Codi& e) {
                    // 1 for a zero divisor, else 4 out of range; written without
                    // branches so the loop vectorises.
                    const Codi zero = x2 == 0;
                    const Codi gran = (std::fabs(x1) >= LimitGran) | (std::fabs(x2) <= LimitPetit);
                    e = (AvalDivisioZero & -zero) | (AvalOverflow & -(gran & (zero ^ 1)));
                    return x1 / x2;
                });
                break;
            case OpPotenciaEntera: PotenciaEnteraCarrils(a, b[0], r, c); break;
#ifdef TRACIMA_TRIG_VECTORIAL
            case FSin:
            case FSig:
            case FCos:
            case FCog: TrigCarrils(p.operacio, a, r); break;
#endif
            default:
                for (int j = 0; j < Carrils; ++j) {
                    double t = 0;
                    if (c[j] == AvalOk) c[j] = Executar(p.operacio, a[j], b[j], t);
                    r[j] = t;
                }
            }
        }
        const double* res = slot(slotResultat_);
        int* ci = codi + inici;
        double* yi = y + inici;
        for (int j = 0; j < m; ++j) {
            // Strictly above the limit (NaN included) there is no value.
            const Codi fora = !(std::fabs(res[j]) <= LimitGran);
            ci[j] = static_cast<int>(c[j] | (AvalOverflow & -(fora & (c[j] == AvalOk))));
            yi[j] = res[j];
        }
        for (int j = 0; j < Carrils; ++j) c[j] = AvalOk;
    }
}

int Calculador::CalcularExpressio(std::string_view text, const Parametres& p, double& valor) {
    if (CompilarFuncio(text, p) != CompOk) return 2;
    if (AvaluarFuncio(0, valor) != AvalOk) return 1;
    return 0;
}

int CalcularExpressio(std::string_view text, const Parametres& p, double& valor) {
    Calculador c;
    return c.CalcularExpressio(text, p, valor);
}

} // namespace tracima
