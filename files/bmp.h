// Comprobación de la cabecera de un fichero BMP antes de confiarlo al lector de imágenes.
#pragma once
#include <string>

namespace pc {

// Si los bytes empiezan como un BMP, comprueba que la cabecera es coherente y que el
// fichero contiene todos los datos que promete; si no, lanza ErrorFormato con un mensaje
// claro. Otros formatos (PNG, JPEG...) no se comprueban aquí.
void comprobar_bmp(const std::string& bytes, const std::string& fichero);

}  // namespace pc
