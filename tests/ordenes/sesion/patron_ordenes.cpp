// Órdenes de la vista del patrón como sesiones de usuario: redibujado con ajuste del
// tamaño de la rejilla, pintura con el ratón, texto bajo el puntero y los ajustes.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ordenes/sesion/patron.h"
#include "tests/comun/banco.h"

namespace pc {
namespace {

using prueba::DialogosGuion;
using prueba::VistaRegistro;
using Celdas = std::vector<std::pair<int, int>>;

constexpr Color kFondo = 0x101010;
constexpr Color kPincel = 0x3020F0;

struct Banco : prueba::BancoOrdenes<> {
    Banco() : BancoOrdenes(4, 4) {
        for (int x = 0; x <= 700; ++x)
            for (int y = 0; y <= 700; ++y) e.punto(x, y) = {kFondo, {-1, -1, -1, -1}};
        e.color_actual = kPincel;
    }
    // Píxel central del punto (x, y) con la celda actual.
    int centro(int i) const { return i * e.tam_celda + e.tam_celda / 2; }
};

TEST(VistaPatron, RedibujarAjustaLaRejillaSoloCuandoNoCabe) {
    struct Caso { const char* ancho; const char* alto; const char* rejilla; int celda; const char* mensaje; };
    const Caso casos[] = {
        {"400", "10", "4", 4, nullptr},
        {"10", "401", "4", 3, "Se cambia el tamaño de la rejilla 3"},
        {"700", "700", "4", 2, "Se cambia el tamaño de la rejilla 2"},
        {"60", "60", "2", 2, nullptr},  // nunca se agranda
        {"1", "1", "5000", 1600, "Se cambia el tamaño de la rejilla 1600"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.ancho) + "x" + c.alto + " rejilla " + c.rejilla);
        Banco b;
        b.e.ancho = c.ancho;
        b.e.alto = c.alto;
        b.e.tam_rejilla = c.rejilla;
        b.e.tam_celda = std::stoi(c.rejilla);
        EXPECT_TRUE(b.orden([&] { redibujar_todo(b.s); }));
        EXPECT_EQ(b.e.tam_celda, c.celda);
        EXPECT_EQ(b.e.tam_rejilla, std::to_string(c.celda));
        EXPECT_EQ(b.d.mensajes(), c.mensaje ? std::vector<std::string>{c.mensaje} : std::vector<std::string>{});
        EXPECT_EQ(b.v.redibujados, 1);
    }
}

TEST(VistaPatron, RedibujarConRejillaNoValidaAvisaSinDibujar) {
    for (const char* t : {"0", "-3"}) {
        Banco b;
        b.e.tam_rejilla = t;
        EXPECT_FALSE(b.orden([&] { redibujar_todo(b.s); }));
        EXPECT_EQ(b.d.errores(), std::vector<std::string>{"El tamaño de la rejilla debe ser 1 o mayor."});
        EXPECT_EQ(b.v.redibujados, 0);
    }
    Banco b;
    b.e.tam_rejilla = "cuatro";
    EXPECT_FALSE(b.orden([&] { redibujar_todo(b.s); }));
    EXPECT_EQ(b.d.errores(), std::vector<std::string>{"'cuatro' is not a valid integer value"});
    EXPECT_EQ(b.v.redibujados, 0);
}

TEST(VistaPatron, PincelPintaElCuadradoDentroDelTapiz) {
    Banco b;
    b.e.tam_pincel = "5";
    EXPECT_FALSE(raton_pulsado(b.s, Boton::kIzquierdo, b.centro(1), b.centro(1)));
    EXPECT_EQ(b.v.celdas, (Celdas{{1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}}));
    EXPECT_EQ(b.e.punto(3, 3).color, kPincel);
    EXPECT_EQ(b.e.punto(4, 1).color, kFondo);
    EXPECT_EQ(b.e.punto(0, 0).color, kFondo);  // el margen no se pinta
    EXPECT_EQ(b.e.punto(1, 1).lado(kArriba), -1);

    // En la esquina opuesta del tapiz de 60 x 60: sólo lo que cae dentro.
    b.v.celdas.clear();
    b.e.tam_pincel = "3";
    raton_pulsado(b.s, Boton::kIzquierdo, b.centro(60), b.centro(60));
    EXPECT_EQ(b.v.celdas, (Celdas{{59, 59}, {59, 60}, {60, 59}, {60, 60}}));
    EXPECT_EQ(b.e.punto(61, 61).color, kFondo);
}

TEST(VistaPatron, TamanosDePincelPequenosYNoValidos) {
    for (const char* t : {"0", "-1", "1"}) {
        Banco b;
        b.e.tam_pincel = t;
        raton_pulsado(b.s, Boton::kIzquierdo, b.centro(5), b.centro(7));
        EXPECT_EQ(b.v.celdas, (Celdas{{5, 7}})) << t;
    }
    for (const char* t : {"-2", "-9"}) {
        Banco b;
        b.e.tam_pincel = t;
        raton_pulsado(b.s, Boton::kIzquierdo, b.centro(5), b.centro(7));
        EXPECT_TRUE(b.v.celdas.empty()) << t;
        EXPECT_EQ(b.e.punto(5, 7).color, kFondo);
    }
    // Un pincel gigantesco pinta el tapiz entero y nada más (sin recorrer dos mil millones).
    Banco g;
    g.e.ancho = "3";
    g.e.alto = "2";
    g.e.tam_pincel = "2147483647";
    raton_pulsado(g.s, Boton::kIzquierdo, g.centro(1), g.centro(1));
    EXPECT_EQ(g.v.celdas.size(), 6u);
    // Un pincel que no es un número: el error de conversión, con la selección ya guardada.
    Banco m;
    m.e.tam_pincel = "x";
    EXPECT_FALSE(m.orden([&] { raton_pulsado(m.s, Boton::kIzquierdo, m.centro(2), m.centro(3)); }));
    EXPECT_EQ(m.d.errores(), std::vector<std::string>{"'x' is not a valid integer value"});
    EXPECT_EQ(m.e.sel_x, 2);
    EXPECT_EQ(m.e.sel_y, 3);
    EXPECT_TRUE(m.v.celdas.empty());
}

TEST(VistaPatron, PulsacionFueraDelTapizGuardaLaSeleccionSinMasEfecto) {
    Banco b;
    b.e.ancho = "20";
    b.e.alto = "10";
    // Más allá del ancho: el botón derecho no apaga la pista, el izquierdo no pinta.
    EXPECT_FALSE(raton_pulsado(b.s, Boton::kDerecho, 21 * 4, 5 * 4 + 1));
    EXPECT_EQ(b.e.sel_x, 21);
    EXPECT_EQ(b.e.sel_y, 5);
    EXPECT_FALSE(raton_pulsado(b.s, Boton::kIzquierdo, 3 * 4, 11 * 4 + 3));
    EXPECT_EQ(b.e.sel_x, 3);
    EXPECT_EQ(b.e.sel_y, 11);
    EXPECT_TRUE(b.v.celdas.empty());
    // Dentro: el derecho apaga la pista y no pinta; el central no hace nada más.
    EXPECT_TRUE(raton_pulsado(b.s, Boton::kDerecho, 20 * 4 + 3, 10 * 4 + 3));
    EXPECT_EQ(b.e.sel_x, 20);
    EXPECT_EQ(b.e.sel_y, 10);
    EXPECT_FALSE(raton_pulsado(b.s, Boton::kCentral, 8, 8));
    EXPECT_TRUE(b.v.celdas.empty());
    // Coordenadas negativas o sin tamaño de celda: ni pinta ni toca la rejilla.
    EXPECT_FALSE(raton_pulsado(b.s, Boton::kIzquierdo, -9, -9));
    EXPECT_FALSE(raton_pulsado(b.s, Boton::kDerecho, -40, 8));
    b.e.tam_celda = 0;
    EXPECT_FALSE(raton_pulsado(b.s, Boton::kIzquierdo, 8, 8));
    EXPECT_TRUE(b.v.celdas.empty());
}

TEST(VistaPatron, ArrastrarPintaUnSoloPuntoYPerfila) {
    Banco b;
    b.e.tam_pincel = "5";  // no cuenta al arrastrar
    raton_movido(b.s, true, b.centro(4), b.centro(4));
    EXPECT_EQ(b.v.celdas, (Celdas{{4, 4}}));
    EXPECT_EQ(b.e.punto(4, 4).color, kPincel);
    EXPECT_EQ(b.e.punto(4, 5).color, kFondo);
    raton_soltado(b.e);
    raton_movido(b.s, true, b.centro(61), b.centro(4));  // fuera: nada
    raton_soltado(b.e);
    raton_movido(b.s, true, b.centro(0), b.centro(4));
    EXPECT_EQ(b.v.celdas.size(), 1u);
    raton_soltado(b.e);

    // Perfilando con Borrar y sólo Arriba: se quita el perfil de arriba de cada punto.
    constexpr Color kP = 0x00AA00;
    for (int x = 1; x <= 3; ++x) b.e.punto(x, 2).perfil = {kP, kP, kP, kP};
    b.e.perfilando = true;
    b.e.borrar_perfilado = true;
    b.e.perfil_arriba = true;
    b.v.celdas.clear();
    for (int x = 1; x <= 3; ++x) raton_movido(b.s, true, b.centro(x), b.centro(2));
    EXPECT_EQ(b.v.celdas, (Celdas{{1, 2}, {2, 2}, {3, 2}}));
    raton_soltado(b.e);
    for (int x = 1; x <= 3; ++x) {
        const Punto& p = b.e.punto(x, 2);
        EXPECT_EQ(p.perfil, (std::array<Color, 4>{-1, kP, kP, kP}));
        EXPECT_EQ(p.color, kFondo);
    }
    // Sin borrar, con Derecha y Abajo: esos lados toman el color actual.
    b.e.borrar_perfilado = false;
    b.e.perfil_arriba = false;
    b.e.perfil_derecha = true;
    b.e.perfil_abajo = true;
    raton_pulsado(b.s, Boton::kIzquierdo, b.centro(9), b.centro(9));
    EXPECT_EQ(b.e.punto(9, 9).perfil, (std::array<Color, 4>{-1, kPincel, kPincel, -1}));
    EXPECT_EQ(b.e.punto(9, 9).color, kFondo);
}

TEST(VistaPatron, TextoBajoElPuntero) {
    Banco b;
    b.e.marca = "DMC";
    b.e.hilos.total = 3;
    b.e.hilos[1] = {0x1E140A, 310, 5, true, false};   // (10,20,30)
    b.e.hilos[2] = {0x3C3228, 3865, 7, false, false}; // (40,50,60), apagado
    b.e.hilos[3] = {0x0000F6, -2, 17, true, false};    // (246,0,0)
    b.e.punto(1, 1).color = 0x1E140A;
    b.e.punto(2, 1).color = 0x3C3228;
    b.e.punto(3, 1).color = 0x0000F6;
    b.e.punto(700, 700).color = 0xBEBAF6;

    raton_movido(b.s, false, b.centro(1), b.centro(1));
    EXPECT_EQ(b.v.paneles[0], " DMC: 310 (10,20,30) COLUMNA:5");
    raton_movido(b.s, false, b.centro(2), b.centro(1));
    EXPECT_EQ(b.v.paneles[0], " HILO:???? (40,50,60) COLUMNA:-");
    raton_movido(b.s, false, b.centro(3), b.centro(1));
    EXPECT_EQ(b.v.paneles[0], " DMC:Blanco (246,0,0) COLUMNA:17");
    // El margen y lo que queda más allá del tapiz muestran sus celdas sin usar.
    raton_movido(b.s, false, 1, 1);
    EXPECT_EQ(b.v.paneles[0], " HILO:???? (16,16,16) COLUMNA:-");
    b.e.tam_celda = 2;
    raton_movido(b.s, false, 1401, 1400);
    EXPECT_EQ(b.v.paneles[0], " HILO:???? (246,186,190) COLUMNA:-");
    // Más allá de la rejilla, o en negativo, el panel queda vacío.
    raton_movido(b.s, false, 1402, 5);
    EXPECT_EQ(b.v.paneles[0], "");
    b.v.paneles[0] = "x";
    raton_movido(b.s, false, -1, -1);  // -1 div 2 = 0: el margen
    EXPECT_EQ(b.v.paneles[0], " HILO:???? (16,16,16) COLUMNA:-");
    raton_movido(b.s, false, 5, -7);
    EXPECT_EQ(b.v.paneles[0], "");
    EXPECT_EQ(texto_bajo_puntero(b.e, 701, 0), "");
    // Sin tamaño de celda no se hace nada.
    b.e.tam_celda = 0;
    b.v.paneles[0] = "igual";
    raton_movido(b.s, false, 10, 10);
    raton_movido(b.s, true, 10, 10);
    EXPECT_EQ(b.v.paneles[0], "igual");
    EXPECT_TRUE(b.v.celdas.empty());
}

TEST(VistaPatron, AjustesDeRejillaYPincel) {
    Banco b;
    b.d.responder("3");
    tamano_rejilla(b.s);
    ASSERT_EQ(b.d.llamadas().size(), 1u);
    EXPECT_EQ(b.d.llamadas()[0].titulo, "Tamaño de la cuadrícula a Generar");
    EXPECT_EQ(b.d.llamadas()[0].texto, "Indicar Tamaño ");
    EXPECT_EQ(b.e.tam_rejilla, "3");
    EXPECT_EQ(b.e.tam_celda, 3);
    EXPECT_EQ(b.v.redibujados, 1);  // el dibujo cambia a la vez que el ratón
    raton_pulsado(b.s, Boton::kDerecho, 7, 7);
    EXPECT_EQ(b.e.sel_x, 2);

    b.d.cancelar_entrada();
    tamano_rejilla(b.s);
    EXPECT_EQ(b.e.tam_rejilla, "3");

    b.d.responder("0");
    EXPECT_FALSE(b.orden([&] { tamano_rejilla(b.s); }));
    EXPECT_EQ(b.d.errores(), std::vector<std::string>{"El tamaño de la rejilla debe ser 1 o mayor."});
    EXPECT_EQ(b.e.tam_rejilla, "3");
    EXPECT_EQ(b.e.tam_celda, 3);

    b.d.responder("5x");
    EXPECT_FALSE(b.orden([&] { tamano_rejilla(b.s); }));
    EXPECT_EQ(b.d.errores().back(), "'5x' is not a valid integer value");
    EXPECT_EQ(b.e.tam_rejilla, "5x");  // el texto tecleado se queda
    EXPECT_EQ(b.e.tam_celda, 3);

    b.d.responder("7");
    tamano_pincel(b.s);
    EXPECT_EQ(b.d.llamadas().back().titulo, "Tamaño del Pincel");
    EXPECT_EQ(b.d.llamadas().back().texto, "¿Cuántos pixels?");
    EXPECT_EQ(b.e.tam_pincel, "7");
    b.d.cancelar_entrada();
    tamano_pincel(b.s);
    EXPECT_EQ(b.e.tam_pincel, "7");
}

TEST(VistaPatron, VerRejillaYMostrarPuntoDeCruz) {
    Banco b;
    ver_rejilla(b.s);
    EXPECT_FALSE(b.e.ver_rejilla);
    EXPECT_EQ(b.v.redibujados, 1);
    ver_rejilla(b.s);
    EXPECT_TRUE(b.e.ver_rejilla);
    EXPECT_EQ(b.v.redibujados, 2);

    b.e.ver_bmp_exportado = true;
    mostrar_punto_de_cruz(b.s);
    EXPECT_FALSE(b.e.ver_bmp_exportado);
}

}  // namespace
}  // namespace pc
