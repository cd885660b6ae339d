// La zona de trabajo y la copia y el pegado de sus puntos.
#pragma once
#include "app/estado.h"
#include "app/puertos.h"
#include "pattern/paleta.h"

namespace pc {

// Un color copiado cuya suma de componentes llega a este umbral no se pega (casi blanco
// cuenta como transparente).
inline constexpr int kUmbralPegado = 720;

// La zona marcada tal como está (lanza ErrorConversion si una esquina no es un número); las
// esquinas no se reordenan, así que puede quedar vacía.
Rango rango_zona(const Estado& e);
// Donde trabajan el cambio de color, el aclarado del tapiz y el borrado de perfiles: la
// zona si está marcado "Trabajar en ZONA Delimitada", si no todo el tapiz; siempre
// recortado al tapiz.
Rango rango_trabajo(const Estado& e);

// Copia los colores de la zona en `copia` y anota su tamaño. Si la zona abarca 700 o más
// columnas o filas de diferencia, deja el tamaño en 0 × 0, no copia nada y devuelve false.
// Los puntos de la zona que caen fuera del tapiz se copian como blanco (no se pegarán).
bool copiar_zona(Estado& e);
// Pega la copia con su primer punto en (X, Y): los colores que no son casi blancos, y sólo
// en los puntos del tapiz (lo demás se recorta). Repinta cada punto pegado.
void pegar_copia(Estado& e, int X, int Y, Vista& v);

// Quita los cuatro perfiles de cada punto del rango.
void borrar_perfiles(Estado& e, Rango r);

}  // namespace pc
