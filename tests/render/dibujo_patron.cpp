// Dibujo del tapiz sobre el lienzo: píxeles exactos de unas pocas celdas, perfiles, recorte
// en el borde del lienzo, trozos sueltos del lienzo y los adornos de la vista.
#include "render/dibujo_patron.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace pc {
namespace {

constexpr Color kA = 0x0000C8;  // rojo 200
constexpr Color kB = 0x00C800;  // verde 200
constexpr Color kC = 0xC80000;  // azul 200
constexpr Color kD = 0x102030;
constexpr Color kE = 0x405060;
constexpr Color kF = 0x708090;
constexpr Color kBlancoT = 0xFFFFFF;
constexpr Color kNegroT = 0;

Color px(const QImage& img, int x, int y) {
    const QRgb q = img.pixel(x, y);
    return qRed(q) | (qGreen(q) << 8) | (qBlue(q) << 16);
}

// Tapiz de 3 x 2 con seis colores distintos y sin perfiles, celda de 4 píxeles.
std::unique_ptr<Estado> tapiz_3x2(bool rejilla) {
    auto e = crear_estado();
    e->ancho = "3";
    e->alto = "2";
    e->tam_celda = 4;
    e->ver_rejilla = rejilla;
    const Color colores[3][2] = {{kA, kD}, {kB, kE}, {kC, kF}};
    for (int x = 1; x <= 3; ++x)
        for (int y = 1; y <= 2; ++y) {
            e->punto(x, y).color = colores[x - 1][y - 1];
            e->punto(x, y).perfil = {-1, -1, -1, -1};
        }
    return e;
}

TEST(DibujoPatron, ConRejillaBordesNegrosCompartidosYMargenBlanco) {
    auto e = tapiz_3x2(true);
    QImage img = crear_lienzo_patron();
    ASSERT_EQ(img.width(), 1600);
    ASSERT_EQ(img.height(), 1600);
    dibujar_patron(img, *e);

    // Margen de la columna 0 y de la fila 0.
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(px(img, i, 6), kBlancoT);
        EXPECT_EQ(px(img, 6, i), kBlancoT);
    }
    // Punto (1,1): de (4,4) a (8,8) con las dos esquinas.
    EXPECT_EQ(px(img, 4, 4), kNegroT);
    EXPECT_EQ(px(img, 8, 8), kNegroT);
    EXPECT_EQ(px(img, 6, 4), kNegroT);
    EXPECT_EQ(px(img, 4, 6), kNegroT);
    EXPECT_EQ(px(img, 5, 5), kA);
    EXPECT_EQ(px(img, 7, 7), kA);
    // Borde compartido entre (1,1) y (2,1), interior de (2,1) y de (1,2).
    EXPECT_EQ(px(img, 8, 6), kNegroT);
    EXPECT_EQ(px(img, 9, 5), kB);
    EXPECT_EQ(px(img, 6, 9), kD);
    EXPECT_EQ(px(img, 15, 11), kF);
    // Último borde (columna 3 y fila 2: hasta el píxel 16 y 12) y blanco después.
    EXPECT_EQ(px(img, 16, 6), kNegroT);
    EXPECT_EQ(px(img, 6, 12), kNegroT);
    EXPECT_EQ(px(img, 16, 12), kNegroT);
    EXPECT_EQ(px(img, 17, 6), kBlancoT);
    EXPECT_EQ(px(img, 6, 13), kBlancoT);
    EXPECT_EQ(px(img, 17, 13), kBlancoT);
}

TEST(DibujoPatron, SinRejillaCadaBordeEsDelUltimoPuntoDibujado) {
    auto e = tapiz_3x2(false);
    QImage img = crear_lienzo_patron();
    dibujar_patron(img, *e);

    EXPECT_EQ(px(img, 3, 3), kBlancoT);
    EXPECT_EQ(px(img, 4, 4), kA);
    EXPECT_EQ(px(img, 5, 5), kA);
    // Columnas por fuera y filas por dentro: (2,1) pisa el borde derecho de (1,1) y
    // (1,2) el inferior; la esquina (8,8) es de (2,2), el último de los cuatro.
    EXPECT_EQ(px(img, 8, 6), kB);
    EXPECT_EQ(px(img, 8, 4), kB);
    EXPECT_EQ(px(img, 6, 8), kD);
    EXPECT_EQ(px(img, 8, 8), kE);
    // Bordes finales: la última columna y la última fila conservan el suyo.
    EXPECT_EQ(px(img, 16, 6), kC);
    EXPECT_EQ(px(img, 16, 12), kF);
    EXPECT_EQ(px(img, 10, 12), kE);
    EXPECT_EQ(px(img, 17, 6), kBlancoT);
    EXPECT_EQ(px(img, 10, 13), kBlancoT);
}

