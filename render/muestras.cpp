#include "render/muestras.h"

#include <QPainter>

#include "render/imagen_qt.h"

namespace pc {

QImage imagen_muestra(Color c, int lado) {
    QImage img(lado, lado, QImage::Format_RGB32);
    img.fill(a_qrgb(c));
    QPainter p(&img);
    p.setPen(QColor(60, 60, 60));
    p.drawRect(0, 0, lado - 1, lado - 1);
    return img;
}

QImage imagen_simbolo(const Simbolo& s, int lado) {
    QImage img(lado, lado, QImage::Format_RGB32);
    img.fill(Qt::white);
    const TramaSimbolo t = trama_simbolo(s, lado);
    QPainter p(&img);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, 0, lado - 1, lado - 1);
    // Cada punto (r, q), contados desde 1, es el cuadrado de (d·q + d, d·r + d) de lado d.
    for (int r = 1; r <= t.n; ++r)
        for (int q = 1; q <= t.n; ++q)
            if (t.punto[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(q - 1)])
                p.fillRect(t.d * q + t.d, t.d * r + t.d, t.d, t.d, Qt::black);
    return img;
}

}  // namespace pc
