// Curves from the column samples (colours by order of the defined slots, breaks,
// point discs), the result overlay (red segments, hatching fill, green curve,
// labels, status line), the clearing of the results and the repaint order.
#include "Bastida.h"

#include "engine/UnitCalcular.h"

#include <gtest/gtest.h>

namespace tracima {
namespace {

using namespace prova;

// The set with `textos` in slots F..K, applied on the axes given.
void Aplicar(Banc& b, const std::array<const char*, 6>& textos,
             const EixosFuncions& e = Eixos(-5, 5, 1, -5, 5, 1)) {
    ConjuntFuncions& cf = b.estat.Funcions;
    for (std::size_t i = 0; i < 6; ++i)
        cf.Slots[i].Text = textos[i];
    cf.Eixos = e;
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(cf, calc), 0);
}

TEST(Corbes, ColoursFollowTheOrderOfTheDefinedSlotsNotTheLetter) {
    OpcionsVista o, negre, pissarra, pissarraNegre;
    negre.MenuFuncionsEnNegre = pissarraNegre.MenuFuncionsEnNegre = true;
    pissarra.MenuPissarra = pissarraNegre.MenuPissarra = true;
    const Color esperats[] = {{0, 0, 255},   {0, 255, 0},   {255, 0, 255},
                              {0, 255, 255}, {255, 255, 0}, {0, 0, 0}};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(ColorCorba(k, o), esperats[k - 1]) << k;
        EXPECT_EQ(ColorCorba(k, negre), ColorNegre) << k;
        // Black on the black board is drawn white, so the curve is seen.
        EXPECT_EQ(ColorCorba(k, pissarra), k == 6 ? ColorBlanc : esperats[k - 1]) << k;
        EXPECT_EQ(ColorCorba(k, pissarraNegre), ColorBlanc) << k;
    }
    EXPECT_EQ(ColorEixos(pissarra), ColorGris);
    EXPECT_EQ(ColorEixos(pissarraNegre), ColorBlanc);
    EXPECT_EQ(ColorVerd, (Color{0, 128, 0}));

    Banc b;
    Aplicar(b, {"", "x", "", "", "2", ""}); // G and J
    b.Corbes();
    EXPECT_EQ(b.Linies(ColorBlau).size(), 600u);  // G: y = x stays in rows 20..420
    EXPECT_EQ(b.Linies(ColorLlima).size(), 600u); // J
    EXPECT_TRUE(HiHa(b.Linies(ColorLlima), 20, 140, 21, 140));
    EXPECT_TRUE(b.Linies(ColorFucsia).empty());
    ASSERT_FALSE(b.finestra.titols.empty());
    EXPECT_EQ(b.finestra.titols.back(), "Tracima"); // two functions
}

TEST(Corbes, NotJoinedAcrossUndefinedColumnsOrOutsideTheBand) {
    struct Cas {
        const char* formula;
        int des, fins; // the lines from these columns are missing
    };
    const Cas casos[] = {
        // Column c is x = (c - 320) / 60; the row 220 - 40 / x is inside 0..440
        // exactly when |c - 320| >= 11, so the branches end at 309 and start at 331.
        {"1/x", 309, 330},
        {"x/x", 319, 320}, // 0/0 at column 320 alone: one line lost on each side
    };
    for (const Cas& c : casos) {
        Banc b;
        Aplicar(b, {c.formula, "", "", "", "", ""});
        b.Corbes();
        std::vector<int> inicis, esperats;
        for (int x = 20; x < 620; ++x)
            if (x < c.des || x > c.fins) esperats.push_back(x);
        for (const auto& l : b.Linies(ColorBlau)) {
            inicis.push_back(l.x1);
            EXPECT_EQ(l.x2, l.x1 + 1);
            EXPECT_GE(std::min(l.y1, l.y2), 0);
            EXPECT_LE(std::max(l.y1, l.y2), 440);
        }
        EXPECT_EQ(inicis, esperats) << c.formula;
    }
}

