// The abstract canvas on a QImage back buffer: the graph is drawn here once per
// change and the widget's paintEvent only copies it to the screen. Coordinates
// are the widget's (device-independent) pixels; the buffer has the screen's
// device pixel ratio, so on a high-density screen lines and texts are drawn at
// full resolution, never scaled up. Antialiasing stays off but for the sloping
// lines drawn while smooth lines are asked for.
#pragma once

#include "view/Llenc.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace tracima {

// The abstract canvas on any QPainter (an image, a PDF page, a printer): the
// coordinates are the picture's pixels; the painter's device may be denser.
class LlencPintorQt : public Llenc {
  public:
    // Draws with `pintor` (which must outlive the canvas) on a picture of `mida`
    // pixels at `dpr` device pixels per pixel. On a vector device (PDF, printer)
    // lines run from pixel centre to pixel centre with round ends, so pieces of a
    // curve join at any scale; the raster rules are for pixels.
    LlencPintorQt(QPainter* pintor, QSize mida, qreal dpr = 1.0, bool vectorial = false);
    ~LlencPintorQt() override;
    LlencPintorQt(const LlencPintorQt&) = delete;
    LlencPintorQt& operator=(const LlencPintorQt&) = delete;

    void OmplirRectangle(int esquerra, int dalt, int dreta, int baix, Color color) override;
    void FixarColorLlapis(Color color) override;
    void FixarGruixLlapis(int gruix) override;
    void FixarEstilLlapis(EstilLlapis estil) override;
    void FixarSuau(bool suau) override;
    void MoureA(int x, int y) override;
    void LiniaA(int x, int y) override;
    void EscriureText(int x, int y, std::string_view text, Color color, Color fons) override;
    void OmplirEllipse(int x1, int y1, int x2, int y2, Color color) override;
    int AmpladaClient() const override { return mida_.width(); }
    int AlcadaClient() const override { return mida_.height(); }
    QSize Mida() const { return mida_; }

    // Draws the one-pixel lines still waiting (lines of one pen are drawn in
    // batches: a change of pen or any other drawing draws them first).
    void Buidar() const;

  protected:
    // A new painter, size and ratio (the pen state is kept).
    void FixarPintor(QPainter* pintor, QSize mida, qreal dpr);
    // The 32-bit picture the painter draws on, when the canvas owns it: the
    // waiting horizontal and vertical lines are then written into it directly.
    void FixarImatge(QImage* imatge) { imatge_ = imatge; }

  private:
    void AplicarLlapis();

    QPainter* p_ = nullptr;
    QSize mida_;
    qreal dpr_ = 1.0;
    QFont font_;
    QFontMetrics metriques_;
    QColor color_{Qt::black};
    int gruix_ = 1;
    EstilLlapis estil_ = EstilLlapis::Continu;
    QPoint posicio_;
    bool vectorial_ = false;
    bool suau_ = false;
    // The waiting one-pixel lines of the current pen: sloping ones, and
    // horizontal or vertical ones as the rectangles they fill.
    mutable std::vector<QLine> linies_;
    mutable std::vector<QRect> rectangles_;
    QImage* imatge_ = nullptr;
    // The texts already written, as pictures of their box and glyphs (a repaint
    // writes the same labels again), by text; a picture in other colours or at
    // another ratio is drawn anew.
    struct ImatgeText {
        QImage imatge;
        QPoint origen; // of the picture, from the text's top-left corner
        QRgb color, fons;
        qreal dpr;
    };
    std::unordered_map<std::string, ImatgeText> textos_;
};

class LlencQt : public LlencPintorQt {
  public:
    // A white buffer of `mida` pixels at `dpr` device pixels per pixel.
    explicit LlencQt(QSize mida = QSize(640, 460), qreal dpr = 1.0);
    ~LlencQt() override;
    LlencQt(const LlencQt&) = delete;
    LlencQt& operator=(const LlencQt&) = delete;

    // A new white buffer (the pen state is kept). Sizes below 1 count as 1.
    void Redimensionar(QSize mida, qreal dpr);
    // The buffer in device pixels, its devicePixelRatio set.
    const QImage& Imatge() const {
        Buidar();
        return buffer_;
    }
    // A deep copy of the buffer (for the clipboard, files and tests).
    QImage CopiaImatge() const { return Imatge().copy(); }

  private:
    QImage buffer_;
    std::unique_ptr<QPainter> pintor_;
};

// The canvas colour of a core colour.
inline QColor ColorQt(Color c) { return QColor(c.r, c.g, c.b); }

} // namespace tracima
