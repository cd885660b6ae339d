// El renderizador de la impresión: píxeles de la imagen "BMP" (rejilla, guías cada diez,
// aclarado, puntos de los símbolos a 13 píxeles) y los textos de la página en papel (PDF).
#include "render/impresion.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc {
namespace {

Color px(const QImage& img, int x, int y) {
    const QRgb q = img.pixel(x, y);
    return rgb(qRed(q), qGreen(q), qBlue(q));
}

struct Texto {
    int x, y;
    std::string s;
};

struct Render : ::testing::Test {
    std::unique_ptr<Estado> e = crear_estado();
    TrabajoImpresion t;
    prueba::VistaRegistro v;
    std::vector<Texto> textos;

    void SetUp() override {
        prueba::aplicacion();
        observar_textos([this](int x, int y, const std::string& s) { textos.push_back({x, y, s}); });
    }
    void TearDown() override { observar_textos(nullptr); }

    void tapiz(int ancho, int alto, Color c) {
        e->ancho = std::to_string(ancho);
        e->alto = std::to_string(alto);
        for (int x = 1; x <= ancho; ++x)
            for (int y = 1; y <= alto; ++y) {
                e->punto(x, y).color = c;
                e->punto(x, y).perfil = {-1, -1, -1, -1};
            }
        t.estado = e.get();
        t.rango = Rango{1, 1, ancho, alto};
    }
    bool hay_texto(int x, int y, const std::string& s) const {
        for (const Texto& tx : textos)
            if (tx.x == x && tx.y == y && tx.s == s) return true;
        return false;
    }
};

TEST_F(Render, ImagenConRejillaGuiasCadaDiezYColoresAclarados) {
    tapiz(20, 20, rgb(200, 100, 0));
    e->punto(20, 20).color = kBlanco;
    t.salida = Salida::kBmp;
    t.aclara = 50;
    t.grosor_guias = 4;
    QImage img(1200, 1200, QImage::Format_RGB32);
    imprimir_en_imagen(img, t, v);

    // Celda: 1050 / 19 = 55 píxeles (el alto deja más).
    const int c = 55;
    EXPECT_EQ(px(img, c + 5, 5), rgb(250, 150, 50));       // aclarado
    EXPECT_EQ(px(img, 19 * c + 5, 19 * c + 5), kBlanco);   // el blanco sigue blanco
    EXPECT_EQ(px(img, c, 30), kNegro);                      // borde de la columna 2
    EXPECT_EQ(px(img, c - 1, 30), rgb(250, 150, 50));       // rejilla de un píxel
    // Guía de la columna 11, de 4 píxeles, y ninguna en la columna 6 más allá de su borde.
    EXPECT_EQ(px(img, 10 * c - 2, 30), kNegro);
    EXPECT_EQ(px(img, 10 * c + 1, 30), kNegro);
    EXPECT_EQ(px(img, 5 * c - 2, 30), rgb(250, 150, 50));
    // El tapiz acaba en 20·55 y no lleva guía en el borde derecho.
    EXPECT_EQ(px(img, 20 * c, 30), kNegro);
    EXPECT_EQ(px(img, 20 * c + 2, 30), kBlanco);
    // Números 0 y 10 bajo las guías (2 píxeles a la izquierda) y a la derecha de las filas.
    EXPECT_TRUE(hay_texto(-2, 20 * c + 1, "0"));
    EXPECT_TRUE(hay_texto(10 * c - 2, 20 * c + 1, "10"));
    EXPECT_TRUE(hay_texto(20 * c + 1, 10 * c - 2, "10"));
    EXPECT_EQ(textos.size(), 4u);
    EXPECT_EQ(v.ultimo_progreso, "Imprimiendo... 20/20");

    // Sin colores ni rejilla: cuadros blancos con borde negro.
    t.op.colores = false;
    t.op.rejilla = false;
    imprimir_en_imagen(img, t, v);
    EXPECT_EQ(px(img, c + 5, 5), kBlanco);
    EXPECT_EQ(px(img, c, 30), kNegro);
}

TEST_F(Render, SimbolosDeDiezPuntosATreceYDeCincoADoce) {
    // 81 columnas: 1050 / 80 = 13 píxeles de celda.
    const Color c0 = rgb(10, 200, 30);
    tapiz(81, 5, c0);
    e->punto(2, 1).color = rgb(1, 1, 1);  // color fuera de la leyenda: sin símbolo
    t.salida = Salida::kBmp;
    t.op.simbolos = true;
    t.op.rejilla = false;
    t.paleta_imp[++t.paleta_imp.total].color = c0;
    Simbolo& s = t.simbolos.item[1];
    s.punto[0][0] = s.punto[9][9] = true;
    s.punto[1][4] = true;  // en 5 x 5, el punto (0, 2)
    t.simbolos.total = 1;
    QImage img(1200, 1200, QImage::Format_RGB32);
    imprimir_en_imagen(img, t, v);
    EXPECT_EQ(px(img, 2, 2), kNegro);
    EXPECT_EQ(px(img, 11, 11), kNegro);
    EXPECT_EQ(px(img, 6, 3), kNegro);
    EXPECT_EQ(px(img, 3, 2), c0);
    EXPECT_EQ(px(img, 12, 12), c0);
    EXPECT_EQ(px(img, 13 + 2, 2), rgb(1, 1, 1));

    // 88 columnas: 1050 / 87 = 12 píxeles, símbolo reducido a 5 x 5 con puntos de 1 píxel.
    tapiz(88, 5, c0);
    imprimir_en_imagen(img, t, v);
    // Sólo cuentan las filas pares (2R + 1): (0, 0) se pierde, (1, 4) da (0, 2) y (9, 9) da (4, 4).
    EXPECT_EQ(px(img, 2, 2), c0);
    EXPECT_EQ(px(img, 4, 2), kNegro);
    EXPECT_EQ(px(img, 5, 2), c0);
    EXPECT_EQ(px(img, 6, 6), kNegro);
}

TEST_F(Render, PapelConLeyendaTituloFraseFilasYComentario) {
    tapiz(12, 12, rgb(0, 0, 0));
    t.salida = Salida::kImpresora;
    t.op.simbolos = true;
    t.paleta_imp[++t.paleta_imp.total].color = kNegro;
    t.simbolos.item[1].punto[4][4] = true;
    t.simbolos.total = 1;
    t.leyenda = {{kNegro, " HILO DMC: 310  ANCHOR:403", "H. DMC: 310"}};
    t.pie = "Mi diseño    (gato.pc)";
    const std::string pdf = *imprimir_en_pdf(t, v);
    ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
    // Página A4 a 300 ppp con 10 mm de margen: 2244 x 3272; la leyenda en unidades de 49.
    const int L = 49;
    EXPECT_TRUE(hay_texto(L, L, "Equivalencias de Símbolos y Colores"));
    EXPECT_TRUE(hay_texto(L, 2 * L,
                          "Las equivalencias de colores entre DMC y ANCHOR son las publicadas por la casa ANCHOR "
                          "y son APROXIMADAS."));
    EXPECT_TRUE(hay_texto(3 * L, 5 * L - static_cast<int>(L / 1.35), " HILO DMC: 310  ANCHOR:403"));
    bool pie = false;
    for (const Texto& tx : textos) pie = pie || (tx.x == 0 && tx.s == "Mi diseño    (gato.pc)");
    EXPECT_TRUE(pie);
    std::size_t paginas = 0;
    for (std::size_t i = pdf.find("/Type /Page\n"); i != std::string::npos; i = pdf.find("/Type /Page\n", i + 1))
        ++paginas;
    EXPECT_EQ(paginas, 2u);
}

}  // namespace
}  // namespace pc

