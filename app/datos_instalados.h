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

// La carpeta de datos del usuario: $XDG_DATA_HOME/puntocruz, o ~/.local/share/puntocruz si esa
// variable no está o no es una ruta absoluta. Ahí se graban dmc_aux.dat y las copias de
// recuperación (el programa instalado no puede escribir junto a su ejecutable). No la crea.
std::string carpeta_datos_usuario();

// Fichero que graba "Graba Paleta de Hilos DMC (dmc_aux.dat)" en la carpeta de datos del usuario.
inline constexpr const char* kFicheroDmcAux = "dmc_aux.dat";
// Carpeta donde buscar dmc_aux.dat para volver a leerlo: primero la de datos del usuario y
// después la del programa (donde lo dejaban las versiones anteriores); vacío si no está en
// ninguna.
std::string carpeta_dmc_aux(const std::string& carpeta_programa);

}  // namespace pc
