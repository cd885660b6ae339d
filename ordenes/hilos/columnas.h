// Órdenes de la ventana "Selección de Colores": abrirla, el botón "+" de una columna, el
// "Aplicar" del panel de hilos y el "APLICAR" de las columnas.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

// "Selección de HILOS por COLUMNAS (Catálogo DMC)": pone las casillas según los hilos y
// muestra la ventana.
void seleccion_columnas(Sesion& s);
// "+" de la columna n: aplica las casillas de columna y abre el panel con sus hilos (carga
// el catálogo DMC si aún no hay ninguno).
void abrir_columna(Sesion& s, int n);
// "Aplicar" del panel.
void aplicar_panel(Sesion& s);
// "APLICAR": las casillas de columna pasan a los hilos (la ventana se cierra después).
void aplicar_columnas(Sesion& s);

}  // namespace pc
