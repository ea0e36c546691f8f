#include "window/GraficQt.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace tracima {

GraficQt::GraficQt(QWidget* pare) : QWidget(pare), llenc_(QSize(640, 460), 1.0) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumSize(1, 1);
}

bool GraficQt::AjustarBuffer() {
    const qreal dpr = devicePixelRatioF();
    if (llenc_.Mida() == size() && llenc_.Imatge().devicePixelRatio() == dpr) return false;
    llenc_.Redimensionar(size(), dpr);
    if (EnNouBuffer) EnNouBuffer();
    return true;
}

void GraficQt::FixarTransparent(bool transparent) {
    if (transparent == transparent_) return;
    transparent_ = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    setAttribute(Qt::WA_TranslucentBackground, transparent);
    update();
}

void GraficQt::resizeEvent(QResizeEvent*) { AjustarBuffer(); }

void GraficQt::paintEvent(QPaintEvent* e) {
    AjustarBuffer();
    QPainter p(this);
    if (!transparent_) {
        // The source rectangle is in the buffer's device pixels.
        const qreal dpr = llenc_.Imatge().devicePixelRatio();
        const QRectF desti(e->rect());
        p.drawImage(desti, llenc_.Imatge(),
                    QRectF(desti.topLeft() * dpr, desti.size() * dpr));
        return;
    }
    // White keyed out: every pure white pixel becomes fully transparent.
    QImage clau = llenc_.Imatge().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < clau.height(); ++y) {
        auto* fila = reinterpret_cast<QRgb*>(clau.scanLine(y));
        for (int x = 0; x < clau.width(); ++x)
            if ((fila[x] & 0xFFFFFFu) == 0xFFFFFFu) fila[x] = 0;
    }
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), clau);
}

void GraficQt::mousePressEvent(QMouseEvent* e) {
    if (EnPremerRatoli) EnPremerRatoli(e);
}
void GraficQt::mouseMoveEvent(QMouseEvent* e) {
    if (EnMoureRatoli) EnMoureRatoli(e);
}
void GraficQt::mouseReleaseEvent(QMouseEvent* e) {
    if (EnDeixarRatoli) EnDeixarRatoli(e);
}

void GraficQt::wheelEvent(QWheelEvent* e) {
    if (EnRodaRatoli)
        EnRodaRatoli(e);
    else
        QWidget::wheelEvent(e);
}

} // namespace tracima
