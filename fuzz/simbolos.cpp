// Lector del fichero de símbolos: nunca pasa de 300 símbolos, el símbolo 0 ("ninguno") sigue
// vacío, cada aviso lleva texto, y el reparto de esos símbolos entre cualquier número de colores
// no sale de la tabla.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/texto.h"
#include "fuzz/comun.h"
#include "print/simbolos.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace pc;
    // Los dos primeros bytes son el número de colores del reparto; el resto, el fichero.
    int colores = 0;
    if (n >= 2) {
        colores = datos[0] | (datos[1] << 8);
        datos += 2;
        n -= 2;
    }
    int avisos = 0;
    TablaSimbolos t = leer_simbolos(decodificar(std::string_view(reinterpret_cast<const char*>(datos), n)),
                                    [&](const std::string& aviso) {
                                        fuzz::exigir(!aviso.empty(), "aviso vacío");
                                        ++avisos;
                                    });
    fuzz::exigir(t.total >= 0 && t.total <= kMaxSimbolos, "tabla de símbolos fuera de 0..300");
    fuzz::exigir(t.item[0] == Simbolo{}, "el símbolo 0 no está vacío");
    const bool faltan = asignar_simbolos(t, colores);
    fuzz::exigir(t.total >= 0 && t.total <= kMaxSimbolos, "reparto fuera de 0..300");
    fuzz::exigir(t.item[0] == Simbolo{}, "el reparto tocó el símbolo 0");
    (void)faltan;
    (void)avisos;
    return 0;
}
