// Edición del color de los puntos: el punto pulsado, los colores tecleados, el cambio de
// un color por otro y el aclarado u oscurecimiento.
#pragma once
#include <string>

#include "app/estado.h"
#include "app/puertos.h"
#include "pattern/paleta.h"

namespace pc {

// El tapiz entero: columnas 1..ancho y filas 1..alto (lanza si ancho o alto no son válidos).
Rango rango_tapiz(const Estado& e);
// El rango recortado al tapiz: nunca sale de 1..ancho × 1..alto.
Rango recortar_al_tapiz(Rango r, const Estado& e);
// true si (x, y) es un punto del tapiz.
bool dentro_del_tapiz(const Estado& e, int x, int y);

// Un color tecleado: "R,G,B" (cada número en decimal, sólo sus 8 bits bajos) o el nombre o
// número de un hilo de la paleta activa. Lanza ErrorConversion si no es ninguna de las dos.
Color leer_color(const Estado& e, const std::string& texto);

// Suma f a las componentes indicadas, cada una limitada a 0..255.
Color aclarar(Color c, int f, bool r = true, bool g = true, bool b = true);

// Cambia en el rango (por filas, y en cada fila de izquierda a derecha) cada punto del
// color origen por el destino y lo repinta. Devuelve cuántos cambió.
long cambiar_en_rango(Estado& e, Rango r, Color origen, Color destino, Vista& v);
// Aclara (f > 0) u oscurece (f < 0) las componentes marcadas (R, G, B) de cada punto del
// rango, y repinta cada punto.
void aclarar_rango(Estado& e, Rango r, int f, Vista& v);

}  // namespace pc
