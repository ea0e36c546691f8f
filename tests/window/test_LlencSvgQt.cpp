// The SVG canvas against the recording canvas on the same scene: a well-formed
// document with the same lines, rectangles, texts and ellipses, in order.
#include "view/Dibuix.h"
#include "view/LlencSvg.h"

#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <vector>

namespace tracima {
namespace {

TEST(LlencSvg, SameDrawingAsTheRecordingCanvas) {
    auto cf = std::make_unique<ConjuntFuncions>();
    const char* formules[] = {"sin(x)", "x^2/4-3", "1/x", "abs(x)-2", "cos(2x)*3", "x/2"};
    for (int i = 0; i < 6; ++i) cf->Slots[i].Text = formules[i];
    Calculador calc;
    ASSERT_EQ(AplicarFuncions(*cf, calc), 0);
    auto r = std::make_unique<EstatResultats>();
    for (int c = 100; c < 140; ++c) r->Segments.Afegir(c, 220, c, 180, true);
    r->Etiquetes.Afegir(200, 100, "x < 2 & \"y\"");
    r->TextEstat = "Àrea entre -1 i 1 = 2";
    OpcionsVista o;
    o.MenuPissarra = o.MenuTrama = o.MenuMostrarValorUnitatEixos = true;
    o.GruixLinies = 3;
    ValorsVista v;

    LlencEnregistrador registre(1280, 920);
    Repintar(registre, *cf, o, v, *r);
    LlencSvg svg(1280, 920);
    Repintar(svg, *cf, o, v, *r);
    const std::string document = svg.Document();

    QXmlStreamReader xml(QByteArray::fromStdString(document));
    int rectangles = 0, linies = 0, ellipses = 0;
    std::vector<std::string> textos;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        const QStringView nom = xml.name();
        if (nom == u"rect") ++rectangles;
        else if (nom == u"ellipse") ++ellipses;
        else if (nom == u"text") textos.push_back(xml.readElementText().toStdString());
        else if (nom == u"path") linies += static_cast<int>(xml.attributes().value(QStringLiteral("d")).count(u'L'));
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    using T = LlencEnregistrador::Tipus;
    std::vector<std::string> esperats;
    for (const auto& c : registre.DelTipus(T::Text)) esperats.push_back(c.text);
    EXPECT_EQ(textos, esperats);
    EXPECT_EQ(linies, static_cast<int>(registre.DelTipus(T::Linia).size()));
    EXPECT_EQ(rectangles, static_cast<int>(registre.DelTipus(T::Rectangle).size() + esperats.size()));
    EXPECT_EQ(ellipses, static_cast<int>(registre.DelTipus(T::Ellipse).size()));
    EXPECT_GT(linies, 3000);
}

} // namespace
} // namespace tracima
