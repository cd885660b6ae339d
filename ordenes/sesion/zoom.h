// Acercar y alejar el tapiz: el tamaño de la rejilla entre 1 y 40 píxeles por punto, para
// cualquier tapiz. El lienzo crece con el zoom hasta lo que ocupe el tapiz, así que el
// redibujado ya no encoge la celda; tras cargar o generar vuelve al lienzo de partida.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

inline constexpr int kZoomMinimo = 1;
inline constexpr int kZoomMaximo = 40;

// Pone el tamaño de la rejilla (recortado a 1..40), agranda el lienzo si hace falta y
// redibuja al momento. Devuelve true si el tamaño cambió.
bool poner_zoom(Sesion& s, int tam);
// El mayor tamaño (1..40) con el que el tapiz entero, con su margen, cabe en una vista de
// ancho x alto píxeles.
int zoom_para_ajustar(const Estado& e, int ancho, int alto);
// Píxeles que ocupa el tapiz en el lienzo con su margen de un punto a cada lado: (n + 2)·s.
// 0 si el tamaño no es válido.
int extension_tapiz(const std::string& lado, int tam_celda);

}  // namespace pc
