// puntocruz-lote hilo R,G,B: el hilo más próximo a un color.
#include <iostream>

#include "app/texto.h"
#include "lote/lote.h"
#include "threads/emparejar.h"
#include "ordenes/hilos/catalogo.h"

namespace pc::lote {

namespace {

// "R,G,B" con tres componentes de 0 a 255.
Color leer_color(const std::string& texto) {
    std::vector<std::string> partes;
    std::size_t inicio = 0;
    for (;;) {
        const std::size_t coma = texto.find(',', inicio);
        partes.push_back(texto.substr(inicio, coma == std::string::npos ? std::string::npos : coma - inicio));
        if (coma == std::string::npos) break;
        inicio = coma + 1;
    }
    if (partes.size() != 3)
        throw ErrorUso("Color incorrecto: '" + texto + "' (debe ser R,G,B con tres números de 0 a 255).");
    static const char* const kNombres[3] = {"el rojo", "el verde", "el azul"};
    int v[3];
    for (int k = 0; k < 3; ++k) {
        if (!leer_entero(partes[static_cast<std::size_t>(k)], v[k]) || v[k] < 0 || v[k] > 255)
            throw ErrorUso("Color incorrecto: '" + texto + "': " + kNombres[k] +
                           " debe ser un número entero de 0 a 255.");
    }
    return rgb(v[0], v[1], v[2]);
}

int ejecutar_hilo(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"--metodo", "--catalogo"}, {});
    if (op.sueltos.size() != 1) throw ErrorUso("Indica un color R,G,B.");
    const Color c = leer_color(op.sueltos[0]);
    Entorno ent;
    Estado& e = *ent.estado;
    leer_metodo(op, e);
    if (auto cat = op.valor("--catalogo"))
        if (!ent.usar_catalogo(catalogo_opcion(*cat))) return 1;
    const Color h = hilo_mas_proximo(c, e.hilos, e.metodo_color);
    std::cout << nombre_hilo(e, h) << ' ' << texto_rgb(h) << '\n';
    return 0;
}

const bool registrado = registrar({
    "hilo",
    "  puntocruz-lote hilo R,G,B [--metodo 1|2] [--catalogo DMC|ANCHOR]\n"
    "      Escribe el hilo activo más próximo al color y su R,G,B (método 1: luminosidad\n"
    "      absoluta, 2: gama de color; catálogo DMC si no se indica).",
    ejecutar_hilo,
});

}  // namespace

}  // namespace pc::lote
