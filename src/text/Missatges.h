// The interface languages: the message table (301 numbered slots), the program
// title, the caption sets of the menus and dialogs, and the language switch.
// Catalan, Spanish and English carry texts; the three other languages only move
// the check mark of the language menu.
#pragma once

#include <array>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace tracima {

// The six items of the language menu, in menu order.
enum class Llengua : int {
    Catala = 0,
    Castella = 1,
    Euskera = 2,
    Galec = 3,
    Portugues = 4,
    Angles = 5,
};
constexpr int NombreLlengues = 6;

// The languages that carry texts, in the order of the columns of every text table.
// A fourth language with texts is one more entry here and one more column there.
inline constexpr Llengua LlenguesAmbTextos[] = {Llengua::Catala, Llengua::Castella,
                                                Llengua::Angles};
constexpr int NombreLlenguesAmbTextos = static_cast<int>(std::size(LlenguesAmbTextos));

// The column of a language's texts; -1 for a language without texts.
constexpr int ColumnaDeTextos(Llengua llengua) {
    for (int i = 0; i < NombreLlenguesAmbTextos; ++i)
        if (LlenguesAmbTextos[i] == llengua) return i;
    return -1;
}

// One text in each language with texts, in column order.
using TextTraduit = std::array<std::string_view, NombreLlenguesAmbTextos>;

// The entry of a per-language array for `llengua` (the Catalan one for a language
// without texts). The array's size is checked when it is passed.
template <class T>
constexpr const T& EnLlengua(const T (&textos)[NombreLlenguesAmbTextos], Llengua llengua) {
    const int columna = ColumnaDeTextos(llengua);
    return textos[columna < 0 ? 0 : columna];
}
constexpr std::string_view EnLlengua(const TextTraduit& text, Llengua llengua) {
    const int columna = ColumnaDeTextos(llengua);
    return text[static_cast<std::size_t>(columna < 0 ? 0 : columna)];
}

// The language a first start takes when the settings file names none, from the
// desktop's locale: the first of LC_ALL, LC_MESSAGES and LANG that is set and not
// empty; "ca..." Catalan, "es..." Spanish, "en..." English, anything else Catalan.
Llengua LlenguaDelSistema(const char* lcAll, const char* lcMessages, const char* lang);

// The value stored under "Llengua" in the settings file: "Catala", "Castellano",
// "Euskera", "Galego", "Portugues" or "English". Empty for a value outside the enum.
std::string_view NomLlenguaConfiguracio(Llengua llengua);

// Reads a settings value (exact, case-sensitive). Returns 0 and sets `llengua`,
// or 1 when the text names none of the six (then `llengua` is left unchanged).
int LlenguaDeConfiguracio(std::string_view valor, Llengua& llengua);

// objectName of the language's menu item: "MenuCatala", "MenuCastellano",
// "MenuEuskera", "MenuGalego", "MenuPortugues", "MenuEnglish" (empty if invalid).
std::string_view ComponentLlengua(Llengua llengua);

// --- Message table -----------------------------------------------------------

constexpr int NombreSlots = 301;       // slots 0..300
constexpr int SlotsDeLaLlengua = 251;  // the switch fills 0..250

// Result texts, status texts and input checks of the analyses.
constexpr int MissatgeNoTeImatge = 0;        // "NO té imatge"
constexpr int MissatgeForaDeLaPantalla = 1;  // "Fora de la pantalla"
constexpr int MissatgeIntegralNoDefinida = 13;
constexpr int MissatgeValorNoNumeric = 15;   // a typed value that is not a number
constexpr int MissatgeXMassaPetit = 16;
constexpr int MissatgeXMassaGran = 17;
constexpr int MissatgeXInicialMassaPetit = 18;
constexpr int MissatgeXInicialMassaGran = 19;
constexpr int MissatgeXFinalMassaPetit = 20;
constexpr int MissatgeXFinalMassaGran = 21;
constexpr int MissatgeFuncioNoDefinidaXInicial = 22;  // definite and line integral
constexpr int MissatgeFuncioNoDefinidaXFinal = 23;
constexpr int MissatgeFuncioNoDefinidaEnX = 27;
// Heading of an integral's result text: slot BaseEncapcalamentIntegral + AnalisiActiva
// (28 definite integral, 29 line integral); the area's heading is slot 34.
constexpr int BaseEncapcalamentIntegral = 19;
constexpr int MissatgeIntegralDefinidaEntre = 28;
constexpr int MissatgeIntegralDeLiniaEntre = 29;
constexpr int MissatgePrimeraNoDefinidaXInicial = 30;
constexpr int MissatgePrimeraNoDefinidaXFinal = 31;
constexpr int MissatgeSegonaNoDefinidaXInicial = 32;
constexpr int MissatgeSegonaNoDefinidaXFinal = 33;
constexpr int MissatgeAreaEntre = 34;
constexpr int MissatgePrimeraNoDefinidaEnX = 35;
constexpr int MissatgeSegonaNoDefinidaEnX = 36;
constexpr int MissatgeNoDefinitPrimera = 37;
constexpr int MissatgeNoDefinitSegona = 38;
constexpr int MissatgeLimitInfinit = 48;     // "lim = infinit"
// Title of an analysis: slot BaseTitolsAnalisi + AnalisiActiva (51..70, 70 the study of a
// function; 50 is "TRACIMA").
constexpr int BaseTitolsAnalisi = 50;
constexpr int MissatgeNoTeDerivada = 80;
constexpr int MissatgeNoTeDerivadaSegona = 81;
constexpr int MissatgePosDisInfinita = 89;   // "Pos. dis. infinita"

