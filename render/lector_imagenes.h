// El lector de imágenes de Qt con los límites del programa: fotos de hasta 100 megapíxeles
// (files/medidas_imagen.h) de cualquier profundidad de color, y sin las líneas de registro
// propias de Qt ("qt.gui.imageio: …") en la terminal: el usuario sólo ve el mensaje del programa.
#pragma once
#include <QImage>
#include <cstddef>
#include <string>

#include "files/medidas_imagen.h"

namespace pc {

// Mayor fichero de imagen que se lee: un BMP de 100 megapíxeles a 32 bits y algo más.
inline constexpr std::size_t kMaxBytesImagen = std::size_t{512} << 20;

// Fija (una vez) el límite de memoria del lector de Qt y calla su categoría de registro.
void preparar_lector_imagenes();

// Decodifica los bytes de un fichero de imagen. Lanza ErrorFormato con un mensaje en castellano
// si la imagen pasa de 100 megapíxeles o no se puede leer; lo que Qt diga mientras tanto no sale.
// La memoria que se permite reservar al lector es la que pide la profundidad real de la imagen
// (una foto PNG de 16 bits por canal ocupa 8 bytes por píxel).
QImage decodificar_imagen(const std::string& bytes, const std::string& fichero);

}  // namespace pc
