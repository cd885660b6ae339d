// puntocruz-lote convertir ENTRADA SALIDA: lee un fichero de patrón (.pc binario, de texto
// ver 1.2 o viejo), para imprimir (.pci) o de intercambio (.oxs) y lo escribe en el formato
// que dice la extensión de la salida.
#include <iostream>

#include "files/fichero_pc.h"
#include "lote/escrito.h"
#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/ficheros/oxs.h"

namespace pc::lote {

namespace {

int ejecutar_convertir(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"--formato", "--catalogo", "--titulo"}, {});
    if (op.sueltos.size() != 2) throw ErrorUso("Indica el fichero de entrada y el de salida.");
    int formato = kFormatoBinario;
    if (auto f = op.valor("--formato")) {
        formato = entero_opcion("--formato", *f, 1, 5);
        if (formato != kFormatoViejo && formato != kFormatoVer12 && formato != kFormatoBinario)
            throw ErrorUso("Valor incorrecto para --formato: '" + *f + "' (debe ser 1, 3 o 5).");
    }
    const std::string& entrada = op.sueltos[0];
    const std::string& salida = op.sueltos[1];
    // Una extensión desconocida no se escribe como .pc con otro nombre: se rechaza.
    if (!acaba_en(salida, ".pc") && !es_pci(salida) && !es_oxs(salida))
        throw ErrorUso("No se sabe en qué formato escribir " + salida + ": la salida debe acabar en .pc, .pci u .oxs.");
    const std::string catalogo = catalogo_opcion(op.valor("--catalogo").value_or("DMC"));

    Entorno ent;
    if (!ent.usar_catalogo(catalogo) || !cargar_patron(ent, entrada, formato)) return 1;
    // Un diseño con más colores de los que caben en su paleta no se escribe a medias.
    if (const int colores = colores_del_tapiz(*ent.estado, true); colores > kMaxHilos) {
        std::cerr << "El patrón tiene " << colores << " colores; un patrón admite " << kMaxHilos
                  << ". Reduce los colores antes de convertirlo.\n";
        return 1;
    }
    if (!grabar_patron(ent, salida, op.valor("--titulo").value_or(""))) return 1;
    anunciar_escrito(*ent.estado, salida, es_oxs(salida));
    return 0;
}

const bool registrado = registrar({
    "convertir",
    "  puntocruz-lote convertir ENTRADA SALIDA [--formato 1|3|5] [--catalogo DMC|ANCHOR] [--titulo TEXTO]\n"
    "      Lee ENTRADA como fichero de patrón (5: binario, por defecto; 3: texto ver 1.2;\n"
    "      1: texto viejo) o, si acaba en .pci u .oxs, como fichero para imprimir o de\n"
    "      intercambio Open Cross Stitch, y escribe SALIDA en el formato de su extensión:\n"
    "      .pc, .pci u .oxs (otra extensión se rechaza). Sólo el .oxs guarda el perfilado (al\n"
    "      escribir un .pc que lo pierde se avisa), con los hilos nombrados por el catálogo de\n"
    "      --catalogo y el título de --titulo (por defecto, el nombre de SALIDA).",
    ejecutar_convertir,
});

}  // namespace

}  // namespace pc::lote
