// tracima-cli regressio and interpolacio on small tables written by the test:
// what they print for exact data, their refusals, and their argument errors.
#include "cli/Comandes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

using tracima::cli::Arguments;

struct Sortida {
    int estat;
    std::string out, err;
};

Sortida Executar(int (*comanda)(const Arguments&, std::ostream&, std::ostream&),
                 const Arguments& args) {
    std::ostringstream out, err;
    const int estat = comanda(args, out, err);
    return {estat, out.str(), err.str()};
}

// A table file in a folder of this test process, removed at the end.
class Taules : public ::testing::Test {
  protected:
    std::string Fitxer(const std::string& contingut) {
        const auto cami = carpeta_ / ("t" + std::to_string(++n_) + ".txt");
        std::ofstream(cami, std::ios::binary) << contingut;
        return cami.string();
    }
    void SetUp() override {
        carpeta_ = std::filesystem::temp_directory_path() /
                   ("tracima-numeriques-" + std::to_string(getpid()));
        std::filesystem::create_directories(carpeta_);
    }
    void TearDown() override { std::filesystem::remove_all(carpeta_); }

  private:
    std::filesystem::path carpeta_;
    int n_ = 0;
};

using tracima::cli::ComandaInterpolacio;
using tracima::cli::ComandaRegressio;

TEST_F(Taules, RegressioPrintsLabelEquationAndR) {
    struct Cas {
        const char* taula;
        Arguments opcions;
        const char* sortida;
    };
    const Cas casos[] = {
        {"1\t2\r\n2\t4\r\n3\t6\r\n", {}, "REGRESSIÓ LINEAL y = ax + b\n2x + 0\n1\n"},
        // Alternating lines, LF only, x decreasing.
        {"3\n-3\n2\n1\n1\n5\n",
         {"--model", "lineal"},
         "REGRESSIÓ LINEAL y = ax + b\n-4x + 9\n-1\n"},
        {"-1\t6\n0\t1\n1\t0\n2\t3\n",
         {"--model", "quadratica"},
         "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c\n2x^2 -3x + 1\n1\n"},
        {"0\t2\n1\t6\n2\t18\n",
         {"--model", "exponencial"},
         "REGRESSIÓ EXPONENCIAL y = a . b^x\n2 * (3)^x\n1\n"},
        {"1\t2\n2\t16\n3\t54\n",
         {"--model", "potencial"},
         "REGRESSIÓ EXPONENCIAL y = a . x^b\n2 * x^(3)\n1\n"},
        {"1\t0.5\n2\t2/3\n4\t0.8\n",
         {"--model", "inversa"},
         "REGRESSIÓ INVERSA  y = a x/(b+x)\n1 * x/(1+x)\n1\n"},
    };
    for (const Cas& c : casos) {
        Arguments args = c.opcions;
        args.push_back(Fitxer(c.taula));
        const Sortida s = Executar(ComandaRegressio, args);
        EXPECT_EQ(s.estat, 0) << s.err;
        EXPECT_EQ(s.out, c.sortida);
    }
}

