// El dibujo del cuadernillo: la letra que viaja con el programa tiene todos los símbolos y va
// dentro del PDF; los textos de cada página (rango, página, números de 10 en 10) y los símbolos
// de la rejilla en el orden de la rejilla, uno por punto.
#include "render/cuadernillo.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QRawFont>
#include <map>

#include "ordenes/impresion/cuadernillo.h"
#include "print/simbolos_letra.h"
#include "tests/comun/banco.h"
#include "tests/ventana/comun_ui.h"

namespace pc {
namespace {

struct Texto {
    int pagina;
    double x, y;
    std::string s;
};

TEST(LetraDelPrograma, TieneTodosLosSimbolos) {
    prueba::aplicacion();
    QFont f(familia_letra());
    f.setPixelSize(40);
    f.setStyleStrategy(QFont::NoFontMerging);
    const QRawFont r = QRawFont::fromFont(f);
    ASSERT_TRUE(r.isValid());
    EXPECT_EQ(r.familyName().toStdString(), "DejaVu Sans");
    for (const std::string& s : simbolos_letra())
        for (uint c : QString::fromStdString(s).toUcs4()) EXPECT_TRUE(r.supportsCharacter(c)) << s;
}

struct DibujoCuadernillo : ::testing::Test {
    prueba::BancoOrdenes<> b;
    std::vector<Texto> textos;

    void SetUp() override {
        prueba::aplicacion();
        observar_cuadernillo([this](int p, double x, double y, const std::string& s) { textos.push_back({p, x, y, s}); });
        b.cargar_dmc();
        // 120 x 80 en franjas verticales de tres hilos.
        b.e.ancho = "120";
        b.e.alto = "80";
        for (int x = 1; x <= 120; ++x)
            for (int y = 1; y <= 80; ++y) b.e.punto(x, y) = Punto{b.e.hilos[1 + (x / 7) % 3].color, {-1, -1, -1, -1}};
        b.e.fichero_abierto = "/tmp/taza.pc";
    }
    void TearDown() override { observar_cuadernillo(nullptr); }
    std::vector<Texto> de_pagina(int p) const {
        std::vector<Texto> v;
        for (const Texto& t : textos)
            if (t.pagina == p) v.push_back(t);
        return v;
    }
    bool hay(int p, const std::string& s) const {
        for (const Texto& t : textos)
            if (t.pagina == p && t.s == s) return true;
        return false;
    }
};

TEST_F(DibujoCuadernillo, PaginasConSusTextosYLosSimbolosEnElOrdenDeLaRejilla) {
    const TrabajoCuadernillo t = preparar_cuadernillo(b.s);
    const auto pdf = cuadernillo_pdf(t);
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->rfind("%PDF", 0), 0u);
    // La letra va dentro del PDF.
    EXPECT_NE(pdf->find("/FontFile2"), std::string::npos);
    EXPECT_NE(pdf->find("DejaVuSans"), std::string::npos);

    // Portada, tres páginas de 42 columnas y la leyenda.
    EXPECT_TRUE(hay(1, "taza"));
    EXPECT_TRUE(hay(1, "120 x 80 puntos"));
    EXPECT_TRUE(hay(1, "3 colores"));
    EXPECT_TRUE(hay(1, "Tamaño bordado en tela de 14 puntos por pulgada: 21,8 x 14,5 cm"));
    EXPECT_TRUE(hay(1, "16,9 x 11,3 cm"));  // tela de 18
    for (int p : {2, 3, 4}) EXPECT_TRUE(hay(1, std::to_string(p)));  // el mapa de páginas
    EXPECT_TRUE(hay(2, "Columnas 1-42, filas 1-80"));
    EXPECT_TRUE(hay(2, "Página 2 de 5"));
    EXPECT_TRUE(hay(3, "Columnas 41-82, filas 1-80"));
    EXPECT_TRUE(hay(5, "Página 5 de 5"));
    EXPECT_TRUE(hay(5, "Total"));
    EXPECT_TRUE(hay(5, "9600"));

