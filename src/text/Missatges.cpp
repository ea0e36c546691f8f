#include "text/Missatges.h"

#include "text/Llengues.h"

namespace tracima {
namespace {

struct TextSlot {
    int slot;
    TextTraduit text;
};

// Every slot the program reads. Trailing and doubled blanks belong to the texts:
// many are concatenated with numbers or names. The Catalan set has no names for
// compile codes 2..10 (slots 112..120); compile code 6 does not exist.
constexpr TextSlot TextosSlots[] = {
    {0, {"NO té imatge", "NO tiene imagen", "NO image"}},
    {1, {"Fora de la pantalla", "Fuera de la pantalla", "Off screen"}},
    {13,
     {"NO té imatge, la funció integral no està ben definida",
      "NO tiene imagen, la función integral no está bien definida",
      "NO image: the integral function is not well defined"}},
    {15,
     {"El valor escrit no és un número.", "El valor escrito no es un número.",
      "The value entered is not a number."}},
    {16, {"Valor de la x massa petit.", "Valor de x demasiado pequeño", "X value too small."}},
    {17, {"Valor de la x massa gran.", "Valor de x demasiado grande", "X value too large."}},
    {18,
     {"Valor inicial de la x massa petit.", "Valor inicial de x demasiado pequeño",
      "Initial X value too small."}},
    {19,
     {"Valor inicial de la x massa gran.", "Valor inicial de x demasiado grande",
      "Initial X value too large."}},
    {20,
     {"Valor final de la x massa petit.", "Valor final de x demasiado pequeño",
      "Final X value too small."}},
    {21,
     {"Valor final de la x massa gran.", "Valor final de x demasiado grande",
      "Final X value too large."}},
    {22,
     {"La funció NO està definida pel valor de la x inicial.",
      "La función NO está definida en el valor x inicial",
      "The function is NOT defined at the initial X value."}},
    {23,
     {"La funció NO està definida pel valor de la x final.",
      "La función NO está definida en el valor x final",
      "The function is NOT defined at the final X value."}},
    {27,
     {"La funció NO està definida per aquest valor de la x.",
      "La función NO está definida para este valor de x",
      "The function is NOT defined at this X value."}},
    {28, {"Integral definida entre ", "Integral definida entre ", "Definite integral between "}},
    {29, {"Integral de línia entre ", "Integral de línea entre ", "Arc length between "}},
    {30,
     {"La primera funció NO està definida pel valor de la x inicial.",
      "La primera función NO está definida para el valor x inicial",
      "The first function is NOT defined at the initial X value."}},
    {31,
     {"La primera funció NO està definida pel valor de la x final.",
      "La primera función NO está definida para el valor x final",
      "The first function is NOT defined at the final X value."}},
    {32,
     {"La segona funció NO està definida pel valor de la x inicial",
      "La segunda función NO está definida para el valor x inicial",
      "The second function is NOT defined at the initial X value"}},
    {33,
     {"La segona funció NO està definida pel valor de la x final",
      "La segunda función NO está definida para el valor x final",
      "The second function is NOT defined at the final X value"}},
    {34, {"Àrea entre ", "Área entre ", "Area between "}},
    {35,
     {"La primera funció NO està definida per aquest valor de la x",
      "La primera función NO está definida para este valor de x",
      "The first function is NOT defined at this X value"}},
    {36,
     {"La segona funció NO està definida per aquest valor de la x",
      "La segunda función NO está definida para este valor de x",
      "The second function is NOT defined at this X value"}},
    {37,
     {"NO està definit per a la primera funció", "NO está definido por la primera función",
      "NOT defined for the first function"}},
    {38,
     {"NO està definit per a la segona funció", "NO está definido por la segunda función",
      "NOT defined for the second function"}},
    {48, {"lim = infinit", "lim = infinito", "lim = infinity"}},
    {50, {"TRACIMA", "TRACIMA", "TRACIMA"}},
    {51,
     {"Imatge de la funció en un punt", "Imagen de la función en un punto",
      "Image of the function at a point"}},
    {52, {"Antiimatges del ", "Antiimágenes del ", "Preimages of "}},
    {53, {"Arrels", "Raíces", "Roots"}},
    {54, {"Discontinuïtats aïllades", "Discontinuidades aisladas", "Isolated discontinuities"}},
    {55, {"Màxims", "Máximos", "Maxima"}},
    {56, {"Mínims", "Mínimos", "Minima"}},
    {57, {"Punts d'inflexió", "Puntos de inflexión", "Inflection points"}},
    {58,
     {"Derivada de la funció en un punt", "Derivada de la función en un punto",
      "Derivative of the function at a point"}},
    {59, {"Integral definida", "Integral definida", "Definite integral"}},
    {60, {"Integral de línia", "Integral de línea", "Arc length"}},
    {61, {"Intervals de creixement", "Intervalos de crecimiento", "Intervals of increase"}},
    {62, {"Intervals de decreixement", "Intervalos de decrecimiento", "Intervals of decrease"}},
    {63, {"Intervals de concavitat", "Intervalos de concavidad", "Concave up intervals"}},
    {64, {"Intervals de convexitat", "Intervalos de convexidad", "Concave down intervals"}},
    {65, {"Funció derivada", "Función derivada", "Derivative function"}},
    {66, {"Funció derivada segona", "Función derivada segunda", "Second derivative"}},
    {67, {"Funció Integral", "Función Integral", "Integral function"}},
    {68, {"Punts de tall", "Puntos de corte", "Intersection points"}},
    {69, {"Àrea compresa", "Área comprendida", "Area between the graphs"}},
    {70, {"Estudi de la funció", "Estudio de la función", "Function study"}},
    {80, {"No té derivada", "No tiene derivada", "No derivative"}},
    {81, {"No té derivada segona", "No tiene segunda derivada", "No second derivative"}},
    {89, {"Pos. dis. infinita", "Pos. dis. infinito", "Possible asymptote"}},
    {100, {"Error de càlcul", "Error de cálculo ", "Calculation error"}},
    {101, {"Divisió entre 0", "División por 0", "Division by 0"}},
    {102,
     {"Arrel de base negativa i índex parell (pot ésser una arrel quadrada d´un número negatiu)",
      "Raiz de base negativa y índice par (puede ser una raiz cuadrada de un númer negativo)",
      "Even root of a negative number (it may be the square root of a negative number)"}},
    {103,
     {"Logaritme d'un número negatiu", "Logaritmo de un número negativo",
      "Logarithm of a negative number"}},
    {104, {"(Overflow)", "Desbordamiento (Overflow)", "Overflow"}},
    {110, {"Error de Sintaxi", "Error de Sintaxis", "Syntax error"}},
    {111,
     {"Hi ha massa parèntesis tancats", "Demasiados paréntesis cerrados",
      "Too many closing brackets"}},
    {112, {"", "Expresión desconocida", "Unknown expression"}},
    {113, {"", "Expresión desconocida", "Unknown expression"}},
    {114, {"", "Quedan paréntesis por cerrar", "Some brackets are not closed"}},
    {115,
     {"", "Combinación de operaciones o funciones no permitida",
      "Combination of operations or functions not allowed"}},
    {117, {"", "No hay ninguna expresión introducida", "No expression has been entered"}},
    {118, {"", "Expresión demasiado larga", "Expression too long"}},
    {119, {"", "Expresión numérica demasiado larga", "Numeric expression too long"}},
    {120, {"", "Expresión numérica errónea", "Invalid numeric expression"}},
    {170,
     {"No s'ha pogut obrir la guia d'ús al navegador. És a: ",
      "No se ha podido abrir la guía de uso en el navegador. Está en: ",
      "The user's guide could not be opened in the browser. It is at: "}},
    {171, {"Copiar  a la carpeta?", "¿Copiar en el portapapeles?", "Copy to the clipboard?"}},
    {172,
     {"Les funcions o els eixos han canviat des que es van desar. Vols desar els canvis?",
      "Las funciones o los ejes han cambiado desde que se guardaron. ¿Quieres guardar los cambios?",
      "The functions or the axes have changed since they were saved. Do you want to save the "
      "changes?"}},
    {173,
     {"Mida de la imatge en píxels (amplada x alçada):",
      "Tamaño de la imagen en píxeles (ancho x alto):",
      "Picture size in pixels (width x height):"}},
    {174,
     {"La imatge ha de fer entre 1 i 8000 píxels d'amplada i d'alçada.",
      "La imagen debe medir entre 1 y 8000 píxeles de ancho y de alto.",
      "The picture must be between 1 and 8000 pixels wide and high."}},
    {175,
     {"Un altre programa ha canviat el fitxer des que es va obrir o desar. Vols escriure-hi a "
      "sobre?",
      "Otro programa ha cambiado el archivo desde que se abrió o se guardó. ¿Quieres escribir "
      "encima?",
      "Another program has changed the file since it was opened or saved. Do you want to overwrite "
      "it?"}},
    {176, {"fila", "fila", "row"}},
    {177,
     {"No es troba la guia d'ús: el programa no està instal·lat amb la seva documentació.",
      "No se encuentra la guía de uso: el programa no está instalado con su documentación.",
      "The user's guide cannot be found: the program is not installed with its documentation."}},
    {178, {"Origen eix X = ", "Origen eje X = ", "X axis start = "}},
    {179, {"Final eix X = ", "Final eje X    = ", "X axis end = "}},
    {180, {"Origen eix Y = ", "Origen eje Y = ", "Y axis start = "}},
    {181, {"Final eix Y = ", "Final eje Y    = ", "Y axis end = "}},
    {182,
     {"Coeficient de correlació : ", "Coeficiente de Correlación : ", "Correlation coefficient: "}},
    {200,
     {"Error de càlcul en la X inicial", "Error de cálculo en la X inicial",
      "Calculation error in the initial X"}},
    {201,
     {"Error de càlcul en la X final", "Error de cálculo en la X final",
      "Calculation error in the final X"}},
    {202, {"No puc obrir el fitxer", "No puedo abrir el archivo", "Cannot open the file"}},
    {203, {"No puc desar el fitxer", "No puedo guarar el archivo", "Cannot save the file"}},
    {204,
     {"No és possible dibuixar més punts. Netejar  la finestra.",
      "No es posible dibuijar más puntos. Limpiar la ventana.",
      "No more points can be drawn. Clear the window."}},
    {205, {"Error de càlcul en la X", "Error de cálculo en la X", "Calculation error in X"}},
    {206, {"Valor de la y massa petit", "Valor de la y demasiado pequeño", "Y value too small"}},
    {207, {"Valor de la y massa gran", "Valor de la y demasiado grande", "Y value too large"}},
    {208,
     {"Error de càlcul en l'Origen Eix X", "Error de cálculo en el Origen Eje X",
      "Calculation error in the X axis start"}},
    {209,
     {"Error de càlcul en el Final Eix X", "Error de cálculo en el Final Eje X",
      "Calculation error in the X axis end"}},
    {210,
     {"No pot ser més gran l'Origen Eix X que el Final Eix X",
      "No puede ser mayor el Origen Eje X que el Final Eje X",
      "The X axis start cannot be greater than the X axis end"}},
    {211,
     {"La Unitat Eix X ha de ser més gran que 0", "La Unidad Eje X ha de ser mayor que 0",
      "The X axis unit must be greater than 0"}},
    {212,
     {"Error de càlcul en la Unitat Eix X", "Error de cálculo en la Unidad Eje X",
      "Calculation error in the X axis unit"}},
    {213,
     {"Error de càlcul en l'Origen Eix Y", "Error de cálculo en el Origen Eje Y",
      "Calculation error in the Y axis start"}},
    {214,
     {"Error de càlcul en el Final Eix Y", "Error de cálculo en el Final Eje Y",
      "Calculation error in the Y axis end"}},
    {215,
     {"No pot ser més gran l'Origen Eix Y que el Final Eix Y",
      "No puede ser mayor el Origen Eje Y que el Final Eje Y",
      "The Y axis start cannot be greater than the Y axis end"}},
    {216,
     {"La Unitat Eix Y ha de ser més gran que 0", "La Unidad Eje Y ha de ser mayor que 0",
      "The Y axis unit must be greater than 0"}},
    {217,
     {"Error de càlcul en la Unitat Eix Y", "Error de cálculo en la Unidad Eje Y",
      "Calculation error in the Y axis unit"}},
    {218,
     {"La funció F(x) té un error de sintaxis", "La función F(x) tiene un error de sintaxis",
      "The function F(x) has a syntax error"}},
    {219,
     {"La funció G(x) té un error de sintaxis", "La función G(x) tiene un error de sintaxis",
      "The function G(x) has a syntax error"}},
    {220,
     {"La funció H(x) té un error de sintaxis", "La función H(x) tiene un error de sintaxis",
      "The function H(x) has a syntax error"}},
    {221,
     {"La funció I(x) té un error de sintaxis", "La función I(x) tiene un error de sintaxis",
      "The function I(x) has a syntax error"}},
    {222,
     {"La funció J(x) té un error de sintaxis", "La función J(x) tiene un error de sintaxis",
      "The function J(x) has a syntax error"}},
    {223,
     {"La funció K(x) té un error de sintaxis", "La función K(x) tiene un error de sintaxis",
      "The function K(x) has a syntax error"}},
    {224,
     {"Estàs segur que vols esborrar totes les dades?",
      "¿Estás seguro de querer borrar todos los datos?",
      "Are you sure you want to delete all the data?"}},
    {225,
     {"Estàs segur que vols enganxar les dades de la carpeta? Les dades actuals es perderan.",
      "¿Estás seguro de querer pegar los datos del portapapeles? Los datos actuales se perderán.",
      "Are you sure you want to paste the data from the clipboard? The current data will be "
      "lost."}},
    {226,
     {"No hi ha dades text a la carpeta. No puc enganxar valors.",
      "No hay datos en formato texto en el portapapeles. No puedo pegar valores.",
      "There is no text on the clipboard. Cannot paste values."}},
    {228,
     {"Error de càlcul en la cel.la", "Error de cálculo en la celda",
      "Calculation error in the cell"}},
    {229,
     {"No pot ser un valor de X igual o inferior a l'anterior",
      "No puede haber un valor de X igual o inferior al anterior",
      "Each X value must be greater than the previous one"}},
    {230,
     {"Hi ha d'haver-hi com a mínim dos parells de valors",
      "Debe de haber como mínimo dos pares de valores",
      "There must be at least two pairs of values"}},
    {231,
     {"No pot haver-hi cel.les aïllades escrites", "No puede haber celdas aisladas escritas",
      "There cannot be isolated filled cells"}},
    {232,
     {"Hi ha d'haver-hi com a mínim tres parells de valors",
      "Debe de haber como mínimo tres pares de valores",
      "There must be at least three pairs of values"}},
    {233,
     {"Els valors de la X no poder ésser iguals. Tampoc X o Y majors que 100000000",
      "Los valores de la X no pueden haber dos iguales. Tampoco X o Y mayores que 100000000",
      "No two X values can be equal. Nor can X or Y be greater than 100000000"}},
    {234,
     {"En una regressió quadràtica el valor absolut ha de ser menor que 100000",
      "En una regresión cuadrática el valor absoluto debe de ser menor que 100000",
      "In a quadratic regression the absolute values must be less than 100000"}},
    {236,
     {"Aquests valors no permeten calcular una regressió quadràtica",
      "Estos valores no permiten calcular una regresión cuadrática",
      "A quadratic regression cannot be calculated with these values"}},
    {237,
     {"En una regressió exponencial (y=a.b^x),  el valor absolut de X ha de ser menor que 100000",
      "En una regresión exponencial (y=a.b^x),  el valor absoluto de X ha de ser menor que 100000",
      "In an exponential regression (y=a.b^x), the absolute value of X must be less than 100000"}},
    {238,
     {"En una regressió exponencial (y=a.b^x),  el valor de Y ha de ser menor que 100000",
      "En una regresión exponencial (y=a.b^x),  el valor de Y ha de ser menor que 100000",
      "In an exponential regression (y=a.b^x), the value of Y must be less than 100000"}},
    {239,
     {"En una regressió exponencial (y=a.b^x),  el valor de Y ha de ser major que 0",
      "En una regresión exponencial (y=a.b^x),  el valor de Y ha de ser mayor que 0",
      "In an exponential regression (y=a.b^x), the value of Y must be greater than 0"}},
    {240,
     {"En una regressió exponencial  (y=a.b^x), NO pot haver-hi valors de  Y:  negatius, 0, o "
      "majors que 100000",
      "En una regresión exponencial  (y=a.b^x), NO puede haber valores de  Y:  negativos, 0, o "
      "mayores que 100000",
      "In an exponential regression (y=a.b^x), Y values cannot be negative, 0 or greater than "
      "100000"}},
    {241,
     {"En una regressió potencial (y=ax^b), el valor de  X o Y  ha de ser major que 0",
      "En una regresión potencial (y=ax^b), el valor de  X o Y  ha de ser mayor que 0",
      "In a power regression (y=ax^b), the values of X and Y must be greater than 0"}},
    {242,
     {"En una regressió potencial  (y=ax^b), NO pot haver-hi valors de  X o Y:  negatius,  0, o "
      "majors que 100000000",
      "En una regresión potencial  (y=ax^b), NO puede haber valores de  X o Y:  negativos,  0, o "
      "mayores que 100000000",
      "In a power regression (y=ax^b), X and Y values cannot be negative, 0 or greater than "
      "100000000"}},
    {243,
     {"Aquestes dades no permeten calcular una regressió inversa del tipus: y = ax/(b+x)",
      "Estos datos no permiten  calcular una regresión inversa del tipo: y = ax/(b+x)",
      "An inverse regression of the form y = ax/(b+x) cannot be calculated with these data"}},
    {244,
     {"Actualment l'extensió, \"TRC\" associada al programa \"TRACIMA\" està associada a un altre "
      "programa. Vols associar aquesta extensió al programa: TRACIMA?",
      "Actualmente la extensión, \"TRC\" asociada al programa \"TRACIMA\" está asociada a otro "
      "programa. Quieres asociar esta extensión al programa: TRACIMA?",
      "The extension \"TRC\" of the program \"TRACIMA\" is currently associated with another "
      "program. Do you want to associate this extension with TRACIMA?"}},
    {245,
     {"- Càlcul de l´antiimatge d´un punt -", "- Cálculo de la antiimagen de un punto -",
      "- Preimages of a value -"}},
    {246, {"Valor de la Y:", "Valor de la Y:", "Y value:"}},
    {247, {"- Funció Integral -", "- Función Integral -", "- Integral function -"}},
    {248, {"Valor inicial de la X:", "Valor inicial de la X:", "Initial X value:"}},
    {249,
     {"Cal modificar el valor dels extrems dels eixos?",
      "¿Deben modificarse los valores de los extremos de los ejes?",
      "Change the start and end values of the axes?"}},
    {250, {"Canvi de paràmetres", "Cambio de parámetros", "Change parameters"}},
};

// The names of compile codes 2..10 that Catalan leaves empty.
constexpr bool BuitPerCatala(int slot, int columna) {
    return columna == ColumnaDeTextos(Llengua::Catala) && slot >= BaseCodisCompilacio + 2 &&
           slot <= BaseCodisCompilacio + 10;
}

constexpr bool SlotsEnOrdre() {
    int anterior = -1;
    for (const TextSlot& t : TextosSlots) {
        if (t.slot <= anterior || t.slot >= SlotsDeLaLlengua) return false;
        anterior = t.slot;
        for (int c = 0; c < NombreLlenguesAmbTextos; ++c)
            if (t.text[static_cast<std::size_t>(c)].empty() != BuitPerCatala(t.slot, c))
                return false;
    }
    return true;
}
static_assert(SlotsEnOrdre(),
              "each slot once, in increasing order, within the switch's range, with a text in "
              "every language (but the Catalan names of compile codes 2..10)");

constexpr TextTraduit TextosFixos[] = {
    {"NO té imatge", "NO té imatge", "NO image"},
    {"NO té imatge. NO té derivada", "NO té imatge. NO té derivada", "NO image. NO derivative"},
    {"Fora de la pantalla", "Fora de la pantalla", "Off screen"},
    {"- Integral definida entre dos punts -", "- Integral definida entre dos punts -",
     "- Definite integral between two points -"},
    {"- Integral de línia entre dos punts -", "- Integral de línia entre dos punts -",
     "- Arc length between two points -"},
    {"- Àrea entre dues funcions -", "- Àrea entre dues funcions -",
     "- Area between two functions -"},
    {"Error de la x = ", "Error de la x = ", "Error in x = "},
    {"Error de la y = ", "Error de la y = ", "Error in y = "},
    {"\tCoef. Correl. (R) ;\tERROR MEDIO", "\tCoef. Correl. (R) ;\tERROR MEDIO",
     "\tCorrel. coef. (R) ;\tMEAN SQ. ERROR"},
    {" i ", " i ", " and "},
};

constexpr bool FixosComplets() {
    for (const TextTraduit& t : TextosFixos)
        for (std::string_view text : t)
            if (text.empty()) return false;
    return true;
}
static_assert(FixosComplets(), "every fixed text in every language");

constexpr std::string_view NomsConfiguracio[NombreLlengues] = {"Catala", "Castellano", "Euskera",
                                                               "Galego", "Portugues",  "English"};
constexpr std::string_view ComponentsLlengua[NombreLlengues] = {
    "MenuCatala", "MenuCastellano", "MenuEuskera", "MenuGalego", "MenuPortugues", "MenuEnglish"};

constexpr std::string_view TitolDelPrograma = "Tracima";

bool LlenguaValida(Llengua llengua) {
    const int i = static_cast<int>(llengua);
    return i >= 0 && i < NombreLlengues;
}

} // namespace

std::string_view NomLlenguaConfiguracio(Llengua llengua) {
    return LlenguaValida(llengua) ? NomsConfiguracio[static_cast<int>(llengua)]
                                  : std::string_view{};
}

int LlenguaDeConfiguracio(std::string_view valor, Llengua& llengua) {
    for (int i = 0; i < NombreLlengues; ++i) {
        if (valor == NomsConfiguracio[i]) {
            llengua = static_cast<Llengua>(i);
            return 0;
        }
    }
    return 1;
}

std::string_view ComponentLlengua(Llengua llengua) {
    return LlenguaValida(llengua) ? ComponentsLlengua[static_cast<int>(llengua)]
                                  : std::string_view{};
}

TaulaMissatges::TaulaMissatges() {
    CarregarTextos(Llengua::Catala);
}

std::string_view TaulaMissatges::Missatge(int slot) const {
    if (slot < 0 || slot >= NombreSlots) return {};
    return slots_[static_cast<std::size_t>(slot)];
}

std::string_view TaulaMissatges::Text(TextFix text) const {
    const auto i = static_cast<std::size_t>(text);
    return i < std::size(TextosFixos) ? EnLlengua(TextosFixos[i], textos_) : std::string_view{};
}

Llengua LlenguaDelSistema(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* valor : {lcAll, lcMessages, lang}) {
        if (valor == nullptr || *valor == '\0') continue;
        const std::string_view v(valor);
        if (v.starts_with("es")) return Llengua::Castella;
        if (v.starts_with("en")) return Llengua::Angles;
        return Llengua::Catala;
    }
    return Llengua::Catala;
}

