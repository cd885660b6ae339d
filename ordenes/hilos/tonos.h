// "Contraste Paleta", "Brillo Paleta" y "Modifica RGB": escriben en Memo1 del visor la
// paleta activa derivada, como texto de catálogo. La paleta activa no cambia.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

void contraste_paleta(Sesion& s);
void brillo_paleta(Sesion& s);
void modifica_rgb(Sesion& s);

}  // namespace pc
