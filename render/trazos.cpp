#include "render/trazos.h"

#include <QPen>

namespace pc {

void dibujar_lineas_hilo(QPainter& p, const QVector<QLineF>& lineas, const QColor& color, double ancho, double filo) {
    if (lineas.isEmpty()) return;
    p.save();
    p.setBrush(Qt::NoBrush);
    if (filo > 0) {
        QPen borde(Qt::white);
        borde.setWidthF(ancho + 2 * filo);
        borde.setCapStyle(Qt::RoundCap);
        p.setPen(borde);
        p.drawLines(lineas);
    }
    QPen pen(color);
    pen.setWidthF(ancho);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLines(lineas);
    p.restore();
}

}  // namespace pc
