// Las herramientas del botón izquierdo como sesiones de usuario: el trazo rápido sin huecos,
// relleno, cuentagotas, zona arrastrada y Perfilar (la marca "Perfilando").
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "ordenes/patron/zonas.h"
#include "ordenes/sesion/herramientas.h"
#include "ordenes/sesion/patron.h"
#include "tests/comun/banco.h"

namespace pc {
namespace {

constexpr Color kFondo = 0x101010;
constexpr Color kMancha = 0x2080C0;
constexpr Color kPincel = 0x3020F0;
constexpr int s4 = 4;

struct Banco : prueba::BancoOrdenes<> {
    Banco() : BancoOrdenes(4, 4) {
        e.ancho = e.alto = "40";
        for (int x = 0; x <= 700; ++x)
            for (int y = 0; y <= 700; ++y) e.punto(x, y) = {kFondo, {-1, -1, -1, -1}};
        e.color_actual = kPincel;
    }
    static int c(int i) { return i * s4 + 1; }  // un píxel dentro del punto i
    void pulsar(int x, int y) { raton_pulsado(s, Boton::kIzquierdo, c(x), c(y)); }
    void arrastrar(int x, int y) { raton_movido(s, true, c(x), c(y)); }
    int pintados() const {
        int n = 0;
        for (int x = 1; x <= 40; ++x)
            for (int y = 1; y <= 40; ++y) n += e.punto(x, y).color == kPincel;
        return n;
    }
};

TEST(Herramientas, UnTrazoRapidoPintaCadaPuntoDeLaRectaYFueraDelTapizNada) {
    Banco b;
    // 35 puntos en dos movimientos: antes quedaban 3.
    b.pulsar(1, 5);
    b.arrastrar(18, 5);
    b.arrastrar(35, 5);
    raton_soltado(b.e);
    EXPECT_EQ(b.pintados(), 35);
    for (int x = 1; x <= 35; ++x) EXPECT_EQ(b.e.punto(x, 5).color, kPincel) << x;

    // En diagonal, punto a punto; la recta sale del tapiz y vuelve: lo de fuera no se pinta.
    Banco d;
    d.pulsar(2, 2);
    d.arrastrar(6, 6);
    EXPECT_EQ(d.pintados(), 5);
    for (int i = 2; i <= 6; ++i) EXPECT_EQ(d.e.punto(i, i).color, kPincel);
    d.arrastrar(50, 6);   // fuera a la derecha: 7..40 de la fila 6
    d.arrastrar(-10, 8);  // cruza el tapiz entero otra vez, por la fila 7 y la 8
    raton_soltado(d.e);
    EXPECT_EQ(d.e.punto(40, 6).color, kPincel);
    EXPECT_EQ(d.e.punto(1, 8).color, kPincel);
    EXPECT_EQ(d.e.punto(0, 8).color, kFondo);  // la columna 0 no es del tapiz
    EXPECT_EQ(d.e.punto(41, 6).color, kFondo);
    // Tras soltar, el siguiente arrastre no une con el trazo anterior.
    d.arrastrar(20, 30);
    EXPECT_EQ(d.e.punto(19, 29).color, kFondo);
    EXPECT_EQ(d.e.punto(20, 30).color, kPincel);
    EXPECT_EQ(nombre_uso(d.e), "Pintar");
}

TEST(Herramientas, RellenoYCuentagotasHacenLoQueSusOrdenesEnElPuntoPulsado) {
    Banco b;
    for (int x = 3; x <= 5; ++x)
        for (int y = 3; y <= 4; ++y) b.e.punto(x, y).color = kMancha;
    elegir_herramienta(b.s, Herramienta::kRelleno);
    b.pulsar(4, 4);
    b.arrastrar(10, 10);  // arrastrar no pinta
    raton_soltado(b.e);
    EXPECT_EQ(b.pintados(), 6);
    EXPECT_EQ(nombre_uso(b.e), "Rellenar Color (MACIZO)");

    b.e.punto(20, 20).color = kMancha;
    elegir_herramienta(b.s, Herramienta::kCuentagotas);
    b.pulsar(20, 20);
    EXPECT_EQ(b.e.color_actual, kMancha);
    EXPECT_EQ(b.e.rotulos.seleccionar, "Seleccionar Color: HILO:????");
    EXPECT_EQ(b.pintados(), 6);
    EXPECT_EQ(herramienta_activa(b.e), Herramienta::kCuentagotas);
}

TEST(Herramientas, ZonaArrastradaConLaPrimeraEsquinaArribaYLosRotulosSiguenALaZona) {
    Banco b;
    EXPECT_EQ(rotulo_marcar_x1y1(b.e), "");  // sin marcar: el rótulo de siempre
    elegir_herramienta(b.s, Herramienta::kZona);
    b.pulsar(9, 12);
    b.arrastrar(3, 4);
    b.arrastrar(50, 2);  // fuera del tapiz: hasta su borde
    raton_soltado(b.e);
    EXPECT_EQ(b.e.zona_x1, "9");
    EXPECT_EQ(b.e.zona_y1, "2");
    EXPECT_EQ(b.e.zona_x2, "40");
    EXPECT_EQ(b.e.zona_y2, "12");
    EXPECT_EQ(b.e.sel_x, 9);
    EXPECT_EQ(rotulo_marcar_x1y1(b.e), "Marcar (X1,Y1)--> (9,2)");
    EXPECT_EQ(rotulo_marcar_x2y2(b.e), "Marcar (X2,Y2)--> (40,12)");
    // Empezando fuera del tapiz, la primera esquina queda en su borde.
    raton_pulsado(b.s, Boton::kIzquierdo, -20, Banco::c(3));
    b.arrastrar(6, 7);
    raton_soltado(b.e);
    EXPECT_EQ(rotulo_marcar_x1y1(b.e), "Marcar (X1,Y1)--> (1,3)");
    EXPECT_EQ(rotulo_marcar_x2y2(b.e), "Marcar (X2,Y2)--> (6,7)");
    const auto z = zona_a_la_vista(b.e);
    ASSERT_TRUE(z);
    EXPECT_FALSE(z->invertida);
    // Otra orden cambia la zona (como una carga): los rótulos la siguen.
    b.e.zona_x1 = b.e.zona_y1 = "1";
    b.e.zona_x2 = b.e.zona_y2 = "40";
    EXPECT_EQ(rotulo_marcar_x2y2(b.e), "Marcar (X2,Y2)--> (40,40)");
    EXPECT_FALSE(zona_a_la_vista(b.e));  // el tapiz entero, sin trabajar en zona: no se dibuja
    b.e.en_zona = true;
    EXPECT_TRUE(zona_a_la_vista(b.e));
    b.e.zona_x1 = "41";  // invertida, como la guarda "Marcar ZONA"
    EXPECT_TRUE(zona_a_la_vista(b.e)->invertida);
    // Tras generar un tapiz más pequeño la zona lo pasa: se dibuja recortada a él.
    b.e.zona_x1 = "5";
    b.e.zona_x2 = "90";
    b.e.ancho = "30";
    const auto recortada = zona_a_la_vista(b.e);
    ASSERT_TRUE(recortada);
    EXPECT_EQ(recortada->x1, 5);
    EXPECT_EQ(recortada->x2, 30);
    EXPECT_EQ(recortada->y2, 40);
    b.e.zona_x1 = "31";  // entera fuera del tapiz: nada que dibujar
    EXPECT_FALSE(zona_a_la_vista(b.e));
    b.e.zona_x1 = "x";
    EXPECT_FALSE(zona_a_la_vista(b.e));
}

TEST(Herramientas, PerfilarEsLaMarcaPerfilandoYSinLadosPerfilaElArea) {
    Banco b;
    elegir_herramienta(b.s, Herramienta::kRelleno);
    elegir_herramienta(b.s, Herramienta::kPerfilar);
    EXPECT_TRUE(b.e.perfilando);
    b.e.perfilando = false;  // quitar "Perfilando" en el menú vuelve a la herramienta de antes
    EXPECT_EQ(herramienta_activa(b.e), Herramienta::kRelleno);
    b.e.perfilando = true;
    EXPECT_EQ(herramienta_activa(b.e), Herramienta::kPerfilar);

    // Sin lados marcados, el clic perfila el área de 2 x 1 como "Perfilar" > "Todo".
    b.e.punto(10, 10).color = b.e.punto(11, 10).color = kMancha;
    b.pulsar(10, 10);
    EXPECT_EQ(nombre_uso(b.e), "Perfilar Todo");
    EXPECT_EQ(b.e.punto(9, 10).lado(kDerecha), kPincel);
    EXPECT_EQ(b.e.punto(12, 10).lado(kIzquierda), kPincel);
    EXPECT_EQ(b.e.punto(10, 9).lado(kAbajo), kPincel);
    EXPECT_EQ(b.e.punto(11, 11).lado(kArriba), kPincel);
    EXPECT_EQ(b.e.punto(10, 10).perfil, (std::array<Color, 4>{-1, -1, -1, -1}));
    raton_soltado(b.e);

    // Con un lado marcado pone ese lado en cada punto del trazo, como siempre.
    b.e.perfil_arriba = true;
    b.pulsar(1, 20);
    b.arrastrar(4, 20);
    raton_soltado(b.e);
    for (int x = 1; x <= 4; ++x) EXPECT_EQ(b.e.punto(x, 20).perfil, (std::array<Color, 4>{kPincel, -1, -1, -1}));
    EXPECT_EQ(b.e.punto(5, 20).lado(kArriba), -1);
    EXPECT_EQ(nombre_uso(b.e), "Perfilar");
    b.e.borrar_perfilado = true;
    EXPECT_EQ(nombre_uso(b.e), "Borrar Perfilado");
    elegir_herramienta(b.s, Herramienta::kPincel);
    EXPECT_FALSE(b.e.perfilando);
}

TEST(Herramientas, PosicionBajoElPuntero) {
    Banco b;
    EXPECT_EQ(texto_posicion(b.e, 7 * 4 + 3, 12 * 4), "7, 12");
    EXPECT_EQ(texto_posicion(b.e, 2, 12), "");   // margen
    EXPECT_EQ(texto_posicion(b.e, 41 * 4, 4), "");
    EXPECT_EQ(texto_posicion(b.e, -3, 4), "");
    b.e.ancho = "x";
    EXPECT_EQ(texto_posicion(b.e, 8, 8), "");
}

}  // namespace
}  // namespace pc
