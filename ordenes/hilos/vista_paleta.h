// Órdenes de la vista de la paleta de hilos: verla (todo el tapiz o la zona), el ratón sobre
// ella, las elecciones de su menú emergente, desactivar y bloquear hilos (también desde el
// lienzo del patrón) y la lista de los bloqueados.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

// Reconstruye la paleta del tapiz (o de la zona), dibuja la vista y la deja visible.
void dibujar_paleta(Sesion& s, bool en_zona);
void ver_paleta_hilos(Sesion& s);  // "Ver paleta ACTIVA de Hilos" y "Ver Paleta Hilos"
void ver_paleta_zona(Sesion& s);   // "Ver Paleta Hilos Zona Delimitada"

// Movimiento sobre la vista: el panel 0 nombra el hilo más próximo al píxel de color c.
void raton_movido_paleta(Sesion& s, Color c);
// Pulsación sobre la vista: el botón derecho guarda la posición para el menú emergente.
void raton_pulsado_paleta(Sesion& s, bool derecho, int X, int Y);

// Menú emergente de la vista: actúan sobre el hilo más próximo al píxel pulsado.
void seleccionar_color_paleta(Sesion& s);  // "Seleccionar Color"
void copiar_origen_paleta(Sesion& s);      // "Copiar RGB a color ORIGEN"
void copiar_destino_paleta(Sesion& s);     // "Copiar RGB a color DESTINO"
void desactivar_color_paleta(Sesion& s);   // "Desactivar Color"
void bloquear_color_paleta(Sesion& s);     // "Bloquear Color"
// Menú emergente del patrón: actúan sobre el hilo del punto pulsado.
void desactivar_color_lienzo(Sesion& s);   // "Desactivar Color"
void bloquear_color_lienzo(Sesion& s);     // "Bloquear Color"

void muestra_hilos_bloqueados(Sesion& s);  // "Muestra Hilos Bloqueados"
void borra_hilos_bloqueados(Sesion& s);    // "Borra lista hilos Bloqueados"

}  // namespace pc
