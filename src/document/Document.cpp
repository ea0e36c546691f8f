// Document files: writing, reading, the code page conversion and the safe save.
#include "document/Document.h"

#include "text/Missatges.h"

#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <random>
#include <system_error>
#include <vector>

namespace tracima {

namespace {

constexpr std::string_view Signatura = "Tracim 3";
constexpr std::string_view EtiquetaLlengua = "CATALÀ";

// Spanish titles of older documents, and the same titles in English, and the
// Catalan labels they are read as (documents are always written with the latter).
constexpr std::array<std::array<std::string_view, 2>, 14> titolsTraduits = {{
    {"INTERPOLACIÓN", "INTERPOLACIÓ"},
    {"INTERPOLACIÓN LINEAL", "INTERPOLACIÓ LINEAL"},
    {"REGRESIÓN LINEAL  y = ax + b", "REGRESSIÓ LINEAL y = ax + b"},
    {"REGRESIÓN CUADRÁTICA  y = ax^2 +bx +c", "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c"},
    {"REGRESIÓN EXPONENCIAL  y = a * b^x", "REGRESSIÓ EXPONENCIAL y = a . b^x"},
    {"REGRESIÓN EXPONENCIAL  y = a * x^b", "REGRESSIÓ EXPONENCIAL y = a . x^b"},
    {"REGRESIÓN INVERSA  y = a x/(b+x)", "REGRESSIÓ INVERSA  y = a x/(b+x)"},
    {"INTERPOLATION", "INTERPOLACIÓ"},
    {"LINEAR INTERPOLATION", "INTERPOLACIÓ LINEAL"},
    {"LINEAR REGRESSION y = ax + b", "REGRESSIÓ LINEAL y = ax + b"},
    {"QUADRATIC REGRESSION y = ax^2 + bx + c", "REGRESSIÓ QUADRÀTICA y = ax^2 + bx + c"},
    {"EXPONENTIAL REGRESSION y = a . b^x", "REGRESSIÓ EXPONENCIAL y = a . b^x"},
    {"POWER REGRESSION y = a . x^b", "REGRESSIÓ EXPONENCIAL y = a . x^b"},
    {"INVERSE REGRESSION y = a x/(b+x)", "REGRESSIÓ INVERSA  y = a x/(b+x)"},
}};

// The Catalan label a Spanish or English title is read as; any other text unchanged.
std::string_view EtiquetaLlegida(std::string_view text) {
    for (const auto& [traduit, catala] : titolsTraduits)
        if (text == traduit) return catala;
    return text;
}

void Fallar(ErrorDocument* error, int linia, std::string motiu) {
    if (error) *error = {linia, std::move(motiu)};
}

// Converts the whole text between two code pages with iconv; false when a
// character has no counterpart or the input is not valid in `de`.
bool Convertir(std::string_view entrada, const char* de, const char* a, std::string& sortida) {
    iconv_t cd = iconv_open(a, de);
    if (cd == reinterpret_cast<iconv_t>(-1)) return false;
    sortida.clear();
    std::array<char, 4096> buf;
    char* in = const_cast<char*>(entrada.data());
    std::size_t inLeft = entrada.size();
    bool ok = true;
    while (ok) {
        char* out = buf.data();
        std::size_t outLeft = buf.size();
        const std::size_t r = iconv(cd, inLeft ? &in : nullptr, &inLeft, &out, &outLeft);
        sortida.append(buf.data(), static_cast<std::size_t>(out - buf.data()));
        if (r != static_cast<std::size_t>(-1)) {
            if (inLeft == 0) break; // flushed
            continue;
        }
        if (errno != E2BIG) ok = false; // EILSEQ or EINVAL: not convertible
    }
    iconv_close(cd);
    return ok;
}

// Well-formed UTF-8 (shortest forms, no surrogates, at most U+10FFFF).
bool EsUtf8Valid(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int seguents = 0;
        unsigned minim = 0, cp = 0;
        if (b < 0x80) {
            ++i;
            continue;
        } else if (b >= 0xC2 && b <= 0xDF) {
            seguents = 1, minim = 0x80, cp = b & 0x1Fu;
        } else if (b >= 0xE0 && b <= 0xEF) {
            seguents = 2, minim = 0x800, cp = b & 0x0Fu;
        } else if (b >= 0xF0 && b <= 0xF4) {
            seguents = 3, minim = 0x10000, cp = b & 0x07u;
        } else {
            return false;
        }
        if (s.size() - i - 1 < static_cast<std::size_t>(seguents)) return false;
        for (int k = 1; k <= seguents; ++k) {
            const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((c & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (c & 0x3Fu);
        }
        if (cp < minim || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(seguents) + 1;
    }
    return true;
}

bool EsBlanc(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TreureBlancs(std::string_view s) {
    while (!s.empty() && EsBlanc(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && EsBlanc(s.back()))
        s.remove_suffix(1);
    return s;
}

// A text line may hold anything but control characters (TAB excepted).
bool TextAcceptable(std::string_view s) {
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u == 0x7F) return false;
    }
    return true;
}

// The lines of a decoded document, each without its CR LF or LF. A last line
// without a line end counts; an empty remainder after the last LF does not.
class LectorLinies {
  public:
    explicit LectorLinies(std::string_view text) : text_(text) {}

    // The next line, or false at the end of the text.
    bool Seguent(std::string_view& linia) {
        if (pos_ >= text_.size()) return false;
        const std::size_t fi = text_.find('\n', pos_);
        const std::size_t final = fi == std::string_view::npos ? text_.size() : fi;
        linia = text_.substr(pos_, final - pos_);
        if (!linia.empty() && linia.back() == '\r') linia.remove_suffix(1);
        pos_ = fi == std::string_view::npos ? text_.size() : fi + 1;
        ++numero_;
        return true;
    }
    int Numero() const { return numero_; }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int numero_ = 0;
};

// Reads the lines of the layout one after the other, recording the first fault.
class Lector {
  public:
    Lector(std::string_view text, ErrorDocument* error) : linies_(text), error_(error) {}

    bool Linia(std::string_view& l, const char* que) {
        if (linies_.Seguent(l)) return true;
        Fallar(error_, linies_.Numero() + 1, std::string("falta la línia: ") + que);
        return false;
    }
    bool Text(std::string& t, const char* que) {
        std::string_view l;
        if (!Linia(l, que)) return false;
        if (!TextAcceptable(l)) return Error(std::string("caràcter de control a ") + que);
        t.assign(l);
        return true;
    }
    bool Real(double& v, const char* que) {
        std::string_view l;
        if (!Linia(l, que)) return false;
        if (!LlegirRealDocument(l, v)) return Error(std::string("no és un número real: ") + que);
        return true;
    }
    bool Enter(int& v, const char* que, int minim, int maxim) {
        std::string_view l;
        if (!Linia(l, que)) return false;
        if (!LlegirEnterDocument(l, v) || v < minim || v > maxim)
            return Error(std::string("no és un enter vàlid: ") + que);
        return true;
    }
    bool Indicador(bool& v, const char* que) {
        std::string_view l;
        if (!Linia(l, que)) return false;
        v = l == "1";
        return true;
    }
    bool Error(std::string motiu) {
        Fallar(error_, linies_.Numero(), std::move(motiu));
        return false;
    }

  private:
    LectorLinies linies_;
    ErrorDocument* error_;
};

bool LlegirBlocNumeric(Lector& l, FuncioNumerica& fn) {
    int n = 0;
    if (!l.Enter(fn.ValorReservat, "ValorReservat", std::numeric_limits<int>::min(),
                 std::numeric_limits<int>::max()) ||
        !l.Enter(n, "NombrePunts", 0, MaxPuntsTaula) || !l.Indicador(fn.Extrapolar, "Extrapolar") ||
        !l.Indicador(fn.InterpolacioLineal, "InterpolacioLineal") ||
        !l.Indicador(fn.MostrarPunts, "MostrarPunts") ||
        !l.Text(fn.EquacioRegressio, "EquacioRegressio") ||
        !l.Real(fn.CoeficientCorrelacio, "CoeficientCorrelacio") ||
        !l.Enter(fn.TipusRegressio, "TipusRegressio", 1, 5))
        return false;
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!l.Real(fn.ValorsX[i], "ValorsX") || !l.Real(fn.ValorsY[i], "ValorsY")) return false;
    }
    fn.NombrePunts = n;
    return true;
}

class Escriptor {
  public:
    void Linia(std::string_view s) {
        text_.append(s);
        text_.append("\r\n");
    }
    bool Real(double v) {
        std::string t;
        if (!TextRealDocument(v, t)) return false;
        Linia(t);
        return true;
    }
    void Enter(int v) {
        char buf[16];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);
        Linia(std::string_view(buf, static_cast<std::size_t>(r.ptr - buf)));
    }
    void Indicador(bool v) { Linia(v ? "1" : "0"); }
    std::string& Text() { return text_; }

