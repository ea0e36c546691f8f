// The point grid of the two table dialogs, as a model: 400 rows of an x cell and
// a y cell holding free text, the cursor, the row buttons, the clipboard text in
// and out, and the reading of the grid into the working table on acceptance.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/UnitCalcular.h"
#include "numeric/FuncioNumerica.h"
#include "text/Missatges.h"

namespace tracima {

constexpr int FilesGraella = MaxPuntsTaula; // data rows 1..400
constexpr int ColumnaX = 1;
constexpr int ColumnaY = 2;

// A cell of the grid: row 1..400, column 1 (x) or 2 (y).
struct Cella {
    int Fila = 1;
    int Columna = ColumnaX;
    friend bool operator==(const Cella&, const Cella&) = default;
};

// The outcome of a check: Missatge 0 when accepted, otherwise the message-table
// slot of the refusal and the cell to put the cursor on.
struct Refus {
    int Missatge = 0;
    Cella Cursor;
    bool Acceptat() const { return Missatge == 0; }
};

// The value of a cell: a decimal number in scientific notation ("1.5E-3", "2e6",
// as spreadsheets write them) is that number; any other text is a formula read
// by CalcularExpressio (where E is a parameter). Returns 0, or the reader's code.
int LlegirCella(std::string_view text, const Parametres& param, double& valor);

class GraellaValors {
  public:
    // Text of a cell; empty for a cell outside the grid.
    const std::string& Text(int fila, int columna) const;
    // Writes a cell (as typing does). Returns 0, or 1 for a cell outside the grid.
    int FixarText(int fila, int columna, std::string_view text);

    Cella Cursor() const { return cursor_; }
    // Moves the cursor. Returns 0, or 1 for a cell outside the grid (unchanged).
    int FixarCursor(Cella c);

    // Highest row whose x or y cell is not empty; 0 when every cell is empty.
    int UltimaFilaOcupada() const;

    // Enter and "Següent": x cell -> y cell of the row; y cell -> x cell of the
    // next row, except on row 400. "Anterior" is the reverse, except on row 1.
    void Seguent();
    void Anterior();
    // "Inserir": below row 400 the rows from the cursor's move down one (the old
    // row 400 is lost) and the cursor's row is emptied. "Suprimir": below row 400
    // the later rows move up one; row 400 is emptied in every case. Both leave the
    // cursor on the x cell of its row.
    void Inserir();
    void Suprimir();
    // "Iniciar" after its question (slot MissatgeEsborrarDades): empties every cell
    // when `esborrar`; the cursor goes to row 1, x cell, either way.
    void Iniciar(bool esborrar = true);

    // Loads the points 1..n of the table (NumeroAText), emptying every other cell;
    // the cursor goes to the x cell of the row after the last filled one (400 at most).
    void Carregar(const TaulaTreball& taula);

    // "Copiar": one line per row 1..UltimaFilaOcupada, x cell, TAB, y cell, CR LF,
    // the cells as typed. Empty when the grid is empty (nothing is copied).
    std::string TextCopiar() const;

    // "Enganxar" after its question (slot MissatgeEnganxarDades), with the clipboard's
    // text. Returns 0, or MissatgeCarpetaSenseText (226) for an empty text, which
    // changes nothing. Lines end at CR LF, LF or CR; reading stops at the first empty
    // line; TABs, semicolons and blanks that end a line are dropped. Lines with a
    // TAB (else a semicolon) give the x cell (before it) and the y cell (the rest);
    // if any of them has neither, every line is read in the alternating format
    // instead (x, y, x, y, ...). Nothing goes past row 400.
    int Enganxar(std::string_view text);

    // Reads the grid into `taula` as the dialogs' acceptance does: each cell through
    // LlegirCella with `param`, rows from 1 to the first empty x cell, then
    // every later cell empty, at least `minimPunts` points (2 interpolation, 3
    // regression), x strictly increasing when `xCreixent`. Returns the refusal
    // (228 cell error, 229 x not increasing, 231 isolated cell, 230 or 232 too few
    // points). On a refusal `taula` is unchanged; on success rows 1..n become points
    // 1..n, NombrePunts n, and the entries past n keep what they held.
    Refus Llegir(int minimPunts, bool xCreixent, const Parametres& param,
                 TaulaTreball& taula) const;

  private:
    std::string& CellaMut(int fila, int columna);
    void Buidar();
    void CursorDespresDeLesDades();

    std::array<std::array<std::string, 2>, FilesGraella> cel_{};
    Cella cursor_;
};

// Steps that store an accepted table into a record: the extremes of points 1..n,
// `valorReservat`, NombrePunts and all 400 entries of the table.
void DesarTaula(const TaulaTreball& taula, int valorReservat, FuncioNumerica& registre);

// The text of a refusal as the dialogs show it; a cell that does not read names
// its row and column and quotes what it holds (its first 40 characters).
std::string TextRefus(const Refus& r, const GraellaValors& g, const TaulaMissatges& m);

} // namespace tracima
