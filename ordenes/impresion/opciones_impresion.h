// Las órdenes de la ventana de opciones de impresión y del submenú "Exportar BMP":
// imprimir, pedir el detalle, la impresión troceada, la imagen de la impresión, su
// grabación y la exportación troceada en ficheros BMP. `carpeta` es la del programa.
#pragma once
#include <string>

#include <vector>

#include "ordenes/sesion/sesion.h"
#include "print/trabajo.h"

namespace pc {

// "Imprimir" de la ventana (ya cerrada): deshabilita el botón, deja que se repinte la
// pantalla e imprime, troceado si "Imprimir Pto CRUZ TROCEADO" está marcado.
void imprimir_desde_opciones(Sesion& s, const std::string& carpeta);
// Lo que imprimiría "Imprimir", sin imprimir ni preguntar nada: un trabajo en papel (o en la
// imagen, con "Generar BMP de la Impresión"), o uno en papel por trozo (del tamaño guardado)
// con "Imprimir Pto CRUZ TROCEADO". No cambia la zona.
std::vector<TrabajoImpresion> trabajos_vista_previa(Sesion& s, const std::string& carpeta);
// Clic en "Imprimir DETALLE" (la casilla ya cambiada): pide la zona si queda marcada y no se
// imprime troceado.
void imprimir_detalle(Sesion& s);
// Impresión troceada: pide el tamaño de los trozos e imprime cada uno con su diálogo.
void imprimir_troceado(Sesion& s, const std::string& carpeta);

void generar_bmp_impresion(Sesion& s);  // "Generar BMP de la Impresión"
void ver_bmp_exportado(Sesion& s);      // "Ver BMP Exportado"
void grabar_bmp_impreso(Sesion& s);     // "Grabar BMP impreso"
// "Generar BMP Troceado (60x60)": pide la carpeta y escribe 1.bmp, 2.bmp...
void exportar_bmp_troceado(Sesion& s, const std::string& carpeta);
// Lo mismo en una carpeta ya elegida, sin mensajes; devuelve cuántos ficheros escribió.
int exportar_trozos_en(Sesion& s, const std::string& carpeta, const std::string& destino);

// Graba la imagen de la impresión en ese fichero BMP, de forma atómica.
void grabar_bmp_en(Sesion& s, const std::string& fichero);

}  // namespace pc