// Names of the engine's codes: evaluation code k in slot 100 + k (k = 0..4),
// compile code k in slot 110 + k (k = 0..10; Catalan has no text for 2..10).
constexpr int BaseCodisAvaluacio = 100;
constexpr int BaseCodisCompilacio = 110;

constexpr int MissatgeGuiaNoOberta = 170;      // the guide exists but no browser opened it
constexpr int MissatgeCopiarALaCarpeta = 171;  // title of the regression equation box
constexpr int MissatgeDesarCanvis = 172;       // unsaved work before it would be lost
constexpr int MissatgeMidaImatge = 173;        // the size asked for an exported picture
constexpr int MissatgeMidaImatgeLimits = 174;  // an exported picture's size out of range
constexpr int MidaMaximaImatge = 8000;
constexpr int MissatgeFitxerCanviat = 175; // the document's file changed since it was read
constexpr int MissatgeFila = 176; // "fila", naming a row of the point grid         // pixels, each
                                  // side, of an exported picture
constexpr int MissatgeSenseGuia = 177;         // the user's guide is nowhere to be found
constexpr int MissatgeOrigenEixX = 178;        // "Origen eix X = "
constexpr int MissatgeFinalEixX = 179;
constexpr int MissatgeOrigenEixY = 180;
constexpr int MissatgeFinalEixY = 181;
constexpr int MissatgeCoeficientCorrelacio = 182;

constexpr int MissatgeErrorXInicial = 200;
constexpr int MissatgeErrorXFinal = 201;
constexpr int MissatgeNoPucObrir = 202;
constexpr int MissatgeNoPucDesar = 203;
constexpr int MissatgeMassaPunts = 204;       // the overlay lists are full
constexpr int MissatgeErrorEnX = 205;
constexpr int MissatgeYMassaPetit = 206;
constexpr int MissatgeYMassaGran = 207;

// Data entry dialog.
constexpr int MissatgeErrorOrigenEixX = 208;
constexpr int MissatgeErrorFinalEixX = 209;
constexpr int MissatgeOrigenXNoMenor = 210;
constexpr int MissatgeUnitatXNoPositiva = 211;
constexpr int MissatgeErrorUnitatEixX = 212;
constexpr int MissatgeErrorOrigenEixY = 213;
constexpr int MissatgeErrorFinalEixY = 214;
constexpr int MissatgeOrigenYNoMenor = 215;
constexpr int MissatgeUnitatYNoPositiva = 216;
constexpr int MissatgeErrorUnitatEixY = 217;
// "La funció F(x) té un error de sintaxis": slot BaseErrorSintaxiFuncio + i, i = 0..5 (F..K).
constexpr int BaseErrorSintaxiFuncio = 218;

// Point tables and regression.
constexpr int MissatgeEsborrarDades = 224;
constexpr int MissatgeEnganxarDades = 225;
constexpr int MissatgeCarpetaSenseText = 226;
constexpr int MissatgeErrorCella = 228;
constexpr int MissatgeXNoCreixent = 229;
constexpr int MissatgeMinimDosParells = 230;
constexpr int MissatgeCellesAillades = 231;
constexpr int MissatgeMinimTresParells = 232;
constexpr int MissatgeRegressioLineal = 233;
constexpr int MissatgeQuadraticaValorAbsolut = 234;
constexpr int MissatgeQuadraticaNoCalculable = 236;
constexpr int MissatgeExponencialXAbsolut = 237;
constexpr int MissatgeExponencialYMenor = 238;
constexpr int MissatgeExponencialYPositiva = 239;
constexpr int MissatgeExponencialAjust = 240;
constexpr int MissatgePotencialPositiu = 241;
constexpr int MissatgePotencialAjust = 242;
constexpr int MissatgeInversaAjust = 243;

