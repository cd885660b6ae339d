// Lector del fichero de impresión: la cabecera o se rechaza o da un tamaño de 1..700; los
// puntos se leen sin escribir fuera del tapiz y con colores válidos.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/errores.h"
#include "files/fichero_pci.h"
#include "fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    static fuzz::Banco banco;
    banco.preparar();
    Estado& e = banco.e();
    const std::string_view bytes(reinterpret_cast<const char*>(datos), n);
    int alto = 0, ancho = 0;
    try {
        leer_cabecera_pci(bytes, alto, ancho);
    } catch (const Error&) {
        fuzz::exigir(alto == 0 && ancho == 0, "cabecera rechazada que deja un tamaño");
        banco.comprobar_y_limpiar(0, 0, fuzz::punto_sin_perfil_valido);
        return 0;
    }
    fuzz::exigir(alto >= 1 && alto <= kMaxPuntos && ancho >= 1 && ancho <= kMaxPuntos, "tamaño fuera de 1..700");
    bool leido = true;
    try {
        leer_puntos_pci(e, bytes, alto, ancho);
    } catch (const Error&) {
        leido = false;
    }
    if (leido) fuzz::exigir(n >= 8 + 4 * static_cast<std::size_t>(alto) * ancho, "leído más de lo que hay");
    banco.comprobar_y_limpiar(ancho, alto, fuzz::punto_sin_perfil_valido);
    return 0;
}
