// tracima-cli document: the function set of a document, and its rewriting.
#include "document/Document.h"
#include "text/Missatges.h"
#include "cli/Comandes.h"

#include <charconv>
#include <memory>
#include <ostream>

namespace tracima::cli {

namespace {

const char* const ajudaDocument =
    "Ús: tracima-cli document FITXER.trc [--desar SORTIDA.trc]\n"
    "\n"
    "Llegeix el document FITXER.trc i n'escriu el conjunt de funcions: els eixos,\n"
    "els textos de F(x) a K(x) i, de cada funció numèrica, les opcions i la taula\n"
    "de punts. Els números s'escriuen amb totes les xifres que tenen.\n"
    "\n"
    "  --desar SORTIDA.trc  torna a escriure el conjunt a SORTIDA.trc en el format\n"
    "                       dels documents (CR LF, Windows-1252)\n"
    "  --help               mostra aquesta ajuda\n"
    "\n"
    "Estat de sortida: 0 bé, 2 arguments erronis o un document que no es pot\n"
    "llegir, 3 un document que no es pot desar.\n";

// The shortest text that reads back as the same double.
std::string TextExacte(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

void EscriureConjunt(const ConjuntFuncions& cf, std::ostream& out) {
    const EixosFuncions& e = cf.Eixos;
    out << "Eix X: origen " << TextExacte(e.XOrigen) << ", final " << TextExacte(e.XFinal)
        << ", unitat " << TextExacte(e.XUnitat) << "\n";
    out << "Eix Y: origen " << TextExacte(e.YOrigen) << ", final " << TextExacte(e.YFinal)
        << ", unitat " << TextExacte(e.YUnitat) << "\n";
    for (int i = 1; i <= NombreSlotsFuncio; ++i) {
        const SlotFuncio& s = cf.Slots[static_cast<std::size_t>(i - 1)];
        out << LletraFuncio(i) << "(x) = " << s.Text << "\n";
        if (!EsTextNumerica(s.Text)) continue;
        const FuncioNumerica& fn = s.Numerica;
        out << "  ValorReservat " << fn.ValorReservat << "\n"
            << "  NombrePunts " << fn.NombrePunts << "\n"
            << "  Extrapolar " << fn.Extrapolar << "\n"
            << "  InterpolacioLineal " << fn.InterpolacioLineal << "\n"
            << "  MostrarPunts " << fn.MostrarPunts << "\n"
            << "  EquacioRegressio " << fn.EquacioRegressio << "\n"
            << "  CoeficientCorrelacio " << TextExacte(fn.CoeficientCorrelacio) << "\n"
            << "  TipusRegressio " << fn.TipusRegressio << "\n";
        for (int k = 0; k < fn.NombrePunts && k < MaxPuntsTaula; ++k) {
            const auto j = static_cast<std::size_t>(k);
            out << "  " << k + 1 << "\t" << TextExacte(fn.ValorsX[j]) << "\t"
                << TextExacte(fn.ValorsY[j]) << "\n";
        }
    }
}

void EscriureError(std::ostream& err, std::string_view missatge, const ErrorDocument& e) {
    err << missatge << "\n";
    if (e.motiu.empty()) return;
    err << "document: ";
    if (e.linia > 0) err << "línia " << e.linia << ": ";
    err << e.motiu << "\n";
}

} // namespace

int ComandaDocument(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::string fitxer, sortida;
    bool ambFitxer = false, desar = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help") {
            out << ajudaDocument;
            return 0;
        }
        if (a == "--desar") {
            if (i + 1 >= args.size() || desar) {
                err << "document: --desar necessita un nom de fitxer, una sola vegada\n";
                return 2;
            }
            sortida = args[++i];
            desar = true;
        } else if (!ambFitxer) {
            fitxer = a;
            ambFitxer = true;
        } else {
            err << "document: sobra l'argument " << a << "\n" << ajudaDocument;
            return 2;
        }
    }
    if (!ambFitxer) {
        err << "document: falta el fitxer\n" << ajudaDocument;
        return 2;
    }

    const TaulaMissatges missatges;
    auto cf = std::make_unique<ConjuntFuncions>();
    Calculador calc;
    ErrorDocument error;
    if (LlegirDocument(fitxer, *cf, calc, nullptr, &error) != 0) {
        EscriureError(err, missatges.Missatge(MissatgeNoPucObrir), error);
        return 2;
    }
    EscriureConjunt(*cf, out);
    if (desar && DesarDocument(sortida, *cf, &error) != 0) {
        EscriureError(err, missatges.Missatge(MissatgeNoPucDesar), error);
        return 3;
    }
    return 0;
}

} // namespace tracima::cli
