// puntocruz-lote fidelidad IMAGEN PATRON: cuánto se parece el tapiz a la imagen, en una línea.
#include <cstdio>

#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "pattern/fidelidad.h"
#include "ordenes/patron/generar.h"

namespace pc::lote {

namespace {

int ejecutar_fidelidad(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {}, {});
    if (op.sueltos.size() != 2) throw ErrorUso("Indica la imagen y el fichero de patrón.");
    if (!existe_entrada(op.sueltos[0]) || !existe_entrada(op.sueltos[1])) return 1;
    Entorno ent;
    ent.dialogos.ficheros.push_back(op.sueltos[0]);
    if (!ent.ejecutar([&] { abrir_imagen(ent.sesion); })) return 1;
    if (!cargar_patron(ent, op.sueltos[1])) return 1;
    Fidelidad f;
    if (!ent.ejecutar([&] { f = medir_fidelidad(*ent.estado, ent.imagen, ancho_tapiz(*ent.estado), alto_tapiz(*ent.estado)); }))
        return 1;
    std::printf("dE00_media=%.2f dE00_p95=%.2f confeti=%.3f colores=%d\n", f.media, f.p95, f.confeti, f.colores);
    return 0;
}

const bool registrado = registrar({
    "fidelidad",
    "  puntocruz-lote fidelidad IMAGEN PATRON\n"
    "      Mide cuánto se parece el tapiz a la imagen: diferencia CIEDE2000 media y del\n"
    "      percentil 95 entre cada punto y la media de los píxeles de su celda, proporción\n"
    "      de puntos sueltos y número de colores, en una línea.",
    ejecutar_fidelidad,
});

}  // namespace

}  // namespace pc::lote
