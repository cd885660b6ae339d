// Muestreo, media de vecinos parecidos y búsqueda rápida del hilo más próximo.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>

#include "app/errores.h"
#include "app/imagen_memoria.h"
#include "pattern/generar.h"
#include "threads/catalogo.h"
#include "threads/datos.h"
#include "threads/emparejar.h"

namespace pc {
namespace {

TEST(GenerarMuestreo, PasosSemianchosYMediaDeParecidos) {
    // 3/2 = 1,5 -> Round 2 > 1; 7/5 = 1,4 -> 0; 5/2 = 2,5 -> 2 (al par) > 1.
    EXPECT_EQ(semiancho_ventana(paso_muestreo(3, 2)), 1);
    EXPECT_EQ(semiancho_ventana(paso_muestreo(7, 5)), 0);
    EXPECT_EQ(semiancho_ventana(paso_muestreo(5, 2)), 1);
    // Mitades al par: 1·2,5 -> 2; 5·0,5 -> 2. 1/10 en precisión simple es 0,1000000015:
    // 5 veces pasa de 0,5 y da 1 (con el cociente exacto daría 0).
    EXPECT_EQ(posicion_muestra(1, paso_muestreo(5, 2)), 2);
    EXPECT_EQ(posicion_muestra(5, paso_muestreo(1, 2)), 2);
    EXPECT_EQ(posicion_muestra(5, paso_muestreo(1, 10)), 1);
    EXPECT_EQ(posicion_muestra(60, paso_muestreo(600, 60)), 600);
    EXPECT_THROW(paso_muestreo(600, 0), ErrorAritmetico);

    ImagenMemoria img(3, 3, rgb(10, 10, 10));
    img.poner(1, 1, rgb(200, 10, 10));  // centro
    img.poner(0, 0, rgb(150, 10, 10));  // diferencia 50 en rojo: fuera
    img.poner(2, 0, rgb(151, 10, 10));  // 49: dentro
    img.poner(2, 2, rgb(200, 59, 10));  // 49 en verde: dentro
    img.poner(0, 2, rgb(200, 10, 60));  // 50 en azul: fuera
    EXPECT_EQ(media_parecidos(img, 1, 1, 1, 1), rgb(183, 26, 10));  // 551/3, 79/3, 30/3
    EXPECT_EQ(media_parecidos(img, 1, 1, 1, 0), rgb(200, 10, 10));
    // Pasada la última columna o fila se repite el borde, nunca blanco: de los 9 vecinos de
    // (1,1), (2,y) leen (1,y) y (x,2) leen (x,1): 5 x 230 + 4 x 200 = 1950 div 9. Con blanco
    // fuera, los 5 blancos (a 55 del centro) no entrarían y saldría 890 div 4 = 222.
    ImagenMemoria claro(2, 2, rgb(230, 230, 230));
    claro.poner(1, 1, rgb(200, 200, 200));
    EXPECT_EQ(media_parecidos(claro, 1, 1, 1, 1), rgb(216, 216, 216));
}

TEST(GenerarMuestreo, ElBordeSeRepiteYElInteriorNoCambia) {
    auto e = crear_estado();
    valores_iniciales(*e);
    TablaHilos& t = e->hilos;
    std::array<std::string, kColumnasCatalogo + 1> titulos;
    leer_catalogo(lineas_dmc_incorporado(), t, titulos);
    const Color rojo_oscuro = rgb(150, 20, 30);
    const Color hilo_rojo = hilo_mas_proximo(rojo_oscuro, t, 1);
    ASSERT_NE(hilo_rojo, hilo_mas_proximo(kBlanco, t, 1));
    // Un solo píxel a 60 x 60: todo el tapiz de su color, con y sin interpolar.
    for (bool interpolar : {false, true}) {
        muestrear_rejilla(*e, ImagenMemoria(1, 1, rojo_oscuro), 60, 60, interpolar, true);
        for (int y = 1; y <= 60; ++y)
            for (int x = 1; x <= 60; ++x) ASSERT_EQ(e->punto(x, y).color, hilo_rojo) << x << "," << y;
    }
    // 30 x 20 a 10 x 10: el punto x muestrea la columna 3x y la fila 2y. Las muestras que
    // caen dentro leen su píxel como siempre; la columna 10 y la fila 10 leen el borde.
    ImagenMemoria img(30, 20);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x) img.poner(x, y, rgb(x * 8, y * 12, 90));
    muestrear_rejilla(*e, img, 10, 10, false, false);
    for (int y = 1; y <= 10; ++y)
        for (int x = 1; x <= 10; ++x)
            ASSERT_EQ(e->punto(x, y).color, img.pixel(std::min(3 * x, 29), std::min(2 * y, 19))) << x << "," << y;
    // Sin imagen, el hilo más próximo al blanco.
    muestrear_rejilla(*e, ImagenMemoria(), 5, 5, false, true);
    EXPECT_EQ(e->punto(5, 5).color, hilo_mas_proximo(kBlanco, t, 1));
}

TEST(GenerarEmparejador, DaElMismoHiloQueLaBusquedaLineal) {
    TablaHilos t;
    std::array<std::string, kColumnasCatalogo + 1> titulos;
    leer_catalogo(lineas_dmc_incorporado(), t, titulos);
    ASSERT_GT(t.total, 400);
    for (int i = 1; i <= t.total; i += 7) t[i].activo = false;
    t[buscar_color(rgb(2, 2, 2), t)].activo = false;

    std::vector<Color> colores;
    for (int r = 0; r < 256; r += 17)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 13) colores.push_back(rgb(r, g, b));
    std::mt19937 azar(12345);
    std::uniform_int_distribution<int> canal(0, 255);
    for (int k = 0; k < 20000; ++k) colores.push_back(rgb(canal(azar), canal(azar), canal(azar)));
    for (int i = 1; i <= t.total; ++i) {
        colores.push_back(t[i].color);  // exactos, activos o no, y vecinos
        colores.push_back(rgb(rojo(t[i].color) + 1, verde(t[i].color), azul(t[i].color) - 1));
    }
    for (int metodo : {1, 2, 7}) {
        Emparejador emp(t, metodo);
        for (Color c : colores)
            ASSERT_EQ(emp.mas_proximo(c), hilo_mas_proximo(c, t, metodo)) << metodo << ": " << texto_rgb(c);
    }

    // Empates: a igual distancia gana la primera de la tabla. Sólo blanco activo y color
    // negro: con el método 1 la distancia 765 nunca gana. Sin activos: negro.
    TablaHilos p;
    p.total = 3;
    p[1] = Hilo{rgb(100, 110, 120), 1, 1, true, false};
    p[2] = Hilo{rgb(120, 110, 100), 2, 1, true, false};
    p[3] = Hilo{rgb(110, 110, 110), 3, 1, false, false};
    EXPECT_EQ(Emparejador(p, 1).mas_proximo(rgb(110, 110, 110)), rgb(100, 110, 120));
    EXPECT_EQ(Emparejador(p, 2).mas_proximo(rgb(110, 110, 110)), rgb(100, 110, 120));
    p[1] = Hilo{kBlanco, 1, 1, true, false};
    p[2].activo = false;
    EXPECT_EQ(Emparejador(p, 1).mas_proximo(kNegro), kNegro);
    EXPECT_EQ(Emparejador(p, 2).mas_proximo(kNegro), kBlanco);
    p[1].activo = false;
    EXPECT_EQ(Emparejador(p, 2).mas_proximo(kBlanco), kNegro);
}

}  // namespace
}  // namespace pc
