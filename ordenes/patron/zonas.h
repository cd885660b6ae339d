// Órdenes de la zona de trabajo, de la copia y el pegado, y del perfilado.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

void marcar_x1y1(Sesion& s);     // "Marcar ZONA (X1,Y1)": la primera esquina, el punto pulsado
void marcar_x2y2(Sesion& s);     // "Marcar ZONA (X2,Y2)"
void conmutar_zona(Sesion& s);   // "Trabajar en ZONA Delimitada"
void copiar_zona(Sesion& s);     // "Copiar Zona de la Imagen."
void pegar_en(Sesion& s);        // "Pegar en..."

void perfilar_abajo(Sesion& s);  // "Perfilar" > "Hacia Abajo"
void perfilar_arriba(Sesion& s); // "Perfilar" > "Hacia Arriba"
void perfilar_todo(Sesion& s);   // "Perfilar" > "Todo"
void conmutar_borrar_perfilado(Sesion& s);  // "Borrar Perfilado" (marca también "Perfilando")
void borrar_perfilado_zona(Sesion& s);      // "Borrar Perfilado en ZONA de trabajo"

}  // namespace pc
