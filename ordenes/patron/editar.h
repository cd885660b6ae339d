// Órdenes de edición del color: cambio de un color por otro, colores tomados de un punto,
// aclarado y oscurecimiento, y los tres rellenos. Las del menú del lienzo actúan sobre el
// punto de la última pulsación (sel_x, sel_y); fuera del tapiz no hacen nada.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

// "Cambiar un color por otro", "Cambiar Color ORIGEN por DESTINO".
void cambiar_color(Sesion& s);
void seleccionar_color(Sesion& s);   // "Seleccionar Color"
// Lo que hace "Seleccionar Color" con un color dado: es el color actual y el rótulo lo nombra.
void elegir_color_actual(Sesion& s, Color c);
// "Buscar hilo": el hilo de ese número (o nombre) del catálogo activo pasa a ser el color
// actual, lo use o no el tapiz. Si no está, lo dice y devuelve false.
bool buscar_hilo(Sesion& s, const std::string& texto);
void copiar_rgb_origen(Sesion& s);   // "Copiar RGB a color ORIGEN"
void copiar_rgb_destino(Sesion& s);  // "Copiar RGB a color DESTINO"
// "Aclara Color" (aclarar) y "Oscurece Color".
void aclarar_color(Sesion& s, bool aclarar);
// "Aclarar el TAPIZ" (aclarar) y "Oscurecer el TAPIZ".
void aclarar_tapiz(Sesion& s, bool aclarar);
void factor_aclarado(Sesion& s);  // "Factor de Aclarado/Oscurecimiento"
void conmutar_r(Sesion& s);       // "R"
void conmutar_g(Sesion& s);       // "G"
void conmutar_b(Sesion& s);       // "B"
void rellenar_macizo(Sesion& s);       // "Rellenar Color (MACIZO)"
void rellenar_tramado(Sesion& s);      // "Rellenar Color (TRAMADO)"
void rellenar_hasta_blanco(Sesion& s); // "Rellena Color (hasta BLANCO)"

}  // namespace pc
