// La leyenda del cuadernillo con puntadas que no son cruces enteras: las celdas con parciales
// salen de las cruces, cada color cuenta aparte sus parciales y sus madejas salen de todas sus
// puntadas, los colores de sólo parciales entran con su símbolo en su sitio, la tela bajo los
// parciales sale, y las secciones de pespuntes (largo y madejas por hilo y hebras) y de nudos.
#include "print/cuadernillo_puntadas.h"

#include <gtest/gtest.h>

#include <set>

#include "print/simbolos_letra.h"
#include "tests/comun/banco.h"
#include "threads/catalogo.h"
#include "threads/datos.h"

namespace pc {
namespace {

TEST(CuadernilloPuntadas, LeyendaConParcialesPespuntesYNudos) {
    prueba::BancoOrdenes<> b;
    b.cargar_dmc();
    TablaHilos dmc, anchor;
    std::array<std::string, kColumnasCatalogo + 1> titulos{};
    leer_catalogo(b.e.texto_dmc, dmc, titulos);
    leer_catalogo(b.e.texto_anchor, anchor, titulos);
    const Color c310 = prueba::hilo_numero(b.e, 310).color;
    const Color c321 = prueba::hilo_numero(b.e, 321).color;
    const Color c666 = prueba::hilo_numero(b.e, 666).color;
    // 4 x 3 del 310; en la fila 2 un medio punto y dos tres cuartos del 321 sobre la tela
    // (la única tela del tapiz).
    b.e.ancho = "4";
    b.e.alto = "3";
    for (int y = 1; y <= 3; ++y)
        for (int x = 1; x <= 4; ++x) b.e.punto(x, y) = Punto{c310, {-1, -1, -1, -1}};
    Parcial m;
    m.x = 1, m.y = 2, m.color = c321;
    Parcial t1;
    t1.x = 2, t1.y = 2, t1.tipo = TipoParcial::kTresCuartos, t1.diagonal = Diagonal::kBarra;
    t1.esquina = Esquina::kArribaIzquierda, t1.color = c321;
    Parcial t2 = t1;
    t2.esquina = Esquina::kAbajoDerecha;
    for (const Parcial& p : {m, t1, t2}) {
        ASSERT_TRUE(b.e.puntadas.poner(p, 4, 3));
        b.e.punto(p.x, p.y).color = kBlanco;
    }
    // Pespuntes del 666: 2 hebras 8 medios puntos en dos tramos; 1 hebra, 3 medios puntos.
    // Un nudo del 310.
    for (const auto& [u1, u2, hebras] : {std::tuple{0, 4, 2}, std::tuple{4, 8, 2}, std::tuple{0, 3, 1}}) {
        Linea l;
        l.u1 = static_cast<std::int16_t>(u1), l.u2 = static_cast<std::int16_t>(u2), l.v1 = l.v2 = 5;
        l.color = c666, l.hebras = static_cast<std::uint8_t>(hebras);
        ASSERT_TRUE(b.e.puntadas.poner(l, 4, 3));
    }
    Nudo n;
    n.u = 3, n.v = 3, n.color = c310;
    ASSERT_TRUE(b.e.puntadas.poner(n, 4, 3));

    TrabajoCuadernillo t;
    t.estado = &b.e;
    t.tapiz = Rango{1, 1, 4, 3};
    t.catalogo = "DMC";
    t.op.tela = 14;
    t.op.hebras = 2;
    construir_leyenda(t, dmc, anchor, lineas_equivalencias());
    ASSERT_EQ(t.leyenda.size(), 2u);  // 310 y la tela
    anadir_puntadas_leyenda(t, dmc, anchor, lineas_equivalencias());
    ASSERT_TRUE(t.puntadas);
    const PuntadasCuadernillo& pc = *t.puntadas;

    // La tela sale; el 321 entra detrás del 310, con un símbolo que nadie más lleva.
    ASSERT_EQ(t.leyenda.size(), 2u);
    EXPECT_EQ(t.leyenda[0].numero, "310");
    EXPECT_EQ(t.leyenda[0].puntos, 10);
    EXPECT_EQ(pc.parciales[0], 0);
    EXPECT_EQ(t.leyenda[1].numero, "321");
    EXPECT_EQ(t.leyenda[1].puntos, 0);
    EXPECT_EQ(pc.parciales[1], 3);
    EXPECT_NE(t.leyenda[1].simbolo, t.leyenda[0].simbolo);
    // Hilo del 321: 1/2 + 3/4 + 3/4 = 2 cruces.
    EXPECT_EQ(t.leyenda[1].madejas, madejas(2, 14, 2));
    EXPECT_EQ(t.total_puntos, 10);
    EXPECT_TRUE(pc.celda_con_parcial(t, 2, 2));
    EXPECT_FALSE(pc.celda_con_parcial(t, 2, 3));
    EXPECT_EQ(t.fila(2, 3), 0);

    // Los pespuntes, una sección de líneas detrás del perfilado (que aquí no hay).
    ASSERT_EQ(t.secciones.size(), 1u);
    EXPECT_EQ(t.secciones[0].titulo, "Pespuntes");
    const std::vector<FilaLinea>& pes = t.secciones[0].filas;
    ASSERT_EQ(pes.size(), 2u);
    EXPECT_EQ(pes[0].hebras, 1);
    EXPECT_DOUBLE_EQ(pes[0].largo_mm, largo_linea_mm(3, 14));
    EXPECT_EQ(pes[1].numero, "666");
    EXPECT_EQ(pes[1].hebras, 2);
    EXPECT_DOUBLE_EQ(pes[1].largo_mm, largo_linea_mm(8, 14));
    EXPECT_EQ(pes[1].madejas, madejas_linea(largo_linea_mm(8, 14), 2));
    ASSERT_EQ(pc.nudos.size(), 1u);
    EXPECT_EQ(pc.nudos[0].numero, "310");
    EXPECT_EQ(pc.nudos[0].nudos, 1);
    EXPECT_EQ(pc.nudos[0].hebras, 2);
    EXPECT_EQ(pc.lineas(), 2);

    // Una zona sin ninguna puntada de esas clases deja la leyenda como estaba.
    TrabajoCuadernillo z = t;
    z.puntadas.reset();
    z.tapiz = Rango{3, 1, 4, 1};
    construir_leyenda(z, dmc, anchor, lineas_equivalencias());
    const auto antes = z.leyenda.size();
    anadir_puntadas_leyenda(z, dmc, anchor, lineas_equivalencias());
    EXPECT_FALSE(z.puntadas);
    EXPECT_EQ(z.leyenda.size(), antes);
}

}  // namespace
}  // namespace pc
