#include "pattern/fidelidad.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

#include "pattern/fiel.h"

namespace pc {

double proporcion_sueltos(const Estado& e, int ancho, int alto) {
    ancho = std::clamp(ancho, 0, kMaxPuntos);
    alto = std::clamp(alto, 0, kMaxPuntos);
    if (ancho == 0 || alto == 0) return 0;
    long sueltos = 0;
    const auto color_en = [&](int x, int y) { return e.punto(x, y).color; };
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x)
            if (suelto_en(color_en, ancho, alto, x, y)) ++sueltos;
    return static_cast<double>(sueltos) / (static_cast<double>(ancho) * alto);
}

Fidelidad medir_fidelidad(const Estado& e, const Imagen& img, int ancho, int alto) {
    Fidelidad f;
    const MediasCeldas c = promediar_celdas(img, ancho, alto);
    if (c.lab.empty()) return f;
    std::vector<double> error;
    error.reserve(c.lab.size());
    std::unordered_map<Color, Lab> lab_hilo;
    double suma = 0;
    for (int y = 1; y <= c.alto; ++y) {
        for (int x = 1; x <= c.ancho; ++x) {
            const Color col = e.punto(x, y).color;
            auto it = lab_hilo.find(col);
            if (it == lab_hilo.end()) it = lab_hilo.emplace(col, lab_de_color(col)).first;
            const double d = de00(c.lab[c.indice(x, y)], it->second);
            error.push_back(d);
            suma += d;
        }
    }
    f.puntos = static_cast<int>(error.size());
    f.media = suma / static_cast<double>(error.size());
    const std::size_t rango = static_cast<std::size_t>(std::ceil(0.95 * static_cast<double>(error.size())));
    const auto n = error.begin() + static_cast<std::ptrdiff_t>(std::max<std::size_t>(rango, 1) - 1);
    std::nth_element(error.begin(), n, error.end());
    f.p95 = *n;
    f.confeti = proporcion_sueltos(e, c.ancho, c.alto);
    f.colores = static_cast<int>(lab_hilo.size());
    return f;
}

}  // namespace pc
