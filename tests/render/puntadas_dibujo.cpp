// El dibujo de las puntadas que no son cruces enteras: en pantalla (el píxel donde cae cada
// clase, sólo el trozo que se ve) y en la imagen de la impresión, que sin ellas no cambia y con
// ellas cambia sólo donde están.
#include <gtest/gtest.h>

#include <QPainter>
#include <memory>

#include "render/dibujo_patron.h"
#include "render/impresion.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc {
namespace {

constexpr Color kFondo = 0x406080;
constexpr Color kRojo = 0x0000E0, kVerde = 0x00C000, kAzul = 0xE00000;

Color px(const QImage& img, int x, int y) {
    const QRgb q = img.pixel(x, y);
    return rgb(qRed(q), qGreen(q), qBlue(q));
}

std::unique_ptr<Estado> tapiz(int ancho, int alto) {
    auto e = crear_estado();
    e->ancho = std::to_string(ancho);
    e->alto = std::to_string(alto);
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) e->punto(x, y) = {kFondo, {-1, -1, -1, -1}};
    return e;
}

// Un medio punto '/' rojo en (2, 2), un cuarto verde abajo a la derecha de (3, 2), un pespunte
// azul de la esquina (1, 3) a la (4, 3) y un nudo verde en el centro de (4, 1).
void poner_puntadas(Estado& e, int ancho, int alto) {
    Parcial medio;
    medio.x = 2, medio.y = 2, medio.color = kRojo;
    Parcial cuarto;
    cuarto.x = 3, cuarto.y = 2, cuarto.tipo = TipoParcial::kCuarto, cuarto.esquina = Esquina::kAbajoDerecha;
    cuarto.color = kVerde;
    for (const Parcial& p : {medio, cuarto}) {
        ASSERT_TRUE(e.puntadas.poner(p, ancho, alto));
        e.punto(p.x, p.y).color = kBlanco;
    }
    Linea l;
    l.u1 = 0, l.v1 = 4, l.u2 = 6, l.v2 = 4, l.color = kAzul;
    ASSERT_TRUE(e.puntadas.poner(l, ancho, alto));
    Nudo n;
    n.u = 7, n.v = 1, n.color = kVerde;
    ASSERT_TRUE(e.puntadas.poner(n, ancho, alto));
}

TEST(PuntadasDibujo, EnPantallaCadaClaseEnSuSitioYSoloLoQueSeVe) {
    auto e = tapiz(5, 4);
    poner_puntadas(*e, 5, 4);
    e->tam_celda = 20;
    e->ver_rejilla = true;
    QImage img(200, 200, QImage::Format_RGB32);
    dibujar_vista(img, *e, QPoint(0, 0), {});
    // La celda (2, 2) va de 40 a 60: el medio punto cruza su centro de abajo a la izquierda a
    // arriba a la derecha; las otras dos esquinas quedan de tela.
    EXPECT_EQ(px(img, 50, 50), kRojo);
    EXPECT_EQ(px(img, 45, 54), kRojo);
    EXPECT_EQ(px(img, 43, 43), kBlanco);
    EXPECT_EQ(px(img, 57, 57), kBlanco);
    // El cuarto, en la esquina de abajo a la derecha de (3, 2) y no en la de arriba a la izquierda.
    EXPECT_EQ(px(img, 78, 56), kVerde);
    EXPECT_EQ(px(img, 63, 43), kBlanco);
    // El pespunte sobre la rejilla en y = 20 + 4·10 = 60, más ancho que la línea de la rejilla.
    EXPECT_EQ(px(img, 30, 60), kAzul);
    EXPECT_EQ(px(img, 30, 59), kAzul);
    EXPECT_EQ(px(img, 110, 60), kNegro);  // más allá de su final, la rejilla
    // El nudo, un círculo en (20 + 70, 20 + 10).
    EXPECT_EQ(px(img, 90, 30), kVerde);
    EXPECT_EQ(px(img, 91, 31), kVerde);
    EXPECT_EQ(px(img, 97, 37), kFondo);

    // Con celdas de 4 píxeles los parciales se escriben píxel a píxel: la celda (2, 2) va de 8
    // a 12 y su interior, sin la rejilla, de 9 a 11; la diagonal '/' y nada más.
    {
        auto chico = tapiz(5, 4);
        poner_puntadas(*chico, 5, 4);
        chico->tam_celda = 4;
        chico->ver_rejilla = true;
        QImage p(40, 40, QImage::Format_RGB32);
        dibujar_vista(p, *chico, QPoint(0, 0), {});
        // (La fila 11 la cubre el pespunte de y = 12.)
        EXPECT_EQ(px(p, 10, 10), kRojo);
        EXPECT_EQ(px(p, 11, 9), kRojo);
        EXPECT_EQ(px(p, 9, 9), kBlanco);
        EXPECT_EQ(px(p, 10, 9), kBlanco);
        EXPECT_EQ(px(p, 9, 10), kBlanco);
        EXPECT_EQ(px(p, 8, 10), kNegro);  // la rejilla sigue
    }

    // Un trozo de la vista que empieza en (45, 45): el mismo dibujo, desplazado.
    QImage trozo(40, 40, QImage::Format_RGB32);
    dibujar_vista(trozo, *e, QPoint(45, 45), {});
    for (const QPoint p : {QPoint(50, 50), QPoint(57, 57), QPoint(78, 56), QPoint(63, 47), QPoint(80, 60)})
        EXPECT_EQ(px(trozo, p.x() - 45, p.y() - 45), px(img, p.x(), p.y())) << p.x() << "," << p.y();
}

