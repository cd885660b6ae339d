// Las herramientas de puntadas sin ventanas (qué pone un clic según dónde cae, el punto de la
// red más cercano, qué quita la goma) y el recuento por clases de cada color.
#include <gtest/gtest.h>

#include "pattern/puntadas_editar.h"
#include "pattern/puntadas_tapiz.h"
#include "pattern/recuento_clases.h"

namespace pc {
namespace {

constexpr Color kRojo = 0x0000C8, kAzul = 0xC80000;

std::unique_ptr<Estado> tapiz(int ancho, int alto, Color fondo) {
    auto e = crear_estado();
    e->ancho = std::to_string(ancho);
    e->alto = std::to_string(alto);
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) e->punto(x, y) = {fondo, {-1, -1, -1, -1}};
    return e;
}

TEST(PuntadasEditar, ElSitioDentroDeLaCeldaEligeLaPuntada) {
    // Celda (3, 2): de 3 a 4 y de 2 a 3. Arriba a la derecha: medio punto '/'.
    Parcial p = parcial_en(TipoParcial::kMedio, 3.8, 2.2, kRojo);
    EXPECT_EQ(p.x, 3);
    EXPECT_EQ(p.y, 2);
    EXPECT_EQ(p.diagonal, Diagonal::kBarra);
    EXPECT_EQ(parcial_en(TipoParcial::kMedio, 3.2, 2.2, kRojo).diagonal, Diagonal::kInvertida);
    EXPECT_EQ(parcial_en(TipoParcial::kMedio, 3.8, 2.8, kRojo).diagonal, Diagonal::kInvertida);
    // Con la diagonal fija (Mayús), el cuadrante no cuenta.
    EXPECT_EQ(parcial_en(TipoParcial::kMedio, 3.2, 2.2, kRojo, Diagonal::kBarra).diagonal, Diagonal::kBarra);
    // Cuarto y petit en la esquina bajo el puntero; el tres cuartos con la diagonal que la deja libre.
    EXPECT_EQ(parcial_en(TipoParcial::kCuarto, 3.2, 2.9, kRojo).esquina, Esquina::kAbajoIzquierda);
    EXPECT_EQ(parcial_en(TipoParcial::kPetit, 3.9, 2.1, kRojo).esquina, Esquina::kArribaDerecha);
    const Parcial t = parcial_en(TipoParcial::kTresCuartos, 3.1, 2.1, kRojo);
    EXPECT_EQ(t.esquina, Esquina::kArribaIzquierda);
    EXPECT_EQ(t.diagonal, Diagonal::kBarra);
    EXPECT_EQ(parcial_en(TipoParcial::kTresCuartos, 3.9, 2.1, kRojo).diagonal, Diagonal::kInvertida);

    // La red: esquinas, mitades de los lados y centros. La esquina de arriba a la izquierda del
    // tapiz (1, 1) es (0, 0); el centro de la celda (3, 2) es (5, 3).
    EXPECT_EQ(punto_red_en(1.1, 0.9), (PuntoRed{0, 0}));
    EXPECT_EQ(punto_red_en(3.45, 2.55), (PuntoRed{5, 3}));
    EXPECT_EQ(punto_red_en(4.0, 2.74), (PuntoRed{6, 3}));
}

TEST(PuntadasEditar, LaGomaQuitaLoDeMasArribaPrimero) {
    auto e = tapiz(6, 6, kAzul);
    Puntadas& p = e->puntadas;
    // En la celda (2, 2): un medio punto '\', un pespunte que la cruza por el centro y un nudo
    // en su centro, todo bajo el puntero en (2,5; 2,5).
    Parcial medio;
    medio.x = 2, medio.y = 2, medio.diagonal = Diagonal::kInvertida, medio.color = kRojo;
    ASSERT_TRUE(poner_parcial_en_celda(*e, medio));
    EXPECT_EQ(e->punto(2, 2).color, kBlanco);
    Linea l;
    l.u1 = 0, l.v1 = 3, l.u2 = 6, l.v2 = 3, l.color = kRojo;
    ASSERT_TRUE(p.poner(l, 6, 6));
    Nudo n;
    n.u = 3, n.v = 3, n.color = kRojo;
    ASSERT_TRUE(p.poner(n, 6, 6));
    Linea lejos = l;
    lejos.v1 = lejos.v2 = 9;
    ASSERT_TRUE(p.poner(lejos, 6, 6));

    RectanguloCeldas c;
    ASSERT_TRUE(borrar_bajo(*e, 6, 6, 2.5, 2.5, 0.1, 0.2, c));
    EXPECT_TRUE(p.nudos().empty());
    EXPECT_EQ(p.lineas().size(), 2u);
    ASSERT_TRUE(borrar_bajo(*e, 6, 6, 2.5, 2.55, 0.1, 0.2, c));
    ASSERT_EQ(p.lineas().size(), 1u);
    EXPECT_EQ(p.lineas()[0], lejos);
    EXPECT_LE(c.x1, 1);
    EXPECT_GE(c.x2, 4);
    ASSERT_TRUE(borrar_bajo(*e, 6, 6, 2.5, 2.5, 0.1, 0.2, c));
    EXPECT_TRUE(p.parciales().empty());
    // Ya sin puntadas encima, la cruz entera pasa a ser tela; en la tela no hay nada que quitar.
    EXPECT_FALSE(borrar_bajo(*e, 6, 6, 2.5, 2.5, 0.1, 0.2, c));
    ASSERT_TRUE(borrar_bajo(*e, 6, 6, 3.5, 2.5, 0.1, 0.2, c));
    EXPECT_EQ(e->punto(3, 2).color, kBlanco);
    // Fuera del tapiz, nada.
    EXPECT_FALSE(borrar_bajo(*e, 6, 6, 9.5, 2.5, 0.1, 0.2, c));
    // A más de la tolerancia del pespunte que queda, tampoco lo quita.
    ASSERT_TRUE(borrar_bajo(*e, 6, 6, 2.5, 5.65, 0.1, 0.2, c));
    EXPECT_EQ(p.lineas().size(), 1u);

    // Un pespunte a lo largo de un solo lado es un lado del perfilado: la goma lo quita de los
    // dos puntos que lo comparten antes que la cruz.
    Linea lado;
    lado.u1 = 8, lado.v1 = 8, lado.u2 = 10, lado.v2 = 8, lado.color = kRojo;
    ASSERT_TRUE(poner_pespunte(*e, lado));
    ASSERT_TRUE(e->punto(5, 5).lado(kArriba) == kRojo || e->punto(5, 4).lado(kAbajo) == kRojo);
    e->punto(5, 4).lado(kAbajo) = kRojo;
    ASSERT_TRUE(borrar_bajo(*e, 6, 6, 5.5, 5.05, 0.1, 0.2, c));
    EXPECT_EQ(e->punto(5, 5).lado(kArriba), kSinPerfil);
    EXPECT_EQ(e->punto(5, 4).lado(kAbajo), kSinPerfil);
    EXPECT_EQ(e->punto(5, 5).color, kAzul);
}

TEST(RecuentoClases, LasCeldasDeParcialesNoSonCrucesYElHiloPesaPorClase) {
    auto e = tapiz(4, 3, kAzul);
    Puntadas& p = e->puntadas;
    // Dos tres cuartos a ambos lados de '\' en (1, 1) y un medio punto en (2, 1), rojos; un petit azul.
    Parcial a;
    a.x = 1, a.y = 1, a.tipo = TipoParcial::kTresCuartos, a.diagonal = Diagonal::kInvertida;
    a.esquina = Esquina::kAbajoIzquierda, a.color = kRojo;
    Parcial b = a;
    b.esquina = Esquina::kArribaDerecha;
    Parcial m;
    m.x = 2, m.y = 1, m.color = kRojo;
    Parcial q;
    q.x = 3, q.y = 3, q.tipo = TipoParcial::kPetit, q.color = kAzul;
    for (const Parcial& x : {a, b, m, q}) ASSERT_TRUE(poner_parcial_en_celda(*e, x));
    // Pespuntes rojos de 1 y 2 hebras (largos 3 y 5 medios puntos) y dos nudos verdes.
    Linea l1;
    l1.u1 = 0, l1.v1 = 0, l1.u2 = 3, l1.v2 = 0, l1.color = kRojo;
    Linea l2 = l1;
    l2.u1 = 1, l2.v1 = 1, l2.u2 = 4, l2.v2 = 5, l2.hebras = 2;
    ASSERT_TRUE(p.poner(l1, 4, 3));
    ASSERT_TRUE(p.poner(l2, 4, 3));
    Nudo n1, n2;
    n1.u = 2, n1.v = 2, n1.color = 0x00FF00;
    n2 = n1;
    n2.u = 4;
    ASSERT_TRUE(p.poner(n1, 4, 3));
    ASSERT_TRUE(p.poner(n2, 4, 3));

    const RecuentoPorClases r = recuento_por_clases(*e, 4, 3);
    const RecuentoClases* rojo = r.de(kRojo);
    const RecuentoClases* azul = r.de(kAzul);
    const RecuentoClases* blanco = r.de(kBlanco);
    ASSERT_TRUE(rojo && azul);
    EXPECT_EQ(blanco, nullptr);  // la tela bajo los parciales no es una cruz
    EXPECT_EQ(rojo->enteros, 0);
    EXPECT_EQ(rojo->tres_cuartos, 2);
    EXPECT_EQ(rojo->medios, 1);
    EXPECT_DOUBLE_EQ(rojo->cruces_de_hilo(), 2.0);
    EXPECT_EQ(rojo->lineas, 2);
    EXPECT_DOUBLE_EQ(rojo->largo, 8.0);
    EXPECT_EQ(azul->enteros, 12 - 3);
    EXPECT_EQ(azul->petits, 1);
    EXPECT_DOUBLE_EQ(azul->cruces_de_hilo(), 9.25);
    ASSERT_EQ(r.lineas.size(), 2u);
    EXPECT_EQ(r.lineas[0].hebras, 1);
    EXPECT_DOUBLE_EQ(r.lineas[1].largo, 5.0);
    ASSERT_EQ(r.nudos.size(), 1u);
    EXPECT_EQ(r.nudos[0].cuantos, 2);
    EXPECT_EQ(r.nudos[0].hebras, 2);
}

}  // namespace
}  // namespace pc
