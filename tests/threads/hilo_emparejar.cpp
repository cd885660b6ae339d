// El hilo más próximo a un color, los nombres de los hilos y su inverso.
#include <gtest/gtest.h>

#include "app/errores.h"
#include "threads/catalogo.h"
#include "threads/datos.h"
#include "threads/emparejar.h"

namespace pc {
namespace {

constexpr Color C(int r, int g, int b) { return r + 256 * g + 65536 * b; }

void poner(TablaHilos& t, int numero, Color c, bool activo = true) {
    t.total += 1;
    t[t.total] = Hilo{c, numero, 1, activo, false};
}

TEST(HiloEmparejar, Distancias) {
    EXPECT_EQ(distancia(C(10, 20, 30), C(13, 10, 31), 1), 3 + 10 + 1);
    EXPECT_EQ(distancia(C(10, 20, 30), C(13, 10, 31), 2), 10);
    EXPECT_EQ(distancia(C(0, 0, 0), C(255, 255, 255), 1), 765);
    EXPECT_EQ(distancia(C(0, 0, 0), C(255, 255, 255), 2), 255);
}

TEST(HiloEmparejar, EspecialesBlancosYNegro) {
    auto e = crear_estado();
    e->marca = "DMC";
    poner(e->hilos, -1, C(250, 250, 248));
    poner(e->hilos, -2, C(252, 251, 248));
    poner(e->hilos, 310, C(2, 2, 2));
    for (int m : {1, 2}) EXPECT_EQ(hilo_mas_proximo(C(0, 0, 0), e->hilos, m), C(2, 2, 2)) << m;
    // Blanco: método 1, -2 a distancia 14 frente a 17; método 2, empate a 7 y gana el primero.
    EXPECT_EQ(hilo_mas_proximo(C(255, 255, 255), e->hilos, 1), C(252, 251, 248));
    EXPECT_EQ(hilo_mas_proximo(C(255, 255, 255), e->hilos, 2), C(250, 250, 248));
    EXPECT_EQ(nombre_hilo(*e, C(252, 251, 248)), "DMC:Blanco");
    EXPECT_EQ(nombre_hilo(*e, C(250, 250, 248)), "DMC:B5200");
    EXPECT_EQ(nombre_hilo(*e, C(2, 2, 2)), "DMC: 310");
}

TEST(HiloEmparejar, EmpatesApagadosYDistanciaMaxima) {
    TablaHilos t;
    poner(t, 1, C(10, 0, 0));
    poner(t, 2, C(0, 10, 0));
    EXPECT_EQ(hilo_mas_proximo(C(0, 0, 0), t, 1), C(10, 0, 0));  // empate: el de menor índice
    t[1].activo = false;
    EXPECT_EQ(hilo_mas_proximo(C(0, 0, 0), t, 1), C(0, 10, 0));
    t[2].activo = false;
    EXPECT_EQ(hilo_mas_proximo(C(9, 9, 9), t, 1), 0);  // ninguno activo: negro
    EXPECT_EQ(hilo_mas_proximo(C(9, 9, 9), TablaHilos{}, 2), 0);

    TablaHilos blanco;
    poner(blanco, 1, C(255, 255, 255));
    EXPECT_EQ(hilo_mas_proximo(C(0, 0, 0), blanco, 1), 0);  // 765 no mejora el valor de partida
    EXPECT_EQ(hilo_mas_proximo(C(0, 0, 0), blanco, 2), C(255, 255, 255));
    EXPECT_EQ(hilo_mas_proximo(C(1, 0, 0), blanco, 1), C(255, 255, 255));
}

TEST(HiloEmparejar, Nombres) {
    auto e = crear_estado();
    e->marca = "DMC";
    poner(e->hilos, 3865, C(1, 1, 1));
    poner(e->hilos, -3, C(2, 2, 2));
    poner(e->hilos, 0, C(3, 3, 3));
    poner(e->hilos, -7, C(4, 4, 4));
    poner(e->hilos, 2, C(5, 5, 5));
    poner(e->hilos, 12345, C(6, 6, 6));
    poner(e->hilos, 44, C(7, 7, 7), false);
    EXPECT_EQ(nombre_hilo(*e, C(1, 1, 1)), "DMC:3865");
    EXPECT_EQ(nombre_hilo(*e, C(2, 2, 2)), "DMC:Ecru");
    EXPECT_EQ(nombre_hilo(*e, C(3, 3, 3)), "HILO:????");
    EXPECT_EQ(nombre_hilo(*e, C(4, 4, 4)), "HILO:????");
    EXPECT_EQ(nombre_hilo(*e, C(6, 6, 6)), "DMC:12345");
    EXPECT_EQ(nombre_hilo(*e, C(7, 7, 7)), "HILO:????");  // apagado: sin nombre
    EXPECT_EQ(nombre_hilo(*e, C(9, 9, 9)), "HILO:????");
    e->marca = "ANCHOR";
    EXPECT_EQ(nombre_hilo(*e, C(5, 5, 5)), "ANCHOR:   2");
    EXPECT_EQ(nombre_hilo(*e, C(4, 4, 4)), "ANCHOR:  -7");  // sin nombres especiales
    EXPECT_EQ(nombre_hilo(*e, C(3, 3, 3)), "ANCHOR:   0");
}

TEST(HiloEmparejar, ColorDeHiloYBuscarNumero) {
    auto e = crear_estado();
    e->marca = "DMC";
    leer_catalogo(lineas_dmc_incorporado(), e->hilos, e->titulo_columna);
    EXPECT_EQ(color_de_hilo(*e, "Blanco"), C(252, 251, 248));
    EXPECT_EQ(color_de_hilo(*e, "DMC:Ecru"), C(237, 222, 195));
    EXPECT_EQ(color_de_hilo(*e, "ANCHOR:B5200"), C(250, 250, 248));  // la marca no cuenta
    EXPECT_EQ(color_de_hilo(*e, "DMC: 310"), C(2, 2, 2));
    EXPECT_EQ(color_de_hilo(*e, " 3713 "), C(246, 186, 190));
    EXPECT_EQ(color_de_hilo(*e, "9999"), 0);
    const int i = buscar_numero(3713, e->hilos);
    EXPECT_EQ(i, 1);
    e->hilos[i].activo = false;  // apagado también se encuentra
    EXPECT_EQ(color_de_hilo(*e, "3713"), C(246, 186, 190));
    EXPECT_EQ(buscar_numero(310, e->hilos), 420);
    EXPECT_EQ(buscar_numero(776, e->hilos), 0);  // comentado en el catálogo
    try {
        color_de_hilo(*e, "DMC: blanco ");
        FAIL() << "sin error";
    } catch (const ErrorConversion& err) {
        EXPECT_STREQ(err.what(), "'blanco' is not a valid integer value");
    }

    // Con el catálogo incorporado: negro da 310 y blanco da Blanco (método 1) o B5200 (método 2).
    EXPECT_EQ(nombre_hilo(*e, hilo_mas_proximo(C(0, 0, 0), e->hilos, 1)), "DMC: 310");
    EXPECT_EQ(nombre_hilo(*e, hilo_mas_proximo(C(255, 255, 255), e->hilos, 1)), "DMC:Blanco");
    EXPECT_EQ(nombre_hilo(*e, hilo_mas_proximo(C(255, 255, 255), e->hilos, 2)), "DMC:B5200");
}

TEST(HiloEmparejar, TextoRgb) {
    EXPECT_EQ(texto_rgb(C(246, 186, 190)), "246,186,190");
    EXPECT_EQ(texto_rgb(C(0, 7, 255)), "0,7,255");
}

}  // namespace
}  // namespace pc
