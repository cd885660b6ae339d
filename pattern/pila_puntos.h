// Un punto del tapiz guardado en 32 bits para las pilas del relleno y del perfilado:
// x·1024 + y (ambos caben en 10 bits).
#pragma once
#include <cstdint>

namespace pc {

constexpr std::uint32_t empaquetar(int x, int y) { return static_cast<std::uint32_t>(x) << 10 | static_cast<std::uint32_t>(y); }
constexpr int columna_empaquetada(std::uint32_t p) { return static_cast<int>(p >> 10); }
constexpr int fila_empaquetada(std::uint32_t p) { return static_cast<int>(p & 1023u); }

}  // namespace pc
