// The abstract canvas the graph is drawn on, in device pixels, and a canvas
// that records the calls it receives (for tests and benchmarks).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tracima {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend constexpr bool operator==(Color, Color) = default;
};

constexpr Color ColorBlanc{255, 255, 255};
constexpr Color ColorNegre{0, 0, 0};
constexpr Color ColorGris{128, 128, 128};
constexpr Color ColorVermell{255, 0, 0};
constexpr Color ColorVerd{0, 128, 0};
constexpr Color ColorBlau{0, 0, 255};
constexpr Color ColorLlima{0, 255, 0};
constexpr Color ColorFucsia{255, 0, 255};
constexpr Color ColorAqua{0, 255, 255};
constexpr Color ColorGroc{255, 255, 0};

enum class EstilLlapis { Continu, Puntejat };

// Coordinates are device pixels, x to the right and y downwards.
class Llenc {
  public:
    virtual ~Llenc() = default;

    // Fills the pixels left <= x < right, top <= y < bottom.
    virtual void OmplirRectangle(int esquerra, int dalt, int dreta, int baix, Color color) = 0;

    // Pen used by LiniaA; the width is in pixels (>= 1).
    virtual void FixarColorLlapis(Color color) = 0;
    virtual void FixarGruixLlapis(int gruix) = 0;
    virtual void FixarEstilLlapis(EstilLlapis estil) = 0;

    // Smooth lines: the sloping lines drawn while it is on are antialiased (axis-
    // parallel lines stay crisp). Canvases that cannot smooth ignore it.
    virtual void FixarSuau(bool) {}

    // Moves the pen without drawing.
    virtual void MoureA(int x, int y) = 0;
    // Draws from the pen position to (x, y) with the current pen; the end pixel
    // (x, y) itself is not painted. The pen position becomes (x, y).
    virtual void LiniaA(int x, int y) = 0;

    // Writes `text` (UTF-8) with its top-left corner at (x, y) in `color`, over
    // an opaque box of `fons` as large as the text.
    virtual void EscriureText(int x, int y, std::string_view text, Color color, Color fons) = 0;

    // Fills and outlines the ellipse of bounding box (x1, y1) .. (x2, y2) in `color`.
    virtual void OmplirEllipse(int x1, int y1, int x2, int y2, Color color) = 0;

    // Client area size in pixels.
    virtual int AmpladaClient() const = 0;
    virtual int AlcadaClient() const = 0;
};

// Ignores every call: for running the analyses where nothing is shown (the
// command-line tool, benchmarks, an untraced scan in the window). Its client
// area has the logical size unless given another.
class LlencBuit : public Llenc {
  public:
    explicit LlencBuit(int amplada = 640, int alcada = 460) : amplada_(amplada), alcada_(alcada) {}
    void OmplirRectangle(int, int, int, int, Color) override {}
    void FixarColorLlapis(Color) override {}
    void FixarGruixLlapis(int) override {}
    void FixarEstilLlapis(EstilLlapis) override {}
    void MoureA(int, int) override {}
    void LiniaA(int, int) override {}
    void EscriureText(int, int, std::string_view, Color, Color) override {}
    void OmplirEllipse(int, int, int, int, Color) override {}
    int AmpladaClient() const override { return amplada_; }
    int AlcadaClient() const override { return alcada_; }
    void FixarMida(int amplada, int alcada) {
        amplada_ = amplada;
        alcada_ = alcada;
    }

  private:
    int amplada_, alcada_;
};

// Records every call. Lines are recorded with the pen state they were drawn with,
// so tests can ask "which lines were drawn in red".
class LlencEnregistrador : public Llenc {
  public:
    enum class Tipus { Rectangle, Linia, Text, Ellipse };

    struct Crida {
        Tipus tipus = Tipus::Linia;
        // Rectangle: left, top, right, bottom. Line: start x, y, end x, y (the end
        // pixel is not painted). Text: x, y. Ellipse: bounding box.
        int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Color color{}; // fill, pen or text colour
        Color fons{};  // text box colour
        int gruix = 1; // pen width of a line
        EstilLlapis estil = EstilLlapis::Continu;
        std::string text;
    };

    explicit LlencEnregistrador(int amplada = 640, int alcada = 460)
        : amplada_(amplada), alcada_(alcada) {}

    void OmplirRectangle(int esquerra, int dalt, int dreta, int baix, Color color) override;
    void FixarColorLlapis(Color color) override { color_ = color; }
    void FixarGruixLlapis(int gruix) override { gruix_ = gruix; }
    void FixarEstilLlapis(EstilLlapis estil) override { estil_ = estil; }
    void MoureA(int x, int y) override {
        x_ = x;
        y_ = y;
    }
    void LiniaA(int x, int y) override;
    void EscriureText(int x, int y, std::string_view text, Color color, Color fons) override;
    void OmplirEllipse(int x1, int y1, int x2, int y2, Color color) override;
    int AmpladaClient() const override { return amplada_; }
    int AlcadaClient() const override { return alcada_; }

    void FixarMida(int amplada, int alcada) {
        amplada_ = amplada;
        alcada_ = alcada;
    }
    // Forgets the recorded calls (the pen state stays).
    void Esborrar() { crides.clear(); }

    // The calls of one kind, in order.
    std::vector<Crida> DelTipus(Tipus tipus) const;
    // The lines drawn in `color`, in order.
    std::vector<Crida> LiniesDeColor(Color color) const;

    std::vector<Crida> crides;

  private:
    int amplada_, alcada_;
    Color color_ = ColorNegre;
    int gruix_ = 1;
    EstilLlapis estil_ = EstilLlapis::Continu;
    int x_ = 0, y_ = 0;
};

} // namespace tracima