  private:
    std::string text_;
};

// Reads at most MidaMaximaDocument + 1 bytes; false when the file does not open
// or a read fails.
bool LlegirFitxer(const std::string& fitxer, std::string& bytes) {
    std::ifstream f(fitxer, std::ios::binary);
    if (!f) return false;
    bytes.assign(MidaMaximaDocument + 1, '\0');
    f.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (f.bad()) return false;
    bytes.resize(static_cast<std::size_t>(f.gcount()));
    return true;
}

// Writes `bytes` over the file in place. The room for the whole text is taken
// first, so a full disk fails before the old text is touched; false on failure.
bool EscriureEnLloc(const char* fitxer, const std::string& bytes) {
    const int fd = ::open(fitxer, O_WRONLY | O_CLOEXEC);
    if (fd < 0) return false;
    const auto mida = static_cast<off_t>(bytes.size());
    bool ok = mida == 0 || ::posix_fallocate(fd, 0, mida) == 0;
    for (std::size_t fet = 0; ok && fet < bytes.size();) {
        const ssize_t n =
            ::pwrite(fd, bytes.data() + fet, bytes.size() - fet, static_cast<off_t>(fet));
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) fet += static_cast<std::size_t>(n);
    }
    ok = ok && ::ftruncate(fd, mida) == 0;
    ok = ::fsync(fd) == 0 && ok;
    return ::close(fd) == 0 && ok;
}

} // namespace

