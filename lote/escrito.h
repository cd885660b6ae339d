// La línea que escribe cada suborden que graba un fichero:
// "Escrito SALIDA (ANCHO x ALTO puntos, N colores)".
#pragma once
#include <iostream>
#include <string>

#include "app/estado.h"

namespace pc::lote {

// Colores distintos de los puntos del tapiz; con `con_perfiles`, también los de los perfiles
// (los ficheros .pc y .pci sólo guardan los rellenos; un dibujo exportado lleva los dos).
int colores_del_tapiz(const Estado& e, bool con_perfiles = false);
std::string linea_escrito(const Estado& e, const std::string& salida, bool con_perfiles = false);
// La misma línea para un trozo del tapiz (el de un cuadernillo de la zona): su tamaño y sus colores.
// Las columnas x1..x2 y las filas y1..y2, bordes incluidos.
std::string linea_escrito_trozo(const Estado& e, const std::string& salida, int x1, int y1, int x2, int y2,
                                bool con_perfiles);
// Escribe la línea en la salida estándar.
void anunciar_escrito(const Estado& e, const std::string& salida, bool con_perfiles = false);

}  // namespace pc::lote
