// Selección de hilos por columnas, como la vive el usuario en la ventana: casillas de
// columna, el panel de una columna y sus dos botones de aplicar.
#include <gtest/gtest.h>

#include "tests/comun/paleta_apoyo.h"
#include "threads/columnas.h"
#include "threads/emparejar.h"
#include "ordenes/hilos/columnas.h"

namespace pc::prueba {
namespace {

const std::vector<int> kGrises = {762, 415, 318, 414, 317, 413, 3799, 310};

Casilla& caja(Estado& e, int n) { return e.columnas.columna[static_cast<std::size_t>(n)]; }
CasillaHilo& caja_hilo(Estado& e, int i) { return e.columnas.hilo[static_cast<std::size_t>(i)]; }

TEST(Columnas, DesmarcarGrisesYAplicarLosApagaParaLasBusquedas) {
    Banco b;
    seleccion_columnas(b.s);
    EXPECT_EQ(caja(b.e, 18), Casilla::kMarcada);
    EXPECT_EQ(caja(b.e, 19), Casilla::kSinMarcar);  // sin hilos
    caja(b.e, 18) = pulsar(caja(b.e, 18));
    aplicar_columnas(b.s);
    for (int n : kGrises) EXPECT_FALSE(b.hilo_dmc(n).activo) << n;
    EXPECT_TRUE(b.hilo_dmc(3713).activo);
    // Las búsquedas ya no dan ningún gris: el negro cae en otro hilo.
    const Color negro = hilo_mas_proximo(rgb(0, 0, 0), b.e.hilos, 1);
    for (int n : kGrises) EXPECT_NE(negro, b.hilo_dmc(n).color);
    EXPECT_NE(negro, kNegro);

    // La siguiente apertura pone las casillas según los hilos.
    b.hilo_dmc(3713).activo = false;
    seleccion_columnas(b.s);
    EXPECT_EQ(caja(b.e, 18), Casilla::kSinMarcar);
    EXPECT_EQ(caja(b.e, 1), Casilla::kGris);
}

TEST(Columnas, PanelDeLaColumna17AplicaYDejaLaCasillaGris) {
    Banco b;
    seleccion_columnas(b.s);
    caja(b.e, 18) = Casilla::kSinMarcar;  // se aplica al abrir un panel
    abrir_columna(b.s, 17);
    EXPECT_FALSE(b.hilo_dmc(310).activo);
    const VentanaColumnas& v = b.e.columnas;
    EXPECT_TRUE(v.panel_visible);
    EXPECT_EQ(v.columna_abierta, 17);
    ASSERT_EQ(v.visibles, 24);
    const int primeros[] = {-1, -2, 3865, -3};
    for (int i = 1; i <= 4; ++i) EXPECT_EQ(caja_hilo(b.e, i).numero, primeros[i - 1]);
    EXPECT_EQ(caja_hilo(b.e, 2).color, rgb(252, 251, 248));
    EXPECT_TRUE(caja_hilo(b.e, 24).visible && caja_hilo(b.e, 24).marcada);
    EXPECT_FALSE(caja_hilo(b.e, 25).visible);

    caja_hilo(b.e, 2).marcada = false;   // Blanco
    caja_hilo(b.e, 24).marcada = false;  // 844
    aplicar_panel(b.s);
    EXPECT_FALSE(b.e.columnas.panel_visible);
    EXPECT_FALSE(b.hilo_dmc(-2).activo);
    EXPECT_FALSE(b.hilo_dmc(844).activo);
    EXPECT_TRUE(b.hilo_dmc(-1).activo);
    EXPECT_EQ(caja(b.e, 17), Casilla::kGris);

    // "APLICAR" con la casilla gris respeta las elecciones del panel.
    aplicar_columnas(b.s);
    EXPECT_FALSE(b.hilo_dmc(-2).activo);
    EXPECT_TRUE(b.hilo_dmc(-3).activo);

    // Con todas desmarcadas la casilla queda sin marcar; una columna vacía, marcada.
    abrir_columna(b.s, 17);
    EXPECT_FALSE(caja_hilo(b.e, 2).marcada);  // el panel muestra el estado de cada hilo
    for (int i = 1; i <= 24; ++i) caja_hilo(b.e, i).marcada = false;
    aplicar_panel(b.s);
    EXPECT_EQ(caja(b.e, 17), Casilla::kSinMarcar);
    abrir_columna(b.s, 19);
    EXPECT_EQ(b.e.columnas.visibles, 0);
    aplicar_panel(b.s);
    EXPECT_EQ(caja(b.e, 19), Casilla::kMarcada);
    seleccion_columnas(b.s);
    EXPECT_EQ(caja(b.e, 19), Casilla::kSinMarcar);
}

TEST(Columnas, SinCatalogoElPanelCargaDmc) {
    BancoOrdenes<> b;
    abrir_columna(b.s, 1);
    EXPECT_EQ(b.e.marca, "DMC");
    EXPECT_EQ(b.v.paneles[1], "Paleta de Hilos: DMC");
    EXPECT_EQ(b.e.columnas.visibles, 23);
}

// Catálogo propio: dos hilos antes de la primera marca (columna 0), uno repetido y una
// columna de 55 hilos.
TablaHilos catalogo_propio() {
    std::vector<std::string> l = {"1 R:1 G:1 B:1", "2 R:2 G:2 B:2", ";COLUMNA 3", "7 R:7 G:7 B:7", "7 R:8 G:8 B:8",
                                  ";COLUMNA 4"};
    for (int i = 0; i < 55; ++i) l.push_back(std::to_string(100 + i) + " R:" + std::to_string(i) + " G:0 B:0");
    TablaHilos t;
    std::array<std::string, kColumnasCatalogo + 1> titulos{};
    leer_catalogo(l, t, titulos);
    return t;
}

TEST(Columnas, HilosSinCasillaRepetidosYColumnasDeMasDe50) {
    Banco b;
    b.e.hilos = catalogo_propio();
    ASSERT_EQ(b.e.hilos.total, 59);
    b.e.hilos[1].activo = false;
    for (Casilla& c : b.e.columnas.columna) c = Casilla::kSinMarcar;
    aplicar_columnas(b.s);
    EXPECT_FALSE(b.e.hilos[1].activo);  // columna 0: sin casilla, no cambia
    EXPECT_TRUE(b.e.hilos[2].activo);
    EXPECT_FALSE(b.e.hilos[3].activo);

    // Dos entradas con el número 7: el panel muestra las dos, pero sólo cambia la primera.
    caja(b.e, 3) = Casilla::kMarcada;
    abrir_columna(b.s, 3);
    ASSERT_EQ(b.e.columnas.visibles, 2);
    caja_hilo(b.e, 2).marcada = false;
    aplicar_panel(b.s);
    EXPECT_FALSE(b.e.hilos[3].activo);
    EXPECT_TRUE(b.e.hilos[4].activo);
    EXPECT_EQ(caja(b.e, 3), Casilla::kGris);

    // 55 hilos: 50 casillas. Con las 50 marcadas pero un hilo oculto apagado, la casilla
    // de la columna queda gris (no son todos).
    caja(b.e, 4) = Casilla::kMarcada;
    abrir_columna(b.s, 4);
    EXPECT_EQ(b.e.columnas.visibles, kHilosPanel);
    EXPECT_EQ(caja_hilo(b.e, 50).numero, 149);
    b.e.hilos[59].activo = false;
    aplicar_panel(b.s);
    EXPECT_EQ(caja(b.e, 4), Casilla::kGris);
    EXPECT_FALSE(b.e.hilos[59].activo);
}

TEST(Columnas, TitulosDeLasCasillas) {
    BancoOrdenes<> b;
    EXPECT_EQ(titulo_columna(b.e, 12), "Columna 12");
    EXPECT_EQ(titulo_columna(b.e, 16), "Columna 16 MARRONES (caras)");
    b.cargar_dmc();
    EXPECT_EQ(titulo_columna(b.e, 1), "COLUMNA 1");
    EXPECT_EQ(titulo_columna(b.e, 19), "Columna 19 GRISES");
}

}  // namespace
}  // namespace pc::prueba
