#include "ordenes/sesion/herramientas_puntadas.h"

#include <algorithm>

#include "ordenes/sesion/patron.h"
#include "pattern/puntadas_tapiz.h"

namespace pc {

namespace {

// Posición del píxel en unidades de celda del tapiz.
double en_celdas(int X, int s) { return (static_cast<double>(X) + 0.5) / s; }

std::optional<TipoParcial> tipo_de(Herramienta h) {
    switch (h) {
        case Herramienta::kMedioPunto: return TipoParcial::kMedio;
        case Herramienta::kCuarto: return TipoParcial::kCuarto;
        case Herramienta::kTresCuartos: return TipoParcial::kTresCuartos;
        case Herramienta::kPetit: return TipoParcial::kPetit;
        default: return std::nullopt;
    }
}

// Vuelve a dibujar las celdas del rectángulo, acotado al tapiz (o todo si es grande).
void redibujar_celdas(Sesion& s, RectanguloCeldas c, int ancho, int alto) {
    c.x1 = std::max(c.x1, 1), c.y1 = std::max(c.y1, 1);
    c.x2 = std::min(c.x2, ancho), c.y2 = std::min(c.y2, alto);
    if (c.x1 > c.x2 || c.y1 > c.y2) return;
    if (static_cast<long>(c.x2 - c.x1 + 1) * (c.y2 - c.y1 + 1) > 16) {
        s.v.redibujar();
        return;
    }
    for (int x = c.x1; x <= c.x2; ++x)
        for (int y = c.y1; y <= c.y2; ++y) s.v.redibujar_celda(x, y);
}

void poner_parcial_raton(Sesion& s, TipoParcial tipo, int X, int Y, bool mayus, int ancho, int alto) {
    Estado& e = s.e;
    const int t = e.tam_celda;
    std::optional<Diagonal> fija;
    if (tipo == TipoParcial::kMedio && mayus) fija = e.mano.diagonal;
    const Parcial p = parcial_en(tipo, en_celdas(X, t), en_celdas(Y, t), e.color_actual, fija);
    if (!poner_parcial_en_celda(e, p)) return;
    if (tipo == TipoParcial::kMedio) e.mano.diagonal = p.diagonal;
    redibujar_celdas(s, RectanguloCeldas{p.x, p.y, p.x, p.y}, ancho, alto);
}

}  // namespace

bool es_de_puntadas(Herramienta h) {
    switch (h) {
        case Herramienta::kMedioPunto:
        case Herramienta::kCuarto:
        case Herramienta::kTresCuartos:
        case Herramienta::kPetit:
        case Herramienta::kPespunte:
        case Herramienta::kNudo:
        case Herramienta::kGoma: return true;
        default: return false;
    }
}

void pulsar_puntadas(Sesion& s, int X, int Y, bool mayus) {
    Estado& e = s.e;
    int ancho = 0, alto = 0;
    const int t = e.tam_celda;
    if (t < 1 || !tamano_silencioso(e, ancho, alto)) return;
    const Herramienta h = e.herramienta;
    if (const auto tipo = tipo_de(h)) {
        poner_parcial_raton(s, *tipo, X, Y, mayus, ancho, alto);
        return;
    }
    const double px = en_celdas(X, t), py = en_celdas(Y, t);
    const PuntoRed r = punto_red_en(px, py);
    const bool en_red = r.u >= 0 && r.v >= 0 && r.u <= 2 * ancho && r.v <= 2 * alto;
    switch (h) {
        case Herramienta::kPespunte: {
            if (!en_red) return;
            if (e.mano.cadena && (e.mano.u != r.u || e.mano.v != r.v)) {
                Linea l;
                l.u1 = static_cast<std::int16_t>(e.mano.u);
                l.v1 = static_cast<std::int16_t>(e.mano.v);
                l.u2 = static_cast<std::int16_t>(r.u);
                l.v2 = static_cast<std::int16_t>(r.v);
                l.color = e.color_actual;
                // A lo largo de un solo lado de una celda es un lado del perfilado.
                if (poner_pespunte(e, l)) s.v.redibujar();
            }
            e.mano.cadena = true;
            e.mano.u = r.u;
            e.mano.v = r.v;
            return;
        }
        case Herramienta::kNudo: {
            if (!en_red) return;
            Nudo n;
            n.u = static_cast<std::int16_t>(r.u);
            n.v = static_cast<std::int16_t>(r.v);
            n.color = e.color_actual;
            if (poner_nudo(e, n))
                redibujar_celdas(s, RectanguloCeldas{r.u / 2, r.v / 2, r.u / 2 + 1, r.v / 2 + 1}, ancho, alto);
            return;
        }
        case Herramienta::kGoma: {
            // Los pespuntes a 2 píxeles o menos de su trazo; los nudos, dentro de su círculo.
            const double tolerancia = (2.0 + grueso_pespunte(t) / 2.0) / t;
            const double radio = (1.0 + radio_nudo(t)) / t;
            RectanguloCeldas c;
            if (borrar_bajo(e, ancho, alto, px, py, tolerancia, radio, c)) redibujar_celdas(s, c, ancho, alto);
            return;
        }
        default: return;
    }
}

void arrastrar_puntadas(Sesion& s, int X, int Y, bool mayus) {
    const Herramienta h = s.e.herramienta;
    if (h == Herramienta::kPespunte || h == Herramienta::kNudo) return;
    pulsar_puntadas(s, X, Y, mayus);
}

bool acabar_pespunte(Estado& e) {
    const bool habia = e.mano.cadena;
    e.mano.cadena = false;
    return habia;
}

std::optional<std::pair<PuntoRed, PuntoRed>> tramo_en_curso(const Estado& e, int X, int Y) {
    const int t = e.tam_celda;
    if (!e.mano.cadena || e.herramienta != Herramienta::kPespunte || t < 1) return std::nullopt;
    int ancho = 0, alto = 0;
    if (!tamano_silencioso(e, ancho, alto)) return std::nullopt;
    PuntoRed r = punto_red_en(en_celdas(X, t), en_celdas(Y, t));
    r.u = std::clamp(r.u, 0, 2 * ancho);
    r.v = std::clamp(r.v, 0, 2 * alto);
    return std::make_pair(PuntoRed{e.mano.u, e.mano.v}, r);
}

std::string nombre_puntadas(Herramienta h) {
    switch (h) {
        case Herramienta::kMedioPunto: return "Medio punto";
        case Herramienta::kCuarto: return "Cuarto";
        case Herramienta::kTresCuartos: return "Tres cuartos";
        case Herramienta::kPetit: return "Petit";
        case Herramienta::kPespunte: return "Pespunte";
        case Herramienta::kNudo: return "Nudo";
        case Herramienta::kGoma: return "Goma";
        default: return "";
    }
}

}  // namespace pc