bool TextRealDocument(double v, std::string& text) {
    if (!std::isfinite(v)) return false;
    // The largest doubles would round up past the double range and not read
    // back: they are written as the largest fifteen-digit value below it.
    constexpr double MaximLlegible = 1.79769313486231e308;
    const double a = std::fabs(v) > MaximLlegible ? MaximLlegible : std::fabs(v);
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 14);
    const std::string_view s(buf, static_cast<std::size_t>(r.ptr - buf)); // d.ddd…de±XX
    const std::size_t e = s.find('e');
    int exponent = 0;
    std::from_chars(s.data() + e + 2, s.data() + s.size(), exponent);
    char exp[8];
    std::snprintf(exp, sizeof exp, "%04d", exponent);
    text.clear();
    text += std::signbit(v) && v != 0 ? '-' : ' ';
    text.append(s.substr(0, e));
    text += 'E';
    text += s[e + 1];
    text.append(exp);
    return true;
}

bool LlegirRealDocument(std::string_view linia, double& valor) {
    std::string_view s = TreureBlancs(linia);
    bool negatiu = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negatiu = s.front() == '-';
        s.remove_prefix(1);
    }
    // A digit must come first (or "." and a digit): no "nan", "inf" or second sign.
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (s.empty() || !(digit(s[0]) || (s[0] == '.' && s.size() > 1 && digit(s[1])))) return false;
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v, std::chars_format::general);
    if (r.ec != std::errc{} || r.ptr != s.data() + s.size() || !std::isfinite(v)) return false;
    valor = negatiu ? -v : v;
    return true;
}

bool LlegirEnterDocument(std::string_view linia, int& valor) {
    std::string_view s = TreureBlancs(linia);
    if (!s.empty() && s.front() == '+') {
        s.remove_prefix(1);
        if (s.empty() || s.front() < '0' || s.front() > '9') return false;
    }
    int v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc{} || r.ptr != s.data() + s.size()) return false;
    valor = v;
    return true;
}

