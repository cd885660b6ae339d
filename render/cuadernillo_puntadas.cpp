#include "render/cuadernillo_puntadas.h"

#include <QFontMetricsF>
#include <QPen>
#include <unordered_map>

#include "render/cuadernillo.h"
#include "render/dibujo_puntadas.h"
#include "render/imagen_qt.h"
#include "render/trazos.h"

namespace pc {

namespace {

// El símbolo de un parcial, en partes del lado de la celda.
constexpr double kEmParcial = 0.4;
// Grosores en mm: el pespunte (nunca menos de 0,8 mm) y su filo blanco; el anillo del nudo.
constexpr double kLineaPespunte = 0.8, kFiloPespunte = 0.2, kAnilloNudo = 0.15, kFiloNudo = 0.15;
// El nudo, en partes del lado de la celda.
constexpr double kRadioNudo = 0.28;

LugarPuntadas lugar_de(const RejillaCuadernillo& g) {
    LugarPuntadas l;
    l.celda = g.celda;
    l.origen = g.esquina - QPointF((g.r.x1 - 1) * g.celda, (g.r.y1 - 1) * g.celda);
    return l;
}

// Dónde va el símbolo de un parcial, en fracciones de la celda: el centro de lo que cubre.
QPointF centro_parcial(const Parcial& q) {
    const double ex = q.esquina == Esquina::kArribaDerecha || q.esquina == Esquina::kAbajoDerecha ? 1 : 0;
    const double ey = q.esquina == Esquina::kAbajoIzquierda || q.esquina == Esquina::kAbajoDerecha ? 1 : 0;
    switch (q.tipo) {
        case TipoParcial::kMedio: return {0.5, 0.5};
        case TipoParcial::kTresCuartos: return {(ex + (1 - ex) + ex) / 3, (ey + ey + (1 - ey)) / 3};
        case TipoParcial::kCuarto:
        case TipoParcial::kPetit: return {0.25 + 0.5 * ex, 0.25 + 0.5 * ey};
    }
    return {0.5, 0.5};
}

}  // namespace

void dibujar_parciales_cuadernillo(QPainter& p, const TrabajoCuadernillo& t, const RejillaCuadernillo& g) {
    if (!t.puntadas) return;
    const Puntadas& pt = t.estado->puntadas;
    const std::vector<std::size_t> indices = pt.parciales_en(RectanguloCeldas{g.r.x1, g.r.y1, g.r.x2, g.r.y2});
    if (indices.empty()) return;
    const LugarPuntadas lugar = lugar_de(g);
    p.save();
    // La forma de cada uno: en su color, o en gris claro si el patrón es sólo de símbolos.
    const bool colores = t.op.modo != ModoCuadernillo::kSimbolos;
    p.setPen(Qt::NoPen);
    for (const std::size_t i : indices) {
        const Parcial& q = pt.parciales()[i];
        p.setBrush(colores ? QColor::fromRgb(a_qrgb(q.color)) : QColor(215, 215, 215));
        p.drawPolygon(forma_parcial(q, lugar.interior(q.x, q.y)));
    }
    if (t.op.modo != ModoCuadernillo::kColor) {
        std::unordered_map<Color, std::size_t> fila;
        for (std::size_t k = 0; k < t.leyenda.size(); ++k) fila.emplace(t.leyenda[k].color, k);
        QFont f(familia_letra());
        f.setPixelSize(std::max(1, static_cast<int>(g.celda * kEmParcial)));
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setStyleStrategy(QFont::NoFontMerging);
        p.setFont(f);
        const QFontMetricsF fm(f);
        for (const std::size_t i : indices) {
            const Parcial& q = pt.parciales()[i];
            const auto it = fila.find(q.color);
            if (it == fila.end()) continue;
            const QString s = QString::fromStdString(t.leyenda[it->second].simbolo);
            const QRectF dibujo = fm.tightBoundingRect(s);
            const QRectF celda = lugar.interior(q.x, q.y);
            const QPointF c = centro_parcial(q);
            const QPointF centro(celda.left() + c.x() * celda.width(), celda.top() + c.y() * celda.height());
            const bool blanco = t.op.modo == ModoCuadernillo::kAmbos && simbolo_en_blanco(q.color);
            p.setPen(blanco ? Qt::white : Qt::black);
            p.drawText(centro - dibujo.center(), s);
        }
    }
    p.restore();
}

void dibujar_lineas_cuadernillo(QPainter& p, const TrabajoCuadernillo& t, const RejillaCuadernillo& g) {
    if (!t.puntadas) return;
    const Puntadas& pt = t.estado->puntadas;
    p.save();
    // Lo que sigue en la página de al lado no se sale de la rejilla.
    p.setClipRect(QRectF(g.esquina, QSizeF(g.r.columnas() * g.celda, g.r.filas() * g.celda)));
    EstiloPuntadas estilo;
    estilo.parciales = false;
    estilo.grueso_linea = kLineaPespunte * g.mm;
    estilo.filo_linea = kFiloPespunte * g.mm;
    estilo.radio_nudo = kRadioNudo * g.celda;
    estilo.anillo_nudo = kAnilloNudo * g.mm;
    estilo.filo_nudo = kFiloNudo * g.mm;
    dibujar_puntadas(p, pt, RectanguloCeldas{g.r.x1, g.r.y1, g.r.x2, g.r.y2}, lugar_de(g), estilo);
    p.restore();
}

void fila_leyenda_puntadas(QPainter& p, const TrabajoCuadernillo& t, int n, double x, double y, double y_texto,
                           double mm, const ColumnasPuntadas& col, const EscribirLeyenda& escribir) {
    if (!t.puntadas || n < 0) return;
    const std::vector<FilaNudos>& nudos = t.puntadas->nudos;
    if (n == 0) {
        escribir(x + col.muestra, y_texto, col.puntos - col.muestra - 1, "Nudos", false, Qt::AlignLeft);
        escribir(x + col.puntos, y_texto + 0.5, col.ancho_puntos, "Nudos", true, Qt::AlignRight);
        return;
    }
    if (static_cast<std::size_t>(n - 1) >= nudos.size()) return;
    const FilaNudos& f = nudos[static_cast<std::size_t>(n - 1)];
    const QPointF centro((x + col.muestra + col.lado_muestra / 2) * mm, (y + col.lado_muestra / 2) * mm);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen anillo(QColor(30, 30, 30));
    anillo.setWidthF(kAnilloNudo * mm);
    p.setPen(anillo);
    p.setBrush(QColor::fromRgb(a_qrgb(f.color)));
    p.drawEllipse(centro, col.lado_muestra * 0.3 * mm, col.lado_muestra * 0.3 * mm);
    p.restore();
    escribir(x + col.numero, y_texto, col.ancho_numero, f.numero, false, Qt::AlignLeft);
    escribir(x + col.equivalente, y_texto, col.ancho_equivalente, f.equivalente, false, Qt::AlignLeft);
    escribir(x + col.hebras, y_texto, col.ancho_hebras, std::to_string(f.hebras), false, Qt::AlignRight);
    escribir(x + col.puntos, y_texto, col.ancho_puntos, std::to_string(f.nudos), false, Qt::AlignRight);
}

}  // namespace pc
