// La lista de los colores del gráfico con puntadas de otras clases: los colores que sólo están en
// ellas entran con su recuento, la tela bajo los parciales no es un color usado y el texto corto
// de la columna dice sólo las clases que tiene cada color.
#include <gtest/gtest.h>

#include "ordenes/patron/colores_grafico.h"
#include "pattern/puntadas_tapiz.h"

namespace pc {
namespace {

TEST(ColoresOtras, ColoresDeSoloOtrasPuntadasYLaTelaFuera) {
    auto e = crear_estado();
    e->ancho = "3";
    e->alto = "2";
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 2; ++y) e->punto(x, y) = {0x102030, {-1, -1, -1, -1}};
    Parcial m;
    m.x = 2, m.y = 1, m.color = 0x0000FF;
    ASSERT_TRUE(poner_parcial(*e, m));
    Nudo n;
    n.u = 1, n.v = 1, n.color = 0x00FF00;
    ASSERT_TRUE(poner_nudo(*e, n));
    Linea l;
    l.u1 = 0, l.v1 = 0, l.u2 = 3, l.v2 = 3, l.color = 0x0000FF;
    ASSERT_TRUE(poner_pespunte(*e, l));

    const ColoresGrafico c = colores_del_grafico(*e);
    const auto de = [&](Color color) -> const ColorGrafico* {
        for (const ColorGrafico& g : c.colores)
            if (g.color == color) return &g;
        return nullptr;
    };
    ASSERT_TRUE(de(0x102030));
    EXPECT_EQ(de(0x102030)->puntos, 5);
    EXPECT_EQ(de(kBlanco), nullptr);
    const ColorGrafico* azul = de(0x0000FF);
    ASSERT_TRUE(azul);
    EXPECT_EQ(azul->puntos, 0);
    EXPECT_EQ(azul->clases.medios, 1);
    EXPECT_EQ(azul->clases.lineas, 1);
    EXPECT_EQ(texto_otras_clases(azul->clases, false), "1 medio punto, 1 pespunte");
    EXPECT_EQ(texto_otras_clases(azul->clases, true), "1 ½ · 1 pesp.");
    ASSERT_TRUE(de(0x00FF00));
    EXPECT_EQ(texto_otras_clases(de(0x00FF00)->clases, false), "1 nudo");
    EXPECT_EQ(texto_otras_clases(de(0x102030)->clases, false), "");
}

}  // namespace
}  // namespace pc
