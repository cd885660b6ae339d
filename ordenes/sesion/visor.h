// Órdenes del visor de imagen: captura de color, hilo más próximo y área de captura.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

// Texto del panel 0 del visor para el píxel bajo el puntero: "R,G,B".
std::string texto_pixel(const Imagen& img, int X, int Y);
// Pulsación sobre la imagen en (X, Y): muestra 3 x 3, media del área, marcas y línea en Memo1.
void capturar_color(Sesion& s, int X, int Y);
// "Seleccionar Color de HILO más Proximo".
void seleccionar_hilo_mas_proximo(Sesion& s);
// "Cambiar Tamaño del área de Captura de Color".
void cambiar_area_captura(Sesion& s);
// "Marcar Zona de Captura de Color al pinchar".
void marcar_zona_captura(Sesion& s);

}  // namespace pc
