// Document texts: the number formats, the exact layout, round trips, files
// written by hand (CR LF and LF, Windows-1252 and UTF-8), Spanish titles.
#include "document/Document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace tracima {
namespace {

TEST(FormatReal, FixedScientificOfWidth23ReadsBack) {
    const std::pair<double, const char*> casos[] = {
        {1, " 1.00000000000000E+0000"},
        {-7.5, "-7.50000000000000E+0000"},
        {0, " 0.00000000000000E+0000"},
        {-0.0, " 0.00000000000000E+0000"},
        {1234.5, " 1.23450000000000E+0003"},
        {0.001, " 1.00000000000000E-0003"},
        {-0.1, "-1.00000000000000E-0001"},
        {M_PI, " 3.14159265358979E+0000"},
        {2.0 / 3, " 6.66666666666667E-0001"},
        {1e-300, " 1.00000000000000E-0300"},
        {std::numeric_limits<double>::max(), " 1.79769313486231E+0308"},
        {-9.99999999999999e99, "-9.99999999999999E+0099"},
        {NAN, nullptr},
        {INFINITY, nullptr},
        {-INFINITY, nullptr}};
    for (const auto& [valor, text] : casos) {
        std::string t = "x";
        ASSERT_EQ(TextRealDocument(valor, t), text != nullptr) << valor;
        if (!text) {
            EXPECT_EQ(t, "x");
            continue;
        }
        EXPECT_EQ(t, text);
        double llegit = 0;
        ASSERT_TRUE(LlegirRealDocument(t, llegit));
        EXPECT_EQ(llegit, std::stod(text));
    }
}

TEST(LecturaNumeros, BlanksSignAndExponentOnly) {
    const std::pair<const char*, double> bons[] = {
        {"-7.5", -7.5},   {"   7.5", 7.5}, {"\t3", 3},         {"2.5 ", 2.5},
        {"+2.5e3", 2500}, {"-5E0", -5},    {"1E-0003", 0.001}, {".5", 0.5},
        {"10", 10},       {"-0", 0},       {"1.5E+00", 1.5}};
    for (const auto& [text, esperat] : bons) {
        double v = 12345;
        EXPECT_TRUE(LlegirRealDocument(text, v)) << '"' << text << '"';
        EXPECT_EQ(v, esperat) << '"' << text << '"';
    }
    for (const char* text : {"",     "   ", "nan", "NAN",  "inf",   "-inf",  "Infinity", "1,5",
                             "1.5x", "--1", "+-1", "- 1",  "1 2",   "1e400", "-1e400",   "0x10",
                             "e5",   ".",   "1e",  "1.5E", "1.5E+", "pi"}) {
        double v = 12345;
        EXPECT_FALSE(LlegirRealDocument(text, v)) << '"' << text << '"';
        EXPECT_EQ(v, 12345) << '"' << text << '"';
    }
    // Integers: digits only.
    const std::pair<const char*, int> enters[] = {
        {"3", 3}, {" -4 ", -4}, {"+5", 5}, {"007", 7}, {"-2147483648", INT32_MIN}};
    for (const auto& [t, esperat] : enters) {
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
    g.Numerica.ValorsY[1] = 2.5;
    g.Numerica.ValorsX[1] = 1;
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
const std::string textExemple =
    "Tracim 3\r\nCATAL\xC0\r\n"
    "-7.50000000000000E+0000\r\n 7.50000000000000E+0000\r\n"
    "-5.00000000000000E+0000\r\n 5.00000000000000E+0000\r\n"
    " 1.00000000000000E+0000\r\n 1.00000000000000E+0000\r\n"
    "x^2\r\n"
    "INTERPOLACI\xD3\r\n1\r\n2\r\n1\r\n0\r\n0\r\n\r\n 0.00000000000000E+0000\r\n1\r\n"
    " 0.00000000000000E+0000\r\n 0.00000000000000E+0000\r\n"
    " 1.00000000000000E+0000\r\n 2.50000000000000E+0000\r\n"
    "\r\n\r\n\r\n"
    "REGRESSI\xD3 QUADR\xC0TICA y = ax^2 + bx + c\r\n1\r\n1\r\n0\r\n0\r\n1\r\nX^2/2\r\n"
    " 9.50000000000000E-0001\r\n2\r\n 3.00000000000000E+0000\r\n 4.50000000000000E+0000\r\n";

// The stored fields of a numeric function (its points up to NombrePunts).
auto Camps(const FuncioNumerica& p) {
    const auto n = static_cast<std::ptrdiff_t>(p.NombrePunts);
    return std::tuple(p.NombrePunts, p.ValorReservat, p.Extrapolar, p.InterpolacioLineal,
                      p.MostrarPunts, p.EquacioRegressio, p.CoeficientCorrelacio, p.TipusRegressio,
                      std::vector(p.ValorsX.begin(), p.ValorsX.begin() + n),
                      std::vector(p.ValorsY.begin(), p.ValorsY.begin() + n));
}

void EsperarIguals(const ConjuntFuncions& a, const ConjuntFuncions& b) {
    EXPECT_EQ(std::memcmp(&a.Eixos, &b.Eixos, 6 * sizeof(double)), 0);
    for (std::size_t i = 0; i < a.Slots.size(); ++i) {
        EXPECT_EQ(a.Slots[i].Text, b.Slots[i].Text) << i;
        if (EsTextNumerica(a.Slots[i].Text)) {
            EXPECT_EQ(Camps(a.Slots[i].Numerica), Camps(b.Slots[i].Numerica)) << i;
        }
    }
}

TEST(Disposicio, TheExampleIsWrittenAndReadByteForByte) {
    std::string bytes;
    ASSERT_EQ(EscriureTextDocument(Exemple(), bytes), 0);
    EXPECT_EQ(bytes, textExemple);
    // Reading keeps the parameters and the fit texts of formula slots.
    ConjuntFuncions llegit;
    llegit.Parametres[0] = -2;
    llegit.Slots[2].Numerica.EquacioRegressio = "3*X";
    llegit.Slots[2].Numerica.NombrePunts = 9;
    ASSERT_EQ(LlegirTextDocument(textExemple, llegit), 0);
    EsperarIguals(llegit, Exemple());
    EXPECT_EQ(llegit.Slots[1].Text, "INTERPOLACIÓ"); // stored as UTF-8
    EXPECT_EQ(llegit.Parametres[0], -2);
    EXPECT_EQ(llegit.Slots[2].Numerica.EquacioRegressio, "3*X");
    EXPECT_EQ(llegit.Slots[2].Numerica.NombrePunts, 0);
}

// Every label, with 0, 1 and up to 400 points, followed by other slots.
TEST(Disposicio, EveryFieldOfEveryLabelSurvivesARoundTrip) {
    ConjuntFuncions cf;
    cf.Eixos = {-0.1, 1e-5, 0.001, -360, 720.25, 90};
    const std::string_view etiquetes[] = {EtiquetaInterpolacio,  EtiquetaInterpolacioLineal,
                                          EtiquetesRegressio[1], EtiquetesRegressio[4],
                                          EtiquetesRegressio[3], EtiquetesRegressio[5]};
    const int punts[] = {400, 0, 1, 111, 148, 185};
    for (std::size_t i = 0; i < 6; ++i) {
        cf.Slots[i].Text = std::string(etiquetes[i]);
        FuncioNumerica& fn = cf.Slots[i].Numerica;
        fn.NombrePunts = punts[i];
        for (int k = 0; k < 400; ++k) {
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
    std::string altra; // written again, the same bytes
    ASSERT_EQ(EscriureTextDocument(llegit, altra), 0);
    EXPECT_EQ(altra, bytes);
}

// Formulas are stored as typed; a Spanish title is written with the block it
// is read back with, as the label.
TEST(Disposicio, TextsAreStoredAsTypedAndSpanishTitlesAsLabels) {
    ConjuntFuncions cf;
    const char* textos[] = {"  ax^2 + bx+c ", "-0,211224sin(6px/2)", "INTERPOLACIÓN LINEAL", "\tx",
                            "€uro",           "interpolació"};
    for (std::size_t i = 0; i < 6; ++i)
        cf.Slots[i].Text = textos[i];
    cf.Slots[2].Numerica.NombrePunts = 2;
    cf.Slots[2].Numerica.ValorsX[1] = 1;
    std::string bytes;
    ASSERT_EQ(EscriureTextDocument(cf, bytes), 0);
    EXPECT_NE(bytes.find("\x80uro\r\n"), std::string::npos); // the euro sign is 0x80
    ConjuntFuncions llegit;
    ASSERT_EQ(LlegirTextDocument(bytes, llegit), 0);
    cf.Slots[2].Text = EtiquetaInterpolacioLineal;
    EsperarIguals(llegit, cf);
}

// Hand-written Windows-1252 files with LF line ends, any first two lines,
// blanks and exponents, and each Spanish title in F with its table, whose
// Extrapolar line is a flag, true only when exactly "1".
TEST(LecturaManual, LfLinesBlanksExponentsFlagsAndSpanishTitles) {
    const std::tuple<const char*, std::string_view, const char*, bool> casos[] = {
        {"INTERPOLACI\xD3N", EtiquetaInterpolacio, "1", true},
        {"INTERPOLACI\xD3N LINEAL", EtiquetaInterpolacioLineal, "0", false},
        {"REGRESI\xD3N LINEAL  y = ax + b", EtiquetesRegressio[1], " 1", false},
        {"REGRESI\xD3N CUADR\xC1TICA  y = ax^2 +bx +c", EtiquetesRegressio[2], "1 ", false},
        {"REGRESI\xD3N EXPONENCIAL  y = a * b^x", EtiquetesRegressio[3], "2", false},
        {"REGRESI\xD3N EXPONENCIAL  y = a * x^b", EtiquetesRegressio[4], "", false},
        {"REGRESI\xD3N INVERSA  y = a x/(b+x)", EtiquetesRegressio[5], "si", false},
    };
    for (const auto& [castella, etiqueta, bandera, extrapolar] : casos) {
        const std::string text = "qualsevol cosa\n\n  -10\n1E1\n-2.5e+0\n +2.5\n  1\n0.5\n" +
                                 std::string(castella) + "\n7\n3\n" + bandera +
                                 "\n1\n1\n2*X+1\n0.99\n1\n0\n1\n1\n3\n2\n5\nx\n\n\n\n\n";
        ConjuntFuncions cf;
        ASSERT_EQ(LlegirTextDocument(text, cf), 0) << castella;
        EXPECT_EQ(std::tuple(cf.Eixos.XOrigen, cf.Eixos.XFinal, cf.Eixos.YOrigen, cf.Eixos.YFinal,
                             cf.Eixos.XUnitat, cf.Eixos.YUnitat),
                  std::tuple(-10, 10, -2.5, 2.5, 1, 0.5));
        EXPECT_EQ(cf.Slots[0].Text, etiqueta);
        EXPECT_EQ(Camps(cf.Slots[0].Numerica),
                  std::tuple(3, 7, extrapolar, true, true, std::string("2*X+1"), 0.99, 1,
                             std::vector<double>{0, 1, 2}, std::vector<double>{1, 3, 5}))
            << '"' << bandera << '"';
        EXPECT_EQ(cf.Slots[1].Text, "x");
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
    for (const char* fora : {"√x", "\U0001F600"}) {
        std::string amb = text;
        amb.replace(amb.find("\r\n\r\n\r\n") + 2, 0, fora);
        EXPECT_EQ(LlegirTextDocument(amb, cf), MissatgeNoPucObrir) << fora;
    }
}

} // namespace
} // namespace tracima
