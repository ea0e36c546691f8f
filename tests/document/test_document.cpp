// Documents: number formats, layout, round trips, hand-written files, refusals, files
// on disk, tracima-cli document; the window state object (menu layout, pixel error).
#include "cli/Comandes.h"
#include "document/Document.h"
#include "document/EstatPrincipal.h"
#include "text/EstructuraMenus.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace tracima {
namespace {

using namespace std::string_literals;

TEST(FormatReal, FixedScientificOfWidth23ReadsBack) {
    const std::pair<double, const char*> casos[] = {
        {1, " 1.00000000000000E+0000"},       {-7.5, "-7.50000000000000E+0000"},
        {0, " 0.00000000000000E+0000"},       {-0.0, " 0.00000000000000E+0000"},
        {1234.5, " 1.23450000000000E+0003"},  {-9.99999999999999e99, "-9.99999999999999E+0099"},
        {0.001, " 1.00000000000000E-0003"},   {NAN, nullptr},
        {2.0 / 3, " 6.66666666666667E-0001"}, {INFINITY, nullptr},
        {1e-300, " 1.00000000000000E-0300"},  {-INFINITY, nullptr},
        {DBL_MAX, " 1.79769313486231E+0308"}};
    for (const auto& [valor, text] : casos) {
        std::string t = "x";
        double llegit = 0;
        ASSERT_EQ(TextRealDocument(valor, t), text != nullptr) << valor;
        EXPECT_EQ(t, text ? text : "x");
        EXPECT_TRUE(!text || (LlegirRealDocument(t, llegit) && llegit == std::stod(text))) << t;
    }
}

// The value read, or the value left untouched with false.
template <class T>
std::pair<bool, T> Llegir(bool (*llegir)(std::string_view, T&), const char* t, T v) {
    const bool ok = llegir(t, v);
    return {ok, v};
}

TEST(LecturaNumeros, BlanksSignAndExponentOnly) {
    const std::pair<const char*, double> bons[] = {
        {"-7.5", -7.5},   {"   7.5", 7.5}, {"\t3", 3},         {"2.5 ", 2.5},
        {"+2.5e3", 2500}, {"-5E0", -5},    {"1E-0003", 0.001}, {".5", 0.5},
        {"10", 10},       {"-0", 0},       {"1.5E+00", 1.5}};
    for (const auto& [text, esperat] : bons)
        EXPECT_EQ(Llegir(LlegirRealDocument, text, 12345.0), std::pair(true, esperat)) << text;
    for (const char* text : {"",     "   ", "nan", "NAN",  "inf",   "-inf",  "Infinity", "1,5",
                             "1.5x", "--1", "+-1", "- 1",  "1 2",   "1e400", "-1e400",   "0x10",
                             "e5",   ".",   "1e",  "1.5E", "1.5E+", "pi"})
        EXPECT_EQ(Llegir(LlegirRealDocument, text, 12345.0), std::pair(false, 12345.0)) << text;
    // Integers: digits only.
    const std::pair<const char*, int> enters[] = {
        {"3", 3}, {" -4 ", -4}, {"+5", 5}, {"007", 7}, {"-2147483648", INT32_MIN}};
    for (const auto& [t, esperat] : enters)
        EXPECT_EQ(Llegir(LlegirEnterDocument, t, 0), std::pair(true, esperat)) << t;
    for (const char* t : {"", "+", "-", "+-1", "3.0", "1e2", "99999999999", "3a", "0x1", "nan"})
        EXPECT_EQ(Llegir(LlegirEnterDocument, t, 99), std::pair(false, 99)) << t;
}

ConjuntFuncions Exemple() {
    ConjuntFuncions cf;
    cf.Slots[0].Text = "  -0,211224sin(6px/2)\t€ "; // as typed, the euro sign 0x80
    cf.Slots[2].Text = "interpolació";              // no label: a formula
    SlotFuncio& g = cf.Slots[1];
    g.Text = "INTERPOLACIÓ";
    g.Numerica.NombrePunts = 2, g.Numerica.Extrapolar = true;
    g.Numerica.ValorsX[1] = 1, g.Numerica.ValorsY[1] = 2.5;
    SlotFuncio& k = cf.Slots[5];
    k.Text = "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c";
    k.Numerica.NombrePunts = 1; // one point: the block is written all the same
    k.Numerica.ValorsX[0] = 3, k.Numerica.ValorsY[0] = 4.5;
    k.Numerica.EquacioRegressio = "X^2/2", k.Numerica.CoeficientCorrelacio = 0.95;
    k.Numerica.TipusRegressio = 2, k.Numerica.MostrarPunts = true;
    return cf;
}

// The layout of the example, written out by hand: Windows-1252 bytes, CR LF.
const std::string textExemple =
    "Tracim 3\r\nCATAL\xC0\r\n"
    "-7.50000000000000E+0000\r\n 7.50000000000000E+0000\r\n"
    "-5.00000000000000E+0000\r\n 5.00000000000000E+0000\r\n"
    " 1.00000000000000E+0000\r\n 1.00000000000000E+0000\r\n"
    "  -0,211224sin(6px/2)\t\x80 \r\n"
    "INTERPOLACI\xD3\r\n1\r\n2\r\n1\r\n0\r\n0\r\n\r\n 0.00000000000000E+0000\r\n1\r\n"
    " 0.00000000000000E+0000\r\n 0.00000000000000E+0000\r\n"
    " 1.00000000000000E+0000\r\n 2.50000000000000E+0000\r\n"
    "interpolaci\xF3\r\n\r\n\r\n"
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
    EsperarIguals(llegit, Exemple()); // the titles stored as UTF-8
    EXPECT_EQ(std::tuple(llegit.Parametres[0], llegit.Slots[2].Numerica.EquacioRegressio,
                         llegit.Slots[2].Numerica.NombrePunts),
              std::tuple(-2, "3*X", 0));
}

