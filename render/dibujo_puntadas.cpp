#include "render/dibujo_puntadas.h"

#include <QPen>
#include <QVector>
#include <map>

#include "render/imagen_qt.h"
#include "render/trazos.h"

namespace pc {

namespace {

// Medio ancho de la barra de un medio punto, medido a lo largo de un lado (fracción de celda).
constexpr double kBarra = 0.2;
// Margen del cuadrado de un petit dentro de su cuarto (fracción de celda).
constexpr double kMargenPetit = 0.06;

QPointF en(const QRectF& r, double fx, double fy) { return {r.left() + fx * r.width(), r.top() + fy * r.height()}; }

// La esquina k de la celda en fracciones (0 o 1).
QPointF esquina(Esquina k) {
    switch (k) {
        case Esquina::kArribaIzquierda: return {0, 0};
        case Esquina::kArribaDerecha: return {1, 0};
        case Esquina::kAbajoIzquierda: return {0, 1};
        case Esquina::kAbajoDerecha: return {1, 1};
    }
    return {0, 0};
}

QColor color_de(const EstiloPuntadas& e, Color c) { return e.color ? e.color(c) : QColor::fromRgb(a_qrgb(c)); }

}  // namespace

QPolygonF forma_parcial(const Parcial& p, const QRectF& r) {
    const QPointF k = esquina(p.esquina);
    // De la esquina hacia dentro de la celda: +1 o -1 en cada eje.
    const double sx = k.x() == 0 ? 1 : -1, sy = k.y() == 0 ? 1 : -1;
    QPolygonF f;
    const auto mas = [&](double fx, double fy) { f << en(r, fx, fy); };
    switch (p.tipo) {
        case TipoParcial::kMedio:
            // La banda de la diagonal recortada a la celda: un hexágono con las dos esquinas.
            if (p.diagonal == Diagonal::kBarra) {
                mas(0, 1), mas(0, 1 - kBarra), mas(1 - kBarra, 0), mas(1, 0), mas(1, kBarra), mas(kBarra, 1);
            } else {
                mas(0, 0), mas(kBarra, 0), mas(1, 1 - kBarra), mas(1, 1), mas(1 - kBarra, 1), mas(0, kBarra);
            }
            break;
        case TipoParcial::kCuarto:
            mas(k.x(), k.y()), mas(k.x() + sx * 0.5, k.y()), mas(k.x(), k.y() + sy * 0.5);
            break;
        case TipoParcial::kTresCuartos:
            // El medio triángulo del lado de su esquina: ella y los extremos de la diagonal.
            mas(k.x(), k.y()), mas(1 - k.x(), k.y()), mas(k.x(), 1 - k.y());
            break;
        case TipoParcial::kPetit: {
            const double x0 = k.x() == 0 ? kMargenPetit : 0.5 + kMargenPetit;
            const double y0 = k.y() == 0 ? kMargenPetit : 0.5 + kMargenPetit;
            const double l = 0.5 - 2 * kMargenPetit;
            mas(x0, y0), mas(x0 + l, y0), mas(x0 + l, y0 + l), mas(x0, y0 + l);
            break;
        }
    }
    return f;
}

void dibujar_puntadas(QPainter& p, const Puntadas& puntadas, const RectanguloCeldas& visibles, const LugarPuntadas& lugar,
                      const EstiloPuntadas& estilo) {
    if (puntadas.vacia() || visibles.x1 > visibles.x2 || visibles.y1 > visibles.y2) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, estilo.suave);

    if (estilo.parciales) {
        p.setPen(Qt::NoPen);
        for (const std::size_t i : puntadas.parciales_en(visibles)) {
            const Parcial& q = puntadas.parciales()[i];
            p.setBrush(color_de(estilo, q.color));
            p.drawPolygon(forma_parcial(q, lugar.interior(q.x, q.y)));
        }
    }

    if (estilo.lineas) {
        // Por colores, para que dos líneas que se cruzan no se corten el color (trazos.h).
        std::map<Color, QVector<QLineF>> por_color;
        for (const std::size_t i : puntadas.lineas_en(visibles)) {
            const Linea& l = puntadas.lineas()[i];
            por_color[l.color].append(QLineF(lugar.punto_red(l.u1, l.v1), lugar.punto_red(l.u2, l.v2)));
        }
        for (const auto& [c, lineas] : por_color)
            dibujar_lineas_hilo(p, lineas, color_de(estilo, c), estilo.grueso_linea, estilo.filo_linea);
    }

    if (estilo.nudos) {
        const std::vector<std::size_t> nudos = puntadas.nudos_en(visibles);
        const double r = estilo.radio_nudo;
        if (estilo.filo_nudo > 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            for (const std::size_t i : nudos) {
                const Nudo& n = puntadas.nudos()[i];
                const double fuera = r + estilo.anillo_nudo + estilo.filo_nudo;
                p.drawEllipse(lugar.punto_red(n.u, n.v), fuera, fuera);
            }
        }
        QPen anillo(QColor(30, 30, 30));
        anillo.setWidthF(estilo.anillo_nudo);
        p.setPen(estilo.anillo_nudo > 0 ? anillo : QPen(Qt::NoPen));
        const double dentro = r + estilo.anillo_nudo / 2;
        for (const std::size_t i : nudos) {
            const Nudo& n = puntadas.nudos()[i];
            p.setBrush(color_de(estilo, n.color));
            p.drawEllipse(lugar.punto_red(n.u, n.v), dentro, dentro);
        }
    }
    p.restore();
}

}  // namespace pc
