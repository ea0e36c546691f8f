// tracima-cli's commands called directly (and once through the program): answers known
// in closed form, the exact texts of the refusals, argument errors.
#include "cli/Comandes.h"
#include "numeric/Coeficients.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <tuple>
#include <unistd.h>

namespace {

using namespace tracima::cli;
using Comanda = int (*)(const Arguments&, std::ostream&, std::ostream&);

struct Sortida {
    int estat;
    std::string out, err;
};

Sortida Executar(Comanda comanda, const Arguments& args) {
    std::ostringstream out, err;
    const int estat = comanda(args, out, err);
    return {estat, out.str(), err.str()};
}

// The command on the words of `ordre` (no word holds a blank).
Sortida Ordre(Comanda comanda, const std::string& ordre) {
    Arguments args;
    std::istringstream in(ordre);
    for (std::string a; in >> a;)
        args.push_back(a);
    return Executar(comanda, args);
}

// Answers on standard output; refusals: status 2 and one line on standard error only.
TEST(CliAvaluar, OutputsAndRefusals) {
    const std::pair<const char*, const char*> casos[] = {
        {"x^2-4 3 -2", "3\t5\n-2\t0\n"},     {"x^2-4", "0\t-4\n"},
        {"1/x 0 2", "0\terror 1\n2\t0.5\n"}, {"-x^2 -0.5", "-0.5\t-0.25\n"},
        {"-p a=-2 X^A 2", "2\t0.25\n"},      {"x -p A=2 A*PI", "6.283186\t6.283186\n"},
        {"--exacte -x 0", "0\t0\n"},         {"--exacte 1/3", "0\t0.33333333333333331\n"},
        {"-p B=A+1 B -p A=5", "0\t2\n"},     {"1/3 --exacte 1", "1\t0.33333333333333331\n"}};
    for (const auto& [ordre, sortida] : casos) {
        const Sortida s = Ordre(ComandaAvaluar, ordre);
        EXPECT_EQ(std::tie(s.estat, s.out, s.err), std::tuple(0, sortida, "")) << ordre;
    }
    const std::string malEscrit =
        "avaluar: paràmetre mal escrit (cal LLETRA=VALOR, amb LLETRA de A a F): ";
    const std::pair<const char*, std::string> refusos[] = {
        {"(x", "error de compilació 4\n"},
        {"x+ 1", "error de compilació 5\n"},
        {"x 1/0", "avaluar: la X no es pot llegir: 1/0\n"},
        {"x 2+", "avaluar: la X no es pot llegir: 2+\n"},
        {"-p A=1/0 x", "avaluar: el valor del paràmetre A no es pot llegir: 1/0\n"},
        {"-p G=1 x", malEscrit + "G=1\n"},
        {"x -p A", malEscrit + "A\n"},
        {"-p", "avaluar: falta LLETRA=VALOR després de -p\n"}};
    for (const auto& [ordre, error] : refusos) {
        const Sortida s = Ordre(ComandaAvaluar, ordre);
        EXPECT_EQ(std::tie(s.estat, s.out, s.err), std::tuple(2, "", error)) << ordre;
    }
}

TEST(CliAvaluar, HelpAndRealBinary) {
    const Sortida ajuda = Executar(ComandaAvaluar, {"--help"}), cap = Executar(ComandaAvaluar, {});
    EXPECT_EQ(
        std::tuple(ajuda.estat, ajuda.out.rfind("Ús: tracima-cli avaluar [-p LLETRA=VALOR]", 0)),
        std::tuple(0, 0u));
    // No formula: the refusal and the help, on standard error.
    EXPECT_EQ(std::tie(cap.estat, cap.err),
              std::tuple(2, "avaluar: falta la fórmula\n" + ajuda.out));
    // Through the program: the command table reaches each command and its status.
    const char* ordre = TRACIMA_CLI " avaluar 'x^2-4' 3 -2; echo \"rc=$?\"; " TRACIMA_CLI
                                    " analitzar arrels 'x^2-4' 2>&1; echo \"rc=$?\"";
    FILE* p = popen(ordre, "r");
    ASSERT_NE(p, nullptr);
    std::string text;
    std::array<char, 256> buf{};
    while (fgets(buf.data(), buf.size(), p))
        text += buf.data();
    pclose(p);
    EXPECT_EQ(text, "3\t5\n-2\t0\nrc=0\n-2\n2\nestat: Arrels\nrc=0\n");
}

TEST(Analitzar, SortidaExacta) {
    const std::pair<std::string, std::string> casos[] = {
        {"arrels --idioma es -p A=2*2 x^2-A", "-2\n2\nestat: Raíces\n"},
        // "-x+1" is a formula, not an option.
        {"arrels -x+1", "1\nestat: Arrels\n"},
        {"integral-definida 1/x --limits -1 1 --eixos -10 10 -10 10",
         "missatge: NO té imatge, la funció integral no està ben definida\n"
         "estat: x = 0  NO té imatge\n"},
        // Out of range: the bar stays open and the second answer is a cancel.
        {"integral-definida 1 --limits 0 20",
         "missatge: Valor final de la x massa gran.\nestat: \n"},
        // 1/6 less the trapezoids' h^2/6 on columns 0.025 wide.
        {"area x^2 x --limits 0 1", "estat: Àrea entre 0 i 1 = 0.166562\n"},
        {"area x^2 x --limits 0 1 --idioma en", "estat: Area between 0 and 1 = 0.166562\n"},
        {"arrels --idioma en x^2-4", "-2\n2\nestat: Roots\n"},
        // The limit check shows the bar again (the second answer is a cancel); a
        // refused start has no value: the status says the refusal.
        {"area ln(x) x --limits -1 1 --idioma es",
         "missatge: La primera función NO está definida para el valor x inicial\n"
         "estat: La primera función NO está definida para el valor x inicial\n"},
        {"integral-definida 1/x --limits 0 1",
         "missatge: La funció NO està definida pel valor de la x inicial.\n"
         "estat: La funció NO està definida pel valor de la x inicial.\n"},
        {"integral-definida 1", "estat: \n"},
        // Column 350 falls on x = 0.5: an exact cut; low precision writes a comma.
        {"talls x -x+1 --eixos -5 5 -5 5", "0,5\t0,5\nestat: Punts de tall\n"},
        // Every column over 230.2425..3230.2425 is a rounding tie at three decimals:
        // the cut and the status of the integral show the x the root scan shows.
        {"talls x-1030.2425 0 --eixos 230.2425 3230.2425 -1000 1000",
         "1027,742\t-2,5\nestat: Punts de tall\n"},
        {"arrels x-1030.2425 --eixos 230.2425 3230.2425 -1000 1000", "1027,742\nestat: Arrels\n"},
        {"integral-definida 1 --limits 230.2425 1030.2425 --eixos 230.2425 3230.2425 -1000 1000",
         "estat: Integral definida entre 230.2425 i 1030.242 = 800\n"},
        // The x is taken as its text reads back: 15 significant digits, 1234567890123.46.
        {"imatge x-1234567890123 --x 1234567890123.4567",
         "estat: x = 1234567890123.4567  y = 0.459961\n"},
        {"derivada-punt abs(x) --x 0 --precisio-alta", "estat: x = 0  y' = 0\n"},
        {"antiimatges x^2 --valor 1", "-1\t1\n1\t1\nestat: Antiimatges del 1\n"},
        {"funcio-integral 1 --x0 20", "missatge: Valor de la x massa gran.\nestat: \n"}};
    for (const auto& [ordre, sortida] : casos) {
        const Sortida s = Ordre(ComandaAnalitzar, ordre);
        EXPECT_EQ(std::tie(s.estat, s.out), std::tuple(0, sortida)) << ordre << ": " << s.err;
    }
}

TEST(AnalitzarValors, CorbaDerivadaUnaLiniaPerColumna) {
    const Sortida s = Ordre(ComandaAnalitzar, "derivada x^2");
    ASSERT_EQ(s.estat, 0);
    std::istringstream in(s.out);
    std::vector<std::string> linies;
    for (std::string l; std::getline(in, l);)
        linies.push_back(l);
    // Columns 20 and 620 never get a value; column 380 is 2x at x = 1.5.
    ASSERT_EQ(linies.size(), 602u);
    EXPECT_EQ(std::tie(linies[0], linies[360], linies[600], linies[601]),
              std::tuple("-7.5\t-", "1.5\t3", "7.5\t-", "estat: Funció derivada"));
}

TEST(AnalitzarValors, JsonAmbSegmentsIEtiquetes) {
    const Sortida s = Ordre(ComandaAnalitzar, "arrels --json x^2-4");
    ASSERT_EQ(s.estat, 0);
    EXPECT_EQ(s.out, "{\"analisi\": \"arrels\", \"numero\": 3, \"punts\": [[\"-2\"], [\"2\"]], "
                     "\"corba\": [], \"missatges\": [], \"segments\": [[240, 224, 240, 216, "
                     "false], [400, 224, 400, 216, false]], \"etiquetes\": [{\"columna\": 240, "
                     "\"fila\": 220, \"text\": \"-2\"}, {\"columna\": 400, \"fila\": 220, "
                     "\"text\": \"2\"}], \"estat\": \"Arrels\"}\n");
}

// The study as JSON and as text: the same label texts, each section in order.
TEST(Estudi, JsonAndTextAgree) {
    const Sortida j = Ordre(ComandaEstudi, "x^2-4 --idioma en --json");
    EXPECT_EQ(
        std::tie(j.estat, j.out),
        std::tuple(0, "{\"funcio\": \"x^2-4\", \"interval\": [-7.5, 7.5], \"precisio\": 0.025, "
                      "\"definida\": [[\"-7,5\", \"7,5\"]], \"tall_eix_y\": \"-4\", \"arrels\": "
                      "[{\"x\": \"-2\"}, {\"x\": \"2\"}], \"discontinuitats\": [], \"maxims\": [], "
                      "\"minims\": [{\"x\": \"0\", \"y\": \"-4\"}], \"inflexions\": [], "
                      "\"creixement\": [[\"0\", \"7,5\"]], \"decreixement\": [[\"-7,5\", \"0\"]], "
                      "\"concavitat\": [[\"-7,5\", \"7,5\"]], \"convexitat\": []}\n"));
    const Sortida t = Ordre(ComandaEstudi, "x^2-4 --idioma en");
    const char* parts[] = {"Study of f(x) = x^2-4 on [-7.5, 7.5]\r\n",
                           "Defined on\r\n[-7,5; 7,5]",
                           "Y-intercept\r\n-4\r\n",
                           "Roots\r\nx\r\n-2\r\n2\r\n",
                           "Minima\r\nx\ty\r\n0\t-4\r\n",
                           "Intervals of decrease\r\n[-7,5; 0]",
                           "Concave down intervals\r\nnone\r\n"};
    std::size_t on = 0;
    for (const char* p : parts) {
        const std::size_t trobat = t.out.find(p, on);
        EXPECT_NE(trobat, std::string::npos) << p;
        on = trobat == std::string::npos ? on : trobat;
    }
    EXPECT_EQ(Ordre(ComandaEstudi, "x x^2").estat, 2); // one function only
}

// No formula or one that does not compile, one function too few or too many, unknown
// analysis, parameter or language, bad axes, a missing document.
TEST(AnalitzarErrors, Estat2) {
    for (const char* ordre : {"arrels x+", "arrels", "arrels x x^2", "talls x", "rels x",
                              "arrels x --eixos 1", "arrels x --eixos 1 0 -5 5", "arrels x -p Z=1",
                              "arrels x --idioma fr", "arrels --document /nonexistent/x.trc"}) {
        const Sortida s = Ordre(ComandaAnalitzar, ordre);
        EXPECT_EQ(s.estat, 2) << ordre;
        EXPECT_FALSE(s.err.empty()) << ordre;
    }
}

// tracima-cli imatge: the picture as SVG, and its refusals (one line each).
TEST(Imatge, PictureAndRefusals) {
    const Sortida s =
        Ordre(ComandaImatge, "x^2-4 --analisi arrels --trama --mida 1280x920 --gruix 2");
    ASSERT_EQ(s.estat, 0) << s.err;
    EXPECT_EQ(s.out.rfind("<?xml", 0), 0u);
    for (const char* tros : {"width=\"1280\" height=\"920\"", ">-2</text>", ">Arrels</text>",
                             "stroke-dasharray", "stroke=\"#0000ff\" stroke-width=\"2\""})
        EXPECT_NE(s.out.find(tros), std::string::npos) << tros;
    EXPECT_EQ(s.out.substr(s.out.size() - 7), "</svg>\n");
    // The black board without axes, and no analysis: no red and no text.
    const Sortida p = Ordre(ComandaImatge, "sin(x) x --pissarra --sense-eixos");
    EXPECT_NE(p.out.find("fill=\"#000000\""), std::string::npos);
    EXPECT_EQ(p.out.find("#808080"), std::string::npos);
    EXPECT_EQ(p.out.find("<text"), std::string::npos);

    const std::pair<const char*, const char*> refusos[] = {
        {"x --mida 0x10", "imatge: mida mal escrita (AMPLExALT, de 1 a 8000): 0x10\n"},
        {"x --gruix 0", "imatge: gruix mal escrit (de 1 a 100): 0\n"},
        {"x --analisi res", "imatge: anàlisi desconeguda: res\n"},
        {"x x x x x x x", "imatge: sis fórmules com a màxim\n"},
        {"x x --analisi arrels", "imatge: arrels necessita una sola funció definida\n"},
        {"x^", "imatge: la fórmula x^ no compila (codi 5)\n"},
        {"x --sortida /no/hi/es/g.svg", "imatge: no es pot escriure el fitxer /no/hi/es/g.svg\n"},
    };
    for (const auto& [ordre, error] : refusos) {
        const Sortida e = Ordre(ComandaImatge, ordre);
        EXPECT_EQ(e.estat, 2) << ordre;
        EXPECT_EQ(e.err.rfind(error, 0), 0u) << ordre << ": " << e.err;
    }
}

// Table files in a folder of this test process, removed at the end.
class Taules : public ::testing::Test {
  protected:
    Taules() { std::filesystem::create_directories(carpeta_); }
    ~Taules() override { std::filesystem::remove_all(carpeta_); }