// The six axis texts in file order. The fifteen digits of the format can merge
// an origin with its final: false when the axes as read back would not be valid.
bool EixosEscrivibles(const EixosFuncions& e, std::string (&textos)[6]) {
    EixosFuncions llegits;
    double* const desti[] = {&llegits.XOrigen, &llegits.XFinal,  &llegits.YOrigen,
                             &llegits.YFinal,  &llegits.XUnitat, &llegits.YUnitat};
    const double valors[] = {e.XOrigen, e.XFinal, e.YOrigen, e.YFinal, e.XUnitat, e.YUnitat};
    for (int k = 0; k < 6; ++k)
        if (!TextRealDocument(valors[k], textos[k]) || !LlegirRealDocument(textos[k], *desti[k]))
            return false;
    return llegits.Valids();
}

int EscriureTextDocument(const ConjuntFuncions& cf, std::string& bytes, ErrorDocument* error) {
    Escriptor w;
    w.Linia(Signatura);
    w.Linia(EtiquetaLlengua);
    const EixosFuncions& e = cf.Eixos;
    if (!e.Valids()) {
        Fallar(error, 0, "eixos no vàlids: cal origen < final i unitat > 0");
        return MissatgeNoPucDesar;
    }
    std::string textos[6];
    if (!EixosEscrivibles(e, textos)) {
        Fallar(error, 0, "eixos massa junts per a les quinze xifres del document");
        return MissatgeNoPucDesar;
    }
    for (const std::string& t : textos)
        w.Linia(t);
    for (std::size_t i = 0; i < cf.Slots.size(); ++i) {
        const SlotFuncio& s = cf.Slots[i];
        const std::string nom = std::string(1, LletraFuncio(static_cast<int>(i) + 1)) + "(x)";
        if (!TextAcceptable(s.Text)) {
            Fallar(error, 0, "el text de " + nom + " té un caràcter de control");
            return MissatgeNoPucDesar;
        }
        w.Linia(s.Text);
        // A Spanish title is read back as its label, which expects a block.
        if (!EsTextNumerica(EtiquetaLlegida(s.Text))) continue;
        const FuncioNumerica& fn = s.Numerica;
        if (fn.NombrePunts < 0 || fn.NombrePunts > MaxPuntsTaula || fn.TipusRegressio < 1 ||
            fn.TipusRegressio > 5 || !TextAcceptable(fn.EquacioRegressio)) {
            Fallar(error, 0, "la taula de " + nom + " no és vàlida");
            return MissatgeNoPucDesar;
        }
        w.Enter(fn.ValorReservat);
        w.Enter(fn.NombrePunts);
        w.Indicador(fn.Extrapolar);
        w.Indicador(fn.InterpolacioLineal);
        w.Indicador(fn.MostrarPunts);
        w.Linia(fn.EquacioRegressio);
        bool ok = w.Real(fn.CoeficientCorrelacio);
        w.Enter(fn.TipusRegressio);
        for (int k = 0; ok && k < fn.NombrePunts; ++k) {
            const auto j = static_cast<std::size_t>(k);
            ok = w.Real(fn.ValorsX[j]) && w.Real(fn.ValorsY[j]);
        }
        if (!ok) {
            Fallar(error, 0, "un valor de la taula de " + nom + " no és finit");
            return MissatgeNoPucDesar;
        }
    }
    if (!Convertir(w.Text(), "UTF-8", "WINDOWS-1252", bytes)) {
        Fallar(error, 0, "un text té caràcters que no es poden escriure en Windows-1252");
        return MissatgeNoPucDesar;
    }
    return 0;
}

