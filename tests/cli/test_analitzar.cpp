// tracima-cli analitzar: what each analysis prints, against values known in
// closed form and the exact texts of the program.
#include "cli/Comandes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace {

struct Sortida {
    int estat;
    std::string out, err;
};

// Runs the command on the words of `ordre` (no word holds a blank).
Sortida Executar(const std::string& ordre) {
    tracima::cli::Arguments args;
    std::istringstream in(ordre);
    for (std::string a; in >> a;)
        args.push_back(a);
    std::ostringstream out, err;
    const int estat = tracima::cli::ComandaAnalitzar(args, out, err);
    return {estat, out.str(), err.str()};
}

struct Cas {
    const char* nom;
    std::string ordre, sortida;
};

class Analitzar : public ::testing::TestWithParam<Cas> {};

TEST_P(Analitzar, SortidaExacta) {
    const Sortida s = Executar(GetParam().ordre);
    EXPECT_EQ(s.estat, 0) << s.err;
    EXPECT_EQ(s.out, GetParam().sortida);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, Analitzar,
    ::testing::Values(
        Cas{"ArrelsEnCastella", "arrels --idioma es x^2-4", "-2\n2\nestat: Raíces\n"},
        Cas{"ParametreDonat", "arrels -p A=2*2 x^2-A", "-2\n2\nestat: Arrels\n"},
        // "-x+1" is a formula, not an option.
        Cas{"FormulaAmbGuio", "arrels -x+1", "1\nestat: Arrels\n"},
        Cas{"ArcDeLaRecta", "integral-linia x --limits 3 0 --eixos -10 10 -10 10",
            "estat: Integral de línia entre 0 i 3 = 4.24264\n"},
        Cas{"IntegralPelPol", "integral-definida 1/x --limits -1 1 --eixos -10 10 -10 10",
            "missatge: NO té imatge, la funció integral no està ben definida\n"
            "estat: x = 0  NO té imatge\n"},
        // Out of range: the bar stays open and the second answer is a cancel.
        Cas{"LimitForaDeRang", "integral-definida 1 --limits 0 20",
            "missatge: Valor final de la x massa gran.\nestat: \n"},
        Cas{"IntegralDeUInvertida", "integral-definida 1 --limits 2 0 --eixos -10 10 -10 10",
            "estat: Integral definida entre 2 i 0 = -2\n"},
        // 1/6 less the trapezoids' h^2/6 on columns 0.025 wide.
        Cas{"AreaParabolaRecta", "area x^2 x --limits 0 1", "estat: Àrea entre 0 i 1 = 0.166562\n"},
        // The limit check shows the bar again: the second answer is a cancel.
        Cas{"AreaNoDefinidaAlLimit", "area ln(x) x --limits -1 1 --idioma es",
            "missatge: La primera función NO está definida para el valor x inicial\n"
            "estat: Área entre -1 i 1 = 0\n"},
        Cas{"SenseLimitsEsCancel", "integral-definida 1", "estat: \n"},
        // Column 350 falls on x = 0.5: an exact cut; low precision writes a comma.
        Cas{"TallExacte", "talls x -x+1 --eixos -5 5 -5 5", "0,5\t0,5\nestat: Punts de tall\n"},
        // Every column over 230.2425..3230.2425 is a rounding tie at three decimals:
        // the cut and the status of the integral show the x the root scan shows.
        Cas{"TallComLArrel", "talls x-1030.2425 0 --eixos 230.2425 3230.2425 -1000 1000",
            "1027,742\t-2,5\nestat: Punts de tall\n"},
        Cas{"ArrelAlMateixTall", "arrels x-1030.2425 --eixos 230.2425 3230.2425 -1000 1000",
            "1027,742\nestat: Arrels\n"},
        Cas{"IntegralFinsAUnEmpat",
            "integral-definida 1 --limits 230.2425 1030.2425 --eixos 230.2425 3230.2425 -1000 1000",
            "estat: Integral definida entre 230.2425 i 1030.242 = 800\n"},
        Cas{"ImatgeSenseXMostraLaDeZero", "imatge x^2", "estat: x = 0  y = 0\n"},
        // The x is taken as its text reads back: 15 significant digits, 1234567890123.46.
        Cas{"ImatgeDeLaXComEsLlegeix", "imatge x-1234567890123 --x 1234567890123.4567",
            "estat: x = 1234567890123.4567  y = 0.459961\n"},
        Cas{"DerivadaDeValorAbsolutEnZero", "derivada-punt abs(x) --x 0 --precisio-alta",
            "estat: x = 0  y' = 0\n"},
        Cas{"Antiimatges", "antiimatges x^2 --valor 1", "-1\t1\n1\t1\nestat: Antiimatges del 1\n"},
        Cas{"FuncioIntegralMassaGran", "funcio-integral 1 --x0 20",
            "missatge: Valor de la x massa gran.\nestat: \n"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(AnalitzarValors, CorbaDerivadaUnaLiniaPerColumna) {
    const Sortida s = Executar("derivada x^2");
    ASSERT_EQ(s.estat, 0);
    std::istringstream in(s.out);
    std::vector<std::string> linies;
    for (std::string l; std::getline(in, l);)
        linies.push_back(l);
    ASSERT_EQ(linies.size(), 602u);
    EXPECT_EQ(linies[0], "-7.5\t-");  // column 20 never gets a value
    EXPECT_EQ(linies[360], "1.5\t3"); // column 380: 2x at x = 1.5
    EXPECT_EQ(linies[600], "7.5\t-");
    EXPECT_EQ(linies[601], "estat: Funció derivada");
}

TEST(AnalitzarValors, JsonAmbSegmentsIEtiquetes) {
    const Sortida s = Executar("arrels --json x^2-4");
    ASSERT_EQ(s.estat, 0);
    EXPECT_EQ(s.out, "{\"analisi\": \"arrels\", \"numero\": 3, \"punts\": [[\"-2\"], [\"2\"]], "
                     "\"corba\": [], \"missatges\": [], \"segments\": [[240, 224, 240, 216, "
                     "false], [400, 224, 400, 216, false]], \"etiquetes\": [{\"columna\": 240, "
                     "\"fila\": 220, \"text\": \"-2\"}, {\"columna\": 400, \"fila\": 220, "
                     "\"text\": \"2\"}], \"estat\": \"Arrels\"}\n");
}

// Through the program: the command table reaches the command and its status.
TEST(AnalitzarPrograma, TaulaDeComandes) {
    const std::string ordre = std::string(TRACIMA_CLI) + " analitzar arrels 'x^2-4' 2>&1";
    FILE* p = popen(ordre.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string sortida;
    char buf[256];
    while (std::fgets(buf, sizeof buf, p) != nullptr)
        sortida += buf;
    EXPECT_EQ(pclose(p), 0);
    EXPECT_EQ(sortida, "-2\n2\nestat: Arrels\n");
}

TEST(AnalitzarErrors, Estat2) {
    const char* casos[] = {
        "arrels x+",                 // does not compile
        "arrels",                    // no formula
        "arrels x x^2",              // one-function commands need one
        "talls x",                   // cuts need two
        "rels x",                    // unknown analysis
        "arrels x --eixos 1",        // too few values
        "arrels x --eixos 1 0 -5 5", // origin above final
        "arrels x -p Z=1",
        "arrels x --idioma fr", // unknown language
        "arrels --document /nonexistent/x.trc",
    };
    for (const char* ordre : casos) {
        const Sortida s = Executar(ordre);
        EXPECT_EQ(s.estat, 2) << ordre;
        EXPECT_FALSE(s.err.empty()) << ordre;
    }
}

} // namespace

namespace {

// tracima-cli imatge: the picture as SVG, and its refusals (one line each).
TEST(Imatge, PictureAndRefusals) {
    const auto imatge = [](const std::string& ordre) {
        tracima::cli::Arguments args;
        std::istringstream in(ordre);
        for (std::string a; in >> a;) args.push_back(a);
        std::ostringstream out, err;
        const int estat = tracima::cli::ComandaImatge(args, out, err);
        return Sortida{estat, out.str(), err.str()};
    };
    const Sortida s = imatge("x^2-4 --analisi arrels --trama --mida 1280x920 --gruix 2");
    ASSERT_EQ(s.estat, 0) << s.err;
    EXPECT_EQ(s.out.rfind("<?xml", 0), 0u);
    EXPECT_NE(s.out.find("width=\"1280\" height=\"920\""), std::string::npos);
    EXPECT_NE(s.out.find(">-2</text>"), std::string::npos);
    EXPECT_NE(s.out.find(">Arrels</text>"), std::string::npos);
    EXPECT_NE(s.out.find("stroke-dasharray"), std::string::npos);
    EXPECT_NE(s.out.find("stroke=\"#0000ff\" stroke-width=\"2\""), std::string::npos);
    EXPECT_EQ(s.out.substr(s.out.size() - 7), "</svg>\n");
    // The black board without axes, and no analysis: no red and no text.
    const Sortida p = imatge("sin(x) x --pissarra --sense-eixos");
    EXPECT_NE(p.out.find("fill=\"#000000\""), std::string::npos);
    EXPECT_EQ(p.out.find("#808080"), std::string::npos);
    EXPECT_EQ(p.out.find("<text"), std::string::npos);

    const struct {
        const char* ordre;
        const char* error;
    } refusos[] = {
        {"x --mida 0x10", "imatge: mida mal escrita (AMPLExALT, de 1 a 8000): 0x10\n"},
        {"x --gruix 0", "imatge: gruix mal escrit (de 1 a 100): 0\n"},
        {"x --analisi res", "imatge: anàlisi desconeguda: res\n"},
        {"x x x x x x x", "imatge: sis fórmules com a màxim\n"},
        {"x x --analisi arrels", "imatge: arrels necessita una sola funció definida\n"},
        {"x^", "imatge: la fórmula x^ no compila (codi 5)\n"},
        {"x --sortida /no/hi/es/g.svg", "imatge: no es pot escriure el fitxer /no/hi/es/g.svg\n"},
    };
    for (const auto& r : refusos) {
        const Sortida e = imatge(r.ordre);
        EXPECT_EQ(e.estat, 2) << r.ordre;
        EXPECT_EQ(e.err.rfind(r.error, 0), 0u) << r.ordre << ": " << e.err;
    }
}

} // namespace