// Windows-1252 files with LF line ends, any first two lines, blanks and exponents, each
// Spanish title in F with its table (Extrapolar true only when exactly "1").
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
        EXPECT_EQ(std::tuple(cf.Slots[0].Text, cf.Slots[1].Text), std::tuple(etiqueta, "x"));
        EXPECT_EQ(Camps(cf.Slots[0].Numerica),
                  std::tuple(3, 7, extrapolar, true, true, std::string("2*X+1"), 0.99, 1,
                             std::vector<double>{0, 1, 2}, std::vector<double>{1, 3, 5}))
            << '"' << bandera << '"';
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

namespace fs = std::filesystem;

// A valid document of every kind of line. Its lines: 0 signature, 1 language, 2..7
// axes, 8 F label, 9 ValorReservat, 10 NombrePunts, 11..13 flags, 14 equation, 15 R,
// 16 model, 17..20 points, 21 G, 22 H, 23 I, 24 J, 25 K label, 26 ValorReservat,
// 27 NombrePunts, ..., 33 model, 34..39 points.
std::string DocumentValid() {
    ConjuntFuncions cf;
    cf.Slots[0].Text = "INTERPOLACIÓ LINEAL";
    cf.Slots[0].Numerica.NombrePunts = 2, cf.Slots[0].Numerica.ValorsX[1] = 1;
    cf.Slots[2].Text = "sin(x)";
    cf.Slots[5].Text = std::string(EtiquetesRegressio[3]);
    FuncioNumerica& k = cf.Slots[5].Numerica;
    k.NombrePunts = 3, k.EquacioRegressio = "2*1.5^X", k.TipusRegressio = 3;
    std::string bytes;
    EXPECT_EQ(EscriureTextDocument(cf, bytes), 0);
    return bytes;
}

std::vector<std::string> Linies(const std::string& doc) {
    std::vector<std::string> v;
    for (std::size_t p = 0, f; p < doc.size(); p = f + 2) {
        f = doc.find("\r\n", p);
        v.push_back(doc.substr(p, f - p));
    }
    return v;
}

