// Órdenes del fichero de intercambio Open Cross Stitch (.oxs): importar y exportar.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"

namespace pc {

// true si la ruta termina en ".oxs" (sin distinguir mayúsculas).
bool es_oxs(const std::string& fichero);

// Importa un fichero OXS en el diseño y dice si se leyó. Si no se puede leer, avisa
// ("ERROR: Formato no reconocido" y, en otra línea, el porqué; o sólo el porqué si el fichero
// no se pudo abrir o leer) y el diseño abierto se queda
// como estaba. Lo que el tapiz no puede mostrar se omite y se cuenta en un mensaje; la paleta
// del fichero (marca, número y RGB de cada color) se lista en el panel de texto del visor.
bool cargar_oxs(Sesion& s, const std::string& fichero);
void importar_oxs(Sesion& s);  // "Importar OXS..."

// Escribe el tapiz como OXS en esa ruta, con los hilos nombrados por el catálogo activo; sin
// título, el del gráfico es el nombre del fichero sin la extensión.
void exportar_oxs_en(Sesion& s, const std::string& fichero, const std::string& titulo = "");
void exportar_oxs(Sesion& s);  // "Exportar OXS..."

}  // namespace pc