TEST_F(Taules, RefusalsGiveSlotCellAndText) {
    struct Cas {
        int (*comanda)(const Arguments&, std::ostream&, std::ostream&);
        Arguments opcions;
        const char* taula;
        const char* err;
    };
    const Cas casos[] = {
        {ComandaRegressio,
         {"--model", "inversa"},
         "1\t0.5\n2\t1\n4\t2\n",
         "missatge 243, fila 1, columna 1: Aquestes dades no permeten calcular una regressió "
         "inversa del tipus: y = ax/(b+x)\n"},
        {ComandaRegressio,
         {"--model", "exponencial", "--idioma", "es"},
         "1\t1\n2\t0\n3\t9\n",
         "missatge 239, fila 2, columna 2: En una regresión exponencial (y=a.b^x),  el valor de "
         "Y ha de ser mayor que 0\n"},
        {ComandaRegressio,
         {"--coeficients"},
         "1\t1\n2\t4\n",
         "missatge 232, fila 1, columna 1: Hi ha d'haver-hi com a mínim tres parells de valors\n"},
        {ComandaRegressio,
         {},
         "",
         "missatge 226: No hi ha dades text a la carpeta. No puc "
         "enganxar valors.\n"},
        {ComandaInterpolacio,
         {},
         "1\t1\n2\t2\n2\t3\n",
         "missatge 229, fila 3, columna 1: No pot ser un valor de X igual o inferior a "
         "l'anterior\n"},
        {ComandaInterpolacio,
         {},
         "1\t1\n2\tx+\n",
         "missatge 228, fila 2, columna 2: Error de càlcul en la cel.la\n"},
    };
    for (const Cas& c : casos) {
        Arguments args = c.opcions;
        args.push_back(Fitxer(c.taula));
        const Sortida s = Executar(c.comanda, args);
        EXPECT_EQ(s.estat, 1);
        EXPECT_EQ(s.out, "");
        EXPECT_EQ(s.err, c.err);
    }
}

TEST_F(Taules, CoefficientsCopyText) {
    const Sortida s = Executar(ComandaRegressio, {"--coeficients", Fitxer("1\t2\n2\t4\n3\t6\n")});
    EXPECT_EQ(s.estat, 0) << s.err;
    std::vector<std::string> linies;
    std::size_t inici = 0;
    for (std::size_t fi; (fi = s.out.find("\r\n", inici)) != std::string::npos; inici = fi + 2)
        linies.push_back(s.out.substr(inici, fi - inici));
    EXPECT_EQ(inici, s.out.size());
    ASSERT_EQ(linies.size(), 19u);
    EXPECT_EQ(linies[3], "Y màxim:\t6");
    EXPECT_EQ(linies[18], "ax/(b+x) ->\tNO\tNO");
}

TEST_F(Taules, InterpolacioValues) {
    const std::string punts = Fitxer("0\t0\r\n1\t1\r\n2\t4\r\n");
    struct Cas {
        Arguments args;
        const char* sortida;
    };
    const Cas casos[] = {
        {{punts, "1.5", "0", "2", "-1", "2.5"},
         "1.5\t2.25\n0\t0\n2\t4\n-1\terror 101\n2.5\terror 101\n"},
        {{"--lineal", punts, "1.5"}, "1.5\t2.5\n"},
        {{punts, "--extrapolar", "-1", "3"}, "-1\t1\n3\t9\n"},
        {{punts}, ""},
    };
    for (const Cas& c : casos) {
        const Sortida s = Executar(ComandaInterpolacio, c.args);
        EXPECT_EQ(s.estat, 0) << s.err;
        EXPECT_EQ(s.out, c.sortida);
    }
}

TEST_F(Taules, ArgumentErrors) {
    const std::string t = Fitxer("1\t2\n2\t4\n3\t6\n");
    struct Cas {
        int (*comanda)(const Arguments&, std::ostream&, std::ostream&);
        Arguments args;
    };
    const Cas casos[] = {
        {ComandaRegressio, {}},
        {ComandaRegressio, {"--model", "cubica", t}},
        {ComandaRegressio, {"--model"}},
        {ComandaRegressio, {"--coeficients", "--model", "lineal", t}},
        {ComandaRegressio, {t, t}},
        {ComandaRegressio, {"--idioma", "fr", t}},
        {ComandaRegressio, {"/no/existeix"}},
        {ComandaInterpolacio, {"--model", "lineal", t}},
        {ComandaInterpolacio, {t, "1+"}},
    };
    for (const Cas& c : casos) {
        const Sortida s = Executar(c.comanda, c.args);
        EXPECT_EQ(s.estat, 2);
        EXPECT_EQ(s.out, "");
        EXPECT_FALSE(s.err.empty());
    }
    EXPECT_FALSE(Executar(ComandaRegressio, {"--help"}).out.empty());
    EXPECT_FALSE(Executar(ComandaInterpolacio, {"--help"}).out.empty());
}

} // namespace
