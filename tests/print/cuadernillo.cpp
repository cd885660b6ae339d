// La maqueta del cuadernillo del patrón: los cortes en páginas que se solapan, las páginas de
// un A4, las madejas, los tamaños bordados, el color de la letra de los símbolos, los símbolos
// de letra y la leyenda (orden, números, equivalentes, perfilado, fila de cada punto).
#include "print/cuadernillo.h"

#include <gtest/gtest.h>

#include <set>

#include "app/errores.h"
#include "print/simbolos_diseno.h"
#include "print/simbolos_letra.h"
#include "tests/comun/banco.h"

namespace pc {
namespace {

TEST(Cuadernillo, CortesQueSeSolapanYCubrenTodoElTapiz) {
    using V = std::vector<std::pair<int, int>>;
    // 120 columnas, 59 por página, solape 2: tres páginas iguales, no dos llenas y una tira.
    EXPECT_EQ(cortes_cuadernillo(1, 120, 59, 2), (V{{1, 42}, {41, 82}, {81, 120}}));
    EXPECT_EQ(cortes_cuadernillo(5, 40, 59, 2), (V{{5, 40}}));
    // El solape nunca llega a la página entera.
    EXPECT_EQ(cortes_cuadernillo(1, 5, 2, 10), (V{{1, 2}, {2, 3}, {3, 4}, {4, 5}}));
    for (int n = 1; n <= 300; n += 7)
        for (int por : {3, 17, 59})
            for (int solape : {0, 2, 10}) {
                const V v = cortes_cuadernillo(1, n, por, solape);
                const int s = std::min(solape, por - 1);
                ASSERT_EQ(v.front().first, 1);
                ASSERT_EQ(v.back().second, n);
                for (std::size_t k = 0; k < v.size(); ++k) {
                    ASSERT_LE(v[k].second - v[k].first + 1, por);
                    if (k > 0) {
                        ASSERT_EQ(v[k - 1].second - v[k].first + 1, s) << n << " " << por;
                        ASSERT_GT(v[k].second, v[k - 1].second);
                    }
                }
            }
}

TEST(Cuadernillo, MaquetaDeUnA4ConPortadaGraficoYLeyenda) {
    const PapelMm a4 = papel_cuadernillo(false, false);
    const MaquetaCuadernillo m = maquetar_cuadernillo(Rango{1, 1, 120, 200}, a4.ancho - 20, a4.alto - 20, 3.0, 2, 100);
    EXPECT_EQ(m.columnas, 59);
    EXPECT_EQ(m.filas, 85);
    ASSERT_EQ(m.graficos.size(), 9u);  // 3 x 3 páginas
    EXPECT_EQ(m.graficos[0].numero, 2);
    EXPECT_EQ(m.graficos[1].r, (Rango{41, 1, 82, 68}));
    EXPECT_EQ(m.graficos[1].solape_x, 2);
    EXPECT_EQ(m.graficos[3].r, (Rango{1, 67, 42, 134}));
    EXPECT_EQ(m.graficos[3].solape_y, 2);
    // Dos columnas de 38 filas de leyenda por página: 100 filas, dos páginas (11 y 12).
    EXPECT_EQ(m.columnas_leyenda * m.filas_leyenda, 76);
    EXPECT_EQ(m.primera_leyenda, 11);
    EXPECT_EQ(m.total_paginas, 12);
    const PapelMm carta = papel_cuadernillo(true, true);
    EXPECT_DOUBLE_EQ(carta.ancho, 279.4);
    EXPECT_DOUBLE_EQ(carta.alto, 215.9);
}

TEST(Cuadernillo, MadejasTamanosYColorDeLaLetra) {
    // 1000 puntos en tela de 14 con 2 hebras: 0,42 madejas, se compra una; 10 000: 4,2, cinco.
    EXPECT_EQ(madejas(1000, 14, 2), 1);
    EXPECT_EQ(madejas(10000, 14, 2), 5);
    EXPECT_EQ(madejas(10000, 18, 1), 2);  // 1,63
    EXPECT_EQ(madejas(0, 14, 2), 0);
    EXPECT_EQ(tamano_bordado(120, 80, 14), "21,8 x 14,5 cm");
    EXPECT_EQ(texto_tamano(120, 80, 14), "Tamaño bordado en tela de 14 puntos por pulgada: 21,8 x 14,5 cm");
    EXPECT_EQ(texto_rango(Rango{41, 1, 82, 80}), "Columnas 41-82, filas 1-80");
    EXPECT_EQ(texto_pagina(2, 9), "Página 2 de 9");
    EXPECT_EQ(tela_a_cortar(120, 80, 14, 5), "31,8 x 24,5 cm");
    EXPECT_EQ(tela_a_cortar(120, 80, 14, 0), "21,8 x 14,5 cm");
    EXPECT_EQ(texto_centro(Rango{1, 1, 120, 81}), "Empiece por el centro: columna 61, fila 41");
    EXPECT_EQ(texto_centro(Rango{11, 21, 20, 30}), "Empiece por el centro: columna 16, fila 26");
    EXPECT_EQ(texto_metros(1249.0), "1,2 m");
    EXPECT_EQ(texto_metros(49.0), "< 0,1 m");  // 27 puntos de línea en tela de 14: nunca "0,0 m"
    EXPECT_EQ(texto_metros(50.0), "0,1 m");
    // Blanco o negro, lo que más contraste: el cambio, hacia la luminancia 0,18. Un gris de
    // 0,22 (128) y el naranja del 720 (0,2) ya van en negro; cualquier color da 4,5 o más.
    EXPECT_TRUE(simbolo_en_blanco(kNegro));
    EXPECT_TRUE(simbolo_en_blanco(rgb(117, 117, 117)));   // 0,177
    EXPECT_FALSE(simbolo_en_blanco(rgb(119, 119, 119)));  // 0,184
    EXPECT_FALSE(simbolo_en_blanco(rgb(229, 92, 31)));
    EXPECT_FALSE(simbolo_en_blanco(rgb(255, 255, 0)));
    EXPECT_TRUE(simbolo_en_blanco(rgb(0, 0, 255)));
    for (int v = 0; v <= 255; v += 3)
        for (const Color c : {rgb(v, v, v), rgb(v, 0, 0), rgb(0, v, 0), rgb(0, 0, v), rgb(255, v, 0)})
            EXPECT_GE(contraste(c, simbolo_en_blanco(c) ? kBlanco : kNegro), kContrasteSimbolo) << c;
    EXPECT_NEAR(contraste(kBlanco, kNegro), 21.0, 1e-9);
    // La rejilla: negra entre claras, blanca entre oscuras, negra con filo entre una y otra; lo
    // que se ve a cada lado contrasta 3 o más.
    EXPECT_EQ(tramo_rejilla(kBlanco, rgb(229, 92, 31)), TramoRejilla::kNegro);
    EXPECT_EQ(tramo_rejilla(kNegro, rgb(0, 0, 128)), TramoRejilla::kBlanco);
    EXPECT_EQ(tramo_rejilla(kNegro, kBlanco), TramoRejilla::kNegroFilo);
    for (int a = 0; a <= 255; a += 15)
        for (int b2 = 0; b2 <= 255; b2 += 15) {
            const Color ca = rgb(a, a / 2, 0), cb = rgb(0, b2, b2);
            switch (tramo_rejilla(ca, cb)) {
                case TramoRejilla::kNegro:
                    EXPECT_GE(std::min(contraste(ca, kNegro), contraste(cb, kNegro)), kContrasteLinea);
                    break;
                case TramoRejilla::kBlanco:
                    EXPECT_GE(std::min(contraste(ca, kBlanco), contraste(cb, kBlanco)), kContrasteLinea);
                    break;
                case TramoRejilla::kNegroFilo:
                    EXPECT_GE(std::max(contraste(ca, kNegro), contraste(cb, kNegro)), kContrasteLinea);
                    EXPECT_GE(std::max(contraste(ca, kBlanco), contraste(cb, kBlanco)), kContrasteLinea);
                    break;
            }
        }
}

TEST(Cuadernillo, SimbolosDeLetraDistintosYDoblesCuandoSeAcaban) {
    std::set<std::string> vistos;
    const int sencillos = static_cast<int>(simbolos_letra().size());
    ASSERT_GE(sencillos, 400);
    for (int k = 0; k < kMaxHilos; ++k) {
        const std::string s = simbolo_letra(k);
        EXPECT_TRUE(vistos.insert(s).second) << k << " " << s;
        for (char c : s) EXPECT_FALSE(c >= '0' && c <= '9') << s;
    }
    EXPECT_EQ(simbolo_letra(0), "●");
    EXPECT_EQ(simbolo_letra(sencillos), "Aa");
    EXPECT_EQ(simbolo_letra(sencillos + 20), "Ba");
}

struct LeyendaCuadernillo : ::testing::Test {
    prueba::BancoOrdenes<> b;
    TrabajoCuadernillo t;
    TablaHilos dmc, anchor;
    Color c310 = 0, c3865 = 0, blanco = 0, ecru = 0;
    const Color raro = rgb(1, 2, 3);

