// Las medidas de la cabecera de un BMP, PNG, JPEG o GIF y la regla de los 100 megapíxeles:
// nunca se lee fuera de los bytes, las medidas no son negativas y la regla rechaza lo que pasa
// de 100 megapíxeles (y sólo eso) con su mensaje. Para un BMP, la comprobación de su cabecera
// decide lo mismo.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/errores.h"
#include "files/bmp.h"
#include "files/medidas_imagen.h"
#include "fuzz/comun.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    const std::string_view bytes(reinterpret_cast<const char*>(datos), n);
    const auto m = medidas_imagen(bytes);
    if (!m) return 0;
    fuzz::exigir(m->ancho >= 0 && m->alto >= 0, "medidas negativas");
    const bool grande = pasa_del_maximo(m->ancho, m->alto);
    try {
        comprobar_pixeles(m->ancho, m->alto);
        fuzz::exigir(!grande, "más de 100 megapíxeles aceptados");
    } catch (const ErrorFormato& err) {
        fuzz::exigir(grande, "rechazada sin pasar de 100 megapíxeles");
        fuzz::exigir(std::string(err.what()).rfind("La imagen es demasiado grande: ", 0) == 0, "otro mensaje");
    }
    if (bytes.starts_with("BM")) {
        try {
            comprobar_bmp(bytes, static_cast<std::int64_t>(n), "foto.bmp");
        } catch (const ErrorFormato& err) {
            if (std::string(err.what()).rfind("La imagen es demasiado grande: ", 0) == 0)
                fuzz::exigir(grande, "la cabecera BMP decide otra cosa que sus medidas");
        }
    }
    return 0;
}
