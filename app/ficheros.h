// Lectura y escritura de ficheros enteros.
//
// Las lecturas comprueban lo que leen: una carpeta o un dispositivo no es un fichero, un fichero
// mayor que el máximo se rechaza antes de leerlo y un error de lectura se avisa (nunca se
// entrega un texto cortado).
//
// Las escrituras son atómicas: los bytes van a un fichero temporal de la misma carpeta que sólo
// se renombra sobre el destino cuando está completo y en el disco. Un enlace simbólico se sigue
// hasta su destino (salvo uno de otro usuario en una carpeta compartida como /tmp), el fichero
// conserva sus permisos y uno de sólo lectura no se reemplaza. Si junto al fichero no se puede
// crear el temporal (carpeta ajena) pero el fichero sí se puede escribir, se escribe en su sitio
// con su contenido anterior guardado en memoria, y se repone si la escritura falla.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "app/errores.h"

namespace pc {

// Mayor fichero de patrón, de impresión o de catálogo que se lee: 64 MB.
inline constexpr std::size_t kMaxBytesFichero = std::size_t{64} << 20;

// No se pudo abrir o leer un fichero. what() es el mensaje estándar ("Cannot open file "…". motivo")
// y aviso() la línea en castellano que se pone tras el mensaje de una carga fallida
// ("No se puede abrir el fichero "…": no existe").
class ErrorLectura : public ErrorFichero {
public:
    ErrorLectura(const std::string& mensaje, std::string aviso)
        : ErrorFichero(mensaje), aviso_(std::move(aviso)) {}
    const std::string& aviso() const { return aviso_; }

private:
    std::string aviso_;
};

// Lee el fichero entero; lanza ErrorLectura si no existe, no se puede abrir, no es un fichero
// normal, ocupa más de maximo bytes o falla la lectura.
std::string leer_fichero(const std::string& ruta, std::size_t maximo = kMaxBytesFichero);

// Descriptor de fichero que se cierra solo (-1: ninguno).
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor();
    Descriptor(Descriptor&& otro) noexcept : fd_(otro.soltar()) {}
    Descriptor& operator=(Descriptor&& otro) noexcept;
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Deja de ser suyo: devuelve el descriptor sin cerrarlo.
    int soltar() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    // Cierra y devuelve el error del cierre (0 si fue bien o no había nada abierto).
    int cerrar();
    // Lee hasta n bytes desde pos; devuelve cuántos leyó, menos que n si el fichero se acaba
    // antes o falla la lectura.
    std::size_t leer(std::size_t pos, char* destino, std::size_t n) const;

private:
    int fd_ = -1;
};

// Un fichero normal abierto para leer y los bytes que ocupaba al abrirlo.
struct FicheroNormal {
    Descriptor fd;
    std::size_t tam = 0;
};

// Abre para leer un fichero normal sin quedarse nunca esperando: mira primero qué es (una
// tubería con nombre o un dispositivo no se abre), lo abre sin bloqueo y después quita esa
// opción. Lanza ErrorLectura como leer_fichero.
FicheroNormal abrir_fichero_normal(const std::string& ruta);

// Escribe el fichero de forma atómica. Lanza ErrorFichero ("Cannot create file "…". motivo", o un
// mensaje en castellano si el destino es de sólo lectura o no es un fichero) y entonces deja
// intacto el fichero anterior y ningún temporal.
void escribir_fichero(const std::string& ruta, std::string_view bytes);

// "Cannot create file "…". motivo" con el texto del sistema para err.
[[noreturn]] void no_se_puede_crear(const std::string& ruta, int err);

// Nombres temporales de las escrituras: este prefijo y 12 letras minúsculas o cifras al azar.
// La limpieza de temporales abandonados sólo borra los nombres de esa forma exacta.
inline constexpr std::string_view kPrefijoTemporal = ".~puntocruz-";
inline constexpr std::size_t kLetrasTemporal = 12;

// kLetrasTemporal letras minúsculas o cifras al azar. Cada hilo con su propio azar.
std::string letras_al_azar();
// true si el nombre es exactamente de esa forma.
bool son_letras_al_azar(std::string_view nombre);

}  // namespace pc
