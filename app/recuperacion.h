// Copias de recuperación: mientras un diseño tiene cambios sin grabar, el programa guarda una
// copia en la carpeta de datos del usuario (carpeta_recuperacion()) para ofrecerla al arrancar
// si el programa o la máquina se cayeron. Cada copia son tres ficheros con el mismo nombre al
// azar (12 letras minúsculas o cifras):
//   NOMBRE.oxs      el patrón en OXS, con el perfilado y todas las puntadas (las copias de
//                   versiones anteriores son NOMBRE.pc, en el formato binario, y se siguen
//                   ofreciendo);
//   NOMBRE.txt      un texto corto con el fichero original, la hora de la copia y la imagen;
//   NOMBRE.cerrojo  el cerrojo (flock) que tiene tomado el programa dueño de la copia mientras
//                   vive: el sistema lo suelta al morir el proceso, incluso con kill -9.
// Dos programas abiertos a la vez tienen cada uno la suya y nunca tocan la del otro; una copia
// cuyo cerrojo no tiene nadie es de un programa que ya no está (abandonada).
#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ficheros.h"

namespace pc {

// Lo que acompaña a la copia.
struct DatosRecuperacion {
    std::string original;   // fichero de patrón abierto o grabado (vacío si nunca lo hubo)
    std::int64_t hora = 0;  // segundos desde 1970 (UTC) de la copia
    std::string imagen;     // imagen de origen del visor (vacío si no había)
    bool operator==(const DatosRecuperacion&) const = default;
};

// El texto de NOMBRE.txt: una línea de cabecera y una línea "clave=valor" por dato, con las
// rutas escapadas (\\, \n y \r) para que cualquier nombre de fichero quepa en una línea.
std::string texto_recuperacion(const DatosRecuperacion& d);
// Lee ese texto; nada si no lo es (cabecera distinta, hora que no es un número, escape roto).
// Las claves que no conoce se saltan.
std::optional<DatosRecuperacion> leer_texto_recuperacion(std::string_view texto);

// La carpeta de las copias: carpeta_datos_usuario() + "/recuperacion".
std::string carpeta_recuperacion();

class CopiaRecuperacion {
public:
    // Una copia nueva de este programa, con su cerrojo tomado; crea la carpeta (sólo para el
    // usuario) si falta. Lanza ErrorFichero si no puede.
    static std::unique_ptr<CopiaRecuperacion> nueva(const std::string& carpeta);
    // Las copias abandonadas de la carpeta, de la más reciente a la más antigua, con su cerrojo
    // ya tomado por este programa (otro que arranque a la vez no ofrecerá las mismas). Una cuyo
    // texto falta o no se entiende se ofrece igual, con la hora de su patrón. Los restos sin
    // patrón se borran.
    static std::vector<std::unique_ptr<CopiaRecuperacion>> abandonadas(const std::string& carpeta);

    ~CopiaRecuperacion();  // suelta el cerrojo; no borra nada
    CopiaRecuperacion(const CopiaRecuperacion&) = delete;
    CopiaRecuperacion& operator=(const CopiaRecuperacion&) = delete;

    const DatosRecuperacion& datos() const { return datos_; }
    // El patrón de la copia: el .oxs, o el .pc de una copia antigua si sólo está ése.
    std::string ruta_patron() const;
    // Graba el patrón y después el texto por la vía de grabación atómica. Lanza ErrorFichero.
    void grabar(std::string_view patron, const DatosRecuperacion& d);
    // Borra el patrón, el texto y el cerrojo.
    void borrar();

private:
    CopiaRecuperacion(std::string base, Descriptor cerrojo) : base_(std::move(base)), cerrojo_(std::move(cerrojo)) {}
    std::string base_;  // carpeta/NOMBRE
    Descriptor cerrojo_;
    DatosRecuperacion datos_;
};

}  // namespace pc