std::string Unir(const std::vector<std::string>& linies) {
    std::string s;
    for (const auto& l : linies)
        s += l + "\r\n";
    return s;
}

// The set the user has on screen; a refused document must leave it as it is.
ConjuntFuncions Actual() {
    ConjuntFuncions cf;
    cf.Eixos = {0, 10, 1, -1, 1, 0.5};
    cf.Slots[1].Text = "x^3";
    Calculador calc;
    AplicarFuncions(cf, calc);
    return cf;
}

void EsperarRebutjat(const std::string& bytes, const std::string& que) {
    ConjuntFuncions cf = Actual();
    ErrorDocument error;
    EXPECT_EQ(LlegirTextDocument(bytes, cf, &error), MissatgeNoPucObrir) << que;
    EXPECT_EQ(std::tuple(error.motiu.empty(), cf.Eixos.XFinal, cf.Slots[1].Text, cf.Slots[0].Text,
                         cf.NombreFuncions),
              std::tuple(false, 10.0, "x^3", "", 1))
        << que;
    EXPECT_NEAR(cf.MostresColumna[1].Y(140), 8, 1e-12) << que; // x = 2
}

TEST(Rebuig, EveryTruncationAtALineIsRefused) {
    const std::string doc = DocumentValid();
    const std::vector<std::string> linies = Linies(doc);
    ASSERT_EQ(LlegirTextDocument(Unir(linies), *std::make_unique<ConjuntFuncions>()), 0);
    // The last line needs no line end.
    ASSERT_EQ(
        LlegirTextDocument(doc.substr(0, doc.size() - 2), *std::make_unique<ConjuntFuncions>()), 0);
    for (std::size_t n = 0; n < linies.size(); ++n) {
        const std::vector<std::string> tros(linies.begin(), linies.begin() + static_cast<long>(n));
        EsperarRebutjat(Unir(tros), "first " + std::to_string(n) + " lines");
    }
}

// Axes (2..7) not a number, an origin equal to its final (also below the 15th digit:
// 4.9999999999999995, found by fuzzing) or above it, a zero or negative unit; 9 the
// reserved value, 10 and 27 counts, 15 R, 16 the model, 18 a point; 22 a text and 31
// the equation with a control character, NUL, 0x81 or 0x9D (not in Windows-1252), DEL.
TEST(Rebuig, ABadLine) {
    const std::pair<std::size_t, std::string> casos[] = {
        {2, "nan"},    {2, "7.5"},    {4, "6"},      {6, "0"},         {4, "4.9999999999999995"},
        {7, "-1"},     {9, "1.5"},    {10, "-1"},    {27, "4"},        {22, "sin(x)\x01"},
        {15, "NaN"},   {16, "0"},     {16, "6"},     {18, "x"},        {31, "2*1.5^X\x1b"},
        {22, "x\x81"}, {22, "x\x9D"}, {22, "x\x7F"}, {22, "sin\0(x)"s}};
    for (const auto& [linia, text] : casos) {
        std::vector<std::string> linies = Linies(DocumentValid());
        linies.at(linia) = text;
        EsperarRebutjat(Unir(linies), std::to_string(linia) + ": " + text);
    }
}

// Every label, with 0, 1 and up to 400 points, followed by other slots; a count of
// 401 is refused with all 401 points there.
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
        fn.Extrapolar = i % 2 == 0, fn.InterpolacioLineal = i % 3 == 0, fn.MostrarPunts = i == 4;
        fn.EquacioRegressio = i == 5 ? "" : "1.5*X^2+(-2)*X+0.25";
        fn.CoeficientCorrelacio = -0.987654321, fn.TipusRegressio = static_cast<int>(i % 5) + 1;
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
    std::vector<std::string> linies = Linies(bytes);
    linies.at(10) = "401";
    linies.insert(linies.begin() + 17 + 800, {"0", "0"});
    EsperarRebutjat(Unir(linies), "401 points");
}

