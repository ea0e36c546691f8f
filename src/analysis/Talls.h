// The cuts of the two defined functions (analysis 18) as a stepper over columns
// 23..618: a sign change of their difference between neighbouring columns, or an
// exact zero, without a jump of one Y unit. Reads only the column samples.
#pragma once

#include "analysis/Escombrat.h"

namespace tracima {

class EscombratTalls {
  public:
    // ctx.funcio is the first function (FuncioUnica), `segona` the second one;
    // ctx.resultats.AnalisiActiva must be 18. `colorPrimera` and `colorSegona`
    // are the curve colours used to repair the curves behind the tracing cursor.
    EscombratTalls(ContextAnalisi ctx, const MostresFuncio& segona, Color colorPrimera = ColorBlau,
                   Color colorSegona = ColorLlima);

    // Start steps (caption, status strip, precisions 0). Returns 0, or 1 when
    // AnalisiActiva is not 18.
    int Iniciar();
    // Scans one column; after column 618 runs the end steps. A cut that finds
    // the lists full shows message 204 and ends the scan with the end steps.
    ResultatPas Pas();
    bool Acabat() const { return acabat_; }
    double IncertesaPunt() const { return incertesa_; }

  private:
    struct Cursor {
        int x = 0, baix = 0, dalt = 0; // extent: max(rLow, r0) .. min(rHigh, r0)
        int rLow = 0, rHigh = 0, r0 = 0;
    };
    bool Tracat() const { return ctx_.opcions.MenuTrassarElsCalculs; }
    bool NovaColumnaDispositiu(int c) const;
    Color Fons() const;
    void Linia(int x1, int y1, int x2, int y2, Color color);
    void EsborrarCursor(const Cursor& k);
    void DibuixarCursor(const Cursor& k);
    void RepararCorbes(int c);
    ResultatPas Marcar(int c, double x, double y, int r1);
    ResultatPas Final();
    ResultatPas Cancellar();

    ContextAnalisi ctx_;
    const MostresFuncio& segona_;
    Color color1_, color2_;
    std::string titol_;
    int c_ = 23;
    bool acabat_ = true; // until Iniciar succeeds
    bool tallSobreEixY_ = false;
    bool tallAnterior_ = true;
    bool cursorAnterior_ = false; // a cursor was drawn (or counted) at c - 1
    Cursor anterior_;
    double incertesa_ = 0;
};

// Runs a started scan to its end (untraced use). Returns the last step's result.
ResultatPas ExecutarTalls(EscombratTalls& escombrat);

} // namespace tracima
