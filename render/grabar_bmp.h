// Grabación de una imagen como BMP por el mismo camino atómico que los demás ficheros.
#pragma once
#include <QImage>
#include <string>

namespace pc {

// Codifica la imagen como BMP en memoria y la escribe con escribir_fichero; lanza ErrorFichero.
void grabar_bmp(const QImage& imagen, const std::string& ruta);

}  // namespace pc