// With one function a repaint leaves the caption alone: the formula, or the
// title of a scan cancelled in its pause dialog.
TEST(Corbes, PointDiscsOfNumericFunctionsAndTheCaptionKept) {
    struct Cas {
        std::string_view etiqueta;
        bool mostrarPunts, nomesPunts, negre;
        int f; // window scale
        bool discos;
        std::size_t linies;
    };
    const Cas casos[] = {
        {EtiquetesRegressio[1], false, false, false, 1, true, 600}, // regression: always
        {EtiquetaInterpolacio, false, false, false, 1, false, 600},
        {EtiquetaInterpolacioLineal, true, false, false, 1, true, 600},
        {EtiquetaInterpolacio, true, true, false, 1, true, 0}, // "Només punts"
        {EtiquetesRegressio[5], false, false, false, 2, true, 600},
        {EtiquetesRegressio[2], false, false, true, 1, true, 600}, // "Funcions en negre"
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(std::string(c.etiqueta) + (c.nomesPunts ? " points only" : ""));
        Banc b(640 * c.f, 460 * c.f);
        // The points (1, 2) and (-2, 0.5); the samples keep the reset state
        // (defined, joined, row 0).
        ConjuntFuncions& cf = b.estat.Funcions;
        cf.Slots[0].Text = c.etiqueta;
        FuncioNumerica& fn = cf.Slots[0].Numerica;
        fn.ValorsX = {1, -2};
        fn.ValorsY = {2, 0.5};
        fn.NombrePunts = 2;
        fn.MostrarPunts = c.mostrarPunts;
        cf.NombreFuncions = 1;
        b.estat.Opcions.MenuNomsPunts = c.nomesPunts;
        b.estat.Opcions.MenuFuncionsEnNegre = c.negre;
        b.finestra.FixarTitolFinestra("Arrels");
        b.Corbes();
        EXPECT_EQ(b.finestra.titols, std::vector<std::string>{"Arrels"});
        const Color color = c.negre ? ColorNegre : ColorBlau;
        const auto discos = b.llenc.DelTipus(Tipus::Ellipse);
        EXPECT_EQ(b.Linies(color).size(), c.linies);
        ASSERT_EQ(discos.size(), c.discos ? 2u : 0u);
        if (!c.discos) continue;
        // (1, 2) is logical (360, 140), (-2, 0.5) is (240, 200); radius 3 pixels
        // at any window size.
        EXPECT_TRUE(HiHa(discos, 360 * c.f - 3, 140 * c.f - 3, 360 * c.f + 3, 140 * c.f + 3));
        EXPECT_TRUE(HiHa(discos, 240 * c.f - 3, 200 * c.f - 3, 240 * c.f + 3, 200 * c.f + 3));
        EXPECT_EQ(discos[0].color, color);
    }
}

// --- Overlay -----------------------------------------------------------------

TEST(Resultats, HatchingIsSolidOnAWiderWindowInBothDirections) {
    struct Cas {
        std::array<int, 3> columnes;
        std::array<bool, 3> omplert;
        int escala;
        std::vector<int> farciment; // pixel columns of the fill lines
    };
    const Cas casos[] = {
        {{100, 101, 102}, {true, true, true}, 3, {301, 302, 304, 305}},
        {{102, 101, 100}, {true, true, true}, 3, {301, 302, 304, 305}},
        {{100, 101, 102}, {false, false, false}, 3, {}},
        {{100, 101, 102}, {true, false, true}, 3, {}},
        {{100, 101, 102}, {true, true, true}, 1, {}},
    };
    for (const Cas& c : casos) {
        SCOPED_TRACE(testing::PrintToString(c.columnes) + testing::PrintToString(c.omplert) +
                     " scale " + std::to_string(c.escala));
        const int f = c.escala;
        Banc b(640 * f, 460 * f);
        for (int i = 0; i < 3; ++i)
            b.estat.Resultats.Segments.Afegir(c.columnes[i], 220, c.columnes[i], 300, c.omplert[i]);
        b.Resultats();
        const auto vermelles = b.Linies(ColorVermell);
        std::vector<int> farciment;
        for (const auto& l : vermelles) {
            EXPECT_TRUE(l.x1 == l.x2 && l.y1 == 220 * f && l.y2 == 300 * f) << l.x1;
            if (l.x1 % f != 0) farciment.push_back(l.x1);
        }
        std::sort(farciment.begin(), farciment.end());
        EXPECT_EQ(vermelles.size(), 3 + c.farciment.size());
        EXPECT_EQ(farciment, c.farciment);
        EXPECT_TRUE(HiHa(vermelles, 100 * f, 220 * f, 100 * f, 300 * f));
    }
}

