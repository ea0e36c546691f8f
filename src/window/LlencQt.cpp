#include "window/LlencQt.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace tracima {
namespace {

// The face of the graph's texts: a small sans-serif, 11 pixels high (8 points on
// a 96 dpi screen). The label layout estimates 8 pixels per character.
QFont FontGrafic() {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(11);
    // Texts in the pure text colour, as the lines: no blended edges (which the
    // see-through mode would key out unevenly).
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

} // namespace

LlencPintorQt::LlencPintorQt(QPainter* pintor, QSize mida, qreal dpr, bool vectorial)
    : font_(FontGrafic()), metriques_(font_), vectorial_(vectorial) {
    FixarPintor(pintor, mida, dpr);
}

void LlencPintorQt::FixarPintor(QPainter* pintor, QSize mida, qreal dpr) {
    p_ = pintor;
    mida_ = QSize(std::max(mida.width(), 1), std::max(mida.height(), 1));
    dpr_ = dpr > 0 ? dpr : 1.0;
    if (p_ == nullptr) return;
    p_->setRenderHint(QPainter::Antialiasing, false);
    p_->setRenderHint(QPainter::TextAntialiasing, false);
    p_->setFont(font_);
    AplicarLlapis();
}

LlencQt::LlencQt(QSize mida, qreal dpr) : LlencPintorQt(nullptr, mida, dpr) { Redimensionar(mida, dpr); }

LlencQt::~LlencQt() {
    if (pintor_) pintor_->end();
}

void LlencQt::Redimensionar(QSize mida, qreal dpr) {
    if (pintor_) pintor_->end();
    pintor_.reset();
    mida = QSize(std::max(mida.width(), 1), std::max(mida.height(), 1));
    dpr = dpr > 0 ? dpr : 1.0;
    const QSize dispositiu(static_cast<int>(std::ceil(mida.width() * dpr)),
                           static_cast<int>(std::ceil(mida.height() * dpr)));
    imatge_ = QImage(dispositiu, QImage::Format_RGB32);
    imatge_.setDevicePixelRatio(dpr);
    imatge_.fill(Qt::white);
    pintor_ = std::make_unique<QPainter>(&imatge_);
    FixarPintor(pintor_.get(), mida, dpr);
}

void LlencPintorQt::AplicarLlapis() {
    QPen llapis(color_);
    llapis.setWidth(gruix_);
    llapis.setStyle(estil_ == EstilLlapis::Puntejat ? Qt::DotLine : Qt::SolidLine);
    // Wider pens have round ends, as wide pens do on most raster canvases; a
    // one-pixel line is cut before its end pixel (LiniaA).
    llapis.setCapStyle(gruix_ > 1 || vectorial_ ? Qt::RoundCap : dpr_ == 1.0 ? Qt::SquareCap : Qt::FlatCap);
    llapis.setJoinStyle(Qt::RoundJoin);
    p_->setPen(llapis);
    p_->setBrush(Qt::NoBrush);
}

void LlencPintorQt::OmplirRectangle(int esquerra, int dalt, int dreta, int baix, Color color) {
    if (dreta <= esquerra || baix <= dalt) return;
    p_->fillRect(QRect(esquerra, dalt, dreta - esquerra, baix - dalt), ColorQt(color));
}

void LlencPintorQt::FixarColorLlapis(Color color) {
    const QColor nou = ColorQt(color);
    if (nou == color_) return;
    color_ = nou;
    AplicarLlapis();
}

void LlencPintorQt::FixarGruixLlapis(int gruix) {
    gruix = std::max(gruix, 1);
    if (gruix == gruix_) return;
    gruix_ = gruix;
    AplicarLlapis();
}

void LlencPintorQt::FixarEstilLlapis(EstilLlapis estil) {
    if (estil == estil_) return;
    estil_ = estil;
    AplicarLlapis();
}

void LlencPintorQt::MoureA(int x, int y) { posicio_ = QPoint(x, y); }

void LlencPintorQt::LiniaA(int x, int y) {
    const QPoint fi(x, y);
    const QPoint inici = posicio_;
    posicio_ = fi;
    if (fi == inici) return;
    if (vectorial_ || (suau_ && fi.x() != inici.x() && fi.y() != inici.y())) {
        // From pixel centre to pixel centre; a smooth line blends its edges.
        if (suau_) p_->setRenderHint(QPainter::Antialiasing, true);
        p_->drawLine(QPointF(inici) + QPointF(0.5, 0.5), QPointF(fi) + QPointF(0.5, 0.5));
        if (suau_) p_->setRenderHint(QPainter::Antialiasing, false);
        return;
    }
    if (gruix_ == 1 && estil_ == EstilLlapis::Continu && (fi.x() == inici.x() || fi.y() == inici.y())) {
        // A horizontal or vertical one-pixel line is a one-pixel rectangle from the
        // start to the pixel before the end: the fastest fill there is.
        const int x0 = std::min(inici.x(), fi.x() + (fi.x() < inici.x() ? 1 : 0));
        const int x1 = std::max(inici.x(), fi.x() - (fi.x() > inici.x() ? 1 : 0));
        const int y0 = std::min(inici.y(), fi.y() + (fi.y() < inici.y() ? 1 : 0));
        const int y1 = std::max(inici.y(), fi.y() - (fi.y() > inici.y() ? 1 : 0));
        p_->fillRect(QRect(QPoint(x0, y0), QPoint(x1, y1)), color_);
        return;
    }
    if (gruix_ == 1 && dpr_ == 1.0) {
        // One pixel on a plain buffer: the raster engine's own line, both ends
        // painted, to the pixel before the end along the major axis.
        const int dx = fi.x() - inici.x(), dy = fi.y() - inici.y();
        QPoint abans;
        if (std::abs(dx) >= std::abs(dy)) {
            const int x0 = fi.x() - (dx > 0 ? 1 : -1);
            abans = QPoint(x0, inici.y() + static_cast<int>(std::lround(
                                              static_cast<double>(x0 - inici.x()) * dy / dx)));
        } else {
            const int y0 = fi.y() - (dy > 0 ? 1 : -1);
            abans = QPoint(inici.x() + static_cast<int>(std::lround(
                                           static_cast<double>(y0 - inici.y()) * dx / dy)),
                           y0);
        }
        p_->drawLine(inici, abans);
        return;
    }
    if (gruix_ == 1) {
        // A one-pixel pen on a denser buffer covers whole pixels: the stroke runs
        // along the pixel centres moved half a pixel back along the line, so it
        // starts at the edge of the first pixel and stops at the edge of the last.
        const QPointF d = QPointF(fi - inici);
        const QPointF u = d / std::hypot(d.x(), d.y()) * 0.5;
        const QPointF centre(0.5, 0.5);
        p_->drawLine(QPointF(inici) + centre - u, QPointF(fi) + centre - u);
        return;
    }
    p_->drawLine(QPointF(inici) + QPointF(0.5, 0.5), QPointF(fi) + QPointF(0.5, 0.5));
}

void LlencPintorQt::EscriureText(int x, int y, std::string_view text, Color color, Color fons) {
    const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    p_->fillRect(QRect(x, y, metriques_.horizontalAdvance(t), metriques_.height()), ColorQt(fons));
    p_->setPen(ColorQt(color));
    p_->drawText(QPoint(x, y + metriques_.ascent()), t);
    AplicarLlapis();
}

void LlencPintorQt::OmplirEllipse(int x1, int y1, int x2, int y2, Color color) {
    const QRect caixa = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(0, 0, -1, -1);
    p_->setPen(QPen(ColorQt(color), 1));
    p_->setBrush(ColorQt(color));
    p_->drawEllipse(caixa);
    AplicarLlapis();
}

} // namespace tracima
