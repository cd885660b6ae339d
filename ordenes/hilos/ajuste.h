// Ajuste del tapiz a hilos y listado de equivalencias DMC-ANCHOR.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

void ajustar_a_hilos(Sesion& s, bool avisar);
void ajustar_dmc(Sesion& s);             // "Ajustar Pto Cruz a Hilos DMC"
void ajustar_anchor(Sesion& s);          // "Ajustar Pto Cruz a Hilos ANCHOR"
void calcular_equivalencias(Sesion& s);  // "Calcular Equivalencias DMC-ANCHOR"

}  // namespace pc
