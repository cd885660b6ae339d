// El fichero de patrón (.pc): el formato binario actual, que se escribe y se lee, y los dos
// formatos de texto antiguos (versión 1.2 y formato viejo), que sólo se leen.
//
// Los lectores escriben directamente en la rejilla del estado, tanda a tanda: si el fichero
// falla a medias, los puntos ya guardados se quedan. Nunca escriben fuera del tapiz que
// declara el fichero (1..ancho × 1..alto, con ambos en 1..700) ni leen fuera de las N
// entradas de color que anuncia un fichero de texto.
#pragma once
#include <string>
#include <string_view>

#include "app/errores.h"
#include "app/estado.h"

namespace pc {

// Formatos de lectura del fichero de patrón.
inline constexpr int kFormatoViejo = 1;
inline constexpr int kFormatoVer12 = 3;
inline constexpr int kFormatoBinario = 5;

// Bytes de la etiqueta de versión y del bloque reservado del formato binario.
inline constexpr int kBytesEtiqueta = 15;
inline constexpr int kBytesReservados = 336;
inline constexpr int kBytesCabeceraPc = kBytesEtiqueta + kBytesReservados + 8;

// Un fichero binario de una versión anterior a la 1.5: no se lee.
class ErrorVersionPc : public ErrorFormato {
public:
    using ErrorFormato::ErrorFormato;
};

// Pinta de blanco el color de las 701 × 701 celdas de la rejilla (los perfiles no se tocan).
void blanquear_rejilla(Estado& e);

// Etiqueta de versión: los 15 primeros caracteres del texto en Windows-1252, rellenos de blancos.
std::string etiqueta_version(const std::string& version);

// Codifica el tapiz de ancho × alto puntos en el formato binario, con la etiqueta de e.version.
// Las tandas se cortan donde cambia cualquiera de los cinco valores de la celda.
std::string codificar_pc(const Estado& e, int ancho, int alto);
// Lo mismo desde una copia de las columnas 0..ancho de la rejilla (columnas[x][y]) y el texto
// de la versión: las copias de recuperación se codifican en otro hilo sin tocar el estado.
using ColumnaPuntos = std::array<Punto, kLadoRejilla>;
std::string codificar_pc(const ColumnaPuntos* columnas, const std::string& version, int ancho, int alto);

// Lectores. Ponen e.alto y e.ancho con el texto leído y guardan los puntos desde (1, 1) en
// orden de filas. Lanzan ErrorVersionPc si la versión es anterior a la 1.5 (sin tocar el
// tamaño) y ErrorFormato o ErrorConversion si el fichero no se puede interpretar.
void leer_pc_binario(Estado& e, std::string_view bytes);
void leer_pc_ver12(Estado& e, std::string_view bytes);
void leer_pc_viejo(Estado& e, std::string_view bytes);
// Elige el lector por el código de formato (1, 3 o 5); otro código es un ErrorFormato.
void leer_pc(Estado& e, std::string_view bytes, int formato);

}  // namespace pc