void TaulaMissatges::CarregarTextos(Llengua textos) {
    // The switch owns slots 0..250 as a whole: clearing them first keeps a text of
    // the previous language (a Spanish code name) from surviving a switch to Catalan.
    for (int i = 0; i < SlotsDeLaLlengua; ++i)
        slots_[static_cast<std::size_t>(i)] = {};
    for (const TextSlot& t : TextosSlots)
        slots_[static_cast<std::size_t>(t.slot)] = EnLlengua(t.text, textos);
    titolPrograma_ = TitolDelPrograma;
    textos_ = textos;
}

int TaulaMissatges::CanviarLlengua(Llengua llengua) {
    if (!LlenguaValida(llengua)) return 1;
    marcada_ = llengua;
    if (ColumnaDeTextos(llengua) >= 0) CarregarTextos(llengua);
    return 0;
}

int TaulaMissatges::IniciarLlengua(std::string_view valorConfiguracio) {
    CarregarTextos(Llengua::Catala);
    marcada_ = Llengua::Catala;
    Llengua llengua = Llengua::Catala;
    if (LlenguaDeConfiguracio(valorConfiguracio, llengua) != 0) return 1;
    CanviarLlengua(llengua);
    return 0;
}

std::string_view TaulaMissatges::Titol(std::string_view formulari,
                                       std::string_view component) const {
    for (const TitolTraduit& t : TitolsTraduits()) {
        if (t.formulari == formulari && t.component == component) return EnLlengua(t.text, textos_);
    }
    return {};
}

std::vector<TitolComponent> TaulaMissatges::Titols(std::string_view formulari) const {
    std::vector<TitolComponent> resultat;
    for (const TitolTraduit& t : TitolsTraduits()) {
        if (formulari.empty() || t.formulari == formulari)
            resultat.push_back({t.formulari, t.component, EnLlengua(t.text, textos_)});
    }
    return resultat;
}

} // namespace tracima
