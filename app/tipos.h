// Tipos básicos compartidos por todo el programa: colores y coordenadas.
#pragma once
#include <cstdint>

namespace pc {

// Color de 32 bits: R + 256·G + 65536·B (rojo en el byte bajo, byte alto 0).
using Color = std::int32_t;

inline constexpr Color kNegro = 0;
inline constexpr Color kBlanco = 0xFFFFFF;
inline constexpr Color kSinPerfil = -1;  // en un perfil: ese lado no tiene perfilado

// Compone un color con los 8 bits bajos de cada componente.
constexpr Color rgb(int r, int g, int b) {
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int rojo(Color c) { return c & 0xFF; }
constexpr int verde(Color c) { return (c >> 8) & 0xFF; }
constexpr int azul(Color c) { return (c >> 16) & 0xFF; }
// Suma de las tres componentes, 0..765: cuánta luz tiene el color.
constexpr int suma_componentes(Color c) { return rojo(c) + verde(c) + azul(c); }

// Limita un componente a 0..255.
constexpr int limitar(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

// Tamaño máximo del tapiz en puntos (la rejilla tiene índices 0..700).
inline constexpr int kMaxPuntos = 700;
// Capacidad de una tabla de hilos.
inline constexpr int kMaxHilos = 600;
// Lado del lienzo del patrón en píxeles.
inline constexpr int kLadoLienzo = 1600;

}  // namespace pc
