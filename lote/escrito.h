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
// Escribe la línea en la salida estándar.
void anunciar_escrito(const Estado& e, const std::string& salida, bool con_perfiles = false);

}  // namespace pc::lote
