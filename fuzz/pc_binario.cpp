// Lector del fichero de patrón binario: o rechaza el fichero con su mensaje, o deja un tapiz de
// 1..700 × 1..700 con colores válidos, sin escribir fuera de él.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/errores.h"
#include "files/fichero_pc.h"
#include "fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    static fuzz::Banco banco;
    banco.preparar();
    Estado& e = banco.e();
    bool leido = true;
    try {
        leer_pc_binario(e, std::string_view(reinterpret_cast<const char*>(datos), n));
    } catch (const Error& err) {
        leido = false;
        fuzz::exigir(*err.what() != '\0', "error sin mensaje");
    }
    const int alto = banco.tamano(e.alto, "alto");
    const int ancho = banco.tamano(e.ancho, "ancho");
    if (leido) fuzz::exigir(ancho > 0 && alto > 0, "lectura correcta sin tamaño");
    banco.comprobar_y_limpiar(ancho, alto, fuzz::punto_sin_perfil_valido);
    return 0;
}
