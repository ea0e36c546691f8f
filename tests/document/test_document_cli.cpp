// tracima-cli document, called directly: the listing of a document, --desar,
// and the exit status and message of a document that cannot be read or saved.
#include "DirProva.h"
#include "cli/Comandes.h"

#include <sstream>

namespace tracima {
namespace {

class ComandaDocumentProva : public DirProva {
  protected:
    int Executar(const cli::Arguments& args) {
        out_.str("");
        err_.str("");
        return cli::ComandaDocument(args, out_, err_);
    }
    std::ostringstream out_, err_;
};

// Windows-1252, CR LF, a Spanish title with its table, a formula.
const std::string document =
    "Tracim 3\r\nCATAL\xC0\r\n-10\r\n10\r\n-2\r\n3\r\n1\r\n0.5\r\nx^2-4\r\n"
    "REGRESI\xD3N LINEAL  y = ax + b\r\n1\r\n2\r\n0\r\n0\r\n1\r\n2*X+1\r\n"
    " 9.90000000000000E-0001\r\n1\r\n0\r\n1\r\n0.1\r\n1.2\r\n"
    "\r\n\r\n\r\n\r\n";

TEST_F(ComandaDocumentProva, ListsAxesTextsAndTables) {
    ASSERT_EQ(Executar({Escriure("a.trc", document)}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "Eix X: origen -10, final 10, unitat 1\n"
                          "Eix Y: origen -2, final 3, unitat 0.5\n"
                          "F(x) = x^2-4\n"
                          "G(x) = REGRESSIÓ LINEAL y = ax + b\n"
                          "  ValorReservat 1\n  NombrePunts 2\n  Extrapolar 0\n"
                          "  InterpolacioLineal 0\n  MostrarPunts 1\n"
                          "  EquacioRegressio 2*X+1\n  CoeficientCorrelacio 0.99\n"
                          "  TipusRegressio 1\n  1\t0\t1\n  2\t0.1\t1.2\n"
                          "H(x) = \nI(x) = \nJ(x) = \nK(x) = \n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ComandaDocumentProva, DesarWritesTheCatalanLabelsInTheDocumentLayout) {
    const std::string cami = Escriure("a.trc", document), sortida = Cami("b.trc");
    ASSERT_EQ(Executar({"--desar", sortida, cami}), 0) << err_.str();
    const std::string escrit = Contingut(sortida);
    EXPECT_NE(escrit.find("\r\nREGRESSI\xD3 LINEAL y = ax + b\r\n1\r\n2\r\n"), std::string::npos);
    EXPECT_NE(escrit.find("\r\n 1.20000000000000E+0000\r\n"), std::string::npos);
    // Saved again from the saved file, byte for byte the same.
    ASSERT_EQ(Executar({sortida, "--desar", Cami("c.trc")}), 0);
    EXPECT_EQ(Contingut(Cami("c.trc")), escrit);
}

TEST_F(ComandaDocumentProva, ExitStatusAndMessageOfFailures) {
    const std::string cami = Escriure("a.trc", document);
    const std::string trencat = Escriure("t.trc", document.substr(0, document.size() - 4));
    for (const std::string& dolent : {trencat, Cami("no-hi-es.trc")}) {
        EXPECT_EQ(Executar({dolent}), 2);
        EXPECT_EQ(err_.str().rfind("No puc obrir el fitxer\n", 0), 0u) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
    EXPECT_EQ(Executar({cami, "--desar", Cami("no-hi-es/b.trc")}), 3);
    EXPECT_EQ(err_.str().rfind("No puc desar el fitxer\n", 0), 0u) << err_.str();
    // Bad arguments.
    for (const cli::Arguments& args : std::initializer_list<cli::Arguments>{
             {}, {cami, "--desar"}, {cami, cami}, {cami, "--desar", "x", "--desar", "y"}})
        EXPECT_EQ(Executar(args), 2);
    EXPECT_EQ(Executar({"--help"}), 0);
    EXPECT_NE(out_.str().find("--desar"), std::string::npos);
}

} // namespace
} // namespace tracima
