// Document texts: the number formats, the exact layout, round trips, files
// written by hand (CR LF and LF, Windows-1252 and UTF-8), Spanish titles.
#include "app/Document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace tracima {
namespace {

struct CasReal {
    double valor;
    const char* text;
};

class FormatReal : public ::testing::TestWithParam<CasReal> {};

TEST_P(FormatReal, FixedScientificOfWidth23ReadsBack) {
    const CasReal& c = GetParam();
    std::string t;
    ASSERT_TRUE(TextRealDocument(c.valor, t));
    EXPECT_EQ(t, c.text);
    EXPECT_EQ(t.size(), 23u);
    double llegit = 0;
    ASSERT_TRUE(LlegirRealDocument(t, llegit));
    EXPECT_EQ(llegit, std::stod(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Casos, FormatReal,
    ::testing::Values(
        CasReal{1, " 1.00000000000000E+0000"}, CasReal{-7.5, "-7.50000000000000E+0000"},
        CasReal{0, " 0.00000000000000E+0000"}, CasReal{-0.0, " 0.00000000000000E+0000"},
        CasReal{1234.5, " 1.23450000000000E+0003"}, CasReal{0.001, " 1.00000000000000E-0003"},
        CasReal{-0.1, "-1.00000000000000E-0001"}, CasReal{M_PI, " 3.14159265358979E+0000"},
        CasReal{2.0 / 3, " 6.66666666666667E-0001"}, CasReal{1e-300, " 1.00000000000000E-0300"},
        CasReal{std::numeric_limits<double>::max(), " 1.79769313486231E+0308"},
        CasReal{-9.99999999999999e99, "-9.99999999999999E+0099"}));

TEST(FormatReal, NonFiniteValuesHaveNoText) {
    std::string t = "x";
    EXPECT_FALSE(TextRealDocument(NAN, t));
    EXPECT_FALSE(TextRealDocument(INFINITY, t));
    EXPECT_FALSE(TextRealDocument(-INFINITY, t));
    EXPECT_EQ(t, "x");
}

struct CasLectura {
    const char* text;
    bool ok;
    double valor;
};

class LecturaReal : public ::testing::TestWithParam<CasLectura> {};

TEST_P(LecturaReal, AcceptsBlanksSignAndExponentOnly) {
    const CasLectura& c = GetParam();
    double v = 12345;
    EXPECT_EQ(LlegirRealDocument(c.text, v), c.ok) << '"' << c.text << '"';
    EXPECT_EQ(v, c.ok ? c.valor : 12345) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LecturaReal,
    ::testing::Values(
        CasLectura{"-7.5", true, -7.5}, CasLectura{"   7.5", true, 7.5}, CasLectura{"\t3", true, 3},
        CasLectura{"2.5 ", true, 2.5}, CasLectura{"+2.5e3", true, 2500},
        CasLectura{"-5E0", true, -5}, CasLectura{"1E-0003", true, 0.001},
        CasLectura{".5", true, 0.5}, CasLectura{"10", true, 10}, CasLectura{"-0", true, 0},
        CasLectura{"", false, 0}, CasLectura{"   ", false, 0}, CasLectura{"nan", false, 0},
        CasLectura{"NAN", false, 0}, CasLectura{"inf", false, 0}, CasLectura{"-inf", false, 0},
        CasLectura{"Infinity", false, 0}, CasLectura{"1,5", false, 0}, CasLectura{"1.5x", false, 0},
        CasLectura{"--1", false, 0}, CasLectura{"+-1", false, 0}, CasLectura{"- 1", false, 0},
        CasLectura{"1 2", false, 0}, CasLectura{"1e400", false, 0}, CasLectura{"-1e400", false, 0},
        CasLectura{"0x10", false, 0}, CasLectura{"e5", false, 0}, CasLectura{".", false, 0},
        CasLectura{"1e", false, 0}, CasLectura{"pi", false, 0}));

TEST(LecturaEnter, DigitsOnly) {
    const std::pair<const char*, int> bons[] = {{"3", 3},
                                                {" -4 ", -4},
                                                {"+5", 5},
                                                {"007", 7},
                                                {"-2147483648", std::numeric_limits<int>::min()}};
    for (const auto& [t, esperat] : bons) {
        int v = 0;
        EXPECT_TRUE(LlegirEnterDocument(t, v)) << t;
        EXPECT_EQ(v, esperat) << t;
    }
    for (const char* t : {"", "+", "-", "+-1", "3.0", "1e2", "99999999999", "3a", "0x1", "nan"}) {
        int v = 99;
        EXPECT_FALSE(LlegirEnterDocument(t, v)) << t;
        EXPECT_EQ(v, 99);
    }
}

ConjuntFuncions Exemple() {
    ConjuntFuncions cf;
    cf.Slots[0].Text = "x^2";
    SlotFuncio& g = cf.Slots[1];
    g.Text = "INTERPOLACIÓ";
    g.Numerica.NombrePunts = 2;
    g.Numerica.ValorsX[0] = 0;
    g.Numerica.ValorsY[0] = 0;
    g.Numerica.ValorsX[1] = 1;
    g.Numerica.ValorsY[1] = 2.5;
    g.Numerica.Extrapolar = true;
    SlotFuncio& k = cf.Slots[5];
    k.Text = "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c";
    k.Numerica.NombrePunts = 1; // one point: the block is written all the same
    k.Numerica.ValorsX[0] = 3;
    k.Numerica.ValorsY[0] = 4.5;
    k.Numerica.EquacioRegressio = "X^2/2";
    k.Numerica.CoeficientCorrelacio = 0.95;
    k.Numerica.TipusRegressio = 2;
    k.Numerica.MostrarPunts = true;
    return cf;
}

// The layout of the example, written out by hand: Windows-1252 bytes, CR LF.
const std::string textExemple = "Tracim 3\r\n"
                                "CATAL\xC0\r\n"
                                "-7.50000000000000E+0000\r\n"
                                " 7.50000000000000E+0000\r\n"
                                "-5.00000000000000E+0000\r\n"
                                " 5.00000000000000E+0000\r\n"
                                " 1.00000000000000E+0000\r\n"
                                " 1.00000000000000E+0000\r\n"
                                "x^2\r\n"
                                "INTERPOLACI\xD3\r\n"
                                "1\r\n"
                                "2\r\n"
                                "1\r\n"
                                "0\r\n"
                                "0\r\n"
                                "\r\n"
                                " 0.00000000000000E+0000\r\n"
                                "1\r\n"
                                " 0.00000000000000E+0000\r\n"
                                " 0.00000000000000E+0000\r\n"
                                " 1.00000000000000E+0000\r\n"
                                " 2.50000000000000E+0000\r\n"
                                "\r\n\r\n\r\n"
                                "REGRESSI\xD3 QUADR\xC0TICA y = ax^2 + bx + c\r\n"
                                "1\r\n"
                                "1\r\n"
                                "0\r\n"
                                "0\r\n"
                                "1\r\n"
                                "X^2/2\r\n"
                                " 9.50000000000000E-0001\r\n"
                                "2\r\n"
                                " 3.00000000000000E+0000\r\n"
                                " 4.50000000000000E+0000\r\n";

TEST(Disposicio, WrittenByteForByte) {
    std::string bytes;
    ASSERT_EQ(EscriureTextDocument(Exemple(), bytes), 0);
    EXPECT_EQ(bytes, textExemple);
}

void EsperarIguals(const ConjuntFuncions& a, const ConjuntFuncions& b) {
    EXPECT_EQ(std::memcmp(&a.Eixos, &b.Eixos, 6 * sizeof(double)), 0);
    for (std::size_t i = 0; i < a.Slots.size(); ++i) {
        const SlotFuncio &x = a.Slots[i], &y = b.Slots[i];
        EXPECT_EQ(x.Text, y.Text) << i;
        if (!EsTextNumerica(x.Text)) continue;
        const FuncioNumerica &p = x.Numerica, &q = y.Numerica;
        EXPECT_EQ(p.NombrePunts, q.NombrePunts) << i;
        EXPECT_EQ(p.ValorReservat, q.ValorReservat) << i;
        EXPECT_EQ(p.Extrapolar, q.Extrapolar) << i;
        EXPECT_EQ(p.InterpolacioLineal, q.InterpolacioLineal) << i;
        EXPECT_EQ(p.MostrarPunts, q.MostrarPunts) << i;
        EXPECT_EQ(p.EquacioRegressio, q.EquacioRegressio) << i;
        EXPECT_EQ(p.CoeficientCorrelacio, q.CoeficientCorrelacio) << i;
        EXPECT_EQ(p.TipusRegressio, q.TipusRegressio) << i;
        for (int k = 0; k < p.NombrePunts; ++k) {
            EXPECT_EQ(p.ValorsX[static_cast<std::size_t>(k)],
                      q.ValorsX[static_cast<std::size_t>(k)]);
            EXPECT_EQ(p.ValorsY[static_cast<std::size_t>(k)],
                      q.ValorsY[static_cast<std::size_t>(k)]);
        }
    }
}

TEST(Disposicio, HandWrittenCrLfWindows1252FileReadsExactly) {
    ConjuntFuncions llegit;
    ASSERT_EQ(LlegirTextDocument(textExemple, llegit), 0);
    EsperarIguals(llegit, Exemple());
    EXPECT_EQ(llegit.Slots[1].Text, "INTERPOLACIÓ"); // stored as UTF-8
    EXPECT_EQ(llegit.Slots[5].Text, EtiquetesRegressio[2]);
}

TEST(Disposicio, EveryFieldOfEveryLabelSurvivesARoundTrip) {
    ConjuntFuncions cf;
    cf.Eixos = {-0.1, 1e-5, 0.001, -360, 720.25, 90};
    const std::string_view etiquetes[] = {EtiquetaInterpolacio,  EtiquetaInterpolacioLineal,
                                          EtiquetesRegressio[1], EtiquetesRegressio[2],
                                          EtiquetesRegressio[3], EtiquetesRegressio[5]};
    for (std::size_t i = 0; i < 6; ++i) {
        SlotFuncio& s = cf.Slots[i];
        s.Text = std::string(etiquetes[i]);
        FuncioNumerica& fn = s.Numerica;
        fn.NombrePunts = i == 0 ? 400 : static_cast<int>(i * 37);
        for (int k = 0; k < fn.NombrePunts; ++k) {
            fn.ValorsX[static_cast<std::size_t>(k)] = k * 0.125 - 20.5;
            fn.ValorsY[static_cast<std::size_t>(k)] = -k * k / 1024.0 + 1234.5;
        }
        fn.Extrapolar = i % 2 == 0;
        fn.InterpolacioLineal = i % 3 == 0;
        fn.MostrarPunts = i == 4;
        fn.EquacioRegressio = i == 5 ? "" : "1.5*X^2+(-2)*X+0.25";
        fn.CoeficientCorrelacio = -0.987654321;
        fn.TipusRegressio = static_cast<int>(i % 5) + 1;
        fn.ValorReservat = static_cast<int>(i) - 3;
    }
    std::string bytes;
    ASSERT_EQ(EscriureTextDocument(cf, bytes), 0);
    ConjuntFuncions llegit;
    ErrorDocument e;
    ASSERT_EQ(LlegirTextDocument(bytes, llegit, &e), 0) << e.linia << ": " << e.motiu;
    EsperarIguals(llegit, cf);
    // Written again, the same bytes.
    std::string altra;
    ASSERT_EQ(EscriureTextDocument(llegit, altra), 0);
    EXPECT_EQ(altra, bytes);
}

TEST(Disposicio, LabelsWithZeroOrOnePointKeepTheirBlock) {
    for (int n : {0, 1}) {
        ConjuntFuncions cf;
        cf.Slots[0].Text = std::string(EtiquetesRegressio[4]);
        cf.Slots[0].Numerica.NombrePunts = n;
        cf.Slots[0].Numerica.ValorsX[0] = 3.25;
        cf.Slots[0].Numerica.ValorsY[0] = -1;
        cf.Slots[0].Numerica.TipusRegressio = 4;
        cf.Slots[1].Text = "x";
        std::string bytes;
        ASSERT_EQ(EscriureTextDocument(cf, bytes), 0);
        ConjuntFuncions llegit;
        ASSERT_EQ(LlegirTextDocument(bytes, llegit), 0) << n;
        EsperarIguals(llegit, cf);
        EXPECT_EQ(llegit.Slots[1].Text, "x");
    }
}

TEST(Disposicio, ASpanishTitleInASlotIsWrittenWithTheBlockItIsReadWith) {
    ConjuntFuncions cf;
    cf.Slots[2].Text = "INTERPOLACIÓN LINEAL";
    cf.Slots[2].Numerica.NombrePunts = 2;
    cf.Slots[2].Numerica.ValorsX[1] = 1;
    cf.Slots[3].Text = "x";
    std::string bytes;
    ASSERT_EQ(EscriureTextDocument(cf, bytes), 0);
    ConjuntFuncions llegit;
    ASSERT_EQ(LlegirTextDocument(bytes, llegit), 0);
    EXPECT_EQ(llegit.Slots[2].Text, EtiquetaInterpolacioLineal);
    EXPECT_EQ(llegit.Slots[2].Numerica.NombrePunts, 2);
    EXPECT_EQ(llegit.Slots[2].Numerica.ValorsX[1], 1);
    EXPECT_EQ(llegit.Slots[3].Text, "x");
}

TEST(Disposicio, FormulaTextsAreStoredExactlyAsTyped) {
    ConjuntFuncions cf;
    const char* textos[] = {"  ax^2 + bx+c ", "-0,211224sin(6px/2)", "\tx",
                            "€uro",           "interpolació",        ""};
    for (std::size_t i = 0; i < 6; ++i)
        cf.Slots[i].Text = textos[i];
    std::string bytes;
    ASSERT_EQ(EscriureTextDocument(cf, bytes), 0);
    EXPECT_NE(bytes.find("\x80uro\r\n"), std::string::npos); // the euro sign is 0x80
    ConjuntFuncions llegit;
    ASSERT_EQ(LlegirTextDocument(bytes, llegit), 0);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(llegit.Slots[i].Text, textos[i]);
}

// A hand-written file with LF line ends, blanks, exponents, other first lines
// and Spanish titles, in Windows-1252.
TEST(LecturaManual, LfLinesBlanksExponentsAndSpanishTitles) {
    const std::string text =
        "qualsevol cosa\n"
        "\n"
        "  -10\n"
        "1E1\n"
        "-2.5e+0\n"
        " +2.5\n"
        "  1\n"
        "0.5\n"
        "REGRESI\xD3N LINEAL  y = ax + b\n"
        "1\n"
        "3\n"
        "0\n"
        "0\n"
        "1\n"
        "2*X+1\n"
        "0.99\n"
        "1\n"
        "0\n1\n1\n3\n2\n5\n"
        "INTERPOLACI\xD3N LINEAL\n"
        "7\n2\n1\n1\n0\n\n0\n1\n-1\n-1\n1\n1\n"
        "x\n"
        "REGRESI\xD3N CUADR\xC1TICA  y = ax^2 +bx +c\n"
        "1\n0\n0\n0\n0\n\n0\n2\n"
        "REGRESI\xD3N INVERSA  y = a x/(b+x)\n"
        "1\n0\n0\n0\n0\n\n0\n5\n"
        "REGRESI\xD3N EXPONENCIAL  y = a * b^x"; // no line end, no block: refused
    ConjuntFuncions cf;
    EXPECT_EQ(LlegirTextDocument(text, cf), MissatgeNoPucObrir);

    const std::string complet = text + "\n1\n0\n0\n0\n0\n\n0\n3\n";
    ASSERT_EQ(LlegirTextDocument(complet, cf), 0);
    EXPECT_EQ(cf.Eixos.XOrigen, -10);
    EXPECT_EQ(cf.Eixos.XFinal, 10);
    EXPECT_EQ(cf.Eixos.YOrigen, -2.5);
    EXPECT_EQ(cf.Eixos.YFinal, 2.5);
    EXPECT_EQ(cf.Eixos.XUnitat, 1);
    EXPECT_EQ(cf.Eixos.YUnitat, 0.5);
    EXPECT_EQ(cf.Slots[0].Text, EtiquetesRegressio[1]);
    EXPECT_EQ(cf.Slots[0].Numerica.NombrePunts, 3);
    EXPECT_TRUE(cf.Slots[0].Numerica.MostrarPunts);
    EXPECT_FALSE(cf.Slots[0].Numerica.Extrapolar);
    EXPECT_EQ(cf.Slots[0].Numerica.EquacioRegressio, "2*X+1");
    EXPECT_EQ(cf.Slots[0].Numerica.CoeficientCorrelacio, 0.99);
    EXPECT_EQ(cf.Slots[0].Numerica.ValorsX[2], 2);
    EXPECT_EQ(cf.Slots[0].Numerica.ValorsY[2], 5);
    EXPECT_EQ(cf.Slots[1].Text, EtiquetaInterpolacioLineal);
    EXPECT_EQ(cf.Slots[1].Numerica.ValorReservat, 7);
    EXPECT_TRUE(cf.Slots[1].Numerica.Extrapolar);
    EXPECT_TRUE(cf.Slots[1].Numerica.InterpolacioLineal);
    EXPECT_EQ(cf.Slots[1].Numerica.ValorsY[0], -1);
    EXPECT_EQ(cf.Slots[2].Text, "x");
    EXPECT_EQ(cf.Slots[3].Text, EtiquetesRegressio[2]);
    EXPECT_EQ(cf.Slots[4].Text, EtiquetesRegressio[5]);
    EXPECT_EQ(cf.Slots[5].Text, EtiquetesRegressio[3]);
}

TEST(LecturaManual, FlagsAreTrueOnlyForExactlyOne) {
    const std::pair<const char*, bool> casos[] = {{"1", true},   {"0", false}, {" 1", false},
                                                  {"1 ", false}, {"2", false}, {"", false},
                                                  {"si", false}};
    for (const auto& [bandera, esperat] : casos) {
        std::string text = "a\nb\n-1\n1\n-1\n1\n1\n1\nINTERPOLACIÓ\n1\n0\n";
        text += std::string(bandera) + "\n0\n0\n\n0\n1\n\n\n\n\n\n";
        ConjuntFuncions cf;
        ASSERT_EQ(LlegirTextDocument(text, cf), 0) << bandera;
        EXPECT_EQ(cf.Slots[0].Numerica.Extrapolar, esperat) << '"' << bandera << '"';
    }
}

TEST(LecturaManual, Utf8FilesAreReadAndLinesAfterTheLastBlockIgnored) {
    const std::string text =
        "Tracim 3\r\nCATALÀ\r\n-1\r\n1\r\n-1\r\n1\r\n1\r\n1\r\nINTERPOLACIÓ\r\n1\r\n0\r\n0\r\n0\r\n"
        "0\r\n\r\n0\r\n1\r\n\r\n\r\n\r\n\r\n\r\nnota final\r\n";
    ConjuntFuncions cf;
    ASSERT_EQ(LlegirTextDocument(text, cf), 0);
    EXPECT_EQ(cf.Slots[0].Text, "INTERPOLACIÓ");
    // UTF-8 text that Windows-1252 cannot hold could not be saved again: refused.
    std::string ambArrel = text;
    ambArrel.replace(ambArrel.find("\r\n\r\n\r\n") + 2, 0, "√x");
    EXPECT_EQ(LlegirTextDocument(ambArrel, cf), MissatgeNoPucObrir);
}

TEST(LecturaManual, ReadingKeepsParametersAndTheFitsOfFormulaSlots) {
    ConjuntFuncions cf;
    cf.Parametres[0] = -2;
    cf.Slots[2].Numerica.EquacioRegressio = "3*X";
    cf.Slots[2].Numerica.NombrePunts = 9;
    ASSERT_EQ(LlegirTextDocument(textExemple, cf), 0);
    EXPECT_EQ(cf.Parametres[0], -2);
    EXPECT_EQ(cf.Slots[2].Numerica.EquacioRegressio, "3*X");
    EXPECT_EQ(cf.Slots[2].Numerica.NombrePunts, 0);
}

} // namespace
} // namespace tracima
