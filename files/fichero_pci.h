// El fichero para imprimir (.pci): alto, ancho y un color por punto, todos enteros de 32 bits
// con signo en little-endian. No lleva perfiles ni compresión.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "app/estado.h"

namespace pc {

// Codifica los colores de relleno del tapiz de ancho × alto puntos.
std::string codificar_pci(const Estado& e, int ancho, int alto);

// Lectura por partes, para poder ajustar la rejilla entre la cabecera y los puntos.
// Lee alto y ancho (en este orden); lanza ErrorFormato si el fichero no tiene cabecera o si
// algún tamaño está fuera de 1..700.
void leer_cabecera_pci(std::string_view bytes, int& alto, int& ancho);
// Lee los colores de los puntos en orden de filas, con los cuatro perfiles a -1. Si el
// fichero se acaba antes (o un color no es válido), lanza ErrorFormato y deja guardados los
// puntos ya leídos. Los bytes que sobran tras el último punto no se leen.
void leer_puntos_pci(Estado& e, std::string_view bytes, int alto, int ancho);

}  // namespace pc
