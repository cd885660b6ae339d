// puntocruz-lote convertir ENTRADA SALIDA: lee un fichero de patrón (.pc binario, de texto
// ver 1.2 o viejo) o para imprimir (.pci) y lo escribe como .pc o .pci según la extensión.
#include <iostream>

#include "files/fichero_pc.h"
#include "lote/escrito.h"
#include "lote/lote.h"
#include "lote/patron_lote.h"

namespace pc::lote {

namespace {

int ejecutar_convertir(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"--formato"}, {});
    if (op.sueltos.size() != 2) throw ErrorUso("Indica el fichero de entrada y el de salida.");
    int formato = kFormatoBinario;
    if (auto f = op.valor("--formato")) {
        formato = entero_opcion("--formato", *f, 1, 5);
        if (formato != kFormatoViejo && formato != kFormatoVer12 && formato != kFormatoBinario)
            throw ErrorUso("Valor incorrecto para --formato: '" + *f + "' (debe ser 1, 3 o 5).");
    }
    const std::string& entrada = op.sueltos[0];
    const std::string& salida = op.sueltos[1];

    Entorno ent;
    if (!cargar_patron(ent, entrada, formato) || !grabar_patron(ent, salida)) return 1;
    anunciar_escrito(*ent.estado, salida);
    return 0;
}

const bool registrado = registrar({
    "convertir",
    "  puntocruz-lote convertir ENTRADA SALIDA [--formato 1|3|5]\n"
    "      Lee ENTRADA como fichero de patrón (5: binario, por defecto; 3: texto ver 1.2;\n"
    "      1: texto viejo) o, si acaba en .pci, como fichero para imprimir, y escribe SALIDA\n"
    "      como .pci si acaba así o si no como fichero de patrón binario.",
    ejecutar_convertir,
});

}  // namespace

}  // namespace pc::lote