    // Página 3: números de columna 50..80 centrados sobre su columna y símbolos, uno por
    // punto (42 x 80), fila a fila y de izquierda a derecha, cada uno en su celda de 3 mm.
    const auto p3 = de_pagina(3);
    std::vector<Texto> simbolos;
    std::map<std::string, double> numeros;
    for (const Texto& tx : p3) {
        // Los de columna, encima de la rejilla (los de fila van a su izquierda).
        if (tx.s.size() <= 3 && tx.s[0] >= '1' && tx.s[0] <= '9' && tx.y < t.maqueta.rejilla_y) numeros[tx.s] = tx.x;
        for (const FilaLeyenda& f : t.leyenda)
            if (tx.s == f.simbolo) simbolos.push_back(tx);
    }
    ASSERT_EQ(simbolos.size(), 42u * 80u);
    for (std::size_t k = 1; k < simbolos.size(); ++k) {
        const Texto &a = simbolos[k - 1], &c = simbolos[k];
        if (k % 42 == 0) {
            EXPECT_NEAR(c.y - a.y, 3.0, 1e-6);
        } else {
            EXPECT_NEAR(c.x - a.x, 3.0, 1e-6);
            EXPECT_NEAR(c.y, a.y, 1e-6);
        }
    }
    // La columna 41 es la primera de la página: la 50 está 9 celdas a su derecha.
    ASSERT_TRUE(numeros.count("50"));
    ASSERT_TRUE(numeros.count("60"));
    EXPECT_NEAR(numeros["60"] - numeros["50"], 30.0, 0.01);
    EXPECT_EQ(simbolos[9].s, t.leyenda[t.fila(50, 1)].simbolo);
}

// Lo que imprimen los patrones publicados y un hilo que no es del catálogo: "R,G,B" entero en
// la leyenda (nada cortado con "…"), el perfilado con su largo, la tela a cortar, el centro y la
// tanda en blanco y negro con sus números en el mapa.
TEST_F(DibujoCuadernillo, TelaACortarCentroPerfiladoYTandaEnBlancoYNegro) {
    for (int y = 1; y <= 80; ++y) b.e.punto(3, y).color = rgb(145, 123, 111);
    for (int x = 1; x <= 120; ++x) b.e.punto(x, 40).lado(kAbajo) = b.e.hilos[1].color;
    b.e.cuadernillo.catalogo = "ANCHOR";
    b.e.cuadernillo.tambien_bn = true;
    b.e.cuadernillo.margen_tela_cm = 3;
    b.e.cuadernillo.hebras_perfil = 2;
    const TrabajoCuadernillo t = preparar_cuadernillo(b.s);
    ASSERT_TRUE(cuadernillo_pdf(t));
    EXPECT_EQ(t.maqueta.total_paginas, 8);  // portada, 3 en color, 3 en blanco y negro, leyenda
    EXPECT_TRUE(hay(1, "Empiece por el centro: columna 61, fila 41"));
    EXPECT_TRUE(hay(1, "27,8 x 20,5 cm"));  // 21,8 x 14,5 y 3 cm por lado
    EXPECT_TRUE(hay(1, "2 / 5"));
    EXPECT_TRUE(hay(5, "Columnas 1-42, filas 1-80 (blanco y negro)"));
    EXPECT_TRUE(hay(8, "145,123,111"));
    EXPECT_TRUE(hay(8, "Perfilado"));
    EXPECT_TRUE(hay(8, "0,2 m"));  // 120 lados de 1,81 mm
    for (const Texto& tx : de_pagina(8)) EXPECT_EQ(tx.s.find("…"), std::string::npos) << tx.s;
}

TEST_F(DibujoCuadernillo, CancelarNoDaNingunPdf) {
    const TrabajoCuadernillo t = preparar_cuadernillo(b.s);
    int llamadas = 0;
    EXPECT_FALSE(cuadernillo_pdf(t, [&](int hechas, int total) {
        EXPECT_EQ(total, 5);
        ++llamadas;
        return hechas < 2;
    }));
    EXPECT_EQ(llamadas, 2);
}

}  // namespace
}  // namespace pc
