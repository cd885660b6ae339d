// Lectura y escritura de ficheros enteros. Las escrituras son atómicas: se escribe un
// fichero temporal junto al destino y sólo se renombra sobre él cuando está completo.
#pragma once
#include <string>

namespace pc {

// Lee el fichero entero; lanza ErrorFichero("Cannot open file \"...\". motivo").
std::string leer_fichero(const std::string& ruta);

// Escribe el fichero de forma atómica; lanza ErrorFichero("Cannot create file \"...\". motivo")
// y deja intacto el fichero anterior si algo falla.
void escribir_fichero(const std::string& ruta, const std::string& bytes);

}  // namespace pc
