// Dónde están los ficheros de datos del programa (la ayuda, el fichero de símbolos): junto al
// ejecutable, como en la carpeta de compilación, o en la carpeta de datos de la instalación
// (PREFIJO/share/puntocruz).
#pragma once
#include <string>

namespace pc {

// Ruta del fichero `nombre` para un programa que está en `carpeta_programa`: la primera que
// existe de carpeta_programa/nombre y carpeta_programa/../share/puntocruz/nombre (la
// instalación, con cualquier prefijo). Si no existe en ninguna, la de junto al programa (así
// el aviso de que falta nombra el sitio de siempre).
std::string buscar_dato(const std::string& carpeta_programa, const std::string& nombre);

}  // namespace pc
