// Relación entre colores e hilos: el hilo más próximo y los nombres de los hilos.
#pragma once
#include <optional>
#include <string>

#include "app/estado.h"

namespace pc {

// Distancia entre dos colores: método 1 suma de diferencias, método 2 la mayor diferencia.
int distancia(Color a, Color b, int metodo);
// Color de la entrada activa más próxima (la primera de las iguales); negro si no hay.
Color hilo_mas_proximo(Color c, const TablaHilos& tabla, int metodo);
// Nombre del hilo de hilos con exactamente ese color ("HILO:????" si no hay).
std::string nombre_hilo(const Estado& e, Color c);
// El número de un hilo como se muestra: los especiales de DMC por su nombre ("B5200",
// "Blanco", "Ecru"); vacío si es un número especial de DMC que no existe.
std::string texto_numero_hilo(const std::string& marca, int numero);
// Color del hilo de hilos con ese nombre o número; negro si no está. ErrorConversion si el
// texto no es un número ni un nombre especial.
Color color_de_hilo(const Estado& e, const std::string& texto);
// Número de hilo de un nombre o número ("DMC: 310", "310", "Blanco" -2, "Ecru" -3, "B5200" -1),
// sin mirar ninguna tabla; vacío si el texto no lo es.
std::optional<int> numero_de_hilo(const std::string& texto);
// "R,G,B" en decimal.
std::string texto_rgb(Color c);
// Índice de la primera entrada con ese número (activa o no); 0 si no hay.
int buscar_numero(int numero, const TablaHilos& tabla);

}  // namespace pc