TEST(PuntadasDibujo, LaImagenDeLaImpresionSoloCambiaDondeEstan) {
    prueba::aplicacion();
    prueba::VistaRegistro v;
    auto sin = tapiz(10, 8);
    auto con = tapiz(10, 8);
    poner_puntadas(*con, 10, 8);
    // La tela bajo los parciales, también en el tapiz sin puntadas: sólo cuentan ellas.
    sin->punto(2, 2).color = sin->punto(3, 2).color = kBlanco;
    const auto imprimir = [&](const Estado& e) {
        TrabajoImpresion t;
        t.estado = &e;
        t.rango = Rango{1, 1, 10, 8};
        t.salida = Salida::kBmp;
        t.op.colores = true;
        QImage img(600, 600, QImage::Format_RGB32);
        imprimir_en_imagen(img, t, v);
        return img;
    };
    const QImage a = imprimir(*sin), b = imprimir(*con);
    // Dónde cae el tapiz: la primera y la última columna de píxeles del fondo en una fila de
    // la celda (5, 6), que no tiene nada.
    int x0 = -1, x1 = -1, y0 = -1;
    for (int x = 0; x < a.width(); ++x)
        if (px(a, x, a.height() / 2 + 20) == kFondo) {
            if (x0 < 0) x0 = x;
            x1 = x;
        }
    ASSERT_GT(x1, x0);
    const double c = (x1 - x0 + 1) / 10.0;
    for (int y = 0; y < a.height() && y0 < 0; ++y)
        if (px(a, x0 + static_cast<int>(4.5 * c), y) == kFondo) y0 = y;
    // El medio punto en el centro de (2, 2); fuera de las cuatro primeras columnas y las tres
    // primeras filas (con medio punto de margen por el filo) nada cambia.
    EXPECT_EQ(px(b, x0 + static_cast<int>(1.5 * c), y0 + static_cast<int>(1.5 * c)), kRojo);
    EXPECT_EQ(px(a, x0 + static_cast<int>(1.5 * c), y0 + static_cast<int>(1.5 * c)), kBlanco);
    QRect cambiado;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) cambiado |= QRect(x, y, 1, 1);
    EXPECT_LE(cambiado.right(), x0 + 4.5 * c);
    EXPECT_LE(cambiado.bottom(), y0 + 3.5 * c);
    EXPECT_EQ(imprimir(*sin), a);  // el mismo tapiz, la misma imagen
}

}  // namespace
}  // namespace pc
