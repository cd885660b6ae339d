#include "pattern/paleta.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <memory>
#include <new>
#include <cstdint>
#include <vector>

#include "app/paralelo.h"

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

// El recorrido de siempre, de un solo hilo: por filas, y cada color nuevo al final.
long contar_por_filas(const Estado& e, Rango r, TablaHilos& paleta, MapaColores& indice) {
    long rechazados = 0;
    // El color del punto anterior y su posición: en un tapiz los vecinos suelen repetir color.
    Color anterior = 0;
    int pos_anterior = 0;
    const bool con_parciales = !e.puntadas.parciales().empty();
    for (int y = r.y1; y <= r.y2; ++y) {
        for (int x = r.x1; x <= r.x2; ++x) {
            const Punto& p = e.punto(x, y);
            if (con_parciales && e.puntadas.hay_parciales(x, y)) {
                // Bajo los parciales hay tela, no un punto: sólo cuentan sus perfiles.
            } else if (pos_anterior != 0 && p.color == anterior) {
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

// Los colores de unas columnas, con su número de puntos y los lugares en que el recorrido
// por filas los encontraría primero. Los tramos recorren la rejilla por columnas, que es como
// está guardada, y el orden de encuentro se rehace después con esos lugares.
struct ColoresTramo {
    std::vector<ColorContado> cuenta;
    MapaColores indice;
    bool desbordado = false;  // más de 600 colores: se cuenta por filas

    // Cuenta el color; devuelve su posición (1..), o 0 si no cabía.
    int anadir(Color c, int n, std::int64_t lugar, bool en_perfil) {
        int p = indice.buscar(c);
        if (p == 0) {
            if (cuenta.size() >= static_cast<std::size_t>(kMaxHilos)) {
                desbordado = true;
                return 0;
            }
            cuenta.push_back({c, 0});
            p = static_cast<int>(cuenta.size());
            indice.poner(c, p);
        }
        ColorContado& k = cuenta[static_cast<std::size_t>(p - 1)];
        k.numero += n;
        std::int64_t& primero = en_perfil ? k.en_perfil : k.en_punto;
        primero = std::min(primero, lugar);
        return p;
    }
};

inline std::int64_t lugar(int x, int y, int lado) {
    return (static_cast<std::int64_t>(y) * kLadoRejilla + x) * 5 + lado;
}

void contar_columnas(const Estado& e, Rango r, int x1, int x2, ColoresTramo& t) {
    t.indice.vaciar();
    const bool con_parciales = !e.puntadas.parciales().empty();
    for (int x = x1; x <= x2 && !t.desbordado; ++x) {
        // Por columnas de arriba abajo el lugar sólo crece: el punto que repite el color del
        // anterior no cambia su primer lugar.
        Color anterior = 0;
        int pos_anterior = 0;
        for (int y = r.y1; y <= r.y2; ++y) {
            const Punto& p = e.punto(x, y);
            if (con_parciales && e.puntadas.hay_parciales(x, y)) {
                // Bajo los parciales hay tela, no un punto: sólo cuentan sus perfiles.
            } else if (pos_anterior != 0 && p.color == anterior) {
                ++t.cuenta[static_cast<std::size_t>(pos_anterior - 1)].numero;
            } else {
                pos_anterior = t.anadir(p.color, 1, lugar(x, y, 0), false);
                anterior = p.color;
            }
            for (int k = 1; k <= 4; ++k) {
                const Color c = p.lado(k);
                if (c != kSinPerfil) t.anadir(c, 0, lugar(x, y, k), true);
            }
        }
    }
}

}  // namespace

long contar_colores(const Estado& e, Rango r, TablaHilos& paleta, MapaColores& indice, ColoresContados* contados) {
    paleta.total = 0;
    indice.vaciar();
    if (contados) *contados = ColoresContados{{}, true};
    r = limitar_rango(r);
    if (r.x1 > r.x2 || r.y1 > r.y2) return 0;

    const auto columnas = static_cast<std::size_t>(r.x2 - r.x1 + 1);
    const std::size_t minimo = filas_por_tramo(r.y2 - r.y1 + 1);
    std::vector<ColoresTramo> tramos(static_cast<std::size_t>(tramos_de(columnas, minimo)));
    repartir_en(columnas, static_cast<int>(tramos.size()), [&](int t, std::size_t desde, std::size_t hasta) {
        contar_columnas(e, r, r.x1 + static_cast<int>(desde), r.x1 + static_cast<int>(hasta) - 1,
                        tramos[static_cast<std::size_t>(t)]);
    });

    // Se juntan los tramos; con más de 600 colores en total, cuáles entran y cuántas veces se
    // rechaza uno depende del orden de encuentro punto a punto: se cuenta por filas.
    auto por_filas = [&] {
        indice.vaciar();
        if (contados) *contados = ColoresContados{};
        return contar_por_filas(e, r, paleta, indice);
    };
    std::vector<ColorContado> todos;
    for (const ColoresTramo& t : tramos) {
        if (t.desbordado) return por_filas();
        for (const ColorContado& k : t.cuenta) {
            const int p = indice.buscar(k.color);
            if (p != 0) {
                ColorContado& junto = todos[static_cast<std::size_t>(p - 1)];
                junto.numero += k.numero;
                junto.en_punto = std::min(junto.en_punto, k.en_punto);
                junto.en_perfil = std::min(junto.en_perfil, k.en_perfil);
                continue;
            }
            if (todos.size() >= static_cast<std::size_t>(kMaxHilos)) return por_filas();
            todos.push_back(k);
            indice.poner(k.color, static_cast<int>(todos.size()));
        }
    }
    poner_en_orden_de_encuentro(todos, paleta, indice);
    if (contados) contados->color = std::move(todos);
    return 0;
}

void poner_en_orden_de_encuentro(std::vector<ColorContado>& colores, TablaHilos& paleta, MapaColores& indice) {
    std::sort(colores.begin(), colores.end(), [](const ColorContado& a, const ColorContado& b) { return a.primero() < b.primero(); });
    paleta.total = 0;
    indice.vaciar();
    for (const ColorContado& k : colores) {
        if (paleta.total >= kMaxHilos) break;
        const int nueva = ++paleta.total;
        paleta[nueva] = Hilo{k.color, k.numero, 0, true, false};
        indice.poner(k.color, nueva);
    }
}

int colores_distintos(const Estado& e, Rango r, bool con_perfiles) {
    r = limitar_rango(r);
    // Los colores de 24 bits se marcan en un mapa de bits (2 MB, que el sistema da ya a cero y
    // sólo en las páginas que se tocan); los demás, que sólo pueden venir de ficheros raros, se
    // cuentan aparte.
    constexpr std::size_t kPalabras = std::size_t{1} << 18;
    const std::unique_ptr<std::uint64_t, decltype(&std::free)> visto(
        static_cast<std::uint64_t*>(std::calloc(kPalabras, sizeof(std::uint64_t))), &std::free);
    if (!visto) throw std::bad_alloc();
    std::vector<Color> otros;
    auto marcar = [&](Color c) {
        if ((c & ~0xFFFFFF) != 0) {
            otros.push_back(c);
            return;
        }
        const auto u = static_cast<std::uint32_t>(c);
        visto.get()[u >> 6] |= std::uint64_t{1} << (u & 63);
    };
    for (int x = r.x1; x <= r.x2; ++x) {
        Color anterior = kSinPerfil;  // el de arriba: en un tapiz se repite a menudo
        for (int y = r.y1; y <= r.y2; ++y) {
            const Punto& p = e.punto(x, y);
            if (p.color != anterior || y == r.y1) marcar(p.color);
            anterior = p.color;
            if (!con_perfiles) continue;
            for (Color c : p.perfil)
                if (c != kSinPerfil) marcar(c);
        }
    }
    long n = 0;
    for (std::size_t i = 0; i < kPalabras; ++i) n += std::popcount(visto.get()[i]);
    std::sort(otros.begin(), otros.end());
    n += std::unique(otros.begin(), otros.end()) - otros.begin();
    return static_cast<int>(n);
}

void ordenar_paleta(TablaHilos& paleta) {
    std::stable_sort(paleta.item.begin() + 1, paleta.item.begin() + 1 + paleta.total,
                     [](const Hilo& a, const Hilo& b) { return a.numero > b.numero; });
}

}  // namespace pc