TEST(DibujoPatron, PerfilesSinSuPuntoFinalYEnOrden) {
    auto e = tapiz_3x2(true);
    constexpr Color kT = 0x111111, kR = 0x222222, kAb = 0x333333, kL = 0x444444, kL3 = 0x555555;
    e->punto(2, 1).perfil = {kT, kR, kAb, kL};
    e->punto(3, 1).lado(kIzquierda) = kL3;
    QImage img = crear_lienzo_patron();
    dibujar_patron(img, *e);

    // Punto (2,1): esquina superior izquierda en (8,4), s = 4.
    for (int x = 8; x <= 11; ++x) EXPECT_EQ(px(img, x, 4), kT) << x;  // arriba
    for (int x = 8; x <= 11; ++x) EXPECT_EQ(px(img, x, 8), x == 8 ? kL : kAb) << x;  // abajo
    EXPECT_EQ(px(img, 12, 4), kR);  // la derecha empieza en su primer punto
    // La izquierda va de abajo arriba sin llegar a (8,4), que sigue siendo de arriba.
    for (int y = 5; y <= 8; ++y) EXPECT_EQ(px(img, 8, y), kL) << y;
    EXPECT_EQ(px(img, 8, 4), kT);
    // La izquierda de (3,1), dibujada después, pisa la derecha de (2,1) salvo en (12,4).
    for (int y = 5; y <= 8; ++y) EXPECT_EQ(px(img, 12, y), kL3) << y;
    // Los interiores no se tocan.
    EXPECT_EQ(px(img, 10, 6), kB);
    // Ni la derecha ni abajo llegan a la esquina inferior derecha.
    e->punto(1, 2).perfil = {-1, kR, kAb, -1};
    dibujar_patron(img, *e);
    for (int y = 9; y <= 11; ++y) EXPECT_EQ(px(img, 8, y), kR) << y;  // (8,8) es de la izquierda de (2,1)
    for (int x = 4; x <= 7; ++x) EXPECT_EQ(px(img, x, 12), kAb) << x;
    EXPECT_EQ(px(img, 8, 12), kNegroT);
}

TEST(DibujoPatron, RecorteEnElBordeDelLienzoYDatosMalos) {
    auto e = crear_estado();
    e->ancho = "400";
    e->alto = "400";
    e->tam_celda = 4;
    e->ver_rejilla = true;
    for (int x = 0; x <= 700; ++x)
        for (int y = 0; y <= 700; ++y) e->punto(x, y) = {kB, {kA, kA, kA, kA}};
    QImage img = crear_lienzo_patron();
    dibujar_patron(img, *e);  // la columna y la fila 400 caen en 1600..1604
    EXPECT_EQ(px(img, 1599, 1599), kB);
    EXPECT_EQ(px(img, 1596, 1598), kA);

    // Celdas enormes: sólo cabe un trozo del primer punto, o ninguno.
    e->tam_celda = 1000;
    dibujar_patron(img, *e);
    EXPECT_EQ(px(img, 999, 999), kBlancoT);
    EXPECT_EQ(px(img, 1000, 1500), kA);  // su perfil izquierdo
    EXPECT_EQ(px(img, 1500, 1500), kB);
    e->tam_celda = 2000000000;
    dibujar_patron(img, *e);
    EXPECT_EQ(px(img, 1599, 1599), kBlancoT);

    // Un tamaño que no es un número no dibuja nada; uno mayor que 700 se limita a la rejilla.
    e->tam_celda = 2;
    e->ancho = "abc";
    dibujar_patron(img, *e);
    EXPECT_EQ(px(img, 4, 4), kBlancoT);
    e->ancho = "900";
    e->alto = "3";
    for (int y = 1; y <= 3; ++y) e->punto(700, y).perfil = {-1, -1, -1, -1};
    dibujar_patron(img, *e);
    EXPECT_EQ(px(img, 1402, 3), kNegroT);  // borde derecho de la columna 700
    EXPECT_EQ(px(img, 1403, 3), kBlancoT);
    e->tam_celda = 0;
    dibujar_patron(img, *e);
    EXPECT_EQ(px(img, 4, 4), kBlancoT);
}

// Dibujo de referencia, cuadrado a cuadrado y píxel a píxel, tal como se define el
// redibujado: sirve para comprobar el dibujo por filas del programa en muchos casos.
QImage referencia(const Estado& e, int ancho, int alto) {
    QImage img(1600, 1600, QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    const int s = e.tam_celda;
    auto poner = [&](long x, long y, Color c) {
        if (x >= 0 && y >= 0 && x < 1600 && y < 1600) img.setPixel(int(x), int(y), qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    };
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) {
            const Color c = e.punto(x, y).color;
            const Color pluma = e.ver_rejilla && s >= 2 ? 0 : c;  // a un píxel por punto, sin rejilla
            for (long i = 0; i <= s; ++i)
                for (long j = 0; j <= s; ++j) {
                    const bool borde = i == 0 || j == 0 || i == s || j == s;
                    poner(long(x) * s + i, long(y) * s + j, borde ? pluma : c);
                }
        }
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) {
            const long X = long(x) * s, Y = long(y) * s;
            for (int k = 1; k <= 4; ++k) {
                const Color c = e.punto(x, y).lado(k);
                if (c == -1) continue;
                for (long t = 0; t < s; ++t) {
                    if (k == 1) poner(X + t, Y, c);
                    if (k == 2) poner(X + s, Y + t, c);
                    if (k == 3) poner(X + t, Y + s, c);
                    if (k == 4) poner(X, Y + s - t, c);
                }
            }
        }
    return img;
}

