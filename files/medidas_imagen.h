// La regla del tamaño de las imágenes de origen: hasta 100 megapíxeles, sea cual sea su
// formato (las fotos de los teléfonos actuales pasan holgadas). Se aplica con las medidas que
// declara la cabecera, antes de leer el fichero entero y antes de reservar memoria para los
// píxeles.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace pc {

inline constexpr long long kMaxPixelesImagen = 100'000'000;
// Bytes del principio del fichero que se miran para hallar las medidas (un JPEG puede llevar
// delante varios bloques de datos de la cámara de hasta 64 KB cada uno).
inline constexpr std::size_t kInicioImagen = std::size_t{1} << 20;

struct MedidasImagen {
    long long ancho = 0, alto = 0;
};

// Las medidas que declara la cabecera de un BMP, PNG, JPEG o GIF; nada si los bytes no son de
// esos formatos o la cabecera no llega a decirlas.
std::optional<MedidasImagen> medidas_imagen(std::string_view inicio);

// true si la imagen de esos lados (los de una cabecera, de hasta 32 bits) pasa de 100 megapíxeles.
bool pasa_del_maximo(long long ancho, long long alto);
// Lanza ErrorFormato ("La imagen es demasiado grande: N megapíxeles; el máximo es 100") si la
// imagen pasa de 100 megapíxeles. Los lados son los de una cabecera (de hasta 32 bits).
void comprobar_pixeles(long long ancho, long long alto);

// Mira el principio del fichero y aplica la regla si se saben sus medidas. Lanza ErrorLectura
// si el fichero no se puede abrir o no es un fichero normal (una tubería no se abre).
void comprobar_tamano_imagen(const std::string& ruta);

}  // namespace pc
