// Documents that must be refused without touching the function set, files on
// disk, and the safe save.
#include "app/Document.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace tracima {
namespace {

namespace fs = std::filesystem;

// A valid document of every kind of line: two numeric slots and a formula.
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
    std::size_t p = 0;
    while (p < doc.size()) {
        const std::size_t f = doc.find("\r\n", p);
        v.push_back(doc.substr(p, f - p));
        p = f + 2;
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
    const std::vector<std::string> linies = Linies(DocumentValid());
    ASSERT_EQ(LlegirTextDocument(Unir(linies), *std::make_unique<ConjuntFuncions>()), 0);
    for (std::size_t n = 0; n < linies.size(); ++n) {
        const std::vector<std::string> tros(linies.begin(), linies.begin() + static_cast<long>(n));
        EsperarRebutjat(Unir(tros), "first " + std::to_string(n) + " lines");
    }
}

TEST(Rebuig, EveryCutInsideANumberLineIsRefusedOrReadsAValue) {
    // Cutting in the middle of the last real (the y of point 3 of K) leaves a
    // shorter number: still a number, so the file reads; a dangling "E" or
    // "E+" is refused.
    const std::string doc = DocumentValid();
    const std::string sencer = doc.substr(0, doc.size() - 2); // without the last CR LF
    ConjuntFuncions cf;
    ASSERT_EQ(LlegirTextDocument(sencer, cf), 0);
    const std::pair<std::size_t, int> talls[] = {
        {1, 0}, {2, 0}, {3, 0}, {4, MissatgeNoPucObrir}, {5, MissatgeNoPucObrir}, {6, 0}};
    for (const auto& [treure, codi] : talls) {
        ConjuntFuncions c;
        EXPECT_EQ(LlegirTextDocument(sencer.substr(0, sencer.size() - treure), c), codi) << treure;
    }
}

struct CasLinia {
    const char* nom;
    std::size_t linia; // 0-based line of DocumentValid() to replace
    const char* text;
};

class LiniaDolenta : public ::testing::TestWithParam<CasLinia> {};

// Lines of DocumentValid(): 0 signature, 1 language, 2..7 axes, 8 F label,
// 9 ValorReservat, 10 NombrePunts, 11..13 flags, 14 equation, 15 R, 16 model,
// 17..20 points, 21 G, 22 H, 23 I, 24 J, 25 K label, 26 ValorReservat,
// 27 NombrePunts, ..., 33 model, 34..39 points.
TEST_P(LiniaDolenta, IsRefused) {
    const CasLinia& c = GetParam();
    std::vector<std::string> linies = Linies(DocumentValid());
    ASSERT_LT(c.linia, linies.size());
    linies[c.linia] = c.text;
    EsperarRebutjat(Unir(linies), c.nom);
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LiniaDolenta,
    ::testing::Values(CasLinia{"AxisNan", 2, "nan"}, CasLinia{"AxisInf", 3, "inf"},
                      CasLinia{"AxisText", 4, "menys cinc"}, CasLinia{"AxisComma", 5, "5,0"},
                      CasLinia{"AxisEmpty", 6, ""}, CasLinia{"AxisHuge", 7, "1e999"},
                      CasLinia{"OriginEqualsFinal", 2, "7.5"}, CasLinia{"OriginAboveFinal", 4, "6"},
                      CasLinia{"ZeroUnit", 6, "0"},
                      CasLinia{"RangeBelowFifteenDigits", 4, "4.9999999999999995"},
                      CasLinia{"NegativeUnit", 7, "-1"}, CasLinia{"ReservedNotInteger", 9, "1.5"},
                      CasLinia{"CountTooBig", 10, "401"}, CasLinia{"CountNegative", 10, "-1"},
                      CasLinia{"CountHuge", 10, "4294967298"}, CasLinia{"CountText", 10, "dos"},
                      CasLinia{"CorrelationNan", 15, "NaN"}, CasLinia{"ModelZero", 16, "0"},
                      CasLinia{"ModelSix", 16, "6"}, CasLinia{"PointNotANumber", 18, "x"},
                      CasLinia{"PointInf", 20, "-inf"},
                      CasLinia{"ControlCharInText", 22, "sin(x)\x01"},
                      CasLinia{"ControlCharInEquation", 31,
                               "2*\x1b"
                               "1.5^X"},
                      CasLinia{"KCountAboveRows", 27, "4"}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(Rebuig, NulInsideATextLine) {
    std::vector<std::string> linies = Linies(DocumentValid());
    linies[22] = std::string("sin\0(x)", 7);
    EsperarRebutjat(Unir(linies), "NUL");
}

TEST(Rebuig, BytesThatAreNotWindows1252Text) {
    // 0x81 has no character in Windows-1252.
    std::vector<std::string> linies = Linies(DocumentValid());
    linies[22] = "x\x81";
    EsperarRebutjat(Unir(linies), "0x81");
    linies[22] = "x\x9D";
    EsperarRebutjat(Unir(linies), "0x9D");
}

TEST(Rebuig, HugeFilesAreRefusedBeforeReading) {
    std::string doc = DocumentValid();
    doc.append(MidaMaximaDocument + 1 - doc.size(), '\n');
    EsperarRebutjat(doc, "huge");
    doc.resize(MidaMaximaDocument);
    ConjuntFuncions cf;
    EXPECT_EQ(LlegirTextDocument(doc, cf), 0) << "trailing empty lines are ignored";
}

TEST(Rebuig, EmptyAndBinaryTexts) {
    EsperarRebutjat("", "empty");
    EsperarRebutjat("\r\n", "one line");
    std::mt19937 gen(7);
    for (int i = 0; i < 200; ++i) {
        std::string s(static_cast<std::size_t>(gen() % 300), '\0');
        for (char& c : s)
            c = static_cast<char>(gen());
        ConjuntFuncions cf = Actual();
        if (LlegirTextDocument(s, cf) != 0) {
            EXPECT_EQ(cf.Slots[1].Text, "x^3");
        }
    }
}

TEST(Escriptura, SetsThatCannotBeReadBackAreNotWritten) {
    const auto provar = [](auto canviar, const char* que) {
        ConjuntFuncions cf;
        canviar(cf);
        std::string bytes = "abans";
        ErrorDocument e;
        EXPECT_EQ(EscriureTextDocument(cf, bytes, &e), MissatgeNoPucDesar) << que;
        EXPECT_FALSE(e.motiu.empty()) << que;
    };
    provar([](ConjuntFuncions& c) { c.Slots[0].Text = "x\r\n"; }, "line break");
    provar([](ConjuntFuncions& c) { c.Slots[3].Text = "x\n"; }, "LF");
    provar([](ConjuntFuncions& c) { c.Slots[0].Text = "√x"; }, "not in Windows-1252");
    provar([](ConjuntFuncions& c) { c.Eixos.XFinal = INFINITY; }, "infinite axis");
    provar([](ConjuntFuncions& c) { c.Eixos.YUnitat = 0; }, "zero unit");
    provar([](ConjuntFuncions& c) { c.Eixos.XOrigen = c.Eixos.XFinal; }, "empty range");
    // Found by fuzzing: written with fifteen digits, this origin equals its final.
    provar(
        [](ConjuntFuncions& c) {
            c.Eixos.YOrigen = -5.0000000000000005;
            c.Eixos.YFinal = -5;
        },
        "range below the fifteenth digit");
    provar(
        [](ConjuntFuncions& c) {
            c.Slots[0].Text = "INTERPOLACIÓ";
            c.Slots[0].Numerica.NombrePunts = 401;
        },
        "401 points");
    provar(
        [](ConjuntFuncions& c) {
            c.Slots[0].Text = "INTERPOLACIÓ";
            c.Slots[0].Numerica.NombrePunts = 2;
            c.Slots[0].Numerica.ValorsY[1] = NAN;
        },
        "NaN point");
    provar(
        [](ConjuntFuncions& c) {
            c.Slots[0].Text = std::string(EtiquetesRegressio[1]);
            c.Slots[0].Numerica.TipusRegressio = 0;
        },
        "model 0");
    provar(
        [](ConjuntFuncions& c) {
            c.Slots[0].Text = std::string(EtiquetesRegressio[1]);
            c.Slots[0].Numerica.EquacioRegressio = "X\n1";
        },
        "equation with a line break");
}

class Fitxers : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ =
            fs::temp_directory_path() / ("tracima-doc-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string Cami(const char* nom) const { return (dir_ / nom).string(); }
    static std::string Contingut(const std::string& cami) {
        std::ifstream f(cami, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    std::size_t NombreFitxers() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    fs::path dir_;
};

TEST_F(Fitxers, SavedDocumentReadsBackAndIsApplied) {
    ConjuntFuncions cf;
    cf.Eixos = {-10, 10, 1, -2, 3, 1};
    cf.Slots[3].Text = "x^2-4";
    ASSERT_EQ(DesarDocument(Cami("a.trc"), cf), 0);
    EXPECT_EQ(NombreFitxers(), 1u) << "no temporary file left";

    ConjuntFuncions llegit;
    Calculador calc;
    ASSERT_EQ(LlegirDocument(Cami("a.trc"), llegit, calc), 0);
    EXPECT_EQ(llegit.Slots[3].Text, "x^2-4");
    EXPECT_EQ(llegit.NombreFuncions, 1);
    EXPECT_EQ(llegit.FuncioUnica.Index, 4);
    EXPECT_EQ(llegit.Eixos.PasLogicX, 30);
    EXPECT_EQ(llegit.Eixos.OrigenLogicY, 260);
    // Column 380 is x = 2: a root.
    EXPECT_EQ(llegit.MostresColumna[3].Y(380), 0);
    EXPECT_TRUE(llegit.Comandes.Activa(Comanda::MenuArrels));
}

TEST_F(Fitxers, SavingReplacesTheOldFileAndKeepsItsPermissions) {
    const std::string cami = Cami("b.trc");
    { std::ofstream(cami) << "vell"; }
    fs::permissions(cami, fs::perms::owner_read | fs::perms::owner_write);
    ConjuntFuncions cf;
    cf.Slots[0].Text = "x";
    ASSERT_EQ(DesarDocument(cami, cf), 0);
    std::string esperat;
    ASSERT_EQ(EscriureTextDocument(cf, esperat), 0);
    EXPECT_EQ(Contingut(cami), esperat);
    EXPECT_EQ(fs::status(cami).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(NombreFitxers(), 1u);
}

TEST_F(Fitxers, AFailedSaveLeavesTheOldFileIntact) {
    const std::string cami = Cami("c.trc");
    { std::ofstream(cami) << "document anterior"; }
    ConjuntFuncions cf;
    cf.Slots[0].Text = "√";
    EXPECT_EQ(DesarDocument(cami, cf), MissatgeNoPucDesar);
    EXPECT_EQ(Contingut(cami), "document anterior");
    EXPECT_EQ(NombreFitxers(), 1u);
}

TEST_F(Fitxers, AReadOnlyDocumentIsNotReplaced) {
    const std::string cami = Cami("r.trc");
    { std::ofstream(cami) << "protegit"; }
    fs::permissions(cami, fs::perms::owner_read | fs::perms::group_read);
    ConjuntFuncions cf;
    EXPECT_EQ(DesarDocument(cami, cf), MissatgeNoPucDesar);
    EXPECT_EQ(Contingut(cami), "protegit");
    EXPECT_EQ(NombreFitxers(), 1u);
}

TEST_F(Fitxers, SavingWherePathsDoNotAllowIt) {
    ConjuntFuncions cf;
    EXPECT_EQ(DesarDocument(Cami("no-hi-es/d.trc"), cf), MissatgeNoPucDesar);
    EXPECT_EQ(DesarDocument(dir_.string(), cf), MissatgeNoPucDesar);
    EXPECT_EQ(DesarDocument("", cf), MissatgeNoPucDesar);
    fs::create_directory(dir_ / "nomesLectura");
    fs::permissions(dir_ / "nomesLectura", fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(Cami("nomesLectura/prova")).good()) GTEST_SKIP() << "running as root";
    EXPECT_EQ(DesarDocument(Cami("nomesLectura/e.trc"), cf), MissatgeNoPucDesar);
}

TEST_F(Fitxers, SavingThroughALinkWritesTheFileItNames) {
    const std::string real = Cami("real.trc");
    { std::ofstream(real) << "vell"; }
    fs::create_symlink(real, dir_ / "enllac.trc");
    ConjuntFuncions cf;
    ASSERT_EQ(DesarDocument(Cami("enllac.trc"), cf), 0);
    EXPECT_TRUE(fs::is_symlink(dir_ / "enllac.trc"));
    EXPECT_EQ(Contingut(real).substr(0, 8), "Tracim 3");
}

TEST_F(Fitxers, FilesThatCannotBeReadLeaveTheSetUnchanged) {
    const std::string trencat = Cami("trencat.trc");
    { std::ofstream(trencat, std::ios::binary) << "Tracim 3\r\nCATAL\xC0\r\n-7.5\r\n"; }
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
