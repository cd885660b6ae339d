// Formato de texto de los catálogos de hilos y su lectura en una tabla.
#pragma once
#include <array>
#include <string>
#include <vector>

#include "app/estado.h"

namespace pc {

// Lee las líneas de un catálogo en destino (lo vacía antes). Los títulos de las columnas
// 1..19 que encuentre se escriben en titulos. Una línea con un número mal escrito detiene la
// lectura con ErrorConversion; las entradas anteriores se quedan.
void leer_catalogo(const std::vector<std::string>& lineas, TablaHilos& destino,
                   std::array<std::string, kColumnasCatalogo + 1>& titulos);

}  // namespace pc