TEST(Resultats, GreenCurveJoinsValidNeighboursFrom23To618) {
    struct Cas {
        int des, fins; // valid columns, value 1 (row 180)
        bool mostrar, parcial;
        int columnaFinal;
        std::size_t linies;
    };
    const Cas casos[] = {
        {22, 40, true, false, 0, 17},  // lines ending at 24..40
        {610, 620, true, false, 0, 8}, // 611..618
        {22, 40, true, true, 30, 7},   // partial: 24..30
        {22, 40, false, false, 0, 0},  // hidden
    };
    for (const Cas& c : casos) {
        Banc b;
        b.estat.Funcions.Eixos = Eixos(-7.5, 7.5, 1, -5, 5, 2); // rows by 80 / 2
        CorbaResultat& corba = b.estat.Resultats.Corba;
        for (int col = c.des; col <= c.fins; ++col)
            corba.Fixar(col, 1);
        corba.MostrarCorbaResultat = c.mostrar;
        corba.CorbaParcial = c.parcial;
        corba.ColumnaFinalCorba = c.columnaFinal;
        b.Resultats();
        const auto verdes = b.Linies(ColorVerd);
        EXPECT_EQ(verdes.size(), c.linies) << c.des << ", partial " << c.parcial;
        for (const auto& l : verdes) {
            EXPECT_EQ(l.y1, 180);
            EXPECT_EQ(l.x2, l.x1 + 1);
        }
    }
}

TEST(Resultats, LabelsAboveOrBelowTheirRowAndTheSingularPointsOption) {
    struct Cas {
        int f; // window scale
        int columna, fila;
        int x, y;
        bool mostrar; // "Mostrar els punts singulars": unchecked, they are kept, not drawn
    };
    const Cas casos[] = {
        {1, 360, 180, 360, 178, true}, // above the axis row 220: 2 pixels up
        {1, 360, 260, 360, 262, true}, // below: 2 pixels down
        {1, 300, 220, 300, 222, true}, // on the axis counts as below
        {2, 360, 260, 720, 522, true}, // the 2-pixel gap does not scale
        {1, 360, 180, 0, 0, false},
    };
    for (const Cas& c : casos) {
        Banc b(640 * c.f, 460 * c.f);
        b.estat.Resultats.Etiquetes.Afegir(c.columna, c.fila, "x = 1");
        b.estat.Opcions.MenuMostrarElsPuntsSingulars = c.mostrar;
        b.Resultats();
        ASSERT_EQ(b.Textos().size(), c.mostrar ? 1u : 0u);
        if (!c.mostrar) continue;
        EXPECT_TRUE(HiHaText(b.Textos(), "x = 1", c.x, c.y)) << c.fila << ", " << c.f;
    }
}

TEST(Resultats, EntriesBeyondTheCountsAreNotRead) {
    Banc b;
    b.estat.Resultats.Etiquetes.Afegir(360, 180, "x = 1");
    for (const int index : {-1, 1})
        EXPECT_EQ(DibuixarEtiqueta(b.llenc, b.estat.Resultats, index, b.estat.Funcions.Eixos,
                                   b.estat.Opcions, b.estat.Vista),
                  1);
    EXPECT_TRUE(b.llenc.crides.empty());
    b.estat.Resultats.Segments.nombre = 100000;
    b.estat.Resultats.Etiquetes.nombre = -3;
    b.Resultats();
    EXPECT_EQ(b.Linies(ColorVermell).size(), static_cast<std::size_t>(CapacitatResultats));
    EXPECT_TRUE(b.Textos().empty());
}

// --- Clearing and repaint ----------------------------------------------------

void OmplirResultats(EstatResultats& r) {
    r.AnalisiActiva = AnalisiArrels;
    r.Segments.Afegir(100, 216, 100, 224, true);
    r.Etiquetes.Afegir(100, 220, "-2");
    r.Corba.Fixar(50, 3);
    r.Corba.Fixar(51, 3);
    r.Corba.MostrarCorbaResultat = true;
    r.Corba.CorbaParcial = true;
    r.TextEstat = "Arrels";
    r.PausaDemanada = true;
    r.AturarCalcul = true;
    r.PrecisioX = r.PrecisioY = 0;
}

