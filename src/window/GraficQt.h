// The graph widget: the main window's client area. It owns the back buffer
// (LlencQt); paintEvent only copies the buffer to the screen. When its size or
// device pixel ratio changes it makes a new buffer and asks the window to
// repaint it (the window draws the graph from its state).
#pragma once

#include "window/LlencQt.h"

#include <QWidget>

#include <functional>

namespace tracima {

class GraficQt : public QWidget {
    Q_OBJECT
  public:
    explicit GraficQt(QWidget* pare = nullptr);

    LlencQt& Llenc() { return llenc_; }
    const LlencQt& Llenc() const { return llenc_; }

    // Called with a new, blank buffer: the window redraws the graph into it.
    std::function<void()> EnNouBuffer;

    // See-through mode: pure white pixels of the buffer are shown fully
    // transparent (the top-level window must be translucent for it to show).
    void FixarTransparent(bool transparent);
    bool Transparent() const { return transparent_; }

    // Mouse events of the graph, for the pointer read-out, marks and drags.
    std::function<void(QMouseEvent*)> EnPremerRatoli, EnMoureRatoli, EnDeixarRatoli;
    // The wheel over the graph (zoom).
    std::function<void(QWheelEvent*)> EnRodaRatoli;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

  private:
    // A new buffer when the widget's size or pixel ratio differ from the buffer's.
    bool AjustarBuffer();

    LlencQt llenc_;
    bool transparent_ = false;
};

} // namespace tracima
