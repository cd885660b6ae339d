// El simbolos.dat que se entrega con el programa: formato, cantidad y que los símbolos se
// distingan en los dos tamaños en que se dibujan (10 x 10 desde 13 píxeles, 5 x 5 por debajo),
// sobre todo los que el reparto da juntos a una paleta de hasta 60 colores.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/errores.h"
#include "app/ficheros.h"
#include "print/simbolos.h"

namespace pc {
namespace {

int distancia(const TramaSimbolo& a, const TramaSimbolo& b) {
    int d = 0;
    for (int r = 0; r < a.n; ++r)
        for (int c = 0; c < a.n; ++c) d += a.punto[r][c] != b.punto[r][c];
    return d;
}

int puestos(const TramaSimbolo& a) {
    int n = 0;
    for (int r = 0; r < a.n; ++r)
        for (int c = 0; c < a.n; ++c) n += a.punto[r][c];
    return n;
}

struct Fichero : ::testing::Test {
    std::vector<std::string> avisos;
    TablaSimbolos t;
    std::vector<TramaSimbolo> grandes, pequenos;  // 13 y 12 píxeles por celda
    void SetUp() override {
        t = leer_fichero_simbolos(PC_SIMBOLOS, [this](const std::string& m) { avisos.push_back(m); });
        for (int k = 1; k <= t.total; ++k) {
            grandes.push_back(trama_simbolo(t.item[k], 13));
            pequenos.push_back(trama_simbolo(t.item[k], 12));
        }
    }
};

TEST_F(Fichero, SeLeeSinAvisosYTieneAlMenos150Simbolos) {
    EXPECT_TRUE(avisos.empty());
    EXPECT_GE(t.total, 150);
    for (int k = 0; k < t.total; ++k) {
        // Ninguno vacío en ningún tamaño, y ninguno tapa más de la mitad larga del color.
        EXPECT_GT(puestos(pequenos[k]), 0) << k + 1;
        EXPECT_GT(puestos(grandes[k]), 0) << k + 1;
        EXPECT_LE(puestos(grandes[k]), 56) << k + 1;
    }
}

TEST_F(Fichero, DistintosEnLosDosTamanos) {
    // Ningún par igual; en 5 x 5 difieren al menos en 2 puntos, para que un solo punto mal
    // visto no convierta un símbolo en otro.
    for (int i = 0; i < t.total; ++i) {
        for (int j = i + 1; j < t.total; ++j) {
            EXPECT_GE(distancia(pequenos[i], pequenos[j]), 2) << i + 1 << " y " << j + 1;
            EXPECT_GE(distancia(grandes[i], grandes[j]), 2) << i + 1 << " y " << j + 1;
        }
    }
}

TEST_F(Fichero, LosQueSeRepartenEntreDosYSesentaColoresSeDistinguen) {
    // Con el reparto de la impresión, los símbolos de 2 a 60 colores difieren al menos en 8 de
    // los 100 puntos y en 4 de los 25 de la reducción.
    for (int n = 2; n <= 60; ++n) {
        TablaSimbolos r = t;
        asignar_simbolos(r, n);
        for (int a = 1; a <= n; ++a)
            for (int b = a + 1; b <= n; ++b) {
                const Simbolo& sa = r.item[static_cast<std::size_t>(a)];
                const Simbolo& sb = r.item[static_cast<std::size_t>(b)];
                EXPECT_GE(distancia(trama_simbolo(sa, 13), trama_simbolo(sb, 13)), 8) << n << ": " << a << " y " << b;
                EXPECT_GE(distancia(trama_simbolo(sa, 12), trama_simbolo(sb, 12)), 4) << n << ": " << a << " y " << b;
            }
    }
}

TEST(FicheroSimbolos, FaltaElFichero) {
    EXPECT_EQ(ruta_simbolos("/opt/pc"), "/opt/pc/simbolos.dat");
    EXPECT_EQ(ruta_simbolos("/opt/pc/"), "/opt/pc/simbolos.dat");
    EXPECT_THROW(leer_fichero_simbolos("/nonexistent/simbolos.dat", nullptr), ErrorFichero);
}

TEST(FicheroSimbolos, ViajaJuntoAlEjecutable) {
    const std::string lote = PC_LOTE;
    const std::string carpeta = lote.substr(0, lote.rfind('/'));
    EXPECT_EQ(leer_fichero(ruta_simbolos(carpeta)), leer_fichero(PC_SIMBOLOS));
}

}  // namespace
}  // namespace pc
