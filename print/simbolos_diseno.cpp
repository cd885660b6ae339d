#include "print/simbolos_diseno.h"

#include <algorithm>
#include <vector>

#include "app/texto.h"
#include "print/simbolos_letra.h"

namespace pc {

std::unordered_map<Color, std::string> simbolos_del_diseno(const Estado& e) {
    std::unordered_map<Color, std::string> simbolos;
    int ancho = 0, alto = 0;
    if (!leer_entero(e.ancho, ancho) || !leer_entero(e.alto, alto) || ancho < 1 || alto < 1 || ancho > kMaxPuntos ||
        alto > kMaxPuntos)
        return simbolos;
    std::unordered_map<Color, long> cuenta;
    Color anterior = 0;
    long* actual = nullptr;
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) {
            const Color c = e.punto(x, y).color;
            if (!actual || c != anterior) {
                anterior = c;
                actual = &cuenta[c];
            }
            ++*actual;
        }
    std::vector<std::pair<Color, long>> orden(cuenta.begin(), cuenta.end());
    std::sort(orden.begin(), orden.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    for (std::size_t k = 0; k < orden.size(); ++k) simbolos.emplace(orden[k].first, simbolo_letra(static_cast<int>(k)));
    // Los colores que sólo llevan parciales (medios puntos, cuartos...), detrás, con los
    // símbolos siguientes y en el mismo orden.
    std::unordered_map<Color, long> parciales;
    for (const Parcial& p : e.puntadas.parciales())
        if (!cuenta.count(p.color)) ++parciales[p.color];
    std::vector<std::pair<Color, long>> resto(parciales.begin(), parciales.end());
    std::sort(resto.begin(), resto.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    for (std::size_t k = 0; k < resto.size(); ++k)
        simbolos.emplace(resto[k].first, simbolo_letra(static_cast<int>(orden.size() + k)));
    return simbolos;
}

}  // namespace pc