    // Runs the command, "@" standing for a file holding `taula`: the status and the text
    // (any, when not given) on standard output with 0, else on standard error.
    void Esperar(Comanda comanda, Arguments args, const std::string& taula, int estat,
                 const std::optional<std::string>& text = std::nullopt) {
        for (std::string& a : args)
            if (a == "@") {
                a = (carpeta_ / ("t" + std::to_string(++n_) + ".txt")).string();
                std::ofstream(a, std::ios::binary) << taula;
            }
        const Sortida s = Executar(comanda, args);
        EXPECT_EQ(s.estat, estat) << taula << s.err;
        const std::string& escrit = estat == 0 ? s.out : s.err;
        if (text)
            EXPECT_EQ(escrit, *text) << taula;
        else
            EXPECT_FALSE(escrit.empty());
        EXPECT_EQ(estat == 0 ? s.err : s.out, "") << taula;
    }

  private:
    const std::filesystem::path carpeta_ =
        std::filesystem::temp_directory_path() / ("tracima-numeriques-" + std::to_string(getpid()));
    int n_ = 0;
};

TEST_F(Taules, WhatEachCommandPrints) {
    // The slope has ten integer digits: fifteen significant digits leave five decimals.
    Esperar(ComandaRegressio, {"@"}, "0\t0\n0.01\t0\n0.02\t24691357.8123457\n", 0,
            "REGRESSIÓ LINEAL y = ax + b\n1234567890.61729x -4115226.302058\n0.866025\n");
    // Alternating lines, x decreasing (exponential and inverse: the refusals below).
    Esperar(ComandaRegressio, {"--model", "lineal", "@"}, "3\n-3\n2\n1\n1\n5\n", 0,
            "REGRESSIÓ LINEAL y = ax + b\n-4x + 9\n-1\n");
    Esperar(ComandaRegressio, {"--model", "quadratica", "@"}, "-1\t6\n0\t1\n1\t0\n2\t3\n", 0,
            "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c\n2x^2 -3x + 1\n1\n");
    Esperar(ComandaRegressio, {"--model", "potencial", "@"}, "1\t2\n2\t16\n3\t54\n", 0,
            "REGRESSIÓ EXPONENCIAL y = a . x^b\n2 * x^(3)\n1\n");
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
    t.ValorsX = {1, 2, 3}, t.ValorsY = {2, 4, 6}, t.NombrePunts = 3;
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
