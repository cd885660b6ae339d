// Comprobación de la cabecera de un fichero BMP antes de confiarlo al lector de imágenes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pc {

// Si los bytes empiezan como un BMP, comprueba que la cabecera es coherente y que el
// fichero contiene todos los datos que promete; si no, lanza ErrorFormato con un mensaje
// claro. Otros formatos (PNG, JPEG...) no se comprueban aquí.
void comprobar_bmp(const std::string& bytes, const std::string& fichero);
// Lo mismo con sólo el principio del fichero (al menos 4 KB, o entero si es menor) y su tamaño.
void comprobar_bmp(std::string_view inicio, std::int64_t tamano, const std::string& fichero);

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
    std::uint32_t tabla[256] = {};  // la paleta como píxeles 0xFFRRGGBB
};
// Bytes del principio del fichero que bastan para bmp_directo y comprobar_bmp.
inline constexpr std::size_t kInicioBmp = 4096;
// Las medidas si el fichero es de uno de esos tipos; si no, nada (se lee por la vía general).
std::optional<BmpDirecto> bmp_directo(const std::string& bytes);
// Lo mismo con sólo el principio del fichero (kInicioBmp bytes, o entero) y su tamaño.
std::optional<BmpDirecto> bmp_directo(std::string_view inicio, std::size_t tamano);
// Una fila guardada (s) a píxeles (d); false si un índice se sale de la paleta.
bool decodificar_fila_bmp(const BmpDirecto& f, const unsigned char* s, std::uint32_t* d);
// Escribe las filas de arriba abajo como píxeles 0xFFRRGGBB; la fila y empieza en
// destino + y * paso (paso en píxeles). Devuelve false si un índice de la paleta se sale de
// ella (esos ficheros van por la vía general).
bool leer_bmp_directo(const std::string& bytes, const BmpDirecto& f, std::uint32_t* destino, std::ptrdiff_t paso);

// Dónde escribir los píxeles: la fila y empieza en pixeles + y * paso. Sin pixeles, no se lee.
struct DestinoBmp {
    std::uint32_t* pixeles = nullptr;
    std::ptrdiff_t paso = 0;
};
// Lee el fichero por la vía directa, a trozos y sin cargarlo entero: comprueba la cabecera
// (ErrorFormato como comprobar_bmp), pide el destino para esas medidas y lee las filas.
// Devuelve false, sin lanzar, si el fichero no se puede abrir, no es de esos tipos o no se
// pudo leer entero: entonces lo lee la vía general, que da el resultado o el error.
bool leer_bmp_fichero(const std::string& ruta, const std::function<DestinoBmp(const BmpDirecto&)>& destino);
// Lo mismo desde una fuente cualquiera de tam bytes: leer(pos, destino, n) copia n bytes desde
// pos y da false si no puede; las filas se leen en paralelo, así que leer se llama a la vez
// desde varios hilos. nombre es el que sale en los mensajes de error.
using LeerTrozoBmp = std::function<bool(std::size_t pos, char* destino, std::size_t n)>;
bool leer_bmp_trozos(std::size_t tam, const LeerTrozoBmp& leer, const std::string& nombre,
                     const std::function<DestinoBmp(const BmpDirecto&)>& destino);
// Lo mismo con el fichero entero ya en memoria.
bool leer_bmp_memoria(std::string_view bytes, const std::string& nombre,
                      const std::function<DestinoBmp(const BmpDirecto&)>& destino);

}  // namespace pc
