#include "text/Missatges.h"

#include "text/Llengues.h"

namespace tracima {
namespace {

struct TextSlot {
    int slot;
    std::string_view catala;
    std::string_view castella;
};

// Every slot the program reads. Trailing and doubled blanks belong to the texts:
// many are concatenated with numbers or names. The Catalan set has no names for
// compile codes 2..10 (slots 112..120); compile code 6 does not exist.
constexpr TextSlot TextosSlots[] = {
    {0, "NO té imatge", "NO tiene imagen"},
    {1, "Fora de la pantalla", "Fuera de la pantalla"},
    {13, "NO té imatge, la funció integral no està ben definida",
     "NO tiene imagen, la función integral no está bien definida"},
    {15, "El valor escrit no és un número.", "El valor escrito no es un número."},
    {16, "Valor de la x massa petit.", "Valor de x demasiado pequeño"},
    {17, "Valor de la x massa gran.", "Valor de x demasiado grande"},
    {18, "Valor inicial de la x massa petit.", "Valor inicial de x demasiado pequeño"},
    {19, "Valor inicial de la x massa gran.", "Valor inicial de x demasiado grande"},
    {20, "Valor final de la x massa petit.", "Valor final de x demasiado pequeño"},
    {21, "Valor final de la x massa gran.", "Valor final de x demasiado grande"},
    {22, "La funció NO està definida pel valor de la x inicial.",
     "La función NO está definida en el valor x inicial"},
    {23, "La funció NO està definida pel valor de la x final.",
     "La función NO está definida en el valor x final"},
    {27, "La funció NO està definida per aquest valor de la x.",
     "La función NO está definida para este valor de x"},
    {28, "Integral definida entre ", "Integral definida entre "},
    {29, "Integral de línia entre ", "Integral de línea entre "},
    {30, "La primera funció NO està definida pel valor de la x inicial.",
     "La primera función NO está definida para el valor x inicial"},
    {31, "La primera funció NO està definida pel valor de la x final.",
     "La primera función NO está definida para el valor x final"},
    {32, "La segona funció NO està definida pel valor de la x inicial",
     "La segunda función NO está definida para el valor x inicial"},
    {33, "La segona funció NO està definida pel valor de la x final",
     "La segunda función NO está definida para el valor x final"},
    {34, "Àrea entre ", "Área entre "},
    {35, "La primera funció NO està definida per aquest valor de la x",
     "La primera función NO está definida para este valor de x"},
    {36, "La segona funció NO està definida per aquest valor de la x",
     "La segunda función NO está definida para este valor de x"},
    {37, "NO està definit per a la primera funció", "NO está definido por la primera función"},
    {38, "NO està definit per a la segona funció", "NO está definido por la segunda función"},
    {48, "lim = infinit", "lim = infinito"},
    {50, "TRACIMA", "TRACIMA"},
    {51, "Imatge de la funció en un punt", "Imagen de la función en un punto"},
    {52, "Antiimatges del ", "Antiimágenes del "},
    {53, "Arrels", "Raíces"},
    {54, "Discontinuïtats aïllades", "Discontinuidades aisladas"},
    {55, "Màxims", "Máximos"},
    {56, "Mínims", "Mínimos"},
    {57, "Punts d'inflexió", "Puntos de inflexión"},
    {58, "Derivada de la funció en un punt", "Derivada de la función en un punto"},
    {59, "Integral definida", "Integral definida"},
    {60, "Integral de línia", "Integral de línea"},
    {61, "Intervals de creixement", "Intervalos de crecimiento"},
    {62, "Intervals de decreixement", "Intervalos de decrecimiento"},
    {63, "Intervals de concavitat", "Intervalos de concavidad"},
    {64, "Intervals de convexitat", "Intervalos de convexidad"},
    {65, "Funció derivada", "Función derivada"},
    {66, "Funció derivada segona", "Función derivada segunda"},
    {67, "Funció Integral", "Función Integral"},
    {68, "Punts de tall", "Puntos de corte"},
    {69, "Àrea compresa", "Área comprendida"},
    {80, "No té derivada", "No tiene derivada"},
    {81, "No té derivada segona", "No tiene segunda derivada"},
    {89, "Pos. dis. infinita", "Pos. dis. infinito"},
    {100, "Error de càlcul", "Error de cálculo "},
    {101, "Divisió entre 0", "División por 0"},
    {102,
     "Arrel de base negativa i índex parell (pot ésser una arrel quadrada d´un número negatiu)",
     "Raiz de base negativa y índice par (puede ser una raiz cuadrada de un númer negativo)"},
    {103, "Logaritme d'un número negatiu", "Logaritmo de un número negativo"},
    {104, "(Overflow)", "Desbordamiento (Overflow)"},
    {110, "Error de Sintaxi", "Error de Sintaxis"},
    {111, "Hi ha massa parèntesis tancats", "Demasiados paréntesis cerrados"},
    {112, "", "Expresión desconocida"},
    {113, "", "Expresión desconocida"},
    {114, "", "Quedan paréntesis por cerrar"},
    {115, "", "Combinación de operaciones o funciones no permitida"},
    {117, "", "No hay ninguna expresión introducida"},
    {118, "", "Expresión demasiado larga"},
    {119, "", "Expresión numérica demasiado larga"},
    {120, "", "Expresión numérica errónea"},
    {171, "Copiar  a la carpeta?", "¿Copiar en el portapapeles?"},
    {172, "Les funcions o els eixos han canviat des que es van desar. Vols desar els canvis?",
     "Las funciones o los ejes han cambiado desde que se guardaron. ¿Quieres guardar los cambios?"},
    {173, "Mida de la imatge en píxels (amplada x alçada):",
     "Tamaño de la imagen en píxeles (ancho x alto):"},
    {174, "La imatge ha de fer entre 1 i 8000 píxels d'amplada i d'alçada.",
     "La imagen debe medir entre 1 y 8000 píxeles de ancho y de alto."},
    {175,
     "Un altre programa ha canviat el fitxer des que es va obrir o desar. Vols escriure-hi a "
     "sobre?",
     "Otro programa ha cambiado el archivo desde que se abrió o se guardó. ¿Quieres escribir "
     "encima?"},
    {176, "fila", "fila"},
    {178, "Origen eix X = ", "Origen eje X = "},
    {179, "Final eix X = ", "Final eje X    = "},
    {180, "Origen eix Y = ", "Origen eje Y = "},
    {181, "Final eix Y = ", "Final eje Y    = "},
    {182, "Coeficient de correlació : ", "Coeficiente de Correlación : "},
    {200, "Error de càlcul en la X inicial", "Error de cálculo en la X inicial"},
    {201, "Error de càlcul en la X final", "Error de cálculo en la X final"},
    {202, "No puc obrir el fitxer", "No puedo abrir el archivo"},
    {203, "No puc desar el fitxer", "No puedo guarar el archivo"},
    {204, "No és possible dibuixar més punts. Netejar  la finestra.",
     "No es posible dibuijar más puntos. Limpiar la ventana."},
    {205, "Error de càlcul en la X", "Error de cálculo en la X"},
    {206, "Valor de la y massa petit", "Valor de la y demasiado pequeño"},
    {207, "Valor de la y massa gran", "Valor de la y demasiado grande"},
    {208, "Error de càlcul en l'Origen Eix X", "Error de cálculo en el Origen Eje X"},
    {209, "Error de càlcul en el Final Eix X", "Error de cálculo en el Final Eje X"},
    {210, "No pot ser més gran l'Origen Eix X que el Final Eix X",
     "No puede ser mayor el Origen Eje X que el Final Eje X"},
    {211, "La Unitat Eix X ha de ser més gran que 0", "La Unidad Eje X ha de ser mayor que 0"},
    {212, "Error de càlcul en la Unitat Eix X", "Error de cálculo en la Unidad Eje X"},
    {213, "Error de càlcul en l'Origen Eix Y", "Error de cálculo en el Origen Eje Y"},
    {214, "Error de càlcul en el Final Eix Y", "Error de cálculo en el Final Eje Y"},
    {215, "No pot ser més gran l'Origen Eix Y que el Final Eix Y",
     "No puede ser mayor el Origen Eje Y que el Final Eje Y"},
    {216, "La Unitat Eix Y ha de ser més gran que 0", "La Unidad Eje Y ha de ser mayor que 0"},
    {217, "Error de càlcul en la Unitat Eix Y", "Error de cálculo en la Unidad Eje Y"},
    {218, "La funció F(x) té un error de sintaxis", "La función F(x) tiene un error de sintaxis"},
    {219, "La funció G(x) té un error de sintaxis", "La función G(x) tiene un error de sintaxis"},
    {220, "La funció H(x) té un error de sintaxis", "La función H(x) tiene un error de sintaxis"},
    {221, "La funció I(x) té un error de sintaxis", "La función I(x) tiene un error de sintaxis"},
    {222, "La funció J(x) té un error de sintaxis", "La función J(x) tiene un error de sintaxis"},
    {223, "La funció K(x) té un error de sintaxis", "La función K(x) tiene un error de sintaxis"},
    {224, "Estàs segur que vols esborrar totes les dades?",
     "¿Estás seguro de querer borrar todos los datos?"},
    {225, "Estàs segur que vols enganxar les dades de la carpeta? Les dades actuals es perderan.",
     "¿Estás seguro de querer pegar los datos del portapapeles? Los datos actuales se perderán."},
    {226, "No hi ha dades text a la carpeta. No puc enganxar valors.",
     "No hay datos en formato texto en el portapapeles. No puedo pegar valores."},
    {228, "Error de càlcul en la cel.la", "Error de cálculo en la celda"},
    {229, "No pot ser un valor de X igual o inferior a l'anterior",
     "No puede haber un valor de X igual o inferior al anterior"},
    {230, "Hi ha d'haver-hi com a mínim dos parells de valors",
     "Debe de haber como mínimo dos pares de valores"},
    {231, "No pot haver-hi cel.les aïllades escrites", "No puede haber celdas aisladas escritas"},
    {232, "Hi ha d'haver-hi com a mínim tres parells de valors",
     "Debe de haber como mínimo tres pares de valores"},
    {233, "Els valors de la X no poder ésser iguals. Tampoc X o Y majors que 100000000",
     "Los valores de la X no pueden haber dos iguales. Tampoco X o Y mayores que 100000000"},
    {234, "En una regressió quadràtica el valor absolut ha de ser menor que 100000",
     "En una regresión cuadrática el valor absoluto debe de ser menor que 100000"},
    {236, "Aquests valors no permeten calcular una regressió quadràtica",
     "Estos valores no permiten calcular una regresión cuadrática"},
    {237,
     "En una regressió exponencial (y=a.b^x),  el valor absolut de X ha de ser menor que 100000",
     "En una regresión exponencial (y=a.b^x),  el valor absoluto de X ha de ser menor que 100000"},
    {238, "En una regressió exponencial (y=a.b^x),  el valor de Y ha de ser menor que 100000",
     "En una regresión exponencial (y=a.b^x),  el valor de Y ha de ser menor que 100000"},
    {239, "En una regressió exponencial (y=a.b^x),  el valor de Y ha de ser major que 0",
     "En una regresión exponencial (y=a.b^x),  el valor de Y ha de ser mayor que 0"},
    {240,
     "En una regressió exponencial  (y=a.b^x), NO pot haver-hi valors de  Y:  negatius, 0, o "
     "majors que 100000",
     "En una regresión exponencial  (y=a.b^x), NO puede haber valores de  Y:  negativos, 0, o "
     "mayores que 100000"},
    {241, "En una regressió potencial (y=ax^b), el valor de  X o Y  ha de ser major que 0",
     "En una regresión potencial (y=ax^b), el valor de  X o Y  ha de ser mayor que 0"},
    {242,
     "En una regressió potencial  (y=ax^b), NO pot haver-hi valors de  X o Y:  negatius,  0, o "
     "majors que 100000000",
     "En una regresión potencial  (y=ax^b), NO puede haber valores de  X o Y:  negativos,  0, o "
     "mayores que 100000000"},
    {243, "Aquestes dades no permeten calcular una regressió inversa del tipus: y = ax/(b+x)",
     "Estos datos no permiten  calcular una regresión inversa del tipo: y = ax/(b+x)"},
    {244,
     "Actualment l'extensió, \"TRC\" associada al programa \"TRACIMA\" està associada a un altre "
     "programa. Vols associar aquesta extensió al programa: TRACIMA?",
     "Actualmente la extensión, \"TRC\" asociada al programa \"TRACIMA\" está asociada a otro "
     "programa. Quieres asociar esta extensión al programa: TRACIMA?"},
    {245, "- Càlcul de l´antiimatge d´un punt -", "- Cálculo de la antiimagen de un punto -"},
    {246, "Valor de la Y:", "Valor de la Y:"},
    {247, "- Funció Integral -", "- Función Integral -"},
    {248, "Valor inicial de la X:", "Valor inicial de la X:"},
    {249, "Cal modificar el valor dels extrems dels eixos?",
     "¿Deben modificarse los valores de los extremos de los ejes?"},
    {250, "Canvi de paràmetres", "Cambio de parámetros"},
};

constexpr bool SlotsEnOrdre() {
    int anterior = -1;
    for (const TextSlot& t : TextosSlots) {
        if (t.slot <= anterior || t.slot >= SlotsDeLaLlengua) return false;
        anterior = t.slot;
    }
    return true;
}
static_assert(SlotsEnOrdre(), "each slot once, in increasing order, within the switch's range");

constexpr std::string_view NomsConfiguracio[NombreLlengues] = {"Catala", "Castellano", "Euskera",
                                                               "Galego", "Portugues",  "English"};
constexpr std::string_view ComponentsLlengua[NombreLlengues] = {
    "MenuCatala", "MenuCastellano", "MenuEuskera", "MenuGalego", "MenuPortugues", "MenuEnglish"};

constexpr std::string_view TitolDelPrograma = "Tracima";

bool LlenguaValida(Llengua llengua) {
    const int i = static_cast<int>(llengua);
    return i >= 0 && i < NombreLlengues;
}

std::string_view TextEnLlengua(const TitolBilingue& titol, Llengua textos) {
    return textos == Llengua::Castella ? titol.castella : titol.catala;
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

void TaulaMissatges::CarregarTextos(Llengua textos) {
    // The switch owns slots 0..250 as a whole: clearing them first keeps a text of
    // the previous language (a Spanish code name) from surviving a switch to Catalan.
    for (int i = 0; i < SlotsDeLaLlengua; ++i)
        slots_[static_cast<std::size_t>(i)] = {};
    for (const TextSlot& t : TextosSlots) {
        slots_[static_cast<std::size_t>(t.slot)] =
            textos == Llengua::Castella ? t.castella : t.catala;
    }
    titolPrograma_ = TitolDelPrograma;
    textos_ = textos;
}

int TaulaMissatges::CanviarLlengua(Llengua llengua) {
    if (!LlenguaValida(llengua)) return 1;
    marcada_ = llengua;
    if (llengua == Llengua::Catala || llengua == Llengua::Castella) CarregarTextos(llengua);
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
    for (const TitolBilingue& t : TitolsBilingues()) {
        if (t.formulari == formulari && t.component == component) return TextEnLlengua(t, textos_);
    }
    return {};
}

std::vector<TitolComponent> TaulaMissatges::Titols(std::string_view formulari) const {
    std::vector<TitolComponent> resultat;
    for (const TitolBilingue& t : TitolsBilingues()) {
        if (formulari.empty() || t.formulari == formulari)
            resultat.push_back({t.formulari, t.component, TextEnLlengua(t, textos_)});
    }
    return resultat;
}

} // namespace tracima
