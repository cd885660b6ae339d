#include "pattern/recorte.h"

#include <algorithm>
#include <sstream>
#include <vector>

#include "app/texto.h"

namespace pc {

std::optional<Recorte> recorte_dentro(const Recorte& r, int ancho, int alto) {
    // En 64 bits: x + ancho no se desborda con ningún par de enteros.
    const long long x1 = std::max<long long>(r.x, 0), y1 = std::max<long long>(r.y, 0);
    const long long x2 = std::min<long long>(static_cast<long long>(r.x) + r.ancho, ancho);
    const long long y2 = std::min<long long>(static_cast<long long>(r.y) + r.alto, alto);
    if (r.ancho < 1 || r.alto < 1 || x2 <= x1 || y2 <= y1) return std::nullopt;
    return Recorte{static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2 - x1), static_cast<int>(y2 - y1)};
}

std::optional<Recorte> leer_recorte(const std::string& texto) {
    std::vector<int> v;
    std::string parte;
    std::istringstream in(texto);
    while (std::getline(in, parte, ',')) {
        int n = 0;
        if (!leer_entero(parte, n)) return std::nullopt;
        v.push_back(n);
    }
    if (v.size() != 4 || (!texto.empty() && texto.back() == ',') || v[2] < 1 || v[3] < 1) return std::nullopt;
    return Recorte{v[0], v[1], v[2], v[3]};
}

}  // namespace pc