namespace pc {
namespace {

// 231 colores: la leyenda en papel sigue en más páginas y la tabla de la imagen los lista todos,
// también cuando el tapiz se mete en su franja.
struct LeyendaLarga : Render {
    void SetUp() override {
        Render::SetUp();
        tapiz(30, 30, kBlanco);
        t.op.simbolos = true;
        for (int n = 1; n <= 231; ++n) {
            const Color c = rgb(n, 255 - n, 7);
            t.paleta_imp[++t.paleta_imp.total].color = c;
            t.leyenda.push_back({c, " HILO DMC: " + std::to_string(3000 + n) + "  ANCHOR:Desconocido",
                                 "H. DMC: " + std::to_string(3000 + n)});
        }
        t.simbolos.total = 1;
        t.simbolos.item[1].punto[4][4] = true;
    }
    int filas_dentro(int ancho, int alto, const std::string& prefijo) const {
        int n = 0;
        for (const Texto& tx : textos)
            if (tx.s.rfind(prefijo, 0) == 0) n += tx.x >= 0 && tx.y >= 0 && tx.x < ancho && tx.y < alto;
        return n;
    }
};

TEST_F(LeyendaLarga, EnPapelSigueEnOtraPaginaSinSalirseDelPapel) {
    t.salida = Salida::kImpresora;
    const std::string pdf = *imprimir_en_pdf(t, v);
    std::size_t paginas = 0;
    for (std::size_t i = pdf.find("/Type /Page\n"); i != std::string::npos; i = pdf.find("/Type /Page\n", i + 1))
        ++paginas;
    EXPECT_GE(paginas, 3u);
    EXPECT_EQ(filas_dentro(2244, 3272, " HILO DMC: "), 231);
}

TEST_F(LeyendaLarga, EnLaImagenEstanTodosLosColores) {
    t.salida = Salida::kBmp;
    QImage img(1200, 1200, QImage::Format_RGB32);
    imprimir_en_imagen(img, t, v);
    EXPECT_EQ(filas_dentro(1200, 1200, "H. DMC: "), 231);
    // Un tapiz de 2 x 2 se sale de su área (la celda es de 1050 píxeles): la tabla va encima.
    textos.clear();
    tapiz(2, 2, kBlanco);
    imprimir_en_imagen(img, t, v);
    EXPECT_EQ(filas_dentro(1200, 1200, "H. DMC: "), 231);
}

}  // namespace
}  // namespace pc

