// Ejecución de la herramienta por lotes desde las pruebas.
#pragma once
#include <string>

namespace pc::prueba {

struct Resultado {
    int codigo = -1;          // código de salida
    std::string salida;       // stdout
    std::string errores;      // stderr
};

// Ejecuta "puntocruz-lote <argumentos>" (los argumentos ya entrecomillados si hace falta).
Resultado ejecutar_lote(const std::string& argumentos);

// Entrecomilla un argumento para la shell.
std::string comillas(const std::string& s);

}  // namespace pc::prueba
