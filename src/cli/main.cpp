// tracima-cli: the engine and the analyses of Tracima for scripts and tests.
#include "cli/Comandes.h"

#include <cstring>
#include <iostream>

namespace {

struct Comanda {
    const char* nom;
    int (*executar)(const tracima::cli::Arguments&, std::ostream&, std::ostream&);
    const char* resum;
};

constexpr Comanda comandes[] = {
    {"avaluar", tracima::cli::ComandaAvaluar,
     "avaluar [-p LLETRA=VALOR]... [--exacte] FORMULA [X]...   avalua una fórmula"},
    {"document", tracima::cli::ComandaDocument,
     "document FITXER.trc [--desar SORTIDA.trc]   mostra el conjunt de funcions d'un document i el "
     "torna a desar"},
    {"analitzar", tracima::cli::ComandaAnalitzar,
     "analitzar ANALISI [opcions] FORMULA [FORMULA2]   fa una anàlisi sense traçar i mostra "
     "etiquetes, corbes, missatges i estat"},
    {"estudi", tracima::cli::ComandaEstudi,
     "estudi [opcions] FORMULA   estudia una funció: domini, talls, punts notables i intervals"},
    {"imatge", tracima::cli::ComandaImatge,
     "imatge [opcions] [FORMULA]...   dibuixa el gràfic en SVG, amb una anàlisi opcional"},
    {"regressio", tracima::cli::ComandaRegressio,
     "regressio [--model MODEL | --coeficients] FITXER   ajusta una regressió a una taula de "
     "punts"},
    {"interpolacio", tracima::cli::ComandaInterpolacio,
     "interpolacio [--lineal] [--extrapolar] FITXER [X]...   avalua la interpolació d'una taula de "
     "punts"},
};

void MostrarAjuda(std::ostream& out) {
    out << "Ús: tracima-cli COMANDA [opcions] [arguments]\n\n"
           "Comandes:\n";
    for (const auto& c : comandes) out << "  " << c.resum << "\n";
    out << "\n\"tracima-cli COMANDA --help\" explica cada comanda.\n";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        MostrarAjuda(std::cout);
        return 0;
    }
    for (const auto& c : comandes) {
        if (std::strcmp(argv[1], c.nom) == 0) {
            tracima::cli::Arguments args(argv + 2, argv + argc);
            return c.executar(args, std::cout, std::cerr);
        }
    }
    std::cerr << "tracima-cli: comanda desconeguda: " << argv[1] << "\n";
    MostrarAjuda(std::cerr);
    return 2;
}
