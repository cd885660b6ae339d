// Selección de los hilos activos por columnas del catálogo: los títulos de las casillas,
// el paso entre las casillas y los indicadores `activo` de la paleta de hilos.
#pragma once
#include <string>

#include "app/estado.h"

namespace pc {

// Título inicial de la casilla de la columna n (1..19): "Columna " + n y su familia de colores.
std::string titulo_inicial_columna(int n);
// Título que muestra la casilla de la columna n: el de la última marca de columna leída de
// un catálogo, o el inicial. Vacío fuera de 1..19.
std::string titulo_columna(const Estado& e, int n);

// Un clic del usuario: una casilla sin marcar o gris pasa a marcada; una marcada, a sin marcar.
Casilla pulsar(Casilla c);

// Pone cada casilla de columna según los hilos: marcada si todos los de la columna están
// activos, sin marcar si ninguno (o si la columna no tiene hilos) y gris si sólo algunos.
void sincronizar_columnas(VentanaColumnas& v, const TablaHilos& hilos);
// Pasa las casillas de columna a los hilos: marcada activa, sin marcar desactiva y gris deja
// como está. Los hilos de columnas sin casilla (fuera de 1..19) no cambian.
void aplicar_columnas(const VentanaColumnas& v, TablaHilos& hilos);
// Llena el panel con los hilos de la columna n, en el orden de la tabla (a lo sumo 50
// casillas: los demás hilos de la columna no se muestran), y lo abre.
void llenar_panel(VentanaColumnas& v, const TablaHilos& hilos, int n);
// Pasa las casillas visibles del panel a los hilos (por número, el primero que lo tenga),
// pone la casilla de la columna abierta según cuántas quedaron marcadas y cierra el panel.
void aplicar_panel(VentanaColumnas& v, TablaHilos& hilos);

}  // namespace pc
