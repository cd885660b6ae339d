#include "render/dibujo_patron.h"
#include "render/simbolos_celda.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cstdint>

#include "app/texto.h"
#include "pattern/puntadas_editar.h"
#include "render/dibujo_puntadas.h"
#include "render/imagen_qt.h"
#include "render/trazos.h"

namespace pc {

namespace {

constexpr QRgb kQBlanco = 0xFFFFFFFFu;
constexpr QRgb kQNegro = 0xFF000000u;

// El lienzo siempre en RGB de 32 bits: se escribe píxel a píxel por scanLine.
void asegurar_formato(QImage& lienzo) {
    if (lienzo.format() != QImage::Format_RGB32 && lienzo.format() != QImage::Format_ARGB32)
        lienzo = lienzo.convertToFormat(QImage::Format_RGB32);
}

// Tamaño del tapiz leído del texto del estado, limitado a la rejilla. 0 si el texto no es
// un número o no hay nada que dibujar.
int tamano_dibujable(const std::string& texto) {
    int v = 0;
    if (!leer_entero(texto, v) || v < 1) return 0;
    return std::min(v, kMaxPuntos);
}

// Un punto que no es del color resaltado se ve a un cuarto de su color, sobre blanco.
QRgb palido(QRgb c) {
    const auto m = [](int v) { return v + (255 - v) * 3 / 4; };
    return qRgb(m(qRed(c)), m(qGreen(c)), m(qBlue(c)));
}

// Acceso al trozo con recorte, en coordenadas del lienzo: el píxel (x, y) del lienzo es el
// (x - ox, y - oy) del trozo. Van en 64 bits porque la celda puede ser enorme si el usuario
// tecleó un tamaño de rejilla disparatado.
class Trozo {
public:
    Trozo(QImage& img, QPoint origen)
        : img_(img), ox_(origen.x()), oy_(origen.y()), an_(img.width()), al_(img.height()) {}

    // Primer y último píxel del lienzo que se ven.
    std::int64_t x0() const { return ox_; }
    std::int64_t y0() const { return oy_; }
    std::int64_t x1() const { return ox_ + an_ - 1; }
    std::int64_t y1() const { return oy_ + al_ - 1; }

    // La fila y del lienzo, desplazada para indexarla con x del lienzo.
    QRgb* fila(std::int64_t y) { return reinterpret_cast<QRgb*>(img_.scanLine(static_cast<int>(y - oy_))) - ox_; }
    void llenar(std::int64_t y, std::int64_t a, std::int64_t b, QRgb c) {
        if (a > b) return;
        QRgb* f = fila(y);
        std::fill(f + a, f + b + 1, c);
    }

