// The column scan of the one-function analyses (anti-images, roots, isolated
// discontinuities, maxima, minima, inflection points, the four interval
// analyses and the two derivative curves). A scan is a stepper: Iniciar, then
// Pas once per column (columns 23..618), the closing steps run by the last Pas.
// Untraced, ExecutarEscombrat loops it to the end; traced, the window calls Pas
// from its 50 ms timer. The scan reads only the column samples.
#pragma once

#include "view/EstatResultats.h"
#include "text/Missatges.h"
#include "functionset/UnitVariables.h"
#include "view/Llenc.h"
#include "view/OpcionsVista.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tracima {

// What the scan needs from the window. Drawing routines of the view are reached
// through it; lines of the scan itself go straight to the canvas.
class FinestraCalcul {
  public:
    virtual ~FinestraCalcul() = default;
    virtual Llenc& Canvas() = 0;
    virtual void DibuixarEixos() = 0;
    virtual void DibuixarResultats() = 0;
    virtual void DibuixarEtiqueta(int index) = 0; // index 0-based into Etiquetes
    virtual void Repintar() = 0;
    virtual void FixarTitolFinestra(std::string_view text) = 0;
    // The pause dialog with `text`: true for "Continuar", false for "Cancel.lar".
    virtual bool PreguntarPausa(std::string_view text) = 0;
    // A message box with the program title and the information icon.
    virtual void MostrarMissatge(std::string_view text) = 0;
};

// A window that shows nothing, for running the analyses where nothing is seen
// (the command-line tool, benchmarks, tests): it draws on a canvas that ignores
// its calls, every pause answers "Continuar", and messages are kept in order.
class FinestraCalculBuida : public FinestraCalcul {
  public:
    Llenc& Canvas() override { return llenc_; }
    void DibuixarEixos() override {}
    void DibuixarResultats() override {}
    void DibuixarEtiqueta(int) override {}
    void Repintar() override {}
    void FixarTitolFinestra(std::string_view) override {}
    bool PreguntarPausa(std::string_view) override { return true; }
    void MostrarMissatge(std::string_view text) override { missatges.emplace_back(text); }
    std::vector<std::string> missatges;

  private:
    LlencBuit llenc_;
};

// Everything a scan reads or writes, passed by reference.
struct ContextAnalisi {
    EstatResultats& resultats;
    const MostresFuncio& funcio;
    const EixosFuncions& eixos;
    const OpcionsVista& opcions;
    ValorsVista& vista;
    const TaulaMissatges& missatges;
    FinestraCalcul& finestra;
    std::string textFuncio; // caption outside a running analysis
};

enum class ResultatPas {
    Continua,  // more columns to scan
    Acabat,    // closing steps ran (or the lists filled up: message 204, closing steps)
    Cancellat, // "Cancel.lar" in the pause dialog: final refresh only
    Aturat,    // AturarCalcul: left at once, nothing more done
};

// Fills the status strip with the background and writes TextEstat at (10, h - 20).
void EscriureEstat(const ContextAnalisi& ctx);

class EscombratFuncio {
  public:
    // AnalisiActiva must be 2..7 or 11..16. For the anti-image, `valorAntiimatge`
    // is the display-rounded target and segment 1 already holds its target line.
    EscombratFuncio(ContextAnalisi ctx, double valorAntiimatge = 0);

    // Start steps. Returns 0, or 1 when AnalisiActiva is not a scan analysis.
    int Iniciar();
    // Scans one column; after the last one runs the closing steps.
    ResultatPas Pas();
    bool Acabat() const { return acabat_; }
    int Columna() const { return c_; }
    std::string_view Titol() const { return titol_; }

  private:
    bool Tracat() const { return ctx_.opcions.MenuTrassarElsCalculs; }
    bool Derivades() const;
    bool NovaColumnaDispositiu(int c) const;
    Color Fons() const;
    void Linia(double x1, double y1, double x2, double y2, Color color);
    void ProvarColumna();
    void ProvarAntiimatge();
    void ProvarArrel();
    void ProvarDiscontinuitat();
    void ProvarExtrem();
    void ProvarInflexio();
    void ProvarInterval();
    void ProvarDerivada();
    void DibuixarCorbaNova();
    // Returns false when the lists are full (the scan then stops).
    bool Enregistrar();
    bool HiCap(int segments, int etiquetes) const;
    ResultatPas ListaPlena();
    void Tancar();
    void RefrescFinal();
    std::string TextEtiqueta(double valor, double precisio) const;

    ContextAnalisi ctx_;
    double t_ = 0; // anti-image target
    std::string titol_;
    double yextent_ = 0;
    int c_ = 23;
    bool acabat_ = true; // until Iniciar succeeds
    bool primera_ = true;
    bool trobat_ = false;
    bool obert_ = false;       // an interval is open
    int segmentObert_ = -1;    // index of its segment
    bool obreAquesta_ = false; // the point found at c opened an interval
    bool bloqueig_ = false;    // inflection lock
    bool plena_ = false;
    double v_ = 0;
    std::optional<double> marcaX_; // set by a test that marks another x than x(c)
    int r1_ = 0, r2_ = 0;
    int filaEix_ = 0; // ArrodonirPixel(axis row)
    std::string textLimit_;
    std::array<int, 4> liniaTrac_{};
    bool liniaTracDibuixada_ = false;
    std::array<int, 4> tangent_{};
    bool tangentDibuixada_ = false;
    std::array<int, 4> tangentUltima_{};
};

// Runs a started scan to its end (untraced use). Returns the last step's result.
ResultatPas ExecutarEscombrat(EscombratFuncio& escombrat);

// Reads a typed value as a plain decimal number: optional blanks around it, an
// optional sign, "." or "," as decimal separator, no exponent, no formula.
// Returns 0 with `valor` set, or 1 when the text is no such number.
int LlegirNumeroDecimal(std::string_view text, double& valor);

// A value typed in the anti-image or integral-function box, read with
// LlegirNumeroDecimal. Returns 0 with `valor` set, or 1 after message 15.
int LlegirValorDecimal(const ContextAnalisi& ctx, std::string_view text, double& valor);

// The anti-image command after its input box (the caller handles Cancel): reads
// `text` as a plain decimal number ("." or ","), checks it (slot 15 when it is no
// number, 206/207 out of the Y range), sets `valor` to its display rounding,
// stores the target line as the only segment and draws it. Returns 0 when the
// scan may start, 1 when the command ends (its message was shown).
int PrepararAntiimatge(ContextAnalisi& ctx, std::string_view text, double& valor);

} // namespace tracima
