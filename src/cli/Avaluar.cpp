// tracima-cli avaluar: a formula evaluated at given abscissas.
#include "cli/Comandes.h"
#include "engine/UnitCalcular.h"
#include "engine/UnitTools.h"

#include <charconv>
#include <ostream>

namespace tracima::cli {

namespace {

const char* const ajudaAvaluar =
    "Ús: tracima-cli avaluar [-p LLETRA=VALOR]... [--exacte] FORMULA [X]...\n"
    "\n"
    "Compila FORMULA i l'avalua a cada X (cap X: X = 0). Escriu una línia per X:\n"
    "la x, un tabulador i el valor, o \"error N\" amb el codi d'avaluació N\n"
    "(1 divisió entre 0, 2 sense valor real, 3 logaritme d'un número no positiu,\n"
    "4 desbordament).\n"
    "\n"
    "  -p LLETRA=VALOR  dóna valor a un paràmetre A..F (els altres valen 1);\n"
    "                   VALOR és una fórmula, llegida amb tots els paràmetres a 1\n"
    "  --exacte         escriu els valors amb 17 xifres significatives\n"
    "  --help           mostra aquesta ajuda\n"
    "\n"
    "Cada X és una fórmula, llegida amb els paràmetres donats. Les opcions poden\n"
    "anar a qualsevol lloc; qualsevol altre argument, encara que comenci per \"-\"\n"
    "(-0.5, -x^2), és la fórmula o una X.\n"
    "Estat de sortida: 0 bé, 2 una fórmula, un VALOR o una X que no es pot llegir.\n";

// 17 significant digits; zero is "0", never "-0", as in NumeroAText.
std::string TextExacte(double v) {
    if (v == 0) v = 0;
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 17);
    return std::string(buf, r.ptr);
}

} // namespace

int ComandaAvaluar(const Arguments& args, std::ostream& out, std::ostream& err) {
    Parametres parametres;
    const Parametres tots1;
    bool exacte = false;
    std::vector<std::string> posicionals;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help") {
            out << ajudaAvaluar;
            return 0;
        }
        if (a == "--exacte") {
            exacte = true;
        } else if (a == "-p") {
            if (i + 1 >= args.size()) {
                err << "avaluar: falta LLETRA=VALOR després de -p\n";
                return 2;
            }
            const std::string& def = args[++i];
            char lletra = def.empty() ? '\0' : def[0];
            if (lletra >= 'a' && lletra <= 'f') lletra = static_cast<char>(lletra - 'a' + 'A');
            if (def.size() < 3 || def[1] != '=' || lletra < 'A' || lletra > 'F') {
                err << "avaluar: paràmetre mal escrit (cal LLETRA=VALOR, amb LLETRA de A a F): " << def << "\n";
                return 2;
            }
            double valor = 0;
            if (CalcularExpressio(std::string_view(def).substr(2), tots1, valor) != 0) {
                err << "avaluar: el valor del paràmetre " << lletra << " no es pot llegir: " << def.substr(2) << "\n";
                return 2;
            }
            parametres[lletra - 'A'] = valor;
        } else {
            posicionals.push_back(a);
        }
    }
    if (posicionals.empty()) {
        err << "avaluar: falta la fórmula\n" << ajudaAvaluar;
        return 2;
    }
    std::vector<double> xs;
    for (std::size_t i = 1; i < posicionals.size(); ++i) {
        double x = 0;
        if (CalcularExpressio(posicionals[i], parametres, x) != 0) {
            err << "avaluar: la X no es pot llegir: " << posicionals[i] << "\n";
            return 2;
        }
        xs.push_back(x);
    }
    if (xs.empty()) xs.push_back(0);

    Calculador calculador;
    if (const int codi = calculador.CompilarFuncio(posicionals[0], parametres)) {
        err << "error de compilació " << codi << "\n";
        return 2;
    }
    for (double x : xs) {
        double y = 0;
        const int codi = calculador.AvaluarFuncio(x, y);
        out << NumeroAText(x) << '\t';
        if (codi != 0)
            out << "error " << codi << '\n';
        else
            out << (exacte ? TextExacte(y) : NumeroAText(y)) << '\n';
    }
    return 0;
}

} // namespace tracima::cli