TEST(DibujoPatron, CoincideConElDibujoCuadradoACuadrado) {
    std::mt19937 azar(7);
    auto e = crear_estado();
    QImage img = crear_lienzo_patron();
    struct Caso { int ancho, alto, s; };
    for (const Caso c : {Caso{5, 4, 1}, Caso{9, 7, 2}, Caso{6, 11, 3}, Caso{13, 5, 5}, Caso{230, 3, 7},
                         Caso{2, 170, 10}}) {
        for (const bool rejilla : {true, false}) {
            SCOPED_TRACE(testing::Message() << c.ancho << "x" << c.alto << " s=" << c.s << " rejilla=" << rejilla);
            e->ancho = std::to_string(c.ancho);
            e->alto = std::to_string(c.alto);
            e->tam_celda = c.s;
            e->ver_rejilla = rejilla;
            for (int x = 1; x <= c.ancho; ++x)
                for (int y = 1; y <= c.alto; ++y) {
                    Punto& p = e->punto(x, y);
                    p.color = static_cast<Color>(azar() % 6) * 0x1F1F1F + 0x010203;
                    for (int k = 1; k <= 4; ++k)
                        p.lado(k) = azar() % 5 == 0 ? static_cast<Color>(azar() & 0xFFFFFF) : -1;
                }
            dibujar_patron(img, *e);
            const QImage ref = referencia(*e, c.ancho, c.alto);
            int distintos = 0;
            for (int y = 0; y < 1600 && distintos < 5; ++y)
                for (int x = 0; x < 1600 && distintos < 5; ++x)
                    if (img.pixel(x, y) != ref.pixel(x, y)) {
                        ADD_FAILURE() << "píxel (" << x << "," << y << ")";
                        ++distintos;
                    }
            // Cualquier trozo del lienzo, dibujado solo, es igual a esa parte del dibujo entero.
            for (int t = 0; t < 6 && distintos < 5; ++t) {
                const int an = 1 + static_cast<int>(azar() % 90), al = 1 + static_cast<int>(azar() % 90);
                const QPoint o(static_cast<int>(azar() % (1600 - an)), static_cast<int>(azar() % (1600 - al)));
                const QPoint en_tapiz(static_cast<int>(azar() % (c.ancho * c.s + 1)), static_cast<int>(azar() % (c.alto * c.s + 1)));
                for (const QPoint origen : {o, QPoint(std::min(en_tapiz.x(), 1600 - an), std::min(en_tapiz.y(), 1600 - al))}) {
                    QImage trozo(an, al, QImage::Format_RGB32);
                    dibujar_patron(trozo, *e, origen);
                    for (int y = 0; y < al && distintos < 5; ++y)
                        for (int x = 0; x < an && distintos < 5; ++x)
                            if (trozo.pixel(x, y) != ref.pixel(origen.x() + x, origen.y() + y)) {
                                ADD_FAILURE() << "trozo en (" << origen.x() << "," << origen.y() << "), píxel (" << x << "," << y << ")";
                                ++distintos;
                            }
                }
            }
        }
    }
}

TEST(DibujoPatron, ResaltadoPalidoYZonaDiscontinuaRojaSiEstaInvertida) {
    auto e = tapiz_3x2(false);
    QImage img(40, 40, QImage::Format_RGB32);
    Adornos a;
    a.resaltado = kB;
    dibujar_vista(img, *e, {}, a);
    EXPECT_EQ(px(img, 10, 6), kB);                   // (2,1), del color resaltado
    EXPECT_EQ(img.pixel(6, 6), qRgb(241, 191, 191));  // (1,1): rojo 200 a un cuarto sobre blanco

    // La zona (2,1)-(3,2) rodea sus puntos: de (8,4) a (16,12); invertida, en rojo.
    const auto colores_del_borde = [&](bool invertida) {
        a = {};
        a.zona = ZonaVista{invertida ? 3 : 2, 1, invertida ? 2 : 3, 2, invertida};
        dibujar_vista(img, *e, {}, a);
        int negros = 0, rojos = 0;
        for (int x = 9; x < 16; ++x) {
            const QRgb q = img.pixel(x, 4);
            negros += q == qRgb(0, 0, 0);
            rojos += qRed(q) > 200 && qGreen(q) < 40;
        }
        return std::pair(negros, rojos);
    };
    EXPECT_EQ(rectangulo_zona(ZonaVista{3, 1, 2, 2, true}, 4), QRect(QPoint(8, 4), QPoint(16, 12)));
    const auto [negros, rojos] = colores_del_borde(false);
    EXPECT_GT(negros, 2);
    EXPECT_EQ(rojos, 0);
    const auto [negros_inv, rojos_inv] = colores_del_borde(true);
    EXPECT_EQ(negros_inv, 0);
    EXPECT_GT(rojos_inv, 2);
}

}  // namespace
}  // namespace pc
