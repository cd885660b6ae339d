#include "render/dibujo_paleta.h"

#include <QFont>
#include <QPainter>

#include "render/imagen_qt.h"

namespace pc {

namespace {
constexpr int kAltoLetra = 11;  // en píxeles: el texto cabe en una fila de 20
}  // namespace

void dibujar_paleta(QImage& lienzo, const DibujoPaleta& d) {
    lienzo.fill(Qt::white);
    QPainter p(&lienzo);
    QFont letra = p.font();
    letra.setPixelSize(kAltoLetra);
    p.setFont(letra);
    // Los textos se escriben sobre blanco: uno posterior tapa el final de otro anterior.
    p.setBackgroundMode(Qt::OpaqueMode);
    p.setBackground(Qt::white);
    const QPen fina(Qt::black, 1);
    const QPen gruesa(Qt::black, 2);
    using T = FiguraPaleta::Tipo;
    for (const FiguraPaleta& f : d.figuras) {
        switch (f.tipo) {
            case T::kTexto: {
                p.setPen(fina);
                const QString t = QString::fromStdString(f.texto);
                const QRect caja = p.fontMetrics().boundingRect(t);
                p.drawText(QRect(f.x, f.y, caja.width() + 2, p.fontMetrics().height()),
                           Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, t);
                break;
            }
            case T::kMuestra:
                // 20 x 20 píxeles con el borde negro.
                p.setPen(fina);
                p.setBrush(QColor(a_qrgb(f.color)));
                p.drawRect(QRect(f.x, f.y, 19, 19));
                break;
            case T::kMarco:
                p.setPen(gruesa);
                p.setBrush(Qt::NoBrush);
                p.drawRect(QRect(f.x, f.y, 22, 22));
                break;
            case T::kElipse:
                p.setPen(gruesa);
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QRect(f.x, f.y, 60, 20));
                break;
        }
    }
}

}  // namespace pc
