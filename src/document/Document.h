// Document files (".trc"): the function set as text, one value per line, CR LF
// line ends, Windows-1252. Line 1 is the signature "Tracim 3", line 2 the
// language tag "CATALÀ", then X origin, X final, Y origin, Y final, X unit,
// Y unit, then one block per function F..K: its text and, for a numeric-function
// label, ValorReservat, NombrePunts n, Extrapolar, InterpolacioLineal,
// MostrarPunts, EquacioRegressio, CoeficientCorrelacio, TipusRegressio and n
// pairs of lines x, y. Reals are written " 1.00000000000000E+0000".
#pragma once

#include "text/Missatges.h"
#include "functionset/UnitVariables.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace tracima {

// The name of a document that was never saved; "Desar" then asks for a name.
inline constexpr std::string_view NomDocumentSenseNom = "SenseNom.trc";
inline bool DocumentSenseNom(std::string_view nom) {
    return nom == NomDocumentSenseNom;
}

// Files larger than this are refused (the largest document the program can
// write is about 130 KB).
constexpr std::size_t MidaMaximaDocument = 1 << 20;

// Where and why a document was refused: `linia` is the 1-based line (0 when the
// fault is not tied to a line), `motiu` a short Catalan text.
struct ErrorDocument {
    int linia = 0;
    std::string motiu;
};

// The real format of documents: sign position (blank or "-"), one digit, ".",
// fourteen digits, "E", exponent sign and four digits; always 23 characters.
// Magnitudes above 1.79769313486231E+0308 are written as that value.
// Returns false (text untouched) for an infinite or NaN value.
bool TextRealDocument(double v, std::string& text);

// Reads a number line: leading and trailing blanks, an optional sign, "." as
// the decimal separator, an optional exponent. "nan", "inf", a comma, any other
// character or a value out of the double range make it fail (false).
bool LlegirRealDocument(std::string_view linia, double& valor);
// The same for an integer line (digits only, within int).
bool LlegirEnterDocument(std::string_view linia, int& valor);

// The document text of the function set (Windows-1252 bytes, CR LF). Every
// numeric-function label gets its block, with 0 or 1 points too, and so does a
// Spanish title (it is read back as the label). Returns 0, or
// MissatgeNoPucDesar (203) when the set cannot be written so that it reads back:
// axes that are not valid, a text with a control character (a line break) or
// a character outside Windows-1252, a value that is not finite, a point count outside 0..400, a
// regression model outside 1..5.
int EscriureTextDocument(const ConjuntFuncions& cf, std::string& bytes,
                         ErrorDocument* error = nullptr);

// Reads a document text into the function set: the new set starts as a reset
// copy of `cf` (parameters and regression texts kept) and replaces `cf` only
// when the whole text was read; the samples are not recomputed. The text is
// taken as UTF-8 when it is valid UTF-8, else as Windows-1252; lines end with
// CR LF or LF. The Spanish titles of the numeric functions are stored as the
// Catalan labels. Returns 0, or MissatgeNoPucObrir (202) with `cf` untouched: a
// missing line, a line that is not the expected number (a point count outside
// 0..400, a model outside 1..5), axes that are not valid (origin not below final,
// unit not above 0, also once written with fifteen digits), a control character in a text, bytes
// that are not text, or more than MidaMaximaDocument bytes.
int LlegirTextDocument(std::string_view bytes, ConjuntFuncions& cf, ErrorDocument* error = nullptr);

// Writes the function set to `fitxer` through a temporary file in the same
// folder that is renamed over it, so a failed save leaves the old file intact.
// An existing file without write permission is not replaced.
// Returns 0 or MissatgeNoPucDesar (203).
int DesarDocument(const std::string& fitxer, const ConjuntFuncions& cf,
                  ErrorDocument* error = nullptr);

// Reads `fitxer` into the function set (LlegirTextDocument) and, on success,
// applies it (AplicarFuncions). Returns 0 or MissatgeNoPucObrir (202) with the
// function set untouched. The caller refreshes the data entry fields and repaints.
int LlegirDocument(const std::string& fitxer, ConjuntFuncions& cf, Calculador& calc,
                   FinestraFuncions* finestra = nullptr, ErrorDocument* error = nullptr);

} // namespace tracima
