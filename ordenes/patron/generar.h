// Órdenes de generación: abrir la imagen, tamaño del tapiz y generación de la rejilla.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

void abrir_imagen(Sesion& s);        // "Abrir Imagen BMP"
void ancho_a_escala(Sesion& s);      // "Ancho del Punto de Cruz (Alto a escala)"
void alto_a_escala(Sesion& s);       // "Alto del Punto de Cruz (Ancho a escala)"
void ancho_y_alto(Sesion& s);        // "Ancho y Alto del Pto de Cruz"
// Reduce el tamaño de celda, con su aviso, si un tapiz de ancho × alto no cabe en el lienzo.
void ajustar_celda_al_tapiz(Sesion& s, int ancho, int alto);
void generar_rejilla(Sesion& s, bool interpolar, bool ajustar);
void generar_punto_de_cruz(Sesion& s);  // "Generar Punto de Cruz"
void generar_interpolado(Sesion& s);    // "Generar Pto de Cruz INTERPOLADO"

}  // namespace pc
