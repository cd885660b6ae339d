#include "pattern/recuento_clases.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>
#include <utility>

namespace pc {

const RecuentoClases* RecuentoPorClases::de(Color c) const {
    const auto it = std::lower_bound(colores.begin(), colores.end(), c,
                                     [](const RecuentoClases& r, Color v) { return r.color < v; });
    return it != colores.end() && it->color == c ? &*it : nullptr;
}

double largo_medios(const Linea& l) {
    const double du = l.u2 - l.u1, dv = l.v2 - l.v1;
    return std::sqrt(du * du + dv * dv);
}

RecuentoPorClases recuento_por_clases(const Estado& e, int ancho, int alto, bool enteros) {
    ancho = std::clamp(ancho, 0, kMaxPuntos);
    alto = std::clamp(alto, 0, kMaxPuntos);
    std::unordered_map<Color, RecuentoClases> por_color;
    const auto cuenta = [&](Color c) -> RecuentoClases& {
        RecuentoClases& r = por_color[c];
        r.color = c;
        return r;
    };

    // Las celdas con parciales, para no contarlas como cruces enteras.
    std::vector<bool> con_parcial(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto), false);
    for (const Parcial& p : e.puntadas.parciales()) {
        RecuentoClases& r = cuenta(p.color);
        switch (p.tipo) {
            case TipoParcial::kMedio: ++r.medios; break;
            case TipoParcial::kCuarto: ++r.cuartos; break;
            case TipoParcial::kTresCuartos: ++r.tres_cuartos; break;
            case TipoParcial::kPetit: ++r.petits; break;
        }
        if (p.x >= 1 && p.y >= 1 && p.x <= ancho && p.y <= alto)
            con_parcial[static_cast<std::size_t>(p.y - 1) * static_cast<std::size_t>(ancho) +
                        static_cast<std::size_t>(p.x - 1)] = true;
    }

    if (enteros) {
        // Por columnas, como la rejilla en memoria; el color de la celda anterior se recuerda
        // para no buscar en la tabla en cada celda de una mancha.
        for (int x = 1; x <= ancho; ++x) {
            RecuentoClases* ultimo = nullptr;
            for (int y = 1; y <= alto; ++y) {
                if (con_parcial[static_cast<std::size_t>(y - 1) * static_cast<std::size_t>(ancho) +
                                static_cast<std::size_t>(x - 1)])
                    continue;
                const Color c = e.punto(x, y).color;
                if (!ultimo || ultimo->color != c) ultimo = &cuenta(c);
                ++ultimo->enteros;
            }
        }
    }

    std::map<std::pair<Color, int>, GrupoHebras> lineas, nudos;
    for (const Linea& l : e.puntadas.lineas()) {
        const double largo = largo_medios(l);
        RecuentoClases& r = cuenta(l.color);
        ++r.lineas;
        r.largo += largo;
        GrupoHebras& g = lineas[{l.color, l.hebras}];
        g.color = l.color;
        g.hebras = l.hebras;
        ++g.cuantos;
        g.largo += largo;
    }
    for (const Nudo& n : e.puntadas.nudos()) {
        ++cuenta(n.color).nudos;
        GrupoHebras& g = nudos[{n.color, n.hebras}];
        g.color = n.color;
        g.hebras = n.hebras;
        ++g.cuantos;
    }

    RecuentoPorClases resultado;
    resultado.colores.reserve(por_color.size());
    for (const auto& [c, r] : por_color)
        if (!r.vacio()) resultado.colores.push_back(r);
    std::sort(resultado.colores.begin(), resultado.colores.end(),
              [](const RecuentoClases& a, const RecuentoClases& b) { return a.color < b.color; });
    for (const auto& [k, g] : lineas) resultado.lineas.push_back(g);
    for (const auto& [k, g] : nudos) resultado.nudos.push_back(g);
    return resultado;
}

}  // namespace pc
