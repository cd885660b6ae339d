// La paleta del tapiz: recuento, orden, listado en el visor, límite de 600 colores y zona.
#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <vector>

#include "ordenes/patron/paleta.h"
#include "pattern/paleta.h"
#include "tests/comun/paleta_apoyo.h"

namespace pc::prueba {
namespace {

const Color kGris = rgb(100, 100, 100);      // no es un hilo DMC
const Color kBlancoDmc = rgb(252, 251, 248);  // DMC -2 "Blanco"
const Color k310 = rgb(2, 2, 2);              // DMC 310
const Color kSoloPerfil = rgb(1, 2, 3);

TEST(PaletaTapiz, ListaPorCuentaConEmpatesEnOrdenDeAparicionYPerfilesAlFinal) {
    Banco b;
    b.tapiz({{k310, kGris, k310, kBlancoDmc},  //
             {kGris, kGris, kBlancoDmc, kBlancoDmc}});
    // El color sólo de perfil aparece el primero de todos, pero sin puntos va al final.
    b.e.punto(1, 1).lado(kDerecha) = kSoloPerfil;
    // Un perfil de un color con puntos no suma.
    b.e.punto(2, 2).lado(kAbajo) = k310;
    b.e.punto(4, 2).lado(kIzquierda) = kSoloPerfil;
    b.v.memo = {"lo que había antes"};

    construir_paleta(b.s, false);

    const std::vector<std::string> esperado = {
        "Paleta de Colores del Punto de Cruz",
        "Total de Colores: 4",
        "",
        " 1. HILO:???? Nº:3",
        " 2. DMC:Blanco Nº:3",
        " 3. DMC: 310 Nº:2",
        " 4. HILO:???? Nº:0 (Perfilado)",
    };
    EXPECT_EQ(b.v.memo, esperado);
    EXPECT_EQ(b.v.visor_mostrado, 1);
    ASSERT_EQ(b.e.paleta.total, 4);
    EXPECT_EQ(b.e.paleta[1].color, kGris);
    EXPECT_EQ(b.e.paleta[2].color, kBlancoDmc);
    EXPECT_EQ(b.e.paleta[3].color, k310);
    EXPECT_EQ(b.e.paleta[4].color, kSoloPerfil);
    for (int i = 1; i <= 4; ++i) EXPECT_TRUE(b.e.paleta[i].activo);
    EXPECT_TRUE(b.d.llamadas().empty());
}

TEST(PaletaTapiz, VerColoresVuelveAContarDesdeCeroYNumeraConDosCifras) {
    Banco b;
    // Doce colores distintos en una fila: los números de 1 cifra llevan un blanco delante.
    std::vector<Color> fila;
    for (int i = 0; i < 12; ++i) fila.push_back(rgb(10 * i + 5, 7, 9));
    b.tapiz({fila});
    b.e.paleta.total = 7;  // una lista vieja no cuenta
    ver_colores(b.s);
    ASSERT_EQ(b.e.paleta.total, 12);
    ASSERT_EQ(b.v.memo.size(), 15u);
    EXPECT_EQ(b.v.memo[1], "Total de Colores: 12");
    EXPECT_EQ(b.v.memo[3], " 1. HILO:???? Nº:1");
    EXPECT_EQ(b.v.memo[14], "12. HILO:???? Nº:1");
}

TEST(PaletaTapiz, ElColor601SeRechazaConUnSoloAviso) {
    Banco b;
    // 30 × 21 = 630 colores distintos, cada uno en un punto.
    b.liso(30, 21, 0);
    int n = 0;
    for (int y = 1; y <= 21; ++y)
        for (int x = 1; x <= 30; ++x) b.e.punto(x, y).color = rgb(n % 256, n / 256, 77), ++n;

    construir_paleta(b.s, false);

    EXPECT_EQ(b.e.paleta.total, 600);
    EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Demasiados Colores en la paleta"});
    // Se quedan los 600 primeros encontrados, por filas.
    EXPECT_EQ(b.e.paleta[1].color, rgb(0, 0, 77));
    EXPECT_EQ(b.e.paleta[600].color, rgb(599 % 256, 599 / 256, 77));
    EXPECT_EQ(b.v.memo[1], "Total de Colores: 600");
    EXPECT_EQ(b.v.memo.size(), 603u);
}

TEST(PaletaTapiz, LaZonaSoloCuentaSuRectanguloYNuncaSaleDeLaRejilla) {
    Banco b;
    b.tapiz({{k310, kGris, kGris}, {kBlancoDmc, kGris, k310}});
    b.e.zona_x1 = "2";
    b.e.zona_y1 = "1";
    b.e.zona_x2 = "3";
    b.e.zona_y2 = "1";
    construir_paleta(b.s, true);
    ASSERT_EQ(b.e.paleta.total, 1);
    EXPECT_EQ(b.e.paleta[1].numero, 2);

    // Zona al revés: vacía.
    b.e.zona_x1 = "3";
    b.e.zona_x2 = "2";
    construir_paleta(b.s, true);
    EXPECT_EQ(b.e.paleta.total, 0);
    EXPECT_EQ(b.v.memo[1], "Total de Colores: 0");

    // Límites fuera de la rejilla: se recorre como mucho 1..700 × 1..700.
    b.e.zona_x1 = "-5";
    b.e.zona_y1 = "0";
    b.e.zona_x2 = "100000";
    b.e.zona_y2 = "701";
    construir_paleta(b.s, true);
    long suma = 0;
    for (int i = 1; i <= b.e.paleta.total; ++i) suma += b.e.paleta[i].numero;
    EXPECT_EQ(suma, 700L * 700L);

    // Un límite que no es un número.
    b.e.zona_x1 = "a";
    EXPECT_FALSE(b.correr([&] { construir_paleta(b.s, true); }));
    EXPECT_EQ(b.d.errores(), std::vector<std::string>{"'a' is not a valid integer value"});
}

TEST(PaletaTapiz, ElIndiceDeColoresDistingueColoresQueCompartenCasilla) {
    MapaColores m;
    m.vaciar();
    // 600 colores, negativos incluidos: todos se encuentran con su posición.
    for (int i = 1; i <= 600; ++i) m.poner(i * 2048 - 1, i);
    for (int i = 1; i <= 600; ++i) ASSERT_EQ(m.buscar(i * 2048 - 1), i);
    EXPECT_EQ(m.buscar(-1), 0);
    m.poner(-1, 3);
    EXPECT_EQ(m.buscar(-1), 3);
    m.vaciar();
    EXPECT_EQ(m.buscar(2047), 0);
}

}  // namespace
}  // namespace pc::prueba