    // Línea horizontal de xa a xb (ambos incluidos) en la fila y.
    void horizontal(std::int64_t xa, std::int64_t xb, std::int64_t y, QRgb c) {
        if (y < y0() || y > y1()) return;
        llenar(y, std::max(xa, x0()), std::min(xb, x1()), c);
    }
    // Línea vertical de ya a yb (ambos incluidos) en la columna x.
    void vertical(std::int64_t x, std::int64_t ya, std::int64_t yb, QRgb c) {
        if (x < x0() || x > x1()) return;
        for (std::int64_t y = std::max(ya, y0()); y <= std::min(yb, y1()); ++y) fila(y)[x] = c;
    }
    // Borde k (1 arriba, 2 derecha, 3 abajo, 4 izquierda) del punto cuya esquina superior
    // izquierda es (px, py): una línea desde su primer punto hasta el segundo, sin éste.
    void borde(int k, std::int64_t px, std::int64_t py, std::int64_t s, QRgb c) {
        switch (k) {
            case kArriba: horizontal(px, px + s - 1, py, c); break;
            case kDerecha: vertical(px + s, py, py + s - 1, c); break;
            case kAbajo: horizontal(px, px + s - 1, py + s, c); break;
            case kIzquierda: vertical(px, py + 1, py + s, c); break;
            default: break;
        }
    }

private:
    QImage& img_;
    std::int64_t ox_, oy_, an_, al_;
};

// Primer y último punto (1..n) cuyos píxeles de a a b (del lienzo) tocan el tramo visible; el
// punto i ocupa de i·s a i·s + s. Vacío (primero > último) si ninguno.
std::pair<int, int> puntos_visibles(std::int64_t a, std::int64_t b, std::int64_t s, int n) {
    const std::int64_t primero = std::max<std::int64_t>(1, (std::max<std::int64_t>(a, 0) - s) / s);
    const std::int64_t ultimo = std::min<std::int64_t>(n, b / s);
    if (b < s || primero > ultimo) return {1, 0};
    return {static_cast<int>(primero), static_cast<int>(ultimo)};
}

void dibujar_puntos(QImage& trozo, const Estado& e, QPoint origen, std::optional<Color> resaltado) {
    limpiar_lienzo(trozo);
    const int ancho = tamano_dibujable(e.ancho);
    const int alto = tamano_dibujable(e.alto);
    const std::int64_t s = e.tam_celda;
    if (ancho == 0 || alto == 0 || s < 1 || trozo.isNull()) return;

    Trozo l(trozo, origen);
    // Con un píxel por punto no cabe la rejilla (sería todo negro): sólo a partir de 2.
    const bool rejilla = e.ver_rejilla && s >= 2;
    // Primera pasada. Se recorren las columnas por fuera y las filas por dentro, y cada
    // cuadrado pisa los bordes que comparte con los anteriores: el píxel (px, py) del tapiz
    // queda por tanto del color del punto (px div s, py div s), salvo el borde final de la
    // última columna y la última fila, que es del último punto. Con la rejilla a la vista
    // los bordes son todos negros y no importa el orden. Se escribe así fila a fila, sólo
    // en el tramo visible: de ini a fin en cada sentido.
    const std::int64_t ini_x = std::max(s, l.x0()), fin_x = std::min((ancho + 1) * s, l.x1());
    const std::int64_t ini_y = std::max(s, l.y0()), fin_y = std::min((alto + 1) * s, l.y1());
    if (ini_x > fin_x || ini_y > fin_y) return;
    const int xa = static_cast<int>(std::min<std::int64_t>(ini_x / s, ancho));
    const int xb = static_cast<int>(std::min<std::int64_t>(fin_x / s, ancho));
    const int ya = static_cast<int>(std::min<std::int64_t>(ini_y / s, alto));
    const int yb = static_cast<int>(std::min<std::int64_t>(fin_y / s, alto));
    std::array<QRgb, kLadoRejilla> colores{};
    for (int y = ya; y <= yb; ++y) {
        const std::int64_t y0 = y * s;
        for (int x = xa; x <= xb; ++x) {
            const Color c = e.punto(x, y).color;
            colores[static_cast<std::size_t>(x)] = resaltado && c != *resaltado ? palido(a_qrgb(c)) : a_qrgb(c);
        }
        // Filas de píxeles de este punto: y0..y0+s-1, y la de y0+s si es la última fila.
        const std::int64_t py_fin = std::min<std::int64_t>(y == alto ? y0 + s : y0 + s - 1, fin_y);
        for (std::int64_t py = std::max(y0, ini_y); py <= py_fin; ++py) {
            if (rejilla && (py == y0 || py == y0 + s)) {
                l.llenar(py, ini_x, fin_x, kQNegro);
                continue;
            }
            QRgb* f = l.fila(py);
            for (int x = xa; x <= xb; ++x) {
                const std::int64_t x0 = x * s;
                const std::int64_t x1 = x == ancho ? x0 + s : x0 + s - 1;
                const QRgb c = colores[static_cast<std::size_t>(x)];
                if (rejilla) {
                    if (x0 >= ini_x) f[x0] = kQNegro;
                    l.llenar(py, std::max(x0 + 1, ini_x), std::min(x1, fin_x), c);
                    if (x == ancho && x0 + s <= fin_x) f[x0 + s] = kQNegro;
                } else {
                    l.llenar(py, std::max(x0, ini_x), std::min(x1, fin_x), c);
                }
            }
        }
    }

    // Segunda pasada: los perfiles, en el mismo orden, lado 1 a 4, de los puntos cuyo
    // cuadrado toca lo visible.
    const auto [pxa, pxb] = puntos_visibles(l.x0(), l.x1(), s, ancho);
    const auto [pya, pyb] = puntos_visibles(l.y0(), l.y1(), s, alto);
    for (int x = pxa; x <= pxb; ++x) {
        for (int y = pya; y <= pyb; ++y) {
            const Punto& p = e.punto(x, y);
            for (int k = 1; k <= 4; ++k) {
                const Color c = p.lado(k);
                if (c != kSinPerfil) l.borde(k, x * s, y * s, s, a_qrgb(c));
            }
        }
    }

    // Tercera pasada: las puntadas que no son cruces enteras, encima; con una celda de margen,
    // porque el filo de un pespunte o un nudo en una esquina asoman a la de al lado.
    if (e.puntadas.vacia() || pxa > pxb || pya > pyb || s > (1 << 20)) return;
    const RectanguloCeldas visibles{std::max(1, pxa - 1), std::max(1, pya - 1), std::min(ancho, pxb + 1), std::min(alto, pyb + 1)};
    // Con celdas pequeñas los parciales se escriben píxel a píxel (lo que cubre cada uno, por el
    // centro de cada píxel): con miles a la vista, un polígono por parcial sería lento.
    const bool parciales_a_mano = s < 8;
    if (parciales_a_mano) {
        const std::int64_t g = rejilla ? 1 : 0;
        for (const std::size_t i : e.puntadas.parciales_en(visibles)) {
            const Parcial& q = e.puntadas.parciales()[i];
            const QRgb c0 = a_qrgb(q.color);
            const QRgb c = resaltado && q.color != *resaltado ? palido(c0) : c0;
            const std::int64_t x0 = q.x * s + g, y0 = q.y * s + g, lado = s - g;
            for (std::int64_t py = std::max(y0, l.y0()); py < std::min(y0 + lado, l.y1() + 1); ++py) {
                QRgb* f = l.fila(py);
                for (std::int64_t px = std::max(x0, l.x0()); px < std::min(x0 + lado, l.x1() + 1); ++px)
                    if (cubre(q, (static_cast<double>(px - x0) + 0.5) / static_cast<double>(lado),
                              (static_cast<double>(py - y0) + 0.5) / static_cast<double>(lado)))
                        f[px] = c;
            }
        }
    }
    QPainter p(&trozo);
    p.translate(-origen);
    LugarPuntadas lugar;
    lugar.origen = QPointF(static_cast<double>(s), static_cast<double>(s));
    lugar.celda = static_cast<double>(s);
    lugar.hueco = rejilla ? 1 : 0;
    EstiloPuntadas estilo;
    estilo.grueso_linea = grueso_pespunte(lugar.celda);
    estilo.radio_nudo = radio_nudo(lugar.celda);
    estilo.suave = s >= 4;
    estilo.parciales = !parciales_a_mano;
    // Con celdas pequeñas el filo blanco no se distingue y dobla el trabajo del trazo.
    if (s < 8) estilo.filo_linea = estilo.filo_nudo = 0;
    if (resaltado)
        estilo.color = [r = *resaltado](Color c) { return QColor::fromRgb(c == r ? a_qrgb(c) : palido(a_qrgb(c))); };
    dibujar_puntadas(p, e.puntadas, visibles, lugar, estilo);
}

}  // namespace

QImage crear_lienzo_patron() {
    QImage lienzo(kLadoLienzo, kLadoLienzo, QImage::Format_RGB32);
    lienzo.fill(kQBlanco);
    return lienzo;
}

void limpiar_lienzo(QImage& lienzo) {
    asegurar_formato(lienzo);
    lienzo.fill(kQBlanco);
}

void dibujar_patron(QImage& trozo, const Estado& e, QPoint origen) { dibujar_puntos(trozo, e, origen, std::nullopt); }

QRect rectangulo_zona(const ZonaVista& z, int tam_celda) {
    // Las esquinas se limitan a la rejilla (0..701) para que el cálculo no desborde.
    const auto lim = [](int v) { return std::clamp(v, 0, kLadoRejilla); };
    const int s = std::max(tam_celda, 1);
    const int xa = lim(std::min(z.x1, z.x2)), xb = lim(std::max(z.x1, z.x2));
    const int ya = lim(std::min(z.y1, z.y2)), yb = lim(std::max(z.y1, z.y2));
    const std::int64_t x0 = std::int64_t{xa} * s, y0 = std::int64_t{ya} * s;
    const std::int64_t x1 = (std::int64_t{xb} + 1) * s, y1 = (std::int64_t{yb} + 1) * s;
    constexpr std::int64_t kMax = 1 << 30;
    return QRect(QPoint(static_cast<int>(std::min(x0, kMax)), static_cast<int>(std::min(y0, kMax))),
                 QPoint(static_cast<int>(std::min(x1, kMax)), static_cast<int>(std::min(y1, kMax))));
}

double grueso_tramo(int tam_celda) { return grueso_pespunte(std::max(tam_celda, 1)) + 2; }

void dibujar_vista(QImage& trozo, const Estado& e, QPoint origen, const Adornos& adornos) {
    dibujar_puntos(trozo, e, origen, adornos.resaltado);
    if (adornos.simbolos) dibujar_simbolos_vista(trozo, e, origen, *adornos.simbolos);
    if (adornos.tramo && e.tam_celda >= 1) {
        QPainter p(&trozo);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(-origen);
        dibujar_lineas_hilo(p, {*adornos.tramo}, QColor::fromRgb(a_qrgb(e.color_actual)),
                            grueso_pespunte(e.tam_celda), 1);
    }
    if (!adornos.zona || e.tam_celda < 1) return;
    const QRect r = rectangulo_zona(*adornos.zona, e.tam_celda).translated(-origen);
    if (!r.intersects(trozo.rect().adjusted(-2, -2, 2, 2))) return;
    // Blanco debajo y trazos encima: se ve sobre cualquier color.
    QPainter p(&trozo);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3));
    p.drawRect(r);
    QPen trazo(adornos.zona->invertida ? QColor(220, 0, 0) : QColor(Qt::black), 3, Qt::DashLine);
    trazo.setDashPattern({3, 2});
    p.setPen(trazo);
    p.drawRect(r);
}

}  // namespace pc