TEST(Rebuig, HugeTexts) {
    std::string doc = DocumentValid();
    doc.append(MidaMaximaDocument + 1 - doc.size(), '\n');
    EsperarRebutjat(doc, "huge");
    doc.resize(MidaMaximaDocument); // trailing empty lines are ignored
    EXPECT_EQ(LlegirTextDocument(doc, *std::make_unique<ConjuntFuncions>()), 0);
}

FuncioNumerica& Numerica(ConjuntFuncions& c, std::string_view etiqueta) {
    c.Slots[0].Text = etiqueta;
    return c.Slots[0].Numerica;
}

// A line break or a character not in Windows-1252, an axis not finite, an empty range
// (also below the 15th digit, found by fuzzing), 401 points, a NaN, model 0, an
// equation of two lines.
TEST(Escriptura, SetsThatCannotBeReadBackAreNotWritten) {
    using C = ConjuntFuncions&;
    void (*const casos[])(C) = {
        [](C c) { c.Slots[0].Text = "x\r\n"; },
        [](C c) { c.Slots[0].Text = "√x"; },
        [](C c) { c.Eixos.XFinal = INFINITY; },
        [](C c) { c.Eixos.YUnitat = 0; },
        [](C c) { c.Eixos.XOrigen = c.Eixos.XFinal; },
        [](C c) { c.Eixos.YOrigen = -5.0000000000000005, c.Eixos.YFinal = -5; },
        [](C c) { Numerica(c, EtiquetaInterpolacio).NombrePunts = 401; },
        [](C c) { Numerica(c, EtiquetaInterpolacio).ValorsY[0] = NAN; },
        [](C c) { Numerica(c, EtiquetesRegressio[1]).TipusRegressio = 0; },
        [](C c) { Numerica(c, EtiquetesRegressio[1]).EquacioRegressio = "X\n1"; }};
    for (std::size_t i = 0; i < std::size(casos); ++i) {
        ConjuntFuncions cf;
        cf.Slots[0].Numerica.NombrePunts = 1;
        std::string bytes;
        ASSERT_EQ(EscriureTextDocument(cf, bytes), 0);
        casos[i](cf);
        ErrorDocument e;
        EXPECT_EQ(EscriureTextDocument(cf, bytes, &e), MissatgeNoPucDesar) << i;
        EXPECT_FALSE(e.motiu.empty()) << i;
    }
}

// A fresh folder per test for the tests that touch the disk.
class DirProva : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("tracima-prova-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string Cami(const char* nom) const { return (dir_ / nom).string(); }
    std::string Escriure(const char* nom, const std::string& bytes) const {
        std::ofstream(Cami(nom), std::ios::binary) << bytes;
        return Cami(nom);
    }
    static std::string Contingut(const std::string& cami) {
        std::ifstream f(cami, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    std::size_t NombreFitxers() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(dir_), {}));
    }
    std::filesystem::path dir_;
};

using Fitxers = DirProva;

TEST_F(Fitxers, SavingReplacesTheOldFileKeepsItsPermissionsAndReadsBack) {
    const std::string cami = Escriure("a.trc", "vell");
    const auto rw = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(cami, rw);
    ConjuntFuncions cf;
    cf.Eixos = {-10, 10, 1, -2, 3, 1}, cf.Slots[3].Text = "x^2-4";
    ASSERT_EQ(DesarDocument(cami, cf), 0);
    std::string esperat;
    ASSERT_EQ(EscriureTextDocument(cf, esperat), 0);
    EXPECT_EQ(Contingut(cami), esperat);
    EXPECT_EQ(fs::status(cami).permissions() & fs::perms::all, rw);
    EXPECT_EQ(NombreFitxers(), 1u) << "no temporary file left";
    ConjuntFuncions llegit;
    Calculador calc;
    ASSERT_EQ(LlegirDocument(cami, llegit, calc), 0);
    // Read back and applied: column 380 is x = 2, a root.
    EXPECT_EQ(std::tuple(llegit.Slots[3].Text, llegit.FuncioUnica.Index,
                         llegit.MostresColumna[3].Y(380),
                         llegit.Comandes.Activa(Comanda::MenuArrels)),
              std::tuple("x^2-4", 4, 0.0, true));
}

