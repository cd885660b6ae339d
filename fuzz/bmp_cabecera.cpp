// Comprobación de la cabecera BMP: o rechaza el fichero con su mensaje, o el fichero contiene
// todo lo que la cabecera promete (los datos de la imagen empiezan dentro del fichero).
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/errores.h"
#include "files/bmp.h"
#include "fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    const std::string bytes(reinterpret_cast<const char*>(datos), n);
    try {
        comprobar_bmp(bytes, "foto.bmp");
    } catch (const ErrorFormato& err) {
        fuzz::comprobar_rechazo_bmp(err, bytes);
        return 0;
    }
    if (n >= 2 && bytes[0] == 'B' && bytes[1] == 'M') {
        fuzz::exigir(n >= 18, "cabecera cortada aceptada");
        const std::uint32_t inicio = static_cast<std::uint32_t>(datos[10]) | static_cast<std::uint32_t>(datos[11]) << 8 |
                                     static_cast<std::uint32_t>(datos[12]) << 16 | static_cast<std::uint32_t>(datos[13]) << 24;
        fuzz::exigir(inicio < n, "los datos empiezan fuera del fichero");
    }
    return 0;
}