namespace pc {
namespace {

// La cuenta recorre la rejilla columna a columna (deprisa) pero deja la tabla como la regla
// por filas: mismo orden de primera aparición, mismas cuentas, perfiles incluidos.
TEST(PaletaTapiz, LaCuentaRapidaDejaLaTablaDelOrdenPorFilas) {
    std::mt19937 azar(11);
    auto e = crear_estado();
    for (int vuelta = 0; vuelta < 40; ++vuelta) {
        const int colores = 1 + static_cast<int>(azar() % 12);
        for (int x = 0; x <= 60; ++x)
            for (int y = 0; y <= 60; ++y) {
                Punto& p = e->punto(x, y);
                // Tiras del mismo color por columnas, para que el recuerdo del anterior cuente.
                p.color = azar() % 3 == 0 ? static_cast<Color>(azar() % colores) : (y > 0 ? e->punto(x, y - 1).color : 0);
                for (int k = 1; k <= 4; ++k) p.lado(k) = azar() % 9 == 0 ? static_cast<Color>(100 + azar() % 6) : -1;
            }
        const Rango r{1 + static_cast<int>(azar() % 5), 1 + static_cast<int>(azar() % 5),
                      20 + static_cast<int>(azar() % 40), 20 + static_cast<int>(azar() % 40)};
        // La regla, tal cual.
        std::vector<std::pair<Color, int>> esperada;
        const auto ver = [&](Color c, int cuenta) {
            for (auto& [col, n] : esperada)
                if (col == c) return void(n += cuenta);
            esperada.emplace_back(c, cuenta);
        };
        for (int y = r.y1; y <= r.y2; ++y)
            for (int x = r.x1; x <= r.x2; ++x) {
                ver(e->punto(x, y).color, 1);
                for (int k = 1; k <= 4; ++k)
                    if (e->punto(x, y).lado(k) != -1) ver(e->punto(x, y).lado(k), 0);
            }
        TablaHilos t;
        MapaColores indice;
        EXPECT_EQ(contar_colores(*e, r, t, indice), 0);
        ASSERT_EQ(t.total, static_cast<int>(esperada.size())) << vuelta;
        for (int i = 1; i <= t.total; ++i) {
            EXPECT_EQ(t[i].color, esperada[static_cast<std::size_t>(i - 1)].first) << vuelta << " " << i;
            EXPECT_EQ(t[i].numero, esperada[static_cast<std::size_t>(i - 1)].second) << vuelta << " " << i;
            EXPECT_EQ(indice.buscar(t[i].color), i);
        }
    }
}

}  // namespace
}  // namespace pc
