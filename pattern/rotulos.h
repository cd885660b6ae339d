// Rótulos de menú que muestran el último color elegido o el modo de trabajo. Se guardan
// en el estado (Estado::rotulos) y la ventana los aplica a sus entradas.
#pragma once
#include "app/estado.h"

namespace pc {

// "Seleccionar Color: " y el nombre del hilo del color.
void rotular_seleccion(Estado& e, Color c);
// "Copiar RGB a color ORIGEN: " (o DESTINO) y, con `con_rgb`, el texto R,G,B y dos
// blancos, seguido del nombre del hilo del color.
void rotular_origen(Estado& e, Color c, bool con_rgb);
void rotular_destino(Estado& e, Color c, bool con_rgb);
// Los tres rótulos de las órdenes que trabajan en la zona o en todo el tapiz, según
// esté marcado "Trabajar en ZONA Delimitada".
void rotular_modo_zona(Estado& e);

}  // namespace pc
