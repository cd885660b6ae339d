// Las otras puntadas frente a la rejilla: los cambios de color las llevan consigo y respetan la
// tela bajo los parciales (que tampoco cuenta en la paleta del tapiz); lo que pinta puntos enteros quita los parciales de su celda.
#include <gtest/gtest.h>

#include "app/vista_nula.h"
#include "pattern/cambios.h"
#include "pattern/editar.h"
#include "pattern/puntadas_tapiz.h"
#include "pattern/rellenar.h"

namespace pc::prueba {
namespace {

constexpr Color kRojo = rgb(200, 0, 0), kAzul = rgb(0, 0, 200), kVerde = rgb(0, 200, 0);

TEST(PuntadasTapiz, LosCambiosDeColorLlevanLasOtrasYNoTocanLaTelaDeLosParciales) {
    auto e = crear_estado();
    e->ancho = "4";
    e->alto = "3";
    for (int x = 1; x <= 4; ++x)
        for (int y = 1; y <= 3; ++y) e->punto(x, y) = Punto{kRojo, {-1, -1, -1, -1}};
    VistaNula v;
    ASSERT_TRUE(poner_parcial(*e, Parcial{2, 2, TipoParcial::kMedio, Diagonal::kBarra, Esquina::kArribaIzquierda, kAzul}));
    EXPECT_EQ(e->punto(2, 2).color, kBlanco);
    // La tela bajo el parcial no es un punto blanco de la paleta del tapiz.
    TablaHilos paleta;
    MapaColores indice;
    contar_colores(*e, Rango{1, 1, 4, 3}, paleta, indice, nullptr);
    ASSERT_EQ(paleta.total, 1);
    EXPECT_EQ(paleta[1].numero, 11);
    ASSERT_TRUE(poner_pespunte(*e, Linea{0, 0, 3, 3, kRojo, 1}));
    ASSERT_TRUE(poner_nudo(*e, Nudo{8, 6, kRojo, 2}));  // esquina de abajo a la derecha
    // Un pespunte a lo largo de un lado es perfilado, no pespunte.
    ASSERT_TRUE(poner_pespunte(*e, Linea{2, 6, 2, 4, kAzul, 1}));
    EXPECT_EQ(e->punto(2, 3).lado(kIzquierda), kAzul);
    EXPECT_EQ(e->puntadas.lineas().size(), 1u);

    // Blanco por verde: la tela bajo el medio punto no es un punto blanco.
    EXPECT_EQ(cambiar_en_rango(*e, Rango{1, 1, 4, 3}, kBlanco, kVerde, v), 0);
    EXPECT_EQ(e->punto(2, 2).color, kBlanco);
    // Rojo por verde en la zona 1..3 × 1..2: el pespunte cae dentro; el nudo, en (8, 6), no.
    EXPECT_EQ(cambiar_en_rango(*e, Rango{1, 1, 3, 2}, kRojo, kVerde, v), 5);
    EXPECT_EQ(e->puntadas.lineas()[0].color, kVerde);
    EXPECT_EQ(e->puntadas.nudos()[0].color, kRojo);
    // Una lista de cambios (reducciones, ajuste): todos a la vez, en todo el tapiz.
    ListaCambios l;
    l.anadir(kAzul, kRojo);
    l.anadir(kRojo, kAzul);
    aplicar_cambios(*e, l, 4, 3, AvisoCambios{});
    EXPECT_EQ(e->puntadas.parciales()[0].color, kRojo);
    EXPECT_EQ(e->puntadas.nudos()[0].color, kAzul);
    EXPECT_EQ(e->punto(2, 2).color, kBlanco);
    EXPECT_EQ(e->punto(4, 3).color, kAzul);

    // Aclarar el tapiz sólo toca puntos enteros.
    aclarar_rango(*e, Rango{1, 1, 4, 3}, -50, v);
    EXPECT_EQ(e->punto(2, 2).color, kBlanco);

    // Un relleno que pasa por la celda pone un punto entero: el parcial se va.
    e->color_actual = kVerde;
    rellenar(*e, 2, 2, Relleno::kMacizo, 4, 3, v);
    EXPECT_EQ(e->punto(2, 2).color, kVerde);
    EXPECT_TRUE(e->puntadas.parciales().empty());
    // Fuera del tapiz no se pone nada.
    EXPECT_FALSE(poner_parcial(*e, Parcial{5, 1, TipoParcial::kPetit}));
    EXPECT_FALSE(poner_pespunte(*e, Linea{8, 0, 10, 0, kAzul, 1}));
}

}  // namespace
}  // namespace pc::prueba
