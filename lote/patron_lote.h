// Lectura y escritura del tapiz de las subórdenes que trabajan sobre un fichero de patrón:
// .pci y .oxs por la extensión, cualquier otro como fichero de patrón binario.
#pragma once
#include <sstream>
#include <string>

#include "lote/lote.h"

namespace pc::lote {

// Carga el fichero en el entorno (un .pci o un .oxs por su extensión; si no, un fichero de
// patrón en el formato dado); false (con el motivo ya escrito en stderr) si no se pudo.
bool cargar_patron(Entorno& ent, const std::string& ruta, int formato = 5);
// Graba el tapiz del entorno: .pci y .oxs (con ese título) por la extensión, cualquier otra
// como fichero de patrón binario (avisando en stderr del perfilado que se pierde); false si no
// se pudo.
bool grabar_patron(Entorno& ent, const std::string& ruta, const std::string& titulo = "");

// Recoge todo lo que una orden escribe en Memo1 y en los mensajes, para escribir después sólo
// lo que interesa: las líneas de cambios y el recuento final.
struct Captura {
    explicit Captura(Entorno& ent);
    std::ostringstream memo, mensajes;
    // Escribe en stdout las líneas de cambios (" cambiar por ") y después
    // "Cambios recomendados: " con su número; los demás mensajes de la orden van a stderr.
    void escribir_cambios() const;
};

}  // namespace pc::lote
