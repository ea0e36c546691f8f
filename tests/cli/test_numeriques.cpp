// tracima-cli regressio and interpolacio on small tables written by the test:
// what they print for exact data, their refusals, and their argument errors.
#include "cli/Comandes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <unistd.h>

#include "numeric/Coeficients.h"

namespace {

using tracima::cli::Arguments;
using tracima::cli::ComandaInterpolacio;
using tracima::cli::ComandaRegressio;
using Comanda = int (*)(const Arguments&, std::ostream&, std::ostream&);

// Table files in a folder of this test process, removed at the end.
class Taules : public ::testing::Test {
  protected:
    Taules() { std::filesystem::create_directories(carpeta_); }
    ~Taules() override { std::filesystem::remove_all(carpeta_); }

    // Runs the command with "@" in `args` standing for a file holding `taula`.
    int Executar(Comanda comanda, Arguments args, const std::string& taula = "") {
        for (std::string& a : args)
            if (a == "@") {
                a = (carpeta_ / ("t" + std::to_string(++n_) + ".txt")).string();
                std::ofstream(a, std::ios::binary) << taula;
            }
        std::ostringstream out, err;
        const int estat = comanda(args, out, err);
        out_ = out.str();
        err_ = err.str();
        return estat;
    }
    // Expects the status and the text (any, when not given) on standard output with
    // status 0, on the error output otherwise; the other stream empty.
    void Esperar(Comanda comanda, const Arguments& args, const std::string& taula, int estat,
                 const std::optional<std::string>& text = std::nullopt) {
        EXPECT_EQ(Executar(comanda, args, taula), estat) << taula << err_;
        const std::string& escrit = estat == 0 ? out_ : err_;
        if (text)
            EXPECT_EQ(escrit, *text) << taula;
        else
            EXPECT_FALSE(escrit.empty());
        EXPECT_EQ(estat == 0 ? err_ : out_, "") << taula;
    }
    std::string out_, err_;

