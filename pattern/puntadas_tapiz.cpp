#include "pattern/puntadas_tapiz.h"

#include <algorithm>
#include <cstdlib>

namespace pc {

namespace {

// Ancho y alto del tapiz sin lanzar: 0 si el texto no vale (entonces nada cabe).
int lado(const std::string& texto) {
    char* fin = nullptr;
    const long v = std::strtol(texto.c_str(), &fin, 10);
    if (fin == texto.c_str() || v < 1 || v > kMaxPuntos) return 0;
    return static_cast<int>(v);
}

}  // namespace

bool poner_parcial(Estado& e, const Parcial& p) {
    if (!e.puntadas.poner(p, lado(e.ancho), lado(e.alto))) return false;
    e.punto(p.x, p.y).color = kBlanco;
    return true;
}

int punto_entero(Estado& e, int x, int y) {
    if (!e.puntadas.hay_parciales(x, y)) return 0;
    return e.puntadas.quitar_celda(x, y);
}

bool poner_pespunte(Estado& e, const Linea& l) {
    const int ancho = lado(e.ancho), alto = lado(e.alto);
    if (!Puntadas::es_lado_de_celda(l)) return e.puntadas.poner(l, ancho, alto);
    const int u = std::min(l.u1, l.u2), v = std::min(l.v1, l.v2);
    if (u < 0 || v < 0 || std::max(l.u1, l.u2) > 2 * ancho || std::max(l.v1, l.v2) > 2 * alto) return false;
    if (l.color < 0 || l.color > 0xFFFFFF) return false;
    perfilar_lado(e, ancho, alto, l.v1 == l.v2, u / 2, v / 2, l.color);
    return true;
}

bool poner_nudo(Estado& e, const Nudo& n) { return e.puntadas.poner(n, lado(e.ancho), lado(e.alto)); }

void perfilar_lado(Estado& e, int ancho, int alto, bool horizontal, int i, int j, Color c) {
    Color* primero = nullptr;
    Color* segundo = nullptr;
    if (horizontal) {
        if (j < alto) primero = &e.punto(i + 1, j + 1).lado(kArriba);
        if (j >= 1) segundo = &e.punto(i + 1, j).lado(kAbajo);
    } else {
        if (i < ancho) primero = &e.punto(i + 1, j + 1).lado(kIzquierda);
        if (i >= 1) segundo = &e.punto(i, j + 1).lado(kDerecha);
    }
    if ((primero && *primero == c) || (segundo && *segundo == c)) return;
    if (primero && *primero == kSinPerfil) *primero = c;
    else if (segundo && *segundo == kSinPerfil) *segundo = c;
    else *(primero ? primero : segundo) = c;
}

long cambiar_colores_otras(Estado& e, const std::function<Color(Color)>& nuevo_de, const Rango* zona) {
    if (e.puntadas.vacia()) return 0;
    if (!zona) return e.puntadas.cambiar_colores(nuevo_de, nullptr);
    const RectanguloCeldas z = celdas_de(*zona);
    return e.puntadas.cambiar_colores(nuevo_de, &z);
}

long cambiar_colores_otras(Estado& e, const ListaCambios& cambios, const Rango* zona) {
    if (cambios.total() == 0) return 0;
    return cambiar_colores_otras(
        e,
        [&](Color c) {
            const int k = cambios.buscar(c);
            return k == 0 ? c : cambios[k].nuevo;
        },
        zona);
}

void quitar_otras_en(Estado& e, const RectanguloCeldas& r) {
    Puntadas& p = e.puntadas;
    if (p.vacia()) return;
    auto quitar = [](std::vector<std::size_t> v, auto&& quitar_uno) {
        std::sort(v.rbegin(), v.rend());
        for (std::size_t i : v) quitar_uno(i);
    };
    quitar(p.parciales_en(r), [&](std::size_t i) { p.quitar_parcial(i); });
    quitar(p.lineas_en(r), [&](std::size_t i) { p.quitar_linea(i); });
    quitar(p.nudos_en(r), [&](std::size_t i) { p.quitar_nudo(i); });
}

}  // namespace pc
