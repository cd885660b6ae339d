// Los textos de la leyenda impresa: el número del hilo de cada color, el hilo equivalente
// de la otra marca según la tabla de equivalencias y los nombres de los hilos especiales.
#pragma once
#include <string>
#include <tuple>
#include <string_view>
#include <unordered_map>
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

// El último hilo de la tabla (activo o no) con ese color, o nullptr si no hay.
const Hilo* hilo_de_color(const TablaHilos& hilos, Color c);
// Su número, o "Desconocido".
std::string numero_hilo_leyenda(const TablaHilos& hilos, Color c);

// La tabla de equivalencias vista desde `marca`: el número de la marca lleva al de la otra. Cada
// línea recortada es "DMC ANCHOR" (partida en su primer blanco; sin blanco no cuenta); con marca
// "DMC" se busca el número en la primera palabra de cada línea y con otra, en el resto. Si un
// número sale varias veces, vale la última línea. Las vistas apuntan a `equivalencias`.
using TablaEquivalencias = std::unordered_map<std::string_view, std::string_view>;
TablaEquivalencias tabla_equivalencias(const std::vector<std::string>& equivalencias, const std::string& marca);
// El hilo equivalente de `numero` en la tabla, o "Desconocido".
std::string equivalente_en(const TablaEquivalencias& tabla, const std::string& numero);
// Lo mismo partiendo la tabla para un solo número.
std::string equivalente_leyenda(const std::vector<std::string>& equivalencias, const std::string& marca,
                                const std::string& numero);
// "-1" es "B5200", "-2" es "Blanco" y "-3" es "Ecru"; los demás quedan igual.
std::string nombre_especial(const std::string& numero);

// Orden de la leyenda del cuadernillo: B5200, Blanco y Ecru; los demás hilos por número; los
// colores que no son hilos del catálogo al final, por su valor.
using OrdenLeyenda = std::tuple<int, long, Color>;
OrdenLeyenda orden_leyenda(const Hilo* h, Color c);

// Los números de un color en la leyenda del cuadernillo: el del hilo del catálogo elegido (o
// "R,G,B") y su equivalente en la otra marca (o el hilo de la otra marca con ese color, o
// "Desconocido"). La tabla de equivalencias se parte una vez.
class NumerosLeyenda {
public:
    NumerosLeyenda(const TablaHilos& catalogo, const TablaHilos& otro, const std::vector<std::string>& equivalencias,
                   const std::string& marca);
    // Pone los dos textos y devuelve el orden del color en la leyenda.
    OrdenLeyenda operator()(Color c, std::string& numero, std::string& equivalente) const;

private:
    const TablaHilos& catalogo_;
    const TablaHilos& otro_;
    TablaEquivalencias tabla_;
};

// Las filas de la leyenda para los colores 1..total de paleta_imp.
std::vector<EntradaLeyenda> entradas_leyenda(const TablaHilos& paleta_imp, const TablaHilos& hilos,
                                             const std::string& marca,
                                             const std::vector<std::string>& equivalencias);

}  // namespace pc
