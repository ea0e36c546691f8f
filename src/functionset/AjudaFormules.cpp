#include "functionset/AjudaFormules.h"

namespace tracima {
namespace {

// The seventeen functions: how they are typed, and what they are in each language.
struct FuncioAjuda {
    std::string_view nom;
    TextTraduit text;
};
constexpr FuncioAjuda Funcions[] = {
    {"sin(x), sen(x)", {"sinus (radiants)", "seno (radianes)", "sine (radians)"}},
    {"sig(x), seg(x)", {"sinus (graus)", "seno (grados)", "sine (degrees)"}},
    {"cos(x)", {"cosinus (radiants)", "coseno (radianes)", "cosine (radians)"}},
    {"cog(x)", {"cosinus (graus)", "coseno (grados)", "cosine (degrees)"}},
    {"tan(x)", {"tangent (radiants)", "tangente (radianes)", "tangent (radians)"}},
    {"tag(x)", {"tangent (graus)", "tangente (grados)", "tangent (degrees)"}},
    {"ase(x)", {"arc sinus, en radiants", "arco seno, en radianes", "arcsine, in radians"}},
    {"asg(x)", {"arc sinus, en graus", "arco seno, en grados", "arcsine, in degrees"}},
    {"aco(x)", {"arc cosinus, en radiants", "arco coseno, en radianes", "arccosine, in radians"}},
    {"acg(x)", {"arc cosinus, en graus", "arco coseno, en grados", "arccosine, in degrees"}},
    {"ata(x)",
     {"arc tangent, en radiants", "arco tangente, en radianes", "arctangent, in radians"}},
    {"atg(x)", {"arc tangent, en graus", "arco tangente, en grados", "arctangent, in degrees"}},
    {"abs(x)", {"valor absolut", "valor absoluto", "absolute value"}},
    {"log(x)", {"logaritme decimal", "logaritmo decimal", "common logarithm (base 10)"}},
    {"alo(x)",
     {"antilogaritme decimal, 10^x", "antilogaritmo decimal, 10^x", "common antilogarithm, 10^x"}},
    {"ln(x)", {"logaritme neperià", "logaritmo neperiano", "natural logarithm"}},
    {"exp(x)", {"exponencial, e^x", "exponencial, e^x", "exponential, e^x"}},
};

constexpr std::string_view IniciAngles = R"ajuda(<h3>How functions are written</h3>
<p><b>Variable:</b> x. Upper and lower case are the same; blanks do not count.</p>
<p><b>Parameters:</b> a, b, c, d, e, f (they are 1 at the start; change them with
<i>File &gt; Change parameters...</i>).</p>
<p><b>Constants:</b> pi (or p) = 3.141593; ne = 2.718282.</p>
<p><b>Numbers:</b> the decimal separator may be the point or the comma (2.5 or 2,5). There are no
exponents: 1e5 is 1·e·5, with e the parameter.</p>
<p><b>Operations</b>, from highest to lowest priority: brackets; power ^ (2^3^2 = (2^3)^2);
* and /; + and -. A sign may only stand at the start or after "(": write 2*(-3) and x^(-2).</p>
<p><b>Implicit product:</b> 2x, 3(x+1), 2pi, xsin(x) and x(x+1) mean 2*x, 3*(x+1),
2*pi, x*sin(x) and x*(x+1). After ")" the sign * must be written: (x+1)*(x-1).</p>
<p><b>Functions</b> (the argument always in brackets):</p>
)ajuda";
constexpr std::string_view FinalAngles =
    R"ajuda(<p>A parameter letter before a function multiplies it: asin(x) is a*sin(x).</p>
<p><b>Examples:</b> ax^2+bx+c; (x^2-4)/(x-2); 1/36(3x^4-20x^3+12x^2+96x-110); (1-x^2)^(1/2);
ln(x)/ln(2); 1+x+x^2/2+x^3/6; 30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2).</p>
<p>The axis boxes also take formulas: 2pi, pi/2, 1/3.</p>)ajuda";
constexpr std::string_view IniciCatala = R"ajuda(<h3>Com s'escriuen les funcions</h3>
<p><b>Variable:</b> x. Les majúscules i les minúscules són iguals; els espais no compten.</p>
<p><b>Paràmetres:</b> a, b, c, d, e, f (valen 1 en començar; es canvien amb
<i>Arxiu &gt; Canviar paràmetres...</i>).</p>
<p><b>Constants:</b> pi (o p) = 3,141593; ne = 2,718282.</p>
<p><b>Nombres:</b> el separador decimal pot ser el punt o la coma (2.5 o 2,5). No hi ha
exponents: 1e5 és 1·e·5, amb e el paràmetre.</p>
<p><b>Operacions</b>, de més a menys prioritat: parèntesis; potència ^ (2^3^2 = (2^3)^2);
* i /; + i -. Un signe només pot anar al principi o després de "(": escriviu 2*(-3) i x^(-2).</p>
<p><b>Multiplicació implícita:</b> 2x, 3(x+1), 2pi, xsin(x) i x(x+1) volen dir 2*x, 3*(x+1),
2*pi, x*sin(x) i x*(x+1). Darrere de ")" cal escriure el signe *: (x+1)*(x-1).</p>
<p><b>Funcions</b> (l'argument sempre entre parèntesis):</p>
)ajuda";
constexpr std::string_view FinalCatala = R"ajuda(<p>Una lletra de paràmetre davant d'una funció la multiplica: asin(x) és a*sin(x).</p>
<p><b>Exemples:</b> ax^2+bx+c; (x^2-4)/(x-2); 1/36(3x^4-20x^3+12x^2+96x-110); (1-x^2)^(1/2);
ln(x)/ln(2); 1+x+x^2/2+x^3/6; 30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2).</p>
<p>Els camps dels eixos també accepten fórmules: 2pi, pi/2, 1/3.</p>)ajuda";
constexpr std::string_view IniciCastella = R"ajuda(<h3>Cómo se escriben las funciones</h3>
<p><b>Variable:</b> x. Mayúsculas y minúsculas son iguales; los espacios no cuentan.</p>
<p><b>Parámetros:</b> a, b, c, d, e, f (valen 1 al empezar; se cambian con
<i>Archivo &gt; Cambiar parámetros...</i>).</p>
<p><b>Constantes:</b> pi (o p) = 3,141593; ne = 2,718282.</p>
<p><b>Números:</b> el separador decimal puede ser el punto o la coma (2.5 o 2,5). No hay
exponentes: 1e5 es 1·e·5, con e el parámetro.</p>
<p><b>Operaciones</b>, de más a menos prioridad: paréntesis; potencia ^ (2^3^2 = (2^3)^2);
* y /; + y -. Un signo solo puede ir al principio o después de "(": escriba 2*(-3) y x^(-2).</p>
<p><b>Multiplicación implícita:</b> 2x, 3(x+1), 2pi, xsin(x) y x(x+1) significan 2*x, 3*(x+1),
2*pi, x*sin(x) y x*(x+1). Detrás de ")" hay que escribir el signo *: (x+1)*(x-1).</p>
<p><b>Funciones</b> (el argumento siempre entre paréntesis):</p>
)ajuda";
constexpr std::string_view FinalCastella = R"ajuda(<p>Una letra de parámetro delante de una función la multiplica: asin(x) es a*sin(x).</p>
<p><b>Ejemplos:</b> ax^2+bx+c; (x^2-4)/(x-2); 1/36(3x^4-20x^3+12x^2+96x-110); (1-x^2)^(1/2);
ln(x)/ln(2); 1+x+x^2/2+x^3/6; 30000/((2*p)^.5*.6)*exp(-(x-5.6)^2/2/.6^2).</p>
<p>Los campos de los ejes también aceptan fórmulas: 2pi, pi/2, 1/3.</p>)ajuda";

constexpr TextTraduit Inici = {IniciCatala, IniciCastella, IniciAngles};
constexpr TextTraduit Final = {FinalCatala, FinalCastella, FinalAngles};
constexpr TextTraduit Titol = {"Ajuda: les fórmules", "Ayuda: las fórmulas", "Help: formulas"};

} // namespace

std::string TextAjudaFormules(Llengua llengua) {
    std::string text(EnLlengua(Inici, llengua));
    text += "<table cellspacing=\"0\" cellpadding=\"1\" style=\"margin-left:8px\">\n";
    for (const FuncioAjuda& f : Funcions) {
        text += "<tr><td width=\"130\">";
        text += f.nom;
        text += "</td><td>";
        text += EnLlengua(f.text, llengua);
        text += "</td></tr>\n";
    }
    text += "</table>\n";
    text += EnLlengua(Final, llengua);
    return text;
}

std::string_view TitolAjudaFormules(Llengua llengua) {
    return EnLlengua(Titol, llengua);
}

} // namespace tracima
