#include "pattern/puntadas_editar.h"

#include <algorithm>
#include <cmath>

#include "pattern/puntadas_tapiz.h"

namespace pc {

namespace {

// Distancia de (px, py) al segmento de (ax, ay) a (bx, by).
double distancia_segmento(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / l2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (ax + t * dx), py - (ay + t * dy));
}

// Medio ancho de la barra de un medio punto, en unidades de celda.
constexpr double kMedioBarra = 0.2;

// Quita cada una de las puntadas dadas; true si quitó alguna.
template <class T>
bool quitar_todas(Puntadas& p, const std::vector<T>& v) {
    bool quitado = false;
    for (const T& x : v) quitado = p.quitar_igual(x) || quitado;
    return quitado;
}

}  // namespace

Esquina esquina_en(double fx, double fy) {
    const bool derecha = fx >= 0.5, abajo = fy >= 0.5;
    if (abajo) return derecha ? Esquina::kAbajoDerecha : Esquina::kAbajoIzquierda;
    return derecha ? Esquina::kArribaDerecha : Esquina::kArribaIzquierda;
}

Diagonal diagonal_en(double fx, double fy) {
    const Esquina k = esquina_en(fx, fy);
    return k == Esquina::kArribaIzquierda || k == Esquina::kAbajoDerecha ? Diagonal::kInvertida : Diagonal::kBarra;
}

Diagonal diagonal_libre(Esquina k) {
    // '/' pasa por arriba a la derecha y abajo a la izquierda: deja libres las otras dos.
    return k == Esquina::kArribaIzquierda || k == Esquina::kAbajoDerecha ? Diagonal::kBarra : Diagonal::kInvertida;
}

Parcial parcial_en(TipoParcial tipo, double px, double py, Color c, std::optional<Diagonal> diagonal) {
    Parcial p;
    const double cx = std::floor(px), cy = std::floor(py);
    p.x = static_cast<std::int16_t>(std::clamp(cx, -1.0, double{kMaxPuntos + 1}));
    p.y = static_cast<std::int16_t>(std::clamp(cy, -1.0, double{kMaxPuntos + 1}));
    const double fx = px - cx, fy = py - cy;
    p.tipo = tipo;
    p.color = c;
    p.esquina = esquina_en(fx, fy);
    switch (tipo) {
        case TipoParcial::kMedio: p.diagonal = diagonal.value_or(diagonal_en(fx, fy)); break;
        case TipoParcial::kTresCuartos: p.diagonal = diagonal_libre(p.esquina); break;
        case TipoParcial::kCuarto:
        case TipoParcial::kPetit: break;
    }
    if (tipo == TipoParcial::kMedio) p.esquina = Esquina::kArribaIzquierda;
    return p;
}

PuntoRed punto_red_en(double px, double py) {
    // La celda x empieza en u = 2x - 2: u = 2·px - 2. Acotado para no desbordar.
    const auto a_red = [](double v) {
        return static_cast<int>(std::lround(std::clamp(2.0 * v - 2.0, -4.0, 2.0 * kMaxPuntos + 4.0)));
    };
    return {a_red(px), a_red(py)};
}

double grueso_pespunte(double s) { return std::max(2.0, s / 8.0); }
double radio_nudo(double s) { return std::max(2.0, s / 5.0); }

bool poner_parcial_en_celda(Estado& e, const Parcial& p) { return poner_parcial(e, p); }

bool cubre(const Parcial& p, double fx, double fy) {
    // Distancia (en unidades de celda) a cada diagonal.
    const double a_barra = std::abs(fx + fy - 1.0) / std::sqrt(2.0);
    const double a_invertida = std::abs(fx - fy) / std::sqrt(2.0);
    switch (p.tipo) {
        case TipoParcial::kMedio: return (p.diagonal == Diagonal::kBarra ? a_barra : a_invertida) <= kMedioBarra;
        case TipoParcial::kCuarto:
        case TipoParcial::kPetit: return esquina_en(fx, fy) == p.esquina;
        case TipoParcial::kTresCuartos: {
            // El medio triángulo del lado de su cuarto, con la diagonal.
            if ((p.diagonal == Diagonal::kBarra ? a_barra : a_invertida) <= kMedioBarra) return true;
            const bool arriba_izquierda = fx + fy < 1.0, arriba_derecha = fx > fy;
            switch (p.esquina) {
                case Esquina::kArribaIzquierda: return arriba_izquierda;
                case Esquina::kAbajoDerecha: return !arriba_izquierda;
                case Esquina::kArribaDerecha: return arriba_derecha;
                case Esquina::kAbajoIzquierda: return !arriba_derecha;
            }
        }
    }
    return false;
}

