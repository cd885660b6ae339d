// Las tres maneras de reducir los colores del tapiz, como listas de cambios sobre la paleta
// del tapiz ya construida y ordenada. Aplicarlas es cosa de aplicar_cambios.
#pragma once
#include "app/estado.h"
#include "pattern/cambios.h"

namespace pc {

// Un color está bloqueado si su hilo (la primera entrada activa de hilos con ese color) lo
// está. Un color que no es hilo activo no está bloqueado.
bool color_bloqueado(const TablaHilos& hilos, Color c);

// Conserva las n entradas más usadas; cada una de las demás (salvo las bloqueadas) pasa a la
// más próxima de las conservadas. n debe ser 1 o mayor.
void pares_reducir_paleta(const TablaHilos& paleta, const TablaHilos& hilos, int n, int metodo,
                          ListaCambios& cambios);

// Una pasada de colores similares: cada color con puntos (posición 2..total, no bloqueado)
// pasa al más próximo de los anteriores si está a no más de umbral y ese no se cambia ya en
// esta misma pasada. Los colores que sólo están en perfiles no se cambian (no hay puntos que
// cambiar) y nunca se propone cambiar un color por sí mismo.
void pares_similares(const TablaHilos& paleta, const TablaHilos& hilos, int umbral, int metodo,
                     ListaCambios& cambios);

// Cada componente de cada color pasa a Round(v / divisor) · divisor, limitado a 0..255.
// Lanza ErrorAritmetico si el divisor es 0.
void pares_tonos(const TablaHilos& paleta, int divisor, ListaCambios& cambios);
// El color reducido de uno solo.
Color color_por_tonos(Color c, int divisor);

}  // namespace pc
