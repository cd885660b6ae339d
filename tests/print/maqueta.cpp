// Las cuentas de la impresión: área con escala, rango con la zona recortada, lado de la celda,
// trozos, orden de la paleta de la leyenda, aclarado y los textos de la leyenda.
#include "print/maqueta.h"

#include <gtest/gtest.h>

#include "print/leyenda.h"
#include "threads/datos.h"

namespace pc {
namespace {

TEST(Maqueta, AreaEnPapelConEscalaCentradaYEnImagen) {
    // Página de 1000 x 2000; "200" mide 50 y "1" 20: márgenes de 90 y 36.
    Area a = area_papel(1000, 2000, 50, 20, 100, 100);
    EXPECT_EQ(a.ox, 0);
    EXPECT_EQ(a.oy, 0);
    EXPECT_EQ(a.ancho, 910);
    EXPECT_EQ(a.alto, 1964);
    // 50 % en X: la mitad del ancho, centrada.
    a = area_papel(1000, 2000, 50, 20, 50, 100);
    EXPECT_EQ(a.ancho, 455);
    EXPECT_EQ(a.ox, 227);
    EXPECT_EQ(a.alto, 1964);
    const Area b = area_bmp(1200, 1200, 15);
    EXPECT_EQ(b.ancho, 1050);
    EXPECT_EQ(b.alto, 1185);
    EXPECT_EQ(b.ox, 0);
}

TEST(Maqueta, RangoRecortaLaZonaYElLadoNoDivideEntreCero) {
    EXPECT_EQ(rango_impresion(60, 40, false, 5, 5, 9, 9), (Rango{1, 1, 60, 40}));
    EXPECT_EQ(rango_impresion(60, 40, true, 5, 6, 25, 30), (Rango{5, 6, 25, 30}));
    // Comienzo fuera: 1; final antes del comienzo o fuera: el borde.
    EXPECT_EQ(rango_impresion(60, 40, true, 0, 41, 3, 99), (Rango{1, 1, 3, 40}));
    EXPECT_EQ(rango_impresion(60, 40, true, 61, 10, 70, 5), (Rango{1, 10, 60, 40}));

    // Celda: el menor de 1050 / 59 y 1185 / 39, truncado.
    EXPECT_EQ(lado_celda(Area{0, 0, 1050, 1185}, Rango{1, 1, 60, 40}), 17);
    // Una sola columna: el divisor es 1 y manda el alto.
    EXPECT_EQ(lado_celda(Area{0, 0, 1050, 1185}, Rango{7, 1, 7, 40}), 30);
    EXPECT_EQ(lado_celda(Area{0, 0, 1050, 1185}, Rango{7, 3, 7, 3}), 1050);
    EXPECT_EQ(unidad_leyenda(2480, 3508), 55);
}

TEST(Maqueta, TrozosDeImpresionYDeExportacion) {
    const std::vector<Rango> t = trozos_impresion(150, 120, 70, 100);
    const std::vector<Rango> esperado = {{1, 1, 71, 101},   {71, 1, 141, 101},  {80, 1, 150, 101},
                                         {1, 20, 71, 120},  {71, 20, 141, 120}, {80, 20, 150, 120}};
    EXPECT_EQ(t, esperado);
    EXPECT_TRUE(trozos_impresion(150, 120, 0, 100).empty());

    EXPECT_EQ(trozos_bmp(100, 60), (std::vector<Rango>{{1, 1, 61, 60}, {41, 1, 100, 60}}));
    EXPECT_EQ(trozos_bmp(61, 61), (std::vector<Rango>{{1, 1, 61, 61}}));
    EXPECT_TRUE(trozos_bmp(100, 1).empty());
    EXPECT_EQ(trozos_bmp(700, 700).size(), 144u);
}

TEST(Maqueta, PaletaDeLaLeyendaDeClaraAOscuraEstableYAclarado) {
    TablaHilos p;
    const Color colores[] = {rgb(10, 10, 10), rgb(200, 0, 0), rgb(0, 0, 200), rgb(255, 255, 255), rgb(0, 200, 0)};
    for (Color c : colores) p[++p.total].color = c;
    TablaHilos imp;
    ordenar_paleta_imp(p, imp);
    ASSERT_EQ(imp.total, 5);
    // Los tres de suma 200 conservan su orden.
    EXPECT_EQ(imp[1].color, rgb(255, 255, 255));
    EXPECT_EQ(imp[2].color, rgb(200, 0, 0));
    EXPECT_EQ(imp[3].color, rgb(0, 0, 200));
    EXPECT_EQ(imp[4].color, rgb(0, 200, 0));
    EXPECT_EQ(imp[5].color, rgb(10, 10, 10));

    EXPECT_EQ(aclarar(rgb(200, 100, 0), 50), rgb(250, 150, 50));
    EXPECT_EQ(aclarar(kBlanco, 50), kBlanco);
    EXPECT_EQ(aclarar(rgb(20, 100, 0), -50), rgb(0, 50, 0));
}

TEST(Leyenda, NumeroEquivalenteYNombresEspeciales) {
    TablaHilos hilos;
    auto poner = [&](Color c, int n) {
        Hilo& h = hilos[++hilos.total];
        h.color = c;
        h.numero = n;
    };
    poner(rgb(1, 2, 3), 310);
    poner(rgb(255, 255, 255), -2);
    poner(rgb(1, 2, 3), 311);  // el último con ese color manda
    TablaHilos imp;
    imp[++imp.total].color = rgb(1, 2, 3);
    imp[++imp.total].color = rgb(255, 255, 255);
    imp[++imp.total].color = rgb(9, 9, 9);
    const std::vector<std::string> eq = {";DMC <----> ANCHOR", "", "-2 2", " 310 403 ", "311 403", "999"};
    const auto filas = entradas_leyenda(imp, hilos, "DMC", eq);
    ASSERT_EQ(filas.size(), 3u);
    EXPECT_EQ(filas[0].texto_papel, " HILO DMC: 311  ANCHOR:403");
    EXPECT_EQ(filas[0].texto_bmp, "H. DMC: 311");
    EXPECT_EQ(filas[1].texto_papel, " HILO DMC: Blanco  ANCHOR:2");
    EXPECT_EQ(filas[2].texto_papel, " HILO DMC: Desconocido  ANCHOR:Desconocido");

    // Al revés, con la tabla incorporada: un ANCHOR de varios DMC da el último.
    EXPECT_EQ(equivalente_leyenda(lineas_equivalencias(), "ANCHOR", "403"), "310");
    EXPECT_EQ(equivalente_leyenda(lineas_equivalencias(), "ANCHOR", "2"), "-2");
    EXPECT_EQ(equivalente_leyenda(lineas_equivalencias(), "ANCHOR", "267"), "3346");
    EXPECT_EQ(nombre_especial("-1"), "B5200");
    EXPECT_EQ(nombre_especial("-3"), "Ecru");
}

}  // namespace
}  // namespace pc
