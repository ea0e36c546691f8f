// tracima-cli document, called directly: the listing of a document, --desar,
// and the exit status and message of a document that cannot be read or saved.
#include "app/Document.h"
#include "cli/Comandes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace tracima::cli {
int ComandaDocument(const Arguments& args, std::ostream& out, std::ostream& err);
}

namespace tracima {
namespace {

namespace fs = std::filesystem;

class ComandaDocumentProva : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tracima-cli-doc-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Escriure(const char* nom, const std::string& bytes) const {
        const std::string cami = (dir_ / nom).string();
        std::ofstream(cami, std::ios::binary) << bytes;
        return cami;
    }
    static std::string Llegir(const std::string& cami) {
        std::ifstream f(cami, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    int Executar(const cli::Arguments& args) {
        out_.str("");
        err_.str("");
        return cli::ComandaDocument(args, out_, err_);
    }
    fs::path dir_;
    std::ostringstream out_, err_;
};

// Windows-1252, CR LF, a Spanish title with its table, a formula.
const std::string document = "Tracim 3\r\nCATAL\xC0\r\n"
                             "-10\r\n10\r\n-2\r\n3\r\n1\r\n0.5\r\n"
                             "x^2-4\r\n"
                             "REGRESI\xD3N LINEAL  y = ax + b\r\n"
                             "1\r\n2\r\n0\r\n0\r\n1\r\n2*X+1\r\n 9.90000000000000E-0001\r\n1\r\n"
                             "0\r\n1\r\n0.1\r\n1.2\r\n"
                             "\r\n\r\n\r\n\r\n";

TEST_F(ComandaDocumentProva, ListsAxesTextsAndTables) {
    const std::string cami = Escriure("a.trc", document);
    ASSERT_EQ(Executar({cami}), 0) << err_.str();
    EXPECT_EQ(out_.str(), "Eix X: origen -10, final 10, unitat 1\n"
                          "Eix Y: origen -2, final 3, unitat 0.5\n"
                          "F(x) = x^2-4\n"
                          "G(x) = REGRESSIÓ LINEAL y = ax + b\n"
                          "  ValorReservat 1\n"
                          "  NombrePunts 2\n"
                          "  Extrapolar 0\n"
                          "  InterpolacioLineal 0\n"
                          "  MostrarPunts 1\n"
                          "  EquacioRegressio 2*X+1\n"
                          "  CoeficientCorrelacio 0.99\n"
                          "  TipusRegressio 1\n"
                          "  1\t0\t1\n"
                          "  2\t0.1\t1.2\n"
                          "H(x) = \n"
                          "I(x) = \n"
                          "J(x) = \n"
                          "K(x) = \n");
    EXPECT_EQ(err_.str(), "");
}

TEST_F(ComandaDocumentProva, DesarWritesTheCatalanLabelsInTheDocumentLayout) {
    const std::string cami = Escriure("a.trc", document);
    const std::string sortida = (dir_ / "b.trc").string();
    ASSERT_EQ(Executar({"--desar", sortida, cami}), 0) << err_.str();
    const std::string escrit = Llegir(sortida);
    EXPECT_NE(escrit.find("\r\nREGRESSI\xD3 LINEAL y = ax + b\r\n1\r\n2\r\n"), std::string::npos);
    EXPECT_NE(escrit.find("\r\n 1.20000000000000E+0000\r\n"), std::string::npos);
    // Saved again from the saved file, byte for byte the same.
    const std::string tercer = (dir_ / "c.trc").string();
    ASSERT_EQ(Executar({sortida, "--desar", tercer}), 0);
    EXPECT_EQ(Llegir(tercer), escrit);
}

TEST_F(ComandaDocumentProva, UnreadableDocumentGivesMessage202AndStatus2) {
    const std::string trencat = Escriure("t.trc", document.substr(0, document.size() - 4));
    for (const std::string& cami : {trencat, (dir_ / "no-hi-es.trc").string()}) {
        EXPECT_EQ(Executar({cami}), 2);
        EXPECT_EQ(err_.str().rfind("No puc obrir el fitxer\n", 0), 0u) << err_.str();
        EXPECT_EQ(out_.str(), "");
    }
}

TEST_F(ComandaDocumentProva, FailedSaveGivesMessage203AndStatus3) {
    const std::string cami = Escriure("a.trc", document);
    EXPECT_EQ(Executar({cami, "--desar", (dir_ / "no-hi-es" / "b.trc").string()}), 3);
    EXPECT_EQ(err_.str().rfind("No puc desar el fitxer\n", 0), 0u) << err_.str();
}

TEST_F(ComandaDocumentProva, BadArguments) {
    const std::string cami = Escriure("a.trc", document);
    EXPECT_EQ(Executar({}), 2);
    EXPECT_EQ(Executar({cami, "--desar"}), 2);
    EXPECT_EQ(Executar({cami, cami}), 2);
    EXPECT_EQ(Executar({cami, "--desar", "x.trc", "--desar", "y.trc"}), 2);
    EXPECT_EQ(Executar({"--help"}), 0);
    EXPECT_NE(out_.str().find("--desar"), std::string::npos);
}

} // namespace
} // namespace tracima
