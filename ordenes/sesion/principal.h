// Órdenes de la ventana principal: aviso de arranque, salida y "Pintar PALETA DMC".
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

// Muestra el aviso de arranque sobre el modo de color del monitor.
void aviso_inicio(Dialogos& d);
// "¿Desea Salir?": true si el usuario contesta Sí.
bool confirmar_salida(Dialogos& d);
// Al mostrarse la ventana principal: marca "DMC" y carga ese catálogo en hilos.
void al_mostrar(Sesion& s);
// "Pintar PALETA DMC": carta de muestras del catálogo DMC.
void pintar_paleta_dmc(Sesion& s);

}  // namespace pc