constexpr int MissatgeAssociarExtensio = 244;
constexpr int MissatgeTitolAntiimatge = 245;   // caption of the anti-image input box
constexpr int MissatgeValorY = 246;            // its prompt
constexpr int MissatgeTitolFuncioIntegral = 247;
constexpr int MissatgeValorInicialX = 248;
constexpr int MissatgeModificarExtrems = 249;
constexpr int MissatgeCanviDeParametres = 250;

// Texts that are not slots: Catalan and Spanish show the same (Catalan or Spanish)
// text, English its own.
enum class TextFix : int {
    NoTeImatge, // the point panel
    NoTeImatgeNiDerivada,
    ForaDeLaPantalla,
    LimitsIntegralDefinida, // captions of the integral limits bar
    LimitsIntegralLinia,
    LimitsArea,
    ErrorDeLaX, // the pixel error box: "Error de la x = "
    ErrorDeLaY,
    CapcaleraCorrelacioError, // heading of the models in the coefficients' copy
    ILimits,                  // between the two limits of an integral's result: " i "
};

// --- Captions ----------------------------------------------------------------

// objectNames of the windows that own captions. A window's own caption is the
// entry whose component equals the window's name (the main window's is the program
// title; the integral bar's is set by each command). A label is named "Label" plus
// the name of the box it labels ("LabelOEX", "LabelIncrement", "LabelF"); labels the
// program rewrites at run time ("LabelX", "PanelImatgeDerivadaLabelY") have no entry.
inline constexpr std::string_view FormPrincipal = "FormPrincipal";
inline constexpr std::string_view FormEntradaDeDades = "FormEntradaDeDades";
inline constexpr std::string_view FormCanviDeParametres = "FormCanviDeParametres";
inline constexpr std::string_view FormCoeficients = "FormCoeficients";
inline constexpr std::string_view FormEstudi = "FormEstudi"; // the report of a function study
inline constexpr std::string_view FormIntegrals = "FormIntegrals";
inline constexpr std::string_view FormNumericaInterpolacio = "FormNumericaInterpolacio";
inline constexpr std::string_view FormNumericaRegressio = "FormNumericaRegressio";
inline constexpr std::string_view FormPuntsSingulars = "FormPuntsSingulars";
inline constexpr std::string_view FormQuinaEsNumerica = "FormQuinaEsNumerica";
inline constexpr std::string_view FormUnaFuncio = "FormUnaFuncio";  // fixed captions only

// One caption in the current language: window objectName, widget objectName, text.
struct TitolComponent {
    std::string_view formulari;
    std::string_view component;
    std::string_view text;
};

// The message table, the program title, the captions and the checked language.
// A new table is in Catalan with the Catalan item checked (the start-up state).
class TaulaMissatges {
public:
    TaulaMissatges();

    // The text of a slot in the language last loaded; empty for a slot outside
    // 0..300 or one that no language fills.
    std::string_view Missatge(int slot) const;
    // A fixed text in the language last loaded.
    std::string_view Text(TextFix text) const;

    // Title of every message box and of the main window: "Tracima".
    std::string_view TitolPrograma() const { return titolPrograma_; }

    // The language handlers. A language with texts checks its item and loads its
    // captions, title and messages; the other three only move the check mark.
    // Returns 0, or 1 for a value outside the enum (nothing changes).
    int CanviarLlengua(Llengua llengua);

    // Start-up: applies the value read from the settings file. Catalan is loaded
    // first, so texts exist whatever the file names; a value that names none of
    // the six (wrong case, garbage) leaves Catalan checked. Returns 0 when the
    // value named a language, 1 otherwise.
    int IniciarLlengua(std::string_view valorConfiguracio);

    // The checked language item (what is written back to the settings file).
    Llengua LlenguaActual() const { return marcada_; }
    bool Marcada(Llengua llengua) const { return llengua == marcada_; }
    // The language of the loaded texts: always one of LlenguesAmbTextos.
    Llengua LlenguaDelsTextos() const { return textos_; }

    // Caption of a widget of a window in the language last loaded; empty when the
    // pair has no caption. Fixed captions (language items, "&?", ...) are included.
    std::string_view Titol(std::string_view formulari, std::string_view component) const;
    // Shorthand for the main window's menu items and controls.
    std::string_view TitolMenu(std::string_view component) const {
        return Titol(FormPrincipal, component);
    }
    // Every caption of one window (all windows when `formulari` is empty).
    std::vector<TitolComponent> Titols(std::string_view formulari = {}) const;

private:
    void CarregarTextos(Llengua textos);

    std::array<std::string_view, NombreSlots> slots_{};
    std::string_view titolPrograma_;
    Llengua marcada_ = Llengua::Catala;
    Llengua textos_ = Llengua::Catala;
};

} // namespace tracima
