#include "threads/columnas.h"

#include "threads/emparejar.h"

namespace pc {

namespace {
bool con_casilla(int columna) { return columna >= 1 && columna <= kColumnasCatalogo; }
std::size_t indice(int n) { return static_cast<std::size_t>(n); }
}  // namespace

std::string titulo_inicial_columna(int n) {
    static const char* const familia[kColumnasCatalogo + 1] = {
        "", " ROJOS", " ROJOS", " MARRONES", " MORADOS", " AZULES", " AZULES", " AZUL-VERDE",
        " VERDES", " VERDES", " VERDES", " AMARILLOS", "", " AMARILLOS", " MARRONES (caras)",
        " MARRONES (caras)", " MARRONES (caras)", " SEPIAS", " GRISES", " GRISES"};
    if (!con_casilla(n)) return {};
    return "Columna " + std::to_string(n) + familia[n];
}

std::string titulo_columna(const Estado& e, int n) {
    if (!con_casilla(n)) return {};
    const std::string& t = e.titulo_columna[indice(n)];
    return t.empty() ? titulo_inicial_columna(n) : t;
}

Casilla pulsar(Casilla c) { return c == Casilla::kMarcada ? Casilla::kSinMarcar : Casilla::kMarcada; }

void sincronizar_columnas(VentanaColumnas& v, const TablaHilos& hilos) {
    std::array<int, kColumnasCatalogo + 1> hay{}, activos{};
    for (int i = 1; i <= hilos.total; ++i) {
        const int c = hilos[i].columna;
        if (!con_casilla(c)) continue;
        ++hay[indice(c)];
        if (hilos[i].activo) ++activos[indice(c)];
    }
    for (int n = 1; n <= kColumnasCatalogo; ++n) {
        const int k = hay[indice(n)], j = activos[indice(n)];
        v.columna[indice(n)] = j == 0 ? Casilla::kSinMarcar : (j == k ? Casilla::kMarcada : Casilla::kGris);
    }
}

void aplicar_columnas(const VentanaColumnas& v, TablaHilos& hilos) {
    for (int i = 1; i <= hilos.total; ++i) {
        Hilo& h = hilos[i];
        if (!con_casilla(h.columna)) continue;
        const Casilla c = v.columna[indice(h.columna)];
        if (c == Casilla::kMarcada) h.activo = true;
        else if (c == Casilla::kSinMarcar) h.activo = false;
    }
}

void llenar_panel(VentanaColumnas& v, const TablaHilos& hilos, int n) {
    v.visibles = 0;
    for (int i = 1; i <= hilos.total && v.visibles < kHilosPanel; ++i) {
        const Hilo& h = hilos[i];
        if (h.columna != n) continue;
        ++v.visibles;
        v.hilo[indice(v.visibles)] = CasillaHilo{h.numero, h.color, true, h.activo};
    }
    for (int b = v.visibles + 1; b <= kHilosPanel; ++b) v.hilo[indice(b)].visible = false;
    v.panel_visible = true;
    v.columna_abierta = n;
}

void aplicar_panel(VentanaColumnas& v, TablaHilos& hilos) {
    int cuenta = 0, marcadas = 0;
    for (int b = 1; b <= kHilosPanel; ++b) {
        const CasillaHilo& c = v.hilo[indice(b)];
        if (!c.visible) continue;
        ++cuenta;
        const int k = buscar_numero(c.numero, hilos);
        if (k > 0) hilos[k].activo = c.marcada;
        if (c.marcada) ++marcadas;
    }
    // Los hilos de la columna que no cupieron en el panel cuentan con su estado, para que
    // la casilla de la columna no diga "todos" o "ninguno" sin serlo.
    int en_columna = 0;
    for (int i = 1; i <= hilos.total; ++i) {
        if (hilos[i].columna != v.columna_abierta) continue;
        if (++en_columna <= kHilosPanel) continue;
        ++cuenta;
        if (hilos[i].activo) ++marcadas;
    }
    if (con_casilla(v.columna_abierta)) {
        Casilla& caja = v.columna[indice(v.columna_abierta)];
        caja = Casilla::kGris;
        if (marcadas == 0) caja = Casilla::kSinMarcar;
        if (marcadas == cuenta) caja = Casilla::kMarcada;
    }
    v.panel_visible = false;
}

}  // namespace pc
