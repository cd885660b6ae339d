#include "pattern/rellenar.h"

#include <cstdint>
#include <vector>

#include "pattern/pila_puntos.h"
#include "pattern/puntadas_tapiz.h"

namespace pc {

long rellenar(Estado& e, int x0, int y0, Relleno modo, int ancho, int alto, Vista& v) {
    if (ancho > kMaxPuntos) ancho = kMaxPuntos;
    if (alto > kMaxPuntos) alto = kMaxPuntos;
    if (x0 < 1 || y0 < 1 || x0 > ancho || y0 > alto) return 0;
    const Color nuevo = e.color_actual;
    const Color objetivo = e.punto(x0, y0).color;
    if (objetivo == nuevo) return 0;

    const bool hasta_blanco = modo == Relleno::kHastaBlanco;
    // Un punto pintado toma el color nuevo, que nunca cumple la condición: cada punto se
    // pinta (y se apila) una sola vez, y el conjunto pintado no depende del orden de visita.
    auto cumple = [&](Color c) {
        return hasta_blanco ? suma_componentes(c) < kUmbralBlanco && c != nuevo : c == objetivo;
    };
    // La pila guarda puntos ya pintados cuyos vecinos faltan por mirar.
    static thread_local std::vector<std::uint32_t> pila;
    pila.clear();
    long pintados = 0;
    auto pintar = [&](int x, int y) {
        e.punto(x, y).color = nuevo;
        punto_entero(e, x, y);
        v.repintar_celda(x, y);
        pila.push_back(empaquetar(x, y));
        ++pintados;
    };
    auto probar = [&](int x, int y) {
        if (cumple(e.punto(x, y).color)) pintar(x, y);
    };

    pintar(x0, y0);
    while (!pila.empty()) {
        const std::uint32_t p = pila.back();
        pila.pop_back();
        const int x = columna_empaquetada(p);
        const int y = fila_empaquetada(p);
        if (modo == Relleno::kTramado) {
            if (x > 1 && y > 1) probar(x - 1, y - 1);
            if (x > 1 && y < alto) probar(x - 1, y + 1);
            if (x < ancho && y > 1) probar(x + 1, y - 1);
            if (x < ancho && y < alto) probar(x + 1, y + 1);
        } else {
            if (x > 1) probar(x - 1, y);
            if (y > 1) probar(x, y - 1);
            if (x < ancho) probar(x + 1, y);
            if (y < alto) probar(x, y + 1);
        }
    }
    return pintados;
}

}  // namespace pc
