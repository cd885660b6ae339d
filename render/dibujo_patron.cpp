#include "render/dibujo_patron.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "app/texto.h"
#include "render/imagen_qt.h"

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

// Acceso al lienzo con recorte: las coordenadas van en 64 bits porque la celda puede ser
// enorme si el usuario tecleó un tamaño de rejilla disparatado.
class Lienzo {
public:
    explicit Lienzo(QImage& img) : img_(img), an_(img.width()), al_(img.height()) {}

    QRgb* fila(std::int64_t y) { return reinterpret_cast<QRgb*>(img_.scanLine(static_cast<int>(y))); }

    // Línea horizontal de x1 a x2 (ambos incluidos) en la fila y.
    void horizontal(std::int64_t x1, std::int64_t x2, std::int64_t y, QRgb c) {
        if (y < 0 || y >= al_) return;
        const std::int64_t a = std::max<std::int64_t>(x1, 0);
        const std::int64_t b = std::min<std::int64_t>(x2, an_ - 1);
        if (a > b) return;
        std::fill(fila(y) + a, fila(y) + b + 1, c);
    }
    // Línea vertical de y1 a y2 (ambos incluidos) en la columna x.
    void vertical(std::int64_t x, std::int64_t y1, std::int64_t y2, QRgb c) {
        if (x < 0 || x >= an_) return;
        const std::int64_t a = std::max<std::int64_t>(y1, 0);
        const std::int64_t b = std::min<std::int64_t>(y2, al_ - 1);
        for (std::int64_t y = a; y <= b; ++y) fila(y)[x] = c;
    }
    // Cuadrado de (x1, y1) a (x2, y2), ambas esquinas incluidas: borde de un píxel en el
    // color de la pluma y el interior en el de la brocha.
    void cuadrado(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb pluma,
                  QRgb brocha) {
        horizontal(x1, x2, y1, pluma);
        for (std::int64_t y = std::max<std::int64_t>(y1 + 1, 0); y < std::min<std::int64_t>(y2, al_); ++y) {
            QRgb* f = fila(y);
            if (x1 >= 0 && x1 < an_) f[x1] = pluma;
            const std::int64_t a = std::max<std::int64_t>(x1 + 1, 0);
            const std::int64_t b = std::min<std::int64_t>(x2 - 1, an_ - 1);
            if (a <= b) std::fill(f + a, f + b + 1, brocha);
            if (x2 >= 0 && x2 < an_ && x2 > x1) f[x2] = pluma;
        }
        if (y2 > y1) horizontal(x1, x2, y2, pluma);
    }
    // Borde k (1 arriba, 2 derecha, 3 abajo, 4 izquierda) del punto cuya esquina superior
    // izquierda es (px, py): una línea desde su primer punto hasta el segundo, sin éste.
    void borde(int k, std::int64_t px, std::int64_t py, std::int64_t s, QRgb c) {
        if (s < 1) return;
        switch (k) {
            case kArriba: horizontal(px, px + s - 1, py, c); break;
            case kDerecha: vertical(px + s, py, py + s - 1, c); break;
            case kAbajo: horizontal(px, px + s - 1, py + s, c); break;
            case kIzquierda: vertical(px, py + 1, py + s, c); break;
            default: break;
        }
    }

    int ancho() const { return an_; }
    int alto() const { return al_; }

private:
    QImage& img_;
    int an_, al_;
};

bool celda_valida(int x, int y) { return x >= 1 && y >= 1 && x <= kMaxPuntos && y <= kMaxPuntos; }

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