int LlegirTextDocument(std::string_view bytes, ConjuntFuncions& cf, ErrorDocument* error) {
    if (bytes.size() > MidaMaximaDocument) {
        Fallar(error, 0, "el fitxer és massa gran");
        return MissatgeNoPucObrir;
    }
    std::string text;
    if (EsUtf8Valid(bytes)) {
        // Every text must stay writable: nothing outside Windows-1252.
        std::string prova;
        if (!Convertir(bytes, "UTF-8", "WINDOWS-1252", prova)) {
            Fallar(error, 0, "el fitxer té caràcters que no són de Windows-1252");
            return MissatgeNoPucObrir;
        }
        text.assign(bytes);
    } else if (!Convertir(bytes, "WINDOWS-1252", "UTF-8", text)) {
        Fallar(error, 0, "el fitxer no és text en Windows-1252 ni en UTF-8");
        return MissatgeNoPucObrir;
    }

    auto nou = std::make_unique<ConjuntFuncions>(cf);
    ReiniciarConjunt(*nou);
    Lector l(text, error);
    std::string_view ignorada;
    if (!l.Linia(ignorada, "signatura") || !l.Linia(ignorada, "llengua")) return MissatgeNoPucObrir;
    EixosFuncions& e = nou->Eixos;
    if (!l.Real(e.XOrigen, "origen eix X") || !l.Real(e.XFinal, "final eix X") ||
        !l.Real(e.YOrigen, "origen eix Y") || !l.Real(e.YFinal, "final eix Y") ||
        !l.Real(e.XUnitat, "unitat eix X") || !l.Real(e.YUnitat, "unitat eix Y"))
        return MissatgeNoPucObrir;
    std::string textos[6];
    if (!e.Valids() || !EixosEscrivibles(e, textos)) {
        Fallar(error, 0, "eixos no vàlids: cal origen < final i unitat > 0");
        return MissatgeNoPucObrir;
    }
    for (SlotFuncio& s : nou->Slots) {
        if (!l.Text(s.Text, "text de la funció")) return MissatgeNoPucObrir;
        s.Text = std::string(EtiquetaLlegida(s.Text));
        if (EsTextNumerica(s.Text) && !LlegirBlocNumeric(l, s.Numerica)) return MissatgeNoPucObrir;
    }
    cf = std::move(*nou);
    return 0;
}

int DesarDocument(const std::string& fitxer, const ConjuntFuncions& cf, ErrorDocument* error) {
    namespace fs = std::filesystem;
    std::string bytes;
    if (const int codi = EscriureTextDocument(cf, bytes, error); codi != 0) return codi;

    std::error_code ec;
    fs::path desti(fitxer);
    // Save through a link into the file it names, not over the link.
    if (fs::is_symlink(desti, ec)) {
        const fs::path real = fs::weakly_canonical(desti, ec);
        if (!ec) desti = real;
    }
    if (desti.filename().empty() || fs::is_directory(desti, ec)) {
        Fallar(error, 0, "no és el nom d'un fitxer");
        return MissatgeNoPucDesar;
    }
    // The rename would replace a file that may not be written: keep it.
    const fs::file_status antic = fs::status(desti, ec);
    const bool existeix = !ec && fs::exists(antic);
    constexpr fs::perms escriptura =
        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    if (existeix && ((antic.permissions() & escriptura) == fs::perms::none ||
                     ::access(desti.c_str(), W_OK) != 0)) {
        Fallar(error, 0, "el fitxer " + desti.string() + " és només de lectura");
        return MissatgeNoPucDesar;
    }
    std::random_device rd;
    fs::path temporal;
    std::FILE* f = nullptr;
    for (int intent = 0; intent < 8 && !f; ++intent) {
        temporal = desti;
        temporal += ".tmp" + std::to_string(rd() % 1000000);
        f = std::fopen(temporal.c_str(), "wbx"); // fails if it exists
    }
    if (!f) {
        // A folder that takes no new file: an existing document is written in place.
        if (existeix && EscriureEnLloc(desti.c_str(), bytes)) return 0;
        Fallar(error, 0, "no puc desar " + desti.string());
        return MissatgeNoPucDesar;
    }
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = ::fsync(::fileno(f)) == 0 && ok; // on the disk before it replaces the old file
    ok = std::fclose(f) == 0 && ok;
    if (ok) {
        if (existeix) fs::permissions(temporal, antic.permissions(), ec);
        fs::rename(temporal, desti, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temporal, ec);
        Fallar(error, 0, "error d'escriptura a " + desti.string());
        return MissatgeNoPucDesar;
    }
    return 0;
}

int LlegirDocument(const std::string& fitxer, ConjuntFuncions& cf, Calculador& calc,
                   FinestraFuncions* finestra, ErrorDocument* error) {
    std::string bytes;
    if (!LlegirFitxer(fitxer, bytes)) {
        Fallar(error, 0, "no puc llegir " + fitxer);
        return MissatgeNoPucObrir;
    }
    if (const int codi = LlegirTextDocument(bytes, cf, error); codi != 0) return codi;
    AplicarFuncions(cf, calc, finestra);
    return 0;
}

} // namespace tracima
