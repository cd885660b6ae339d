#include "ventana/iconos.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <functional>
#include <initializer_list>

namespace pc::ui {

namespace {

constexpr int kLado = 32;  // se dibuja en 32 x 32 y Qt lo escala
const QColor kTinta(40, 40, 48);

// Dibuja en una rejilla de 32 x 32 con la pluma de tinta.
QPixmap lienzo_icono(const std::function<void(QPainter&)>& dibujo) {
    QPixmap px(kLado, kLado);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kTinta, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    dibujo(p);
    return px;
}

// Un polígono cerrado relleno con el color dado y el borde de la pluma.
void poligono(QPainter& p, const QColor& relleno, std::initializer_list<QPointF> puntos) {
    p.setBrush(relleno);
    p.drawPolygon(QPolygonF(QList<QPointF>(puntos)));
}

void lapiz(QPainter& p) {
    // De abajo a la izquierda (la punta) hacia arriba a la derecha.
    poligono(p, QColor(250, 200, 60), {{4, 28}, {7, 20}, {22, 5}, {27, 10}, {12, 25}});
    poligono(p, kTinta, {{4, 28}, {5.5, 24}, {8, 26.5}});
    poligono(p, QColor(230, 110, 110), {{22, 5}, {24.5, 2.5}, {29.5, 7.5}, {27, 10}});
}

void cubo(QPainter& p) {
    poligono(p, QColor(200, 210, 225), {{6, 14}, {16, 4}, {27, 15}, {17, 25}});
    p.setBrush(QColor(40, 120, 220));
    QPainterPath pintura;
    pintura.moveTo(6, 14);
    pintura.cubicTo(2, 18, 2, 24, 4, 28);
    pintura.cubicTo(7, 26, 8, 20, 9, 16);
    pintura.closeSubpath();
    p.drawPath(pintura);
    p.drawLine(QPointF(16, 4), QPointF(11, 9));
}

void gotero(QPainter& p) {
    poligono(p, QColor(230, 230, 235), {{4, 28}, {6, 22}, {18, 10}, {22, 14}, {10, 26}});
    p.setBrush(kTinta);
    p.drawEllipse(QPointF(24, 8), 5, 5);
    p.drawLine(QPointF(16, 8), QPointF(24, 16));
    p.setBrush(QColor(40, 120, 220));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(5, 28), 2.5, 2.5);
}

void zona(QPainter& p) {
    p.setPen(QPen(kTinta, 2, Qt::DashLine));
    p.drawRect(5, 7, 22, 18);
    p.setPen(QPen(kTinta, 1));
    p.setBrush(Qt::white);
    for (const QPointF c : {QPointF(5, 7), QPointF(27, 7), QPointF(5, 25), QPointF(27, 25)}) p.drawRect(QRectF(c.x() - 2.5, c.y() - 2.5, 5, 5));
}

void perfilado(QPainter& p) {
    // Un área de dos puntos y su perfil rojo por fuera.
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(QColor(120, 190, 120));
    p.drawRect(8, 12, 8, 8);
    p.drawRect(16, 12, 8, 8);
    p.setPen(QPen(QColor(210, 30, 30), 3, Qt::SolidLine, Qt::SquareCap));
    p.setBrush(Qt::NoBrush);
    p.drawRect(8, 12, 16, 8);
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawRect(2, 5, 28, 22);
}

void flecha(QPainter& p, bool izquierda) {
    if (!izquierda) {
        p.translate(kLado, 0);
        p.scale(-1, 1);
    }
    p.setPen(QPen(kTinta, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath arco;
    arco.moveTo(9, 13);
    arco.cubicTo(20, 5, 30, 12, 26, 24);
    p.drawPath(arco);
    p.setPen(Qt::NoPen);
    poligono(p, kTinta, {{4, 13}, {12, 7}, {12, 19}});
}

void lupa(QPainter& p, bool mas) {
    p.setPen(QPen(kTinta, 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(QColor(235, 242, 250));
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(QPen(kTinta, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 13), QPointF(17, 13));
    if (mas) p.drawLine(QPointF(13, 9), QPointF(13, 17));
}

void ajustar(QPainter& p) {
    p.setPen(QPen(kTinta, 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const int a = 4, b = 28, l = 8;
    p.drawPolyline(QPolygon({QPoint(a, a + l), QPoint(a, a), QPoint(a + l, a)}));
    p.drawPolyline(QPolygon({QPoint(b - l, a), QPoint(b, a), QPoint(b, a + l)}));
    p.drawPolyline(QPolygon({QPoint(a, b - l), QPoint(a, b), QPoint(a + l, b)}));
    p.drawPolyline(QPolygon({QPoint(b - l, b), QPoint(b, b), QPoint(b, b - l)}));
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(QColor(120, 190, 120));
    p.drawRect(10, 10, 12, 12);
}

// Las puntadas, en una celda de 4 a 28 con su rejilla gris y el hilo en azul.
const QColor kHilo(40, 110, 210);
void celda(QPainter& p) {
    p.setPen(QPen(QColor(150, 150, 150), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 4, 24, 24));
    p.setPen(QPen(kTinta, 1.5));
}

void medio_punto(QPainter& p) {
    celda(p);
    p.setPen(QPen(kHilo, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(7, 25), QPointF(25, 7));
}

void cuarto(QPainter& p) {
    celda(p);
    poligono(p, kHilo, {{4, 4}, {16, 4}, {4, 16}});
}

void tres_cuartos(QPainter& p) {
    celda(p);
    poligono(p, kHilo, {{4, 4}, {28, 4}, {4, 28}});
}

void petit(QPainter& p) {
    celda(p);
    p.setBrush(kHilo);
    p.drawRect(QRectF(6, 6, 9, 9));
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    p.drawLine(QPointF(16, 4), QPointF(16, 28));
    p.drawLine(QPointF(4, 16), QPointF(28, 16));
}

void pespunte(QPainter& p) {
    p.setPen(QPen(QColor(150, 150, 150), 1, Qt::DotLine));
    for (const int c : {4, 16, 28}) {
        p.drawLine(QPointF(c, 2), QPointF(c, 30));
        p.drawLine(QPointF(2, c), QPointF(30, c));
    }
    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF tramo({QPointF(4, 28), QPointF(16, 10), QPointF(28, 16)});
    p.drawPolyline(tramo);
    p.setPen(QPen(QColor(200, 30, 30), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tramo);
}

void nudo(QPainter& p) {
    celda(p);
    p.setPen(QPen(kTinta, 2));
    p.setBrush(kHilo);
    p.drawEllipse(QPointF(16, 16), 7, 7);
}

void goma(QPainter& p) {
    poligono(p, QColor(240, 150, 170), {{3, 21}, {15, 9}, {23, 17}, {11, 29}});
    poligono(p, QColor(235, 235, 240), {{15, 9}, {21, 3}, {29, 11}, {23, 17}});
}

QPixmap dibujo(Icono i) {
    switch (i) {
        case Icono::kPincel: return lienzo_icono(lapiz);
        case Icono::kRelleno: return lienzo_icono(cubo);
        case Icono::kCuentagotas: return lienzo_icono(gotero);
        case Icono::kZona: return lienzo_icono(zona);
        case Icono::kPerfilar: return lienzo_icono(perfilado);
        case Icono::kDeshacer: return lienzo_icono([](QPainter& p) { flecha(p, true); });
        case Icono::kRehacer: return lienzo_icono([](QPainter& p) { flecha(p, false); });
        case Icono::kAcercar: return lienzo_icono([](QPainter& p) { lupa(p, true); });
        case Icono::kAlejar: return lienzo_icono([](QPainter& p) { lupa(p, false); });
        case Icono::kAjustar: return lienzo_icono(ajustar);
        case Icono::kMedioPunto: return lienzo_icono(medio_punto);
        case Icono::kCuarto: return lienzo_icono(cuarto);
        case Icono::kTresCuartos: return lienzo_icono(tres_cuartos);
        case Icono::kPetit: return lienzo_icono(petit);
        case Icono::kPespunte: return lienzo_icono(pespunte);
        case Icono::kNudo: return lienzo_icono(nudo);
        case Icono::kGoma: return lienzo_icono(goma);
    }
    return {};
}

// Puntero hecho con el icono, con un halo blanco para verse sobre cualquier color.
QCursor puntero_de(Icono i, int x, int y) {
    const QPixmap forma = dibujo(i);
    QPixmap px(kLado, kLado);
    px.fill(Qt::transparent);
    QPainter p(&px);
    QImage halo = forma.toImage();
    for (int yy = 0; yy < halo.height(); ++yy)
        for (int xx = 0; xx < halo.width(); ++xx)
            if (qAlpha(halo.pixel(xx, yy)) > 0) halo.setPixel(xx, yy, qRgba(255, 255, 255, 255));
    for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) p.drawImage(d, halo);
    p.drawPixmap(0, 0, forma);
    return QCursor(px, x, y);
}

// Puntero de las herramientas de puntadas: una cruz fina con la punta en (8, 8), que dice el
// sitio exacto dentro de la celda, y el icono pequeño abajo a la derecha.
QCursor puntero_fino(Icono i) {
    QPixmap px(kLado, kLado);
    px.fill(Qt::transparent);
    QPainter p(&px);
    for (const auto& [color, grueso] : {std::pair{QColor(Qt::white), 3.0}, std::pair{QColor(Qt::black), 1.0}}) {
        p.setPen(QPen(color, grueso, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(8.5, 0), QPointF(8.5, 17));
        p.drawLine(QPointF(0, 8.5), QPointF(17, 8.5));
    }
    p.drawPixmap(QRect(14, 14, 18, 18), dibujo(i));
    return QCursor(px, 8, 8);
}

}  // namespace

QIcon icono(Icono i) { return QIcon(dibujo(i)); }

QCursor puntero(Herramienta h) {
    switch (h) {
        case Herramienta::kPincel: return puntero_de(Icono::kPincel, 4, 28);
        case Herramienta::kRelleno: return puntero_de(Icono::kRelleno, 4, 28);
        case Herramienta::kCuentagotas: return puntero_de(Icono::kCuentagotas, 4, 28);
        case Herramienta::kZona: return QCursor(Qt::CrossCursor);
        case Herramienta::kPerfilar: return puntero_de(Icono::kPerfilar, 16, 16);
        case Herramienta::kMedioPunto: return puntero_fino(Icono::kMedioPunto);
        case Herramienta::kCuarto: return puntero_fino(Icono::kCuarto);
        case Herramienta::kTresCuartos: return puntero_fino(Icono::kTresCuartos);
        case Herramienta::kPetit: return puntero_fino(Icono::kPetit);
        case Herramienta::kPespunte: return puntero_fino(Icono::kPespunte);
        case Herramienta::kNudo: return puntero_fino(Icono::kNudo);
        case Herramienta::kGoma: return puntero_fino(Icono::kGoma);
    }
    return QCursor(Qt::ArrowCursor);
}

}  // namespace pc::ui