namespace pc {
namespace {

// Los puntos de una vez (papel, vista previa) dan los mismos píxeles que cuadrado a cuadrado
// (la imagen escrita directamente): tramos, rejilla, símbolos recortados a su cuadro.
TEST_F(Render, PuntosDeUnaVezComoCuadradoACuadrado) {
    t.salida = Salida::kBmp;
    t.op.simbolos = true;
    for (int k = 1; k <= 3; ++k) t.paleta_imp[++t.paleta_imp.total].color = rgb(40 * k, 200, 255 - 60 * k);
    t.simbolos.total = 3;
    for (int k = 1; k <= 3; ++k)
        for (int r = 0; r < 10; ++r)
            for (int q = 0; q < 10; ++q) t.simbolos.item[k].punto[r][q] = (r * 7 + q * k) % 3 == 0;
    for (int lado : {81, 300}) {  // celdas de 13 y de 3 píxeles
        tapiz(lado, 7, kBlanco);
        for (int x = 1; x <= lado; ++x)
            for (int y = 1; y <= 7; ++y) e->punto(x, y).color = t.paleta_imp[1 + (x / 3 + y) % 3].color;
        for (bool rejilla : {true, false})
            for (bool colores : {true, false}) {
                t.op.rejilla = rejilla;
                t.op.colores = colores;
                QImage directa(1200, 1200, QImage::Format_RGB32);
                imprimir_en_imagen(directa, t, v);
                QImage pintada(1200, 1200, QImage::Format_RGB32);
                pintada.fill(Qt::white);
                dibujar_impresion(static_cast<QPaintDevice&>(pintada), t, v, nullptr);
                EXPECT_TRUE(directa == pintada) << lado << " " << rejilla << " " << colores;
            }
    }
}

}  // namespace
}  // namespace pc
