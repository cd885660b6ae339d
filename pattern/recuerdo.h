// Recuerdo de lo ya calculado para cada color: las fotos repiten mucho los colores, y buscar
// el hilo más próximo cuesta bastante más que mirar si ya se buscó.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/tipos.h"

namespace pc {

// Una casilla de recuerdo: el color (kColorLibre si está libre) y lo calculado para él.
inline constexpr Color kColorLibre = -1;
template <class Valor>
struct CasillaColor {
    Color clave = kColorLibre;
    Valor valor{};
};
// Resumen de un color para repartirlo por las casillas (multiplicación de Fibonacci).
inline std::uint32_t resumen_color(Color c) { return static_cast<std::uint32_t>(c) * 2654435761u; }

// Tabla de direccionamiento abierto del tamaño de lo previsto; si se llena más de la mitad se
// vacía entera (sólo ocurre si se pasa de lo previsto). El color -1 no se recuerda.
template <class Valor>
class RecuerdoColores {
public:
    explicit RecuerdoColores(std::size_t previstos = 0) {
        std::size_t cap = 1024;
        while (cap < 2 * previstos + 16) cap <<= 1;
        casilla_.assign(cap, CasillaColor<Valor>{});
    }

    // El valor de c: el recordado o, si no lo hay, calcular(c), que se recuerda.
    template <class Calcular>
    Valor obtener(Color c, Calcular&& calcular) {
        if (c == kColorLibre) return calcular(c);
        const std::size_t mascara = casilla_.size() - 1;
        std::size_t k = resumen_color(c) & mascara;
        while (casilla_[k].clave != kColorLibre) {
            if (casilla_[k].clave == c) return casilla_[k].valor;
            k = (k + 1) & mascara;
        }
        const Valor v = calcular(c);
        if (2 * (ocupadas_ + 1) > casilla_.size()) {
            std::fill(casilla_.begin(), casilla_.end(), CasillaColor<Valor>{});
            ocupadas_ = 0;
            k = resumen_color(c) & mascara;
        }
        casilla_[k] = CasillaColor<Valor>{c, v};
        ++ocupadas_;
        return v;
    }

private:
    std::vector<CasillaColor<Valor>> casilla_;
    std::size_t ocupadas_ = 0;
};

// Recuerdo de tamaño fijo que guarda en cada casilla el último color que cayó en ella: una
// sola mirada por color, sin vaciarse nunca. Para cuando calcular cuesta poco más que buscar
// en una tabla grande: se queda con lo que se repite cerca. El color -1 no se recuerda.
template <class Valor, int kBits>
class RecuerdoCercano {
public:
    RecuerdoCercano() : casilla_(std::size_t{1} << kBits) {}

    template <class Calcular>
    Valor obtener(Color c, Calcular&& calcular) {
        CasillaColor<Valor>& k = casilla_[resumen_color(c) >> (32 - kBits)];
        if (k.clave == c && c != kColorLibre) return k.valor;
        const Valor v = calcular(c);
        k = CasillaColor<Valor>{c, v};
        return v;
    }

private:
    std::vector<CasillaColor<Valor>> casilla_;
};

}  // namespace pc
