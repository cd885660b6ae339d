// El dibujo de las puntadas que no son cruces enteras, uno solo para la pantalla, la impresión,
// las imágenes BMP y el cuadernillo: medios puntos como una barra diagonal, cuartos y tres
// cuartos como los triángulos que cubren, petits como cuadrados pequeños en su cuarto,
// pespuntes como líneas del color de su hilo con filo blanco y nudos como círculos rellenos.
// Se dibuja sólo lo que toca el rectángulo de celdas pedido.
#pragma once
#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <functional>

#include "app/estado.h"

namespace pc {

// Dónde caen las celdas en el dispositivo: la esquina de arriba a la izquierda de la celda
// (1, 1), el punto (0, 0) de la red, y el lado de una celda. `hueco`: lo que la rejilla ocupa
// en el borde de arriba y de la izquierda de cada celda (0 sin rejilla), que los parciales no
// tapan.
struct LugarPuntadas {
    QPointF origen;
    double celda = 1;
    double hueco = 0;

    QPointF punto_red(int u, int v) const { return origen + QPointF(u * celda / 2.0, v * celda / 2.0); }
    // El interior de la celda (x, y), sin la rejilla.
    QRectF interior(int x, int y) const {
        return QRectF(origen.x() + (x - 1) * celda + hueco, origen.y() + (y - 1) * celda + hueco, celda - hueco,
                      celda - hueco);
    }
};

struct EstiloPuntadas {
    bool parciales = true, lineas = true, nudos = true;
    double grueso_linea = 2;  // en unidades del dispositivo
    double filo_linea = 1;    // filo blanco a cada lado de un pespunte
    double radio_nudo = 2;
    double anillo_nudo = 0;   // grueso del anillo oscuro del nudo (0: sin anillo)
    double filo_nudo = 1;     // filo blanco alrededor del nudo
    bool suave = true;        // con suavizado (antialiasing)
    // El color con que se dibuja el de un hilo; sin él, el del hilo tal cual.
    std::function<QColor(Color)> color;
};

// La forma que cubre un parcial en el rectángulo `r` de su celda.
QPolygonF forma_parcial(const Parcial& p, const QRectF& r);

// Dibuja las puntadas que tocan el rectángulo de celdas `visibles`.
void dibujar_puntadas(QPainter& p, const Puntadas& puntadas, const RectanguloCeldas& visibles, const LugarPuntadas& lugar,
                      const EstiloPuntadas& estilo);

}  // namespace pc
