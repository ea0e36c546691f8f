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

LlencPintorQt::~LlencPintorQt() {
    Buidar();
}

void LlencPintorQt::Buidar() const {
    if (p_ == nullptr || (linies_.empty() && rectangles_.empty())) return;
    if (!linies_.empty()) p_->drawLines(linies_.data(), static_cast<int>(linies_.size()));
    const qreal escala = std::round(dpr_);
    // Whole device pixels of an unshared picture: each rectangle is rows of one
    // colour written in place (a shared picture would be copied under the painter).
    if (!rectangles_.empty() && imatge_ && escala == dpr_ && imatge_->isDetached()) {
        const QRect limits = imatge_->rect();
        const QRgb valor = 0xff000000u | color_.rgb();
        const int e = static_cast<int>(escala);
        uchar* bits = const_cast<uchar*>(imatge_->constBits());
        const qsizetype fila = imatge_->bytesPerLine();
        for (const QRect& r : rectangles_) {
            const QRect d = QRect(r.x() * e, r.y() * e, r.width() * e, r.height() * e) & limits;
            for (int y = d.top(); y <= d.bottom(); ++y) {
                auto* p = reinterpret_cast<QRgb*>(bits + y * fila);
                std::fill(p + d.left(), p + d.right() + 1, valor);
            }
        }
        rectangles_.clear();
    }
    if (!rectangles_.empty()) {
        const QPen llapis = p_->pen();
        p_->setPen(Qt::NoPen);
        p_->setBrush(color_);
        p_->drawRects(rectangles_.data(), static_cast<int>(rectangles_.size()));
        p_->setBrush(Qt::NoBrush);
        p_->setPen(llapis);
    }
    linies_.clear();
    rectangles_.clear();
}

void LlencPintorQt::FixarSuau(bool suau) {
    if (suau == suau_) return;
    Buidar();
    suau_ = suau;
}

void LlencPintorQt::FixarPintor(QPainter* pintor, QSize mida, qreal dpr) {
    Buidar();
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
    Buidar();
    if (pintor_) pintor_->end();
}

void LlencQt::Redimensionar(QSize mida, qreal dpr) {
    Buidar();
    if (pintor_) pintor_->end();
    pintor_.reset();
    mida = QSize(std::max(mida.width(), 1), std::max(mida.height(), 1));
    dpr = dpr > 0 ? dpr : 1.0;
    const QSize dispositiu(static_cast<int>(std::ceil(mida.width() * dpr)),
                           static_cast<int>(std::ceil(mida.height() * dpr)));
    buffer_ = QImage(dispositiu, QImage::Format_RGB32);
    buffer_.setDevicePixelRatio(dpr);
    buffer_.fill(Qt::white);
    pintor_ = std::make_unique<QPainter>(&buffer_);
    FixarImatge(&buffer_);
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
    Buidar();
    p_->fillRect(QRect(esquerra, dalt, dreta - esquerra, baix - dalt), ColorQt(color));
}

void LlencPintorQt::FixarColorLlapis(Color color) {
    const QColor nou = ColorQt(color);
    if (nou == color_) return;
    Buidar();
    color_ = nou;
    AplicarLlapis();
}

void LlencPintorQt::FixarGruixLlapis(int gruix) {
    gruix = std::max(gruix, 1);
    if (gruix == gruix_) return;
    Buidar();
    gruix_ = gruix;
    AplicarLlapis();
}

void LlencPintorQt::FixarEstilLlapis(EstilLlapis estil) {
    if (estil == estil_) return;
    Buidar();
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
        Buidar();
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
        rectangles_.emplace_back(QPoint(x0, y0), QPoint(x1, y1));
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
        if (estil_ == EstilLlapis::Continu) {
            linies_.emplace_back(inici, abans);
        } else {
            Buidar();
            p_->drawLine(inici, abans);
        }
        return;
    }
    if (gruix_ == 1) {
        // A one-pixel pen on a denser buffer covers whole pixels: the stroke runs
        // along the pixel centres moved half a pixel back along the line, so it
        // starts at the edge of the first pixel and stops at the edge of the last.
        const QPointF d = QPointF(fi - inici);
        const QPointF u = d / std::hypot(d.x(), d.y()) * 0.5;
        const QPointF centre(0.5, 0.5);
        Buidar();
        p_->drawLine(QPointF(inici) + centre - u, QPointF(fi) + centre - u);
        return;
    }
    Buidar();
    p_->drawLine(QPointF(inici) + QPointF(0.5, 0.5), QPointF(fi) + QPointF(0.5, 0.5));
}

void LlencPintorQt::EscriureText(int x, int y, std::string_view text, Color color, Color fons) {
    Buidar();
    if (vectorial_) {
        const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        p_->fillRect(QRect(x, y, metriques_.horizontalAdvance(t), metriques_.height()),
                     ColorQt(fons));
        p_->setPen(ColorQt(color));
        p_->drawText(QPoint(x, y + metriques_.ascent()), t);
        AplicarLlapis();
        return;
    }
    // Shaping a text costs far more than copying its pixels: each text is drawn
    // once, with its box, on a transparent picture with room for glyphs that stand
    // out of the box, and copied from then on (its pixels are whole: no blending).
    const QRgb rgbColor = ColorQt(color).rgb(), rgbFons = ColorQt(fons).rgb();
    const std::string clau(text);
    auto i = textos_.find(clau);
    if (i == textos_.end() || i->second.color != rgbColor || i->second.fons != rgbFons ||
        i->second.dpr != dpr_) {
        const QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        if (textos_.size() >= 1024) textos_.clear(); // a bound on the memory kept
        constexpr int marge = 4;
        const QRect caixa(0, 0, metriques_.horizontalAdvance(t), metriques_.height());
        const QSize mida = caixa.size() + QSize(2 * marge, 2 * marge);
        QImage imatge(QSize(static_cast<int>(std::ceil(mida.width() * dpr_)),
                            static_cast<int>(std::ceil(mida.height() * dpr_))),
                      QImage::Format_ARGB32_Premultiplied);
        imatge.setDevicePixelRatio(dpr_);
        imatge.fill(Qt::transparent);
        QPainter q(&imatge);
        q.setRenderHint(QPainter::TextAntialiasing, false);
        q.setFont(font_);
        q.translate(marge, marge);
        q.fillRect(caixa, ColorQt(fons));
        q.setPen(ColorQt(color));
        q.drawText(QPoint(0, metriques_.ascent()), t);
        q.end();
        i = textos_
                .insert_or_assign(
                    clau, ImatgeText{imatge, QPoint(-marge, -marge), rgbColor, rgbFons, dpr_})
                .first;
    }
    p_->drawImage(QPoint(x, y) + i->second.origen, i->second.imatge);
}

void LlencPintorQt::OmplirEllipse(int x1, int y1, int x2, int y2, Color color) {
    Buidar();
    const QRect caixa = QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized().adjusted(0, 0, -1, -1);
    p_->setPen(QPen(ColorQt(color), 1));
    p_->setBrush(ColorQt(color));
    p_->drawEllipse(caixa);
    AplicarLlapis();
}

} // namespace tracima