TEST(Netejar, ClearsTheOverlaySetsThePrecisionsAndRepaints) {
    Banc b;
    Aplicar(b, {"x^2", "", "", "", "", ""}, Eixos(-10, 10, 1, -5, 5, 1));
    EstatResultats& r = b.estat.Resultats;
    OmplirResultats(r);
    NetejarResultats(r, b.estat.Funcions, b.finestra);
    EXPECT_EQ(r.AnalisiActiva, AnalisiCap);
    EXPECT_FALSE(r.Corba.MostrarCorbaResultat || r.Corba.CorbaParcial || r.PausaDemanada ||
                 r.AturarCalcul);
    EXPECT_EQ(r.Segments.nombre, 0);
    EXPECT_FALSE(r.Segments.entrades[0].omplert);
    EXPECT_EQ(r.Segments.entrades[0].x1, 0);
    EXPECT_EQ(r.Etiquetes.nombre, 0);
    EXPECT_TRUE(r.Etiquetes.entrades[0].text.empty());
    EXPECT_TRUE(r.TextEstat.empty());
    // X -10..10: one column is 20/600 wide; Y -5..5: one row is 10/400 high.
    EXPECT_DOUBLE_EQ(r.PrecisioX, 0.0333333);
    EXPECT_DOUBLE_EQ(r.PrecisioY, 0.025);
    EXPECT_EQ(b.finestra.panellsAmagats, 1);
    EXPECT_EQ(b.finestra.repintats, 1);
    EXPECT_EQ(b.finestra.titols, std::vector<std::string>{"x^2"}); // the single function

    Aplicar(b, {"x", "", "x+1", "", "", ""});
    NetejarResultats(r, b.estat.Funcions, b.finestra);
    EXPECT_EQ(b.finestra.titols.back(), "Tracima");
}

TEST(Repintar, BackgroundAxesCurvesThenOverlay) {
    Banc b;
    Aplicar(b, {"x", "", "", "", "", ""});
    OmplirResultats(b.estat.Resultats);
    b.Repintar();
    // One letter per run of calls: background, grey, blue, red and green lines,
    // texts (the label, then the status line).
    std::string ordre;
    for (const auto& k : b.llenc.crides) {
        const char c = k.tipus == Tipus::Rectangle ? 'R'
                       : k.tipus == Tipus::Text    ? 't'
                       : k.color == ColorGris      ? 'g'
                       : k.color == ColorBlau      ? 'b'
                       : k.color == ColorVermell   ? 'r'
                       : k.color == ColorVerd      ? 'v'
                                                   : '?';
        if (ordre.empty() || ordre.back() != c) ordre += c;
    }
    EXPECT_EQ(ordre, "Rgbrvt");
    EXPECT_TRUE(HiHa(b.llenc.crides, 0, 0, 640, 460));
    EXPECT_EQ(b.llenc.crides[0].color, ColorBlanc);
    const Crida& estat = b.llenc.crides.back();
    EXPECT_TRUE(HiHaText({estat}, "Arrels", 10, 440)); // 20 pixels above the bottom
    EXPECT_EQ(estat.color, ColorNegre);
    EXPECT_EQ(estat.fons, ColorBlanc);
    EXPECT_TRUE(b.finestra.titols.empty()); // one function: the caption is left alone
}

TEST(Repintar, HiddenAxesKeepTheCurvesAndTheVerticalAxisComesBack) {
    Banc b;
    Aplicar(b, {"x", "", "", "", "", ""});
    b.Repintar();
    const auto abans = b.Linies(ColorBlau);
    b.estat.Opcions.MenuTreureElsEixos = true;
    b.Repintar();
    EXPECT_TRUE(b.Linies(ColorGris).empty());
    EXPECT_TRUE(b.Textos().empty());
    const auto despres = b.Linies(ColorBlau);
    ASSERT_EQ(abans.size(), despres.size());
    for (std::size_t i = 0; i < abans.size(); ++i)
        EXPECT_EQ(abans[i].y1, despres[i].y1);

    b.estat.Opcions.MenuTreureElsEixos = false;
    b.estat.Vista.DibuixarEixY = false; // a cut lies on the vertical axis column
    b.Repintar();
    EXPECT_FALSE(HiHa(b.Linies(ColorGris), 320, 20, 320, 420));
    EXPECT_TRUE(b.estat.Vista.DibuixarEixY);
    b.Repintar();
    EXPECT_TRUE(HiHa(b.Linies(ColorGris), 320, 20, 320, 420));
}

