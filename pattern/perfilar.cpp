#include "pattern/perfilar.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "pattern/pila_puntos.h"

namespace pc {

long perfilar(Estado& e, int x0, int y0, Sentido sentido, int ancho, int alto, Vista& v) {
    if (ancho > kMaxPuntos) ancho = kMaxPuntos;
    if (alto > kMaxPuntos) alto = kMaxPuntos;
    if (x0 < 1 || y0 < 1 || x0 > ancho || y0 > alto) return 0;
    const Color region = e.punto(x0, y0).color;
    for (int x = 1; x <= ancho; ++x)
        std::fill(e.visitado[static_cast<std::size_t>(x)].begin() + 1,
                  e.visitado[static_cast<std::size_t>(x)].begin() + alto + 1, false);
    auto visitado = [&](int x, int y) -> bool {
        return e.visitado[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    };

    const bool hacia_abajo = sentido != Sentido::kArriba;
    const bool hacia_arriba = sentido != Sentido::kAbajo;
    const Color pluma = e.color_actual;
    long lineas = 0;
    // La pila guarda los puntos por visitar. Si un punto ya está visitado al sacarlo se
    // descarta: el conjunto de puntos visitados es el de todos los alcanzables por puntos
    // del área, sea cual sea el orden.
    static thread_local std::vector<std::uint32_t> pila;
    pila.clear();
    pila.push_back(empaquetar(x0, y0));
    auto apilar = [&](int x, int y) {
        if (!visitado(x, y)) pila.push_back(empaquetar(x, y));
    };
    while (!pila.empty()) {
        const std::uint32_t p = pila.back();
        pila.pop_back();
        const int x = columna_empaquetada(p);
        const int y = fila_empaquetada(p);
        if (visitado(x, y)) continue;
        e.visitado[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = true;
        Punto& punto = e.punto(x, y);
        if (punto.color == region) {
            // Se apilan al revés del orden de visita, para visitar en ese orden.
            if (hacia_arriba) {
                if (y > 1) apilar(x, y - 1);
                if (x > 1) apilar(x - 1, y);
            }
            if (hacia_abajo) {
                if (y < alto) apilar(x, y + 1);
                if (x < ancho) apilar(x + 1, y);
            }
            continue;
        }
        // Punto del borde: los vecinos de fuera del tapiz valen por el propio punto.
        const Color izquierda = x > 1 ? e.punto(x - 1, y).color : punto.color;
        const Color arriba = y > 1 ? e.punto(x, y - 1).color : punto.color;
        const Color derecha = x < ancho ? e.punto(x + 1, y).color : punto.color;
        const Color abajo = y < alto ? e.punto(x, y + 1).color : punto.color;
        const struct {
            Color vecino;
            int lado;
        } lados[] = {{izquierda, kIzquierda}, {arriba, kArriba}, {derecha, kDerecha}, {abajo, kAbajo}};
        for (const auto& l : lados) {
            if (l.vecino != region) continue;
            punto.lado(l.lado) = pluma;
            v.dibujar_lado(x, y, l.lado);
            ++lineas;
        }
    }
    return lineas;
}

}  // namespace pc