TEST_F(Fitxers, FailedSavesLeaveTheOldFileIntact) {
    ConjuntFuncions cf, arrel;
    arrel.Slots[0].Text = "√";
    const std::string cami = Escriure("c.trc", "anterior");
    EXPECT_EQ(DesarDocument(cami, arrel), MissatgeNoPucDesar);
    // The rename of the save must not replace a file without write permission.
    fs::permissions(cami, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(DesarDocument(cami, cf), MissatgeNoPucDesar);
    EXPECT_EQ(Contingut(cami), "anterior");
    for (const std::string& dolent : {Cami("no-hi-es/d.trc"), dir_.string(), std::string()})
        EXPECT_EQ(DesarDocument(dolent, cf), MissatgeNoPucDesar) << dolent;
    EXPECT_EQ(NombreFitxers(), 1u);
}

// A folder that takes no new file: a new document cannot be saved there, an
// existing writable one is written in place.
TEST_F(Fitxers, SavingInAReadOnlyFolderFails) {
    fs::create_directory(dir_ / "nomesLectura");
    const std::string existent = Escriure("nomesLectura/vell.trc", "vell");
    fs::permissions(dir_ / "nomesLectura", fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(Cami("nomesLectura/prova")).good()) GTEST_SKIP() << "running as root";
    EXPECT_EQ(DesarDocument(Cami("nomesLectura/e.trc"), ConjuntFuncions{}), MissatgeNoPucDesar);
    ConjuntFuncions cf;
    cf.Slots[1].Text = "x^2";
    Calculador calc;
    ASSERT_EQ(DesarDocument(existent, cf), 0);
    EXPECT_EQ(std::pair(LlegirDocument(existent, cf, calc), cf.Slots[1].Text),
              std::pair(0, std::string("x^2")));
    fs::permissions(dir_ / "nomesLectura", fs::perms::owner_all);
}

TEST_F(Fitxers, SavingThroughALinkWritesTheFileItNames) {
    const std::string real = Escriure("real.trc", "vell");
    fs::create_symlink(real, dir_ / "enllac.trc");
    ASSERT_EQ(DesarDocument(Cami("enllac.trc"), ConjuntFuncions{}), 0);
    EXPECT_TRUE(fs::is_symlink(dir_ / "enllac.trc"));
    EXPECT_EQ(Contingut(real).substr(0, 8), "Tracim 3");
}

TEST_F(Fitxers, FilesThatCannotBeReadLeaveTheSetUnchanged) {
    const std::string trencat = Escriure("trencat.trc", "Tracim 3\r\nCATAL\xC0\r\n-7.5\r\n");
    for (const std::string& cami : {Cami("no-existeix.trc"), dir_.string(), trencat}) {
        ConjuntFuncions cf = Actual();
        Calculador calc;
        ErrorDocument e;
        EXPECT_EQ(LlegirDocument(cami, cf, calc, nullptr, &e), MissatgeNoPucObrir) << cami;
        EXPECT_EQ(std::tuple(e.motiu.empty(), cf.Slots[1].Text, cf.Eixos.XFinal),
                  std::tuple(false, "x^3", 10.0));
    }
}

class ComandaDocumentProva : public DirProva {
  protected:
    int Executar(const cli::Arguments& args) {
        out_.str(""), err_.str("");
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

// The listing, also when --desar writes the Catalan labels in the document layout.
TEST_F(ComandaDocumentProva, ListsAxesTextsAndTablesAndSaves) {
    const std::string cami = Escriure("a.trc", document), sortida = Cami("b.trc");
    ASSERT_EQ(Executar({"--desar", sortida, cami}), 0) << err_.str();
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
    EXPECT_NE(Contingut(sortida).find("\r\nREGRESSI\xD3 LINEAL y = ax + b\r\n1\r\n2\r\n"),
              std::string::npos);
    EXPECT_NE(Contingut(sortida).find("\r\n 1.20000000000000E+0000\r\n"), std::string::npos);
}

TEST_F(ComandaDocumentProva, ExitStatusAndMessageOfFailures) {
    const std::string cami = Escriure("a.trc", document);
    EXPECT_EQ(Executar({Escriure("t.trc", document.substr(0, document.size() - 4))}), 2);
    EXPECT_EQ(std::tuple(err_.str().rfind("No puc obrir el fitxer\n", 0), out_.str()),
              std::tuple(0u, ""))
        << err_.str();
    EXPECT_EQ(Executar({cami, "--desar", Cami("no-hi-es/b.trc")}), 3);
    EXPECT_EQ(err_.str().rfind("No puc desar el fitxer\n", 0), 0u) << err_.str();
    for (const cli::Arguments& args : std::initializer_list<cli::Arguments>{
             {}, {cami, "--desar"}, {cami, cami}, {cami, "--desar", "x", "--desar", "y"}})
        EXPECT_EQ(Executar(args), 2);
    EXPECT_EQ(Executar({"--help"}), 0);
    EXPECT_NE(out_.str().find("--desar"), std::string::npos);
}

TEST(EstructuraMenus, EveryItemHasACaptionInBothLanguagesAndCheckItemsHaveAState) {
    TaulaMissatges ca, es;
    ASSERT_EQ(es.CanviarLlengua(Llengua::Castella), 0);
    EstatPrincipal estat;
    std::set<std::string_view> vistos;
    int llengues = 0;
    for (const ElementMenu& e : EstructuraMenus()) {
        if (e.tipus == TipusElementMenu::Separador || e.tipus == TipusElementMenu::FiSubmenu)
            continue;
        SCOPED_TRACE(std::string(e.component));
        EXPECT_TRUE(vistos.insert(e.component).second);
        EXPECT_FALSE(ca.TitolMenu(e.component).empty());
        EXPECT_FALSE(es.TitolMenu(e.component).empty());
        EXPECT_EQ(MarcaDeMenu(estat, e.component) != nullptr, e.tipus == TipusElementMenu::Marca);
        if (e.tipus == TipusElementMenu::Llengua) {
            EXPECT_EQ(ComponentLlengua(static_cast<Llengua>(llengues++)), e.component);
        }
    }
    EXPECT_EQ(llengues, NombreLlengues);
    // Every menu caption of the main window has its place in the menus.
    for (const TitolComponent& t : ca.Titols(FormPrincipal))
        if (t.component.starts_with("Menu")) {
            EXPECT_TRUE(vistos.count(t.component)) << t.component;
        }
}

TEST(EstatPrincipal, PixelErrorMessage) {
    const std::tuple<double, double, double, double, bool, const char*> casos[] = {
        {-7.5, 7.5, -5, 5, true, "Error de la x = 0,03\r\n\r\nError de la y = 0,03"},
        {-7.5, 7.5, -5, 5, false, "Error de la x = 0.025\r\n\r\nError de la y = 0.025"},
        {0, 1000, -2, 2, true, "Error de la x = 1,7\r\n\r\nError de la y = 0,01"}};
    for (const auto& [xo, xf, yo, yf, baixa, text] : casos) {
        EstatPrincipal estat;
        estat.Funcions.Eixos = {xo, xf, (xf - xo) / 15, yo, yf, (yf - yo) / 10};
        estat.Funcions.Eixos.CalcularPassos();
        estat.Opcions.MenuPrecisioBaixa = baixa;
        EXPECT_EQ(TextErrorEnElsCalculs(estat), text);
    }
}

} // namespace
} // namespace tracima
