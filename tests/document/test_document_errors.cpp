// Documents that must be refused without touching the function set, files on
// disk, and the safe save.
#include "DirProva.h"
#include "document/Document.h"

#include <cmath>
#include <memory>
#include <vector>

namespace tracima {
namespace {

namespace fs = std::filesystem;

// A valid document of every kind of line: two numeric slots and a formula.
// Its lines: 0 signature, 1 language, 2..7 axes, 8 F label, 9 ValorReservat,
// 10 NombrePunts, 11..13 flags, 14 equation, 15 R, 16 model, 17..20 points,
// 21 G, 22 H, 23 I, 24 J, 25 K label, 26 ValorReservat, 27 NombrePunts, ...,
// 33 model, 34..39 points.
std::string DocumentValid() {
    ConjuntFuncions cf;
    cf.Slots[0].Text = "INTERPOLACIÓ LINEAL";
    cf.Slots[0].Numerica.NombrePunts = 2;
    cf.Slots[0].Numerica.ValorsX[1] = 1;
    cf.Slots[2].Text = "sin(x)";
    cf.Slots[5].Text = std::string(EtiquetesRegressio[3]);
    cf.Slots[5].Numerica.NombrePunts = 3;
    cf.Slots[5].Numerica.EquacioRegressio = "2*1.5^X";
    cf.Slots[5].Numerica.TipusRegressio = 3;
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
    EXPECT_FALSE(error.motiu.empty()) << que;
    EXPECT_EQ(cf.Eixos.XFinal, 10) << que;
    EXPECT_EQ(cf.Slots[1].Text, "x^3") << que;
    EXPECT_TRUE(cf.Slots[0].Text.empty()) << que;
    EXPECT_EQ(cf.NombreFuncions, 1) << que;
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

TEST(Rebuig, ABadLine) {
    const std::tuple<std::size_t, std::string, const char*> casos[] = {
        {2, "nan", "axis not a number (the number grammar is tested apart)"},
        {2, "7.5", "origin equals final"},
        {4, "6", "origin above final"},
        {6, "0", "zero unit"},
        {7, "-1", "negative unit"},
        // Found by fuzzing: equal to the final once written with fifteen digits.
        {4, "4.9999999999999995", "range below the fifteenth digit"},
        {9, "1.5", "reserved value not an integer"},
        {10, "-1", "count negative"},
        {27, "4", "K count above its rows"},
        {15, "NaN", "correlation NaN"},
        {16, "0", "model 0"},
        {16, "6", "model 6"},
        {18, "x", "point not a number"},
        {22, "sin(x)\x01", "control character in a text"},
        {31, "2*1.5^X\x1b", "control character in the equation"},
        {22, std::string("sin\0(x)", 7), "NUL in a text"},
        {22, "x\x81", "0x81, no character in Windows-1252"},
        {22, "x\x9D", "0x9D"},
        {22, "x\x7F", "DEL"},
    };
    for (const auto& [linia, text, que] : casos) {
        std::vector<std::string> linies = Linies(DocumentValid());
        linies.at(linia) = text;
        EsperarRebutjat(Unir(linies), que);
    }
}

// With only two points after it a count of 401 would be refused for the
// missing lines: here all 401 points are there.
TEST(Rebuig, MoreThan400Points) {
    ConjuntFuncions cf;
    cf.Slots[0].Text = EtiquetaInterpolacio;
    cf.Slots[0].Numerica.NombrePunts = 400;
    std::string doc;
    ASSERT_EQ(EscriureTextDocument(cf, doc), 0);
    std::vector<std::string> linies = Linies(doc);
    linies.at(10) = "401";
    linies.insert(linies.begin() + 17 + 800, {"0", "0"});
    EsperarRebutjat(Unir(linies), "401 points");
}

TEST(Rebuig, HugeTexts) {
    std::string doc = DocumentValid();
    doc.append(MidaMaximaDocument + 1 - doc.size(), '\n');
    EsperarRebutjat(doc, "huge");
    doc.resize(MidaMaximaDocument);
    ConjuntFuncions cf;
    EXPECT_EQ(LlegirTextDocument(doc, cf), 0) << "trailing empty lines are ignored";
}

FuncioNumerica& Numerica(ConjuntFuncions& c, std::string_view etiqueta) {
    c.Slots[0].Text = etiqueta;
    return c.Slots[0].Numerica;
}

TEST(Escriptura, SetsThatCannotBeReadBackAreNotWritten) {
    using C = ConjuntFuncions&;
    const std::pair<const char*, void (*)(C)> casos[] = {
        {"line break", [](C c) { c.Slots[0].Text = "x\r\n"; }},
        {"not in Windows-1252", [](C c) { c.Slots[0].Text = "√x"; }},
        {"infinite axis", [](C c) { c.Eixos.XFinal = INFINITY; }},
        {"zero unit", [](C c) { c.Eixos.YUnitat = 0; }},
        {"empty range", [](C c) { c.Eixos.XOrigen = c.Eixos.XFinal; }},
        // Found by fuzzing: written with fifteen digits, this origin equals its final.
        {"range below the 15th digit",
         [](C c) { c.Eixos.YOrigen = -5.0000000000000005, c.Eixos.YFinal = -5; }},
        {"401 points", [](C c) { Numerica(c, EtiquetaInterpolacio).NombrePunts = 401; }},
        {"NaN point", [](C c) { Numerica(c, EtiquetaInterpolacio).ValorsY[0] = NAN; }},
        {"model 0", [](C c) { Numerica(c, EtiquetesRegressio[1]).TipusRegressio = 0; }},
        {"equation with a line break",
         [](C c) { Numerica(c, EtiquetesRegressio[1]).EquacioRegressio = "X\n1"; }},
    };
    for (const auto& [que, canviar] : casos) {
        ConjuntFuncions cf;
        cf.Slots[0].Numerica.NombrePunts = 1;
        std::string bytes;
        ASSERT_EQ(EscriureTextDocument(cf, bytes), 0);
        canviar(cf);
        ErrorDocument e;
        EXPECT_EQ(EscriureTextDocument(cf, bytes, &e), MissatgeNoPucDesar) << que;
        EXPECT_FALSE(e.motiu.empty()) << que;
    }
}

using Fitxers = DirProva;

TEST_F(Fitxers, SavingReplacesTheOldFileKeepsItsPermissionsAndReadsBack) {
    const std::string cami = Escriure("a.trc", "vell");
    const auto rw = fs::perms::owner_read | fs::perms::owner_write;
    fs::permissions(cami, rw);
    ConjuntFuncions cf;
    cf.Eixos = {-10, 10, 1, -2, 3, 1};
    cf.Slots[3].Text = "x^2-4";
    ASSERT_EQ(DesarDocument(cami, cf), 0);
    std::string esperat;
    ASSERT_EQ(EscriureTextDocument(cf, esperat), 0);
    EXPECT_EQ(Contingut(cami), esperat);
    EXPECT_EQ(fs::status(cami).permissions() & fs::perms::all, rw);
    EXPECT_EQ(NombreFitxers(), 1u) << "no temporary file left";
    // Read back and applied.
    ConjuntFuncions llegit;
    Calculador calc;
    ASSERT_EQ(LlegirDocument(cami, llegit, calc), 0);
    EXPECT_EQ(llegit.Slots[3].Text, "x^2-4");
    EXPECT_EQ(llegit.FuncioUnica.Index, 4);
    EXPECT_EQ(llegit.MostresColumna[3].Y(380), 0); // column 380 is x = 2, a root
    EXPECT_TRUE(llegit.Comandes.Activa(Comanda::MenuArrels));
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

TEST_F(Fitxers, SavingInAReadOnlyFolderFails) {
    fs::create_directory(dir_ / "nomesLectura");
    fs::permissions(dir_ / "nomesLectura", fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(Cami("nomesLectura/prova")).good()) GTEST_SKIP() << "running as root";
    EXPECT_EQ(DesarDocument(Cami("nomesLectura/e.trc"), ConjuntFuncions{}), MissatgeNoPucDesar);
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
        EXPECT_FALSE(e.motiu.empty());
        EXPECT_EQ(cf.Slots[1].Text, "x^3");
        EXPECT_EQ(cf.Eixos.XFinal, 10);
    }
}

} // namespace
} // namespace tracima