TEST(Repintar, BlackBoardBlackDrawingAndADoubleSizeWindow) {
    Banc b;
    Aplicar(b, {"x", "", "", "", "", ""});
    b.estat.Opcions.MenuPissarra = true;
    b.estat.Opcions.MenuFuncionsEnNegre = true;
    b.estat.Opcions.MenuMostrarValorUnitatEixos = true;
    b.estat.Resultats.TextEstat = "Arrels";
    b.estat.Resultats.Etiquetes.Afegir(360, 180, "x = 1");
    b.llenc.FixarMida(1280, 920);
    b.Repintar();
    EXPECT_TRUE(HiHa(b.llenc.crides, 0, 0, 1280, 920));
    EXPECT_EQ(b.llenc.crides[0].color, ColorNegre);
    EXPECT_EQ(b.estat.Vista.EscalaX, 2.0);
    EXPECT_EQ(b.estat.Vista.EscalaY, 2.0);
    EXPECT_EQ(b.estat.Vista.AlcadaClient, 920);
    EXPECT_TRUE(b.Linies(ColorGris).empty());
    EXPECT_TRUE(b.Linies(ColorBlau).empty());
    EXPECT_TRUE(HiHa(b.Linies(ColorBlanc), 40, 440, 1240, 440));
    EXPECT_TRUE(HiHa(b.Linies(ColorBlanc), 40, 840, 42, 839)); // y = x from (20, 420)
    // Ticks: one more pixel after scaling (Y tick on row 180, X tick on column 380).
    EXPECT_TRUE(HiHa(b.Linies(ColorBlanc), 636, 360, 645, 360));
    EXPECT_TRUE(HiHa(b.Linies(ColorBlanc), 760, 436, 760, 445));
    // Unit labels: the 8-pixel character estimate and the 6-pixel offset do
    // not scale ("-1" of row 260 at 316 * 2 - 16, 260 * 2 - 6); nor does the strip.
    const auto textos = b.Textos();
    EXPECT_TRUE(HiHaText(textos, "-1", 616, 514));
    EXPECT_TRUE(HiHaText(textos, "1", 755, 452)); // column 380: (380 - 2.5) * 2
    EXPECT_TRUE(HiHaText(textos, "Arrels", 10, 900));
    for (const auto& t : textos) { // black drawing on the black board is white, texts too
        EXPECT_EQ(t.color, ColorBlanc) << t.text;
        EXPECT_EQ(t.fons, ColorNegre) << t.text;
    }

    b.llenc.FixarMida(320, -5); // a collapsed window maps everything to 0
    b.Repintar();
    EXPECT_EQ(b.estat.Vista.EscalaX, 0.5);
    EXPECT_EQ(b.estat.Vista.EscalaY, 0.0);
    EXPECT_EQ(b.estat.Vista.AlcadaClient, 0);
}

TEST(Repintar, LineWidthAppliesToAxesCurvesAndResultsButNotTheGrid) {
    Banc b;
    Aplicar(b, {"x", "", "", "", "", ""});
    OpcionsVista& o = b.estat.Opcions;
    EXPECT_EQ(DisminuirGruixLinies(o), 1);
    EXPECT_EQ(o.GruixLinies, 1);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(AugmentarGruixLinies(o), 0);
    EXPECT_EQ(o.GruixLinies, 6);
    b.estat.Resultats.Segments.Afegir(100, 200, 100, 240);
    for (const bool trama : {false, true}) {
        o.MenuTrama = trama;
        b.Repintar();
        for (const auto& l : b.llenc.DelTipus(Tipus::Linia)) {
            const bool puntejada = l.color == ColorGris && l.estil == EstilLlapis::Puntejat;
            EXPECT_EQ(l.gruix, puntejada ? 1 : 6) << trama;
        }
        EXPECT_EQ(b.Linies(ColorVermell).size(), 1u);
    }
}

} // namespace
} // namespace tracima