    void SetUp() override {
        b.cargar_dmc();
        std::array<std::string, kColumnasCatalogo + 1> titulos{};
        leer_catalogo(b.e.texto_dmc, dmc, titulos);
        leer_catalogo(b.e.texto_anchor, anchor, titulos);
        c310 = prueba::hilo_numero(b.e, 310).color;
        blanco = prueba::hilo_numero(b.e, -2).color;
        ecru = prueba::hilo_numero(b.e, -3).color;
        // 4 x 3: fila 1 del 310, fila 2 blanco y ecru, fila 3 un color que no es hilo.
        b.e.ancho = "4";
        b.e.alto = "3";
        const Color filas[3][4] = {{c310, c310, c310, c310}, {blanco, blanco, blanco, ecru}, {raro, raro, c310, c310}};
        for (int y = 1; y <= 3; ++y)
            for (int x = 1; x <= 4; ++x) b.e.punto(x, y) = Punto{filas[y - 1][x - 1], {-1, -1, -1, -1}};
        // Un perfil guardado por los dos puntos del mismo lado cuenta una vez; otro, uno más.
        b.e.punto(1, 1).lado(kAbajo) = c310;
        b.e.punto(1, 2).lado(kArriba) = c310;
        b.e.punto(2, 2).lado(kDerecha) = c310;
        t.estado = &b.e;
        t.tapiz = Rango{1, 1, 4, 3};
        t.catalogo = "DMC";
    }
};

TEST_F(LeyendaCuadernillo, OrdenNumerosEquivalentesSimbolosYPerfilado) {
    construir_leyenda(t, dmc, anchor, lineas_equivalencias());
    ASSERT_EQ(t.leyenda.size(), 4u);
    EXPECT_EQ(t.leyenda[0].numero, "Blanco");
    EXPECT_EQ(t.leyenda[0].equivalente, "2");
    EXPECT_EQ(t.leyenda[1].numero, "Ecru");
    EXPECT_EQ(t.leyenda[1].equivalente, "387");
    EXPECT_EQ(t.leyenda[2].numero, "310");
    EXPECT_EQ(t.leyenda[2].equivalente, "403");
    EXPECT_EQ(t.leyenda[2].puntos, 6);
    EXPECT_EQ(t.leyenda[3].numero, "1,2,3");
    EXPECT_EQ(t.leyenda[3].equivalente, "Desconocido");
    // El color con más puntos lleva el primer símbolo; el segundo, el siguiente.
    EXPECT_EQ(t.leyenda[2].simbolo, simbolo_letra(0));
    EXPECT_EQ(t.leyenda[0].simbolo, simbolo_letra(1));
    EXPECT_EQ(t.total_puntos, 12);
    EXPECT_EQ(t.fila(4, 2), 1);  // ecru
    EXPECT_EQ(t.fila(1, 3), 3);  // el color raro
    // El perfilado: dos lados de punto en tela de 14 (3,63 mm), una hebra, una madeja.
    ASSERT_EQ(t.secciones.size(), 1u);
    EXPECT_EQ(t.secciones[0].titulo, "Perfilado");
    ASSERT_EQ(t.secciones[0].filas.size(), 1u);
    const FilaLinea& perfil = t.secciones[0].filas[0];
    EXPECT_EQ(perfil.numero, "310");
    EXPECT_EQ(perfil.hebras, 1);
    EXPECT_NEAR(perfil.largo_mm, 2 * 25.4 / 14, 1e-9);
    EXPECT_EQ(perfil.madejas, 1);
    EXPECT_EQ(lineas_leyenda(t.leyenda.size(), t.secciones), 4 + 1 + 2);
    EXPECT_EQ(t.leyenda[0].hebras, 2);

    // En ANCHOR, los hilos DMC no son del catálogo: "R,G,B" y, al lado, su número DMC.
    t.catalogo = "ANCHOR";
    construir_leyenda(t, anchor, dmc, lineas_equivalencias());
    bool visto = false;
    for (const FilaLeyenda& f : t.leyenda)
        if (f.color == c310) {
            EXPECT_EQ(f.numero, texto_rgb(c310));
            EXPECT_EQ(f.equivalente, "310");
            visto = true;
        }
    EXPECT_TRUE(visto);
}

TEST_F(LeyendaCuadernillo, LosSimbolosSonLosDelDisenoEnteroYLosPerfilesNoLosMueven) {
    const auto antes = simbolos_del_diseno(b.e);
    ASSERT_EQ(antes.size(), 4u);
    EXPECT_EQ(antes.at(c310), simbolo_letra(0));  // 6 puntos
    EXPECT_EQ(antes.at(blanco), simbolo_letra(1));  // 3
    EXPECT_EQ(antes.at(raro), simbolo_letra(2));  // 2
    // Un perfil en un color sin puntos no cambia ninguno ni se lleva uno.
    b.e.punto(3, 3).lado(kArriba) = rgb(250, 0, 0);
    EXPECT_EQ(simbolos_del_diseno(b.e), antes);
    // El cuadernillo de una zona con sólo el ecru le da su símbolo del diseño, no el primero.
    t.tapiz = Rango{4, 2, 4, 2};
    construir_leyenda(t, dmc, anchor, lineas_equivalencias());
    ASSERT_EQ(t.leyenda.size(), 1u);
    EXPECT_EQ(t.leyenda[0].simbolo, antes.at(ecru));
    EXPECT_EQ(antes.at(ecru), simbolo_letra(3));
}

TEST_F(LeyendaCuadernillo, MasColoresDeLosQueCabenEnUnaPaleta) {
    b.e.ancho = b.e.alto = "25";
    for (int x = 1; x <= 25; ++x)
        for (int y = 1; y <= 25; ++y) b.e.punto(x, y).color = rgb(x, y, 7);
    t.tapiz = Rango{1, 1, 25, 25};
    EXPECT_THROW(construir_leyenda(t, dmc, anchor, lineas_equivalencias()), ErrorFormato);
}

}  // namespace
}  // namespace pc
