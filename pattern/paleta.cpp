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

namespace {

// Por filas de arriba abajo y de izquierda a derecha, como dice la regla: el orden de la
// tabla es el de la primera aparición y, con la tabla llena, se rechazan los que llegan después.
long contar_por_filas(const Estado& e, Rango r, TablaHilos& paleta, MapaColores& indice) {
    paleta.total = 0;
    indice.vaciar();
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

// Lo mismo recorriendo la rejilla en el orden en que está en memoria (columna a columna), mucho
// más deprisa en un tapiz grande. Cada color guarda cuándo aparece primero en el orden por
// filas (punto y, dentro del punto, su color antes que los perfiles por lado) y la tabla se
// ordena así al final. Si la tabla se llena devuelve false: qué colores se rechazan depende
// del orden, y entonces se cuenta por filas.
bool contar_por_columnas(const Estado& e, Rango r, TablaHilos& paleta, MapaColores& indice) {
    paleta.total = 0;
    indice.vaciar();
    std::array<std::int64_t, kMaxHilos + 1> primero;
    // Añade el color y anota su primera aparición; 0 si la tabla está llena.
    const auto ver = [&](Color c, int cuenta, std::int64_t orden) {
        const int antes = paleta.total;
        const int p = anadir(paleta, indice, c, cuenta);
        if (p == 0) return 0;
        std::int64_t& pr = primero[static_cast<std::size_t>(p)];
        pr = paleta.total != antes ? orden : std::min(pr, orden);
        return p;
    };
    for (int x = r.x1; x <= r.x2; ++x) {
        Color anterior = 0;
        int pos_anterior = 0;
        for (int y = r.y1; y <= r.y2; ++y) {
            const Punto& p = e.punto(x, y);
            const std::int64_t orden = (std::int64_t{y} * kLadoRejilla + x) * 5;
            if (pos_anterior != 0 && p.color == anterior) {
                // El de arriba, del mismo color, aparece antes en el orden por filas.
                ++paleta[pos_anterior].numero;
            } else {
                pos_anterior = ver(p.color, 1, orden);
                if (pos_anterior == 0) return false;
                anterior = p.color;
            }
            for (int k = 1; k <= 4; ++k) {
                const Color c = p.lado(k);
                if (c != kSinPerfil && ver(c, 0, orden + k) == 0) return false;
            }
        }
    }
    // La tabla en el orden de la primera aparición por filas.
    std::array<int, kMaxHilos + 1> pos{};
    const int n = paleta.total;
    for (int i = 1; i <= n; ++i) pos[static_cast<std::size_t>(i)] = i;
    std::sort(pos.begin() + 1, pos.begin() + 1 + n, [&](int a, int b) {
        return primero[static_cast<std::size_t>(a)] < primero[static_cast<std::size_t>(b)];
    });
    const TablaHilos copia = paleta;
    for (int i = 1; i <= n; ++i) {
        paleta[i] = copia[pos[static_cast<std::size_t>(i)]];
        indice.poner(paleta[i].color, i);
    }
    return true;
}

}  // namespace

long contar_colores(const Estado& e, Rango r, TablaHilos& paleta, MapaColores& indice) {
    r = limitar_rango(r);
    if (contar_por_columnas(e, r, paleta, indice)) return 0;
    return contar_por_filas(e, r, paleta, indice);
}

void ordenar_paleta(TablaHilos& paleta) {
    std::stable_sort(paleta.item.begin() + 1, paleta.item.begin() + 1 + paleta.total,
                     [](const Hilo& a, const Hilo& b) { return a.numero > b.numero; });
}

}  // namespace pc