void dibujar_patron(QImage& lienzo, const Estado& e) {
    limpiar_lienzo(lienzo);
    const int ancho = tamano_dibujable(e.ancho);
    const int alto = tamano_dibujable(e.alto);
    const std::int64_t s = e.tam_celda;
    if (ancho == 0 || alto == 0 || s < 1 || lienzo.isNull()) return;

    Lienzo l(lienzo);
    // Primera pasada. Se recorren las columnas por fuera y las filas por dentro, y cada
    // cuadrado pisa los bordes que comparte con los anteriores: el píxel (px, py) del tapiz
    // queda por tanto del color del punto (px div s, py div s), salvo el borde final de la
    // última columna y la última fila, que es del último punto. Con la rejilla a la vista
    // los bordes son todos negros y no importa el orden. Se escribe así fila a fila.
    const std::int64_t fin_x = std::min<std::int64_t>((ancho + 1) * s, l.ancho() - 1);
    const std::int64_t fin_y = std::min<std::int64_t>((alto + 1) * s, l.alto() - 1);
    if (s > fin_x || s > fin_y) return;  // el primer punto ya cae fuera del lienzo
    std::array<QRgb, kLadoRejilla> colores{};
    for (int y = 1; y <= alto; ++y) {
        const std::int64_t y0 = y * s;
        if (y0 > fin_y) break;
        for (int x = 1; x <= ancho; ++x) colores[static_cast<std::size_t>(x)] = a_qrgb(e.punto(x, y).color);
        // Filas de píxeles de este punto: y0..y0+s-1, y la de y0+s si es la última fila.
        const std::int64_t y1 = std::min<std::int64_t>(y == alto ? y0 + s : y0 + s - 1, fin_y);
        for (std::int64_t py = y0; py <= y1; ++py) {
            QRgb* f = l.fila(py);
            const bool fila_de_rejilla = e.ver_rejilla && (py == y0 || py == y0 + s);
            if (fila_de_rejilla) {
                std::fill(f + s, f + fin_x + 1, kQNegro);
                continue;
            }
            for (int x = 1; x <= ancho; ++x) {
                const std::int64_t x0 = x * s;
                if (x0 > fin_x) break;
                const std::int64_t x1 = std::min<std::int64_t>(x == ancho ? x0 + s : x0 + s - 1, fin_x);
                const QRgb c = colores[static_cast<std::size_t>(x)];
                if (e.ver_rejilla) {
                    f[x0] = kQNegro;
                    if (x0 + 1 <= x1) std::fill(f + x0 + 1, f + x1 + 1, c);
                    if (x == ancho && x0 + s <= fin_x) f[x0 + s] = kQNegro;
                } else {
                    std::fill(f + x0, f + x1 + 1, c);
                }
            }
        }
    }

    // Segunda pasada: los perfiles, en el mismo orden, lado 1 a 4.
    for (int x = 1; x <= ancho; ++x) {
        const std::int64_t px = x * s;
        if (px > fin_x) break;
        for (int y = 1; y <= alto; ++y) {
            const std::int64_t py = y * s;
            if (py > fin_y) break;
            const Punto& p = e.punto(x, y);
            for (int k = 1; k <= 4; ++k) {
                const Color c = p.lado(k);
                if (c != kSinPerfil) l.borde(k, px, py, s, a_qrgb(c));
            }
        }
    }
}

void dibujar_punto(QImage& lienzo, const Estado& e, int x, int y) {
    const std::int64_t s = e.tam_celda;
    if (s < 1 || !celda_valida(x, y) || lienzo.isNull()) return;
    asegurar_formato(lienzo);
    Lienzo l(lienzo);
    const Punto& p = e.punto(x, y);
    const QRgb color = a_qrgb(p.color);
    const QRgb pluma = e.ver_rejilla ? kQNegro : color;
    const std::int64_t px = x * s, py = y * s;
    l.cuadrado(px, py, px + s, py + s, kQBlanco, kQBlanco);
    l.cuadrado(px, py, px + s, py + s, pluma, color);
    for (int k = 1; k <= 4; ++k) {
        const Color c = p.lado(k);
        l.borde(k, px, py, s, c != kSinPerfil ? a_qrgb(c) : pluma);
    }
}

void dibujar_lado(QImage& lienzo, const Estado& e, int x, int y, int k) {
    const std::int64_t s = e.tam_celda;
    if (s < 1 || !celda_valida(x, y) || k < 1 || k > 4 || lienzo.isNull()) return;
    const Color c = e.punto(x, y).lado(k);
    if (c == kSinPerfil) return;
    asegurar_formato(lienzo);
    Lienzo l(lienzo);
    l.borde(k, x * s, y * s, s, a_qrgb(c));
}

void pintar_celda(QImage& lienzo, const Estado& e, int x, int y) {
    const std::int64_t s = e.tam_celda;
    if (s < 1 || !celda_valida(x, y) || lienzo.isNull()) return;
    asegurar_formato(lienzo);
    Lienzo l(lienzo);
    const QRgb color = a_qrgb(e.punto(x, y).color);
    const std::int64_t px = x * s, py = y * s;
    l.cuadrado(px, py, px + s, py + s, e.ver_rejilla ? kQNegro : color, color);
}

}  // namespace pc
