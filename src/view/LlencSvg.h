// The abstract canvas as an SVG 1.1 document: the same pixel coordinates as the
// window's buffer, lines along pixel centres with crisp edges, consecutive
// lines of one pen gathered into one path, texts over their opaque box.
#pragma once

#include "view/Llenc.h"

#include <string>

namespace tracima {

class LlencSvg : public Llenc {
  public:
    LlencSvg(int amplada = 640, int alcada = 460);

    // The whole document, from the XML declaration to "</svg>". The canvas is
    // spent: draw on a new one for another document.
    std::string Document();

    void OmplirRectangle(int esquerra, int dalt, int dreta, int baix, Color color) override;
    void FixarColorLlapis(Color color) override;
    void FixarGruixLlapis(int gruix) override;
    void FixarEstilLlapis(EstilLlapis estil) override;
    void FixarSuau(bool suau) override;
    void MoureA(int x, int y) override;
    void LiniaA(int x, int y) override;
    void EscriureText(int x, int y, std::string_view text, Color color, Color fons) override;
    void OmplirEllipse(int x1, int y1, int x2, int y2, Color color) override;
    int AmpladaClient() const override { return amplada_; }
    int AlcadaClient() const override { return alcada_; }

  private:
    void TancarCami();
    void Rectangle(int x, int y, int amplada, int alcada, Color color);

    int amplada_, alcada_;
    std::string cos_;  // the elements written so far
    std::string cami_; // the path being gathered (its "d"), empty when none
    Color color_ = ColorNegre;
    int gruix_ = 1;
    EstilLlapis estil_ = EstilLlapis::Continu;
    bool suau_ = false;
    int x_ = 0, y_ = 0;
    int camiX_ = 0, camiY_ = 0; // where the gathered path ends
};

} // namespace tracima
