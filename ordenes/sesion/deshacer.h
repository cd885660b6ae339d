// Deshacer y rehacer el último paso del historial, con el redibujado del tapiz.
#pragma once
#include <string>

#include "app/historial.h"
#include "ordenes/sesion/sesion.h"

namespace pc {

// Rótulos de las entradas: "Deshacer" / "Rehacer" seguidos del nombre del paso.
std::string rotulo_deshacer(const Historial& h);
std::string rotulo_rehacer(const Historial& h);
// Nombre del paso de un trazo del ratón según lo que pinta ("Pintar", "Perfilar" o
// "Borrar Perfilado").
std::string nombre_trazo(const Estado& e);

// Devuelven false si no había paso que deshacer / rehacer.
bool deshacer(Sesion& s, Historial& h);
bool rehacer(Sesion& s, Historial& h);

// Pregunta de salida: "¿Desea Salir?", con "Hay cambios sin grabar." delante si los hay.
bool confirmar_salida_con_cambios(Dialogos& d, bool cambios);

}  // namespace pc
