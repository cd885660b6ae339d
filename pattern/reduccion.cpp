#include "pattern/reduccion.h"

#include <algorithm>

#include "app/errores.h"
#include "app/texto.h"
#include "threads/emparejar.h"

namespace pc {

bool color_bloqueado(const TablaHilos& hilos, Color c) {
    const int i = buscar_color(c, hilos);
    return i != 0 && hilos[i].bloqueado;
}

void pares_reducir_paleta(const TablaHilos& paleta, const TablaHilos& hilos, int n, int metodo,
                          ListaCambios& cambios) {
    cambios.vaciar();
    if (n >= paleta.total) return;
    // Los n más usados: las primeras n entradas de la paleta ordenada.
    TablaHilos conservados = paleta;
    conservados.total = std::max(n, 0);
    for (int p = n + 1; p <= paleta.total; ++p) {
        const Color c = paleta[p].color;
        if (color_bloqueado(hilos, c)) continue;
        cambios.anadir(c, hilo_mas_proximo(c, conservados, metodo));
    }
}

void pares_similares(const TablaHilos& paleta, const TablaHilos& hilos, int umbral, int metodo,
                     ListaCambios& cambios) {
    cambios.vaciar();
    // Los candidatos de la posición j son las entradas 1..j-1: la misma copia con otro total.
    TablaHilos anteriores = paleta;
    for (int j = 2; j <= paleta.total; ++j) {
        const Color c = paleta[j].color;
        if (paleta[j].numero == 0) continue;  // sólo en perfiles: no hay ningún punto que cambiar
        if (color_bloqueado(hilos, c)) continue;
        anteriores.total = j - 1;
        const Color h = hilo_mas_proximo(c, anteriores, metodo);
        if (h == c) continue;  // ningún otro color a menos de la distancia de partida
        if (distancia(c, h, 1) <= umbral && cambios.buscar(h) == 0) cambios.anadir(c, h);
    }
}

Color color_por_tonos(Color c, int divisor) {
    if (divisor == 0) throw ErrorAritmetico(mensaje_division_por_cero());
    const long double d = divisor;
    auto tono = [&](int v) {
        const long long r = redondear(static_cast<long double>(v) / d) * static_cast<long long>(divisor);
        return static_cast<int>(std::clamp<long long>(r, 0, 255));
    };
    return rgb(tono(rojo(c)), tono(verde(c)), tono(azul(c)));
}

void pares_tonos(const TablaHilos& paleta, int divisor, ListaCambios& cambios) {
    cambios.vaciar();
    if (divisor == 0) throw ErrorAritmetico(mensaje_division_por_cero());
    for (int p = 1; p <= paleta.total; ++p) cambios.anadir(paleta[p].color, color_por_tonos(paleta[p].color, divisor));
}

}  // namespace pc
