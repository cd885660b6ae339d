// Deshacer y rehacer el último paso del historial, con el redibujado del tapiz.
#pragma once
#include <string>

#include "app/historial.h"
#include "ordenes/sesion/sesion.h"

namespace pc {

// Rótulos de las entradas: "Deshacer" / "Rehacer" seguidos del nombre del paso.
std::string rotulo_deshacer(const Historial& h);
std::string rotulo_rehacer(const Historial& h);

// Devuelven false si no había paso que deshacer / rehacer.
bool deshacer(Sesion& s, Historial& h);
bool rehacer(Sesion& s, Historial& h);

// Pregunta de salida: "¿Desea Salir?"; si hay cambios sin grabar, con "Hay cambios sin
// grabar." delante y "Grabar" como tercera respuesta.
RespuestaSalir preguntar_salida(Dialogos& d, bool cambios);

// Antes de reemplazar un diseño con cambios sin grabar por otro: "El diseño «NOMBRE» tiene
// cambios sin grabar. ¿Desea grabarlos?" con "Grabar" (kGrabar), "No grabar" (kSi, se sigue
// sin grabar) y "Cancelar" (kNo).
RespuestaSalir preguntar_reemplazo(Dialogos& d, const std::string& nombre);

}  // namespace pc
