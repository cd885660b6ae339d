// Acercar y alejar el tapiz: el tamaño de la rejilla entre 1 y 40 píxeles por punto, sin
// pasar del que deja el tapiz entero dentro del lienzo.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

inline constexpr int kZoomMinimo = 1;
inline constexpr int kZoomMaximo = 40;

// El mayor tamaño de celda con el que el tapiz cabe en el lienzo (como mucho 40).
int zoom_maximo(const Estado& e);
// Pone el tamaño de la rejilla (recortado a 1..zoom_maximo) y redibuja al momento.
// Devuelve true si el tamaño cambió.
bool poner_zoom(Sesion& s, int tam);

}  // namespace pc
