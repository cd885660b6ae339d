// Recuerdo de lo ya calculado para cada color: las fotos repiten mucho los colores, y buscar
// el hilo más próximo cuesta bastante más que mirar si ya se buscó.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/tipos.h"

namespace pc {

// Tabla de direccionamiento abierto del tamaño de lo previsto; si se llena más de la mitad se
// vacía entera (sólo ocurre si se pasa de lo previsto). El color -1 no se recuerda.
template <class Valor>
class RecuerdoColores {
public:
    explicit RecuerdoColores(std::size_t previstos = 0) {
        std::size_t cap = 1024;
        while (cap < 2 * previstos + 16) cap <<= 1;
        casilla_.assign(cap, Casilla{});
    }

    // El valor de c: el recordado o, si no lo hay, calcular(c), que se recuerda.
    template <class Calcular>
    Valor obtener(Color c, Calcular&& calcular) {
        if (c == kLibre) return calcular(c);
        const std::size_t mascara = casilla_.size() - 1;
        std::size_t k = (static_cast<std::uint32_t>(c) * 2654435761u) & mascara;
        while (casilla_[k].clave != kLibre) {
            if (casilla_[k].clave == c) return casilla_[k].valor;
            k = (k + 1) & mascara;
        }
        const Valor v = calcular(c);
        if (2 * (ocupadas_ + 1) > casilla_.size()) {
            std::fill(casilla_.begin(), casilla_.end(), Casilla{});
            ocupadas_ = 0;
            k = (static_cast<std::uint32_t>(c) * 2654435761u) & mascara;
        }
        casilla_[k] = Casilla{c, v};
        ++ocupadas_;
        return v;
    }

private:
    static constexpr Color kLibre = -1;
    struct Casilla {
        Color clave = kLibre;
        Valor valor{};
    };
    std::vector<Casilla> casilla_;
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
        Casilla& k = casilla_[(static_cast<std::uint32_t>(c) * 2654435761u) >> (32 - kBits)];
        if (k.clave == c && c != kLibre) return k.valor;
        const Valor v = calcular(c);
        k = Casilla{c, v};
        return v;
    }

private:
    static constexpr Color kLibre = -1;
    struct Casilla {
        Color clave = kLibre;
        Valor valor{};
    };
    std::vector<Casilla> casilla_;
};

}  // namespace pc
