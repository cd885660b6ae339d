// El avance de un dibujo largo (una impresión, un cuadernillo): quien dibuja lo cuenta y quien
// lo pidió puede pararlo.
#pragma once
#include <functional>

namespace pc {

// Llamado con lo hecho y el total (filas o páginas); devolver false detiene el dibujo.
using Avance = std::function<bool(int hechas, int total)>;

}  // namespace pc
