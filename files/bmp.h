// Comprobación de la cabecera de un fichero BMP antes de confiarlo al lector de imágenes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace pc {

// Si los bytes empiezan como un BMP, comprueba que la cabecera es coherente y que el
// fichero contiene todos los datos que promete; si no, lanza ErrorFormato con un mensaje
// claro. Otros formatos (PNG, JPEG...) no se comprueban aquí.
void comprobar_bmp(const std::string& bytes, const std::string& fichero);

// Lectura directa de los BMP sin compresión más corrientes: 24 bits, 32 bits con la cabecera
// de 40 bytes y 8 bits con paleta, de abajo arriba o de arriba abajo. Da los mismos píxeles
// que el lector de imágenes general, mucho más deprisa. Los bytes deben haber pasado
// comprobar_bmp.
struct BmpDirecto {
    int ancho = 0, alto = 0;
    unsigned bits = 0;
    bool de_arriba_abajo = false;
    std::size_t datos = 0;      // posición de la primera fila guardada
    std::size_t fila = 0;       // bytes por fila guardada, con el relleno
    std::size_t paleta = 0;     // posición de la paleta (8 bits)
    std::size_t colores = 0;    // entradas de la paleta (8 bits)
};
// Las medidas si el fichero es de uno de esos tipos; si no, nada (se lee por la vía general).
std::optional<BmpDirecto> bmp_directo(const std::string& bytes);
// Escribe las filas de arriba abajo como píxeles 0xFFRRGGBB; la fila y empieza en
// destino + y * paso (paso en píxeles). Devuelve false si un índice de la paleta se sale de
// ella (esos ficheros van por la vía general).
bool leer_bmp_directo(const std::string& bytes, const BmpDirecto& f, std::uint32_t* destino, std::ptrdiff_t paso);

}  // namespace pc