  private:
    const std::filesystem::path carpeta_ =
        std::filesystem::temp_directory_path() / ("tracima-numeriques-" + std::to_string(getpid()));
    int n_ = 0;
};

TEST_F(Taules, WhatEachCommandPrints) {
    Esperar(ComandaRegressio, {"@"}, "1\t2\r\n2\t4\r\n3\t6\r\n", 0,
            "REGRESSIÓ LINEAL y = ax + b\n2x + 0\n1\n");
    // The slope has ten integer digits: fifteen significant digits leave five decimals.
    Esperar(ComandaRegressio, {"@"}, "0\t0\n0.01\t0\n0.02\t24691357.8123457\n", 0,
            "REGRESSIÓ LINEAL y = ax + b\n1234567890.61729x -4115226.302058\n0.866025\n");
    // Alternating lines, LF only, x decreasing.
    Esperar(ComandaRegressio, {"--model", "lineal", "@"}, "3\n-3\n2\n1\n1\n5\n", 0,
            "REGRESSIÓ LINEAL y = ax + b\n-4x + 9\n-1\n");
    Esperar(ComandaRegressio, {"--model", "quadratica", "@"}, "-1\t6\n0\t1\n1\t0\n2\t3\n", 0,
            "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c\n2x^2 -3x + 1\n1\n");
    Esperar(ComandaRegressio, {"--model", "exponencial", "@"}, "0\t2\n1\t6\n2\t18\n", 0,
            "REGRESSIÓ EXPONENCIAL y = a . b^x\n2 * (3)^x\n1\n");
    Esperar(ComandaRegressio, {"--model", "potencial", "@"}, "1\t2\n2\t16\n3\t54\n", 0,
            "REGRESSIÓ EXPONENCIAL y = a . x^b\n2 * x^(3)\n1\n");
    Esperar(ComandaRegressio, {"--model", "inversa", "@"}, "1\t0.5\n2\t2/3\n4\t0.8\n", 0,
            "REGRESSIÓ INVERSA  y = a x/(b+x)\n1 * x/(1+x)\n1\n");
    // Refusals: the message slot, the cell and the text, on the error output.
    Esperar(ComandaRegressio, {"--model", "inversa", "@"}, "1\t0.5\n2\t1\n4\t2\n", 1,
            "missatge 243, fila 1, columna 1: Aquestes dades no permeten calcular una regressió "
            "inversa del tipus: y = ax/(b+x)\n");
    Esperar(ComandaRegressio, {"--model", "exponencial", "--idioma", "es", "@"},
            "1\t1\n2\t0\n3\t9\n", 1,
            "missatge 239, fila 2, columna 2: En una regresión exponencial (y=a.b^x),  el valor "
            "de Y ha de ser mayor que 0\n");
    Esperar(ComandaRegressio, {"--coeficients", "@"}, "1\t1\n2\t4\n", 1,
            "missatge 232, fila 1, columna 1: Hi ha d'haver-hi com a mínim tres parells de "
            "valors\n");
    Esperar(ComandaRegressio, {"@"}, "", 1,
            "missatge 226: No hi ha dades text a la carpeta. No puc enganxar valors.\n");
    Esperar(ComandaInterpolacio, {"@"}, "1\t1\n2\t2\n2\t3\n", 1,
            "missatge 229, fila 3, columna 1: No pot ser un valor de X igual o inferior a "
            "l'anterior\n");
    Esperar(ComandaInterpolacio, {"@"}, "1\t1\n2\tx+\n", 1,
            "missatge 228, fila 2, columna 2: Error de càlcul en la cel.la\n");
    // Interpolated values, error 101 outside the table.
    const char* quadrat = "0\t0\r\n1\t1\r\n2\t4\r\n";
    Esperar(ComandaInterpolacio, {"@", "1.5", "0", "2", "-1", "2.5"}, quadrat, 0,
            "1.5\t2.25\n0\t0\n2\t4\n-1\terror 101\n2.5\terror 101\n");
    Esperar(ComandaInterpolacio, {"--lineal", "@", "1.5"}, quadrat, 0, "1.5\t2.5\n");
    Esperar(ComandaInterpolacio, {"@", "--extrapolar", "-1", "3"}, quadrat, 0, "-1\t1\n3\t9\n");
    Esperar(ComandaInterpolacio, {"@"}, quadrat, 0, "");
    // Badly conditioned tables: each piece built from the doubles stored before it
    // gives the parabola 10/3 and 53/24, and the segment's 65/6.
    Esperar(ComandaInterpolacio, {"@", "100001", "99999.5"}, "99999\t1\n100000\t3\n100002\t2\n", 0,
            "100001\t3.333333\n99999.5\t2.208333\n");
    Esperar(ComandaInterpolacio, {"--lineal", "@", "100000000.5"}, "100000000\t0\n100000003\t65\n",
            0, "100000000.5\t10.833333\n");
}

TEST_F(Taules, CoefficientsCopyText) {
    tracima::TaulaTreball t;
    t.ValorsX = {1, 2, 3};
    t.ValorsY = {2, 4, 6};
    t.NombrePunts = 3;
    tracima::CoeficientsRegressio k;
    tracima::CalcularCoeficients(t, k);
    tracima::TaulaMissatges textos;
    textos.CanviarLlengua(tracima::Llengua::Castella);
    Esperar(ComandaRegressio, {"--coeficients", "--idioma", "es", "@"}, "1\t2\n2\t4\n3\t6", 0,
            tracima::TextCopiarCoeficients(k, textos));
}

TEST_F(Taules, ArgumentErrorsAndHelp) {
    const std::string t = "1\t2\n2\t4\n3\t6\n";
    Esperar(ComandaRegressio, {}, t, 2);
    Esperar(ComandaRegressio, {"--model", "cubica", "@"}, t, 2);
    Esperar(ComandaRegressio, {"--model"}, t, 2);
    Esperar(ComandaRegressio, {"--coeficients", "--model", "lineal", "@"}, t, 2);
    Esperar(ComandaRegressio, {"@", "@"}, t, 2);
    Esperar(ComandaRegressio, {"--idioma", "fr", "@"}, t, 2);
    Esperar(ComandaRegressio, {"/no/existeix"}, t, 2);
    Esperar(ComandaInterpolacio, {"--model", "lineal", "@"}, t, 2);
    Esperar(ComandaInterpolacio, {"@", "1+"}, t, 2);
    Esperar(ComandaRegressio, {"--help"}, t, 0);
    Esperar(ComandaInterpolacio, {"--help"}, t, 0);
}

} // namespace
