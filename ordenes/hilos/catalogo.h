// Órdenes de los catálogos: carga en una tabla, lectura de paletas personalizadas,
// grabación de dmc_aux.dat y el método para asemejar colores.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

// Carga el catálogo de nombre "ANCHOR" (o cualquier otro nombre: DMC) en destino y pone en el
// panel 1 "Paleta de Hilos: " + marca. No cambia marca.
void cargar_catalogo(Sesion& s, const std::string& nombre, TablaHilos& destino);
// Si marca está vacía: marca := "DMC" y lo carga en hilos.
void asegurar_catalogo(Sesion& s);

void lee_paleta_dmc(Sesion& s);     // "Lee Paleta de hilos DMC personalizada"
void lee_paleta_anchor(Sesion& s);  // "Lee Paleta de hilos ANCHOR personalizada"
// "Graba Paleta de Hilos DMC (dmc_aux.dat)" en esa carpeta (la de datos del usuario), que se
// crea si falta.
void graba_paleta_dmc(Sesion& s, const std::string& carpeta);
void por_luminosidad(Sesion& s);    // "Por Luminosidad ABSOLUTA"
void por_gama(Sesion& s);           // "Por GAMA de Color"

}  // namespace pc
