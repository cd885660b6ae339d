// Órdenes de la generación FIEL y del informe de fidelidad del tapiz a la imagen.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"
#include "pattern/fidelidad.h"

namespace pc {

// "Generar Punto de Cruz FIEL": pregunta el número de colores (1..600) y el nivel de limpieza
// (0..3) y genera con el tamaño del tapiz y los hilos activos.
void generar_fiel(Sesion& s);
// Lo mismo sin preguntar, con los valores dados (ya comprobados).
void generar_fiel_con(Sesion& s, int colores, int limpieza);

// "Fidelidad del Punto de Cruz": mide el tapiz frente a la imagen del visor y lo muestra.
void fidelidad_punto_de_cruz(Sesion& s);

}  // namespace pc