BajoPuntero puntadas_bajo(const Puntadas& p, double px, double py, double tolerancia, double radio) {
    BajoPuntero b;
    const int cx = static_cast<int>(std::floor(std::clamp(px, -2.0, kMaxPuntos + 2.0)));
    const int cy = static_cast<int>(std::floor(std::clamp(py, -2.0, kMaxPuntos + 2.0)));
    const RectanguloCeldas cerca{cx - 1, cy - 1, cx + 1, cy + 1};
    for (const std::size_t i : p.nudos_en(cerca)) {
        const Nudo& n = p.nudos()[i];
        if (std::hypot(px - red_a_celda(n.u), py - red_a_celda(n.v)) <= radio) b.nudos.push_back(n);
    }
    for (const std::size_t i : p.lineas_en(cerca)) {
        const Linea& l = p.lineas()[i];
        if (distancia_segmento(px, py, red_a_celda(l.u1), red_a_celda(l.v1), red_a_celda(l.u2), red_a_celda(l.v2)) <=
            tolerancia)
            b.lineas.push_back(l);
    }
    for (const std::size_t i : p.parciales_en(RectanguloCeldas{cx, cy, cx, cy})) {
        const Parcial& q = p.parciales()[i];
        if (cubre(q, px - cx, py - cy)) b.parciales.push_back(q);
    }
    return b;
}

bool borrar_bajo(Estado& e, int ancho, int alto, double px, double py, double tolerancia, double radio,
                 RectanguloCeldas& celdas) {
    const BajoPuntero b = puntadas_bajo(e.puntadas, px, py, tolerancia, radio);
    const int cx = static_cast<int>(std::floor(std::clamp(px, -2.0, kMaxPuntos + 2.0)));
    const int cy = static_cast<int>(std::floor(std::clamp(py, -2.0, kMaxPuntos + 2.0)));
    celdas = RectanguloCeldas{cx, cy, cx, cy};
    if (!b.nudos.empty()) {
        celdas = RectanguloCeldas{cx - 1, cy - 1, cx + 1, cy + 1};
        return quitar_todas(e.puntadas, b.nudos);
    }
    if (!b.lineas.empty()) {
        // Las celdas que tocan los pespuntes: el punto u de la red es borde de las celdas u / 2
        // y u / 2 + 1.
        celdas = RectanguloCeldas{kMaxPuntos, kMaxPuntos, 0, 0};
        for (const Linea& l : b.lineas) {
            celdas.x1 = std::min({celdas.x1, l.u1 / 2, l.u2 / 2});
            celdas.y1 = std::min({celdas.y1, l.v1 / 2, l.v2 / 2});
            celdas.x2 = std::max({celdas.x2, l.u1 / 2 + 1, l.u2 / 2 + 1});
            celdas.y2 = std::max({celdas.y2, l.v1 / 2 + 1, l.v2 / 2 + 1});
        }
        return quitar_todas(e.puntadas, b.lineas);
    }
    // Los lados del perfilado de la celda a la tolerancia de un pespunte (un pespunte a lo
    // largo de un lado es un lado del perfilado), en los dos puntos que lo guardan.
    if (cx >= 1 && cy >= 1 && cx <= ancho && cy <= alto) {
        const double fx = px - cx, fy = py - cy;
        const double distancia[4] = {fy, 1 - fx, 1 - fy, fx};  // arriba, derecha, abajo, izquierda
        bool quitado = false;
        for (int k = 1; k <= 4; ++k) {
            if (distancia[k - 1] > tolerancia) continue;
            const int vx = cx + (k == kDerecha) - (k == kIzquierda), vy = cy + (k == kAbajo) - (k == kArriba);
            const int opuesto = (k + 1) % 4 + 1;
            if (e.punto(cx, cy).lado(k) != kSinPerfil) e.punto(cx, cy).lado(k) = kSinPerfil, quitado = true;
            if (vx >= 1 && vy >= 1 && vx <= ancho && vy <= alto && e.punto(vx, vy).lado(opuesto) != kSinPerfil)
                e.punto(vx, vy).lado(opuesto) = kSinPerfil, quitado = true;
        }
        if (quitado) {
            celdas = RectanguloCeldas{cx - 1, cy - 1, cx + 1, cy + 1};
            return true;
        }
    }
    if (!b.parciales.empty()) return quitar_todas(e.puntadas, b.parciales);
    // Sin puntadas encima: la cruz entera de la celda (si no tiene parciales) pasa a ser tela.
    if (cx < 1 || cy < 1 || cx > ancho || cy > alto) return false;
    if (!e.puntadas.parciales_en(RectanguloCeldas{cx, cy, cx, cy}).empty()) return false;
    Punto& punto = e.punto(cx, cy);
    if (punto.color == kBlanco) return false;
    punto.color = kBlanco;
    return true;
}

}  // namespace pc
