#include "pattern/paleta.h"

#include <algorithm>

namespace pc {

std::uint32_t MapaColores::casilla(Color c) {
    // Multiplicación de Fibonacci: reparte bien colores que sólo difieren en un componente.
    return (static_cast<std::uint32_t>(c) * 2654435769u) >> (32 - 11);
}

void MapaColores::vaciar() { posicion_.fill(0); }

int MapaColores::buscar(Color c) const {
    for (std::uint32_t i = casilla(c);; i = (i + 1) & (kCasillas - 1)) {
        const int p = posicion_[i];
        if (p == 0) return 0;
        if (color_[i] == c) return p;
    }
}

void MapaColores::poner(Color c, int posicion) {
    for (std::uint32_t i = casilla(c);; i = (i + 1) & (kCasillas - 1)) {
        if (posicion_[i] == 0 || color_[i] == c) {
            color_[i] = c;
            posicion_[i] = static_cast<std::int16_t>(posicion);
            return;
        }
    }
}

Rango limitar_rango(Rango r) {
    r.x1 = std::max(r.x1, 1);
    r.y1 = std::max(r.y1, 1);
    r.x2 = std::min(r.x2, kMaxPuntos);
    r.y2 = std::min(r.y2, kMaxPuntos);
    return r;
}

namespace {
// Añade un color a la paleta; devuelve su posición, o 0 si no cabía.
inline int anadir(TablaHilos& paleta, MapaColores& indice, Color c, int cuenta) {
    const int p = indice.buscar(c);
    if (p != 0) {
        paleta[p].numero += cuenta;
        return p;
    }
    if (paleta.total >= kMaxHilos) return 0;
    const int nueva = ++paleta.total;
    paleta[nueva] = Hilo{c, cuenta, 0, true, false};
    indice.poner(c, nueva);
    return nueva;
}
}  // namespace

long contar_colores(const Estado& e, Rango r, TablaHilos& paleta, MapaColores& indice) {
    paleta.total = 0;
    indice.vaciar();
    r = limitar_rango(r);
    long rechazados = 0;
    // El color del punto anterior y su posición: en un tapiz los vecinos suelen repetir color.
    Color anterior = 0;
    int pos_anterior = 0;
    for (int y = r.y1; y <= r.y2; ++y) {
        for (int x = r.x1; x <= r.x2; ++x) {
            const Punto& p = e.punto(x, y);
            if (pos_anterior != 0 && p.color == anterior) {
                ++paleta[pos_anterior].numero;
            } else {
                pos_anterior = anadir(paleta, indice, p.color, 1);
                anterior = p.color;
                if (pos_anterior == 0) ++rechazados;
            }
            for (int k = 1; k <= 4; ++k) {
                const Color c = p.lado(k);
                if (c == kSinPerfil) continue;
                if (anadir(paleta, indice, c, 0) == 0) ++rechazados;
            }
        }
    }
    return rechazados;
}

void ordenar_paleta(TablaHilos& paleta) {
    std::stable_sort(paleta.item.begin() + 1, paleta.item.begin() + 1 + paleta.total,
                     [](const Hilo& a, const Hilo& b) { return a.numero > b.numero; });
}

}  // namespace pc
