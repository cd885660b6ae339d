#include "pattern/recorte.h"

#include <algorithm>

namespace pc {

std::optional<Recorte> recorte_dentro(const Recorte& r, int ancho, int alto) {
    // En 64 bits: x + ancho no se desborda con ningún par de enteros.
    const long long x1 = std::max<long long>(r.x, 0), y1 = std::max<long long>(r.y, 0);
    const long long x2 = std::min<long long>(static_cast<long long>(r.x) + r.ancho, ancho);
    const long long y2 = std::min<long long>(static_cast<long long>(r.y) + r.alto, alto);
    if (r.ancho < 1 || r.alto < 1 || x2 <= x1 || y2 <= y1) return std::nullopt;
    return Recorte{static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2 - x1), static_cast<int>(y2 - y1)};
}

}  // namespace pc
