// Las herramientas del botón izquierdo sobre el tapiz. Cada una hace lo mismo que una orden
// de los menús, sobre el punto pulsado: Pincel pinta (como siempre), Relleno rellena MACIZO,
// Cuentagotas hace "Seleccionar Color", Zona marca las dos esquinas de la zona arrastrando y
// Perfilar es "Perfilando". La herramienta vive en el estado del diseño; Perfilar es la
// misma marca que "Perfilando", así que marcar o quitar "Perfilando" cambia de herramienta.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

Herramienta herramienta_activa(const Estado& e);
void elegir_herramienta(Sesion& s, Herramienta h);

// Con Perfilar, el clic traza el perfilado del área como "Perfilar" > "Todo" cuando no hay
// ningún lado marcado en "Útiles" > "Perfilar" (y no se está borrando): así, sin lados, el
// botón izquierdo no se queda sin hacer nada. Con algún lado marcado pone esos lados.
bool perfila_el_area(const Estado& e);

// Pulsación del botón izquierdo en el punto (sel_x, sel_y), ya dentro del tapiz.
void usar_herramienta(Sesion& s);
// Arrastre con el botón izquierdo hasta el punto (x, y) de la rejilla (puede caer fuera del
// tapiz): el pincel y los perfiles pintan cada punto de la recta desde el anterior; la zona
// lleva su segunda esquina hasta ahí.
void arrastrar_herramienta(Sesion& s, int x, int y);
// Fin del trazo (botón izquierdo suelto).
void soltar_herramienta(Estado& e);

// Nombre del paso de deshacer de un uso de la herramienta ("Pintar", "Perfilar",
// "Perfilar Todo", "Borrar Perfilado", "Rellenar Color (MACIZO)").
std::string nombre_uso(const Estado& e);

}  // namespace pc
