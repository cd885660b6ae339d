// Los textos de la leyenda impresa: el número del hilo de cada color, el hilo equivalente
// de la otra marca según la tabla de equivalencias y los nombres de los hilos especiales.
#pragma once
#include <string>
#include <vector>

#include "app/estado.h"

namespace pc {

// Títulos de la leyenda.
inline constexpr const char* kTituloLeyenda = "Equivalencias de Símbolos y Colores";
inline constexpr const char* kFraseEquivalencias =
    "Las equivalencias de colores entre DMC y ANCHOR son las publicadas por la casa ANCHOR y son APROXIMADAS.";
inline constexpr const char* kTituloTablaBmp = "Tabla de Símbolos";

// Una fila de la leyenda: el color y sus textos en papel y en la imagen.
struct EntradaLeyenda {
    Color color = 0;
    std::string texto_papel;  // " HILO DMC: 310  ANCHOR:403"
    std::string texto_bmp;    // "H. DMC: 310"
};

// Número del último hilo de la tabla (activo o no) con ese color, o "Desconocido".
std::string numero_hilo_leyenda(const TablaHilos& hilos, Color c);
// Hilo equivalente de la otra marca según las líneas de la tabla de equivalencias, o
// "Desconocido". Con marca "DMC" se busca el número en la primera palabra de cada línea; con
// otra, en el resto. Gana la última línea que coincide.
std::string equivalente_leyenda(const std::vector<std::string>& equivalencias, const std::string& marca,
                                const std::string& numero);
// "-1" es "B5200", "-2" es "Blanco" y "-3" es "Ecru"; los demás quedan igual.
std::string nombre_especial(const std::string& numero);

// Las filas de la leyenda para los colores 1..total de paleta_imp.
std::vector<EntradaLeyenda> entradas_leyenda(const TablaHilos& paleta_imp, const TablaHilos& hilos,
                                             const std::string& marca,
                                             const std::vector<std::string>& equivalencias);

}  // namespace pc
