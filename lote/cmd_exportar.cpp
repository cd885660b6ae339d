// puntocruz-lote exportar ENTRADA -o SALIDA [opciones]: la impresión del tapiz como imagen BMP
// (la de "Generar BMP de la Impresión" y "Grabar BMP impreso"), como PDF (la impresión en
// papel A4) o, con --trozos, como los ficheros 1.bmp, 2.bmp... de 60 x 60 puntos.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <system_error>
#include <vector>
#include <memory>

#include "lote/escrito.h"
#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/impresion/imprimir.h"
#include "ordenes/impresion/opciones_impresion.h"
#include "print/maqueta.h"

namespace pc::lote {

namespace {

int ejecutar_exportar(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"-o", "--aclarar", "--escala", "--zona", "--comentario", "--catalogo"},
                                      {"--simbolos", "--sin-rejilla", "--sin-colores", "--sin-leyenda", "--trozos"});
    if (op.sueltos.size() != 1) throw ErrorUso("Indica el fichero de entrada.");
    const auto salida = op.valor("-o");
    if (!salida || salida->empty()) throw ErrorUso("Indica la salida con -o.");
    const bool trozos = op.tiene("--trozos");
    const bool pdf = !trozos && acaba_en(*salida, ".pdf");
    if (!trozos && !pdf && !acaba_en(*salida, ".bmp"))
        throw ErrorUso("La salida debe acabar en .bmp o en .pdf (o ser una carpeta con --trozos).");
    if (trozos && op.tiene("--zona")) throw ErrorUso("--zona no se puede usar con --trozos.");

    Entorno ent;
    Estado& e = *ent.estado;
    OpcionesImpresion& im = e.impresion;
    im.simbolos = op.tiene("--simbolos");
    im.rejilla = !op.tiene("--sin-rejilla");
    im.colores = !op.tiene("--sin-colores");
    im.leyenda = !op.tiene("--sin-leyenda");
    if (auto a = op.valor("--aclarar")) im.aclara = std::to_string(entero_opcion("--aclarar", *a, -255, 255));
    if (auto esc = op.valor("--escala")) {
        const auto v = lista_enteros("--escala", *esc, 2, 1, 1000);
        im.escala_x = std::to_string(v[0]);
        im.escala_y = std::to_string(v[1]);
    }
    if (auto c = op.valor("--comentario")) im.comentario = *c;
    const std::vector<int> zona = opcion_zona(op);
    const std::string catalogo = catalogo_opcion(op.valor("--catalogo").value_or("DMC"));

    const auto app = aplicacion_qt();
    const std::string carpeta = QCoreApplication::applicationDirPath().toStdString();
    if (!cargar_patron(ent, op.sueltos[0])) return 1;
    // La leyenda nombra los hilos con el catálogo del tapiz.
    if (!ent.usar_catalogo(catalogo)) return 1;
    e.fichero_abierto = op.sueltos[0];
    if (!zona.empty()) {
        im.detalle = true;
        poner_zona(e, zona);
    }
    Sesion& s = ent.sesion;
    if (trozos) {
        // Un tapiz de una sola fila o columna no da ningún trozo: no se escribe nada.
        if (trozos_bmp(ancho_tapiz(e), alto_tapiz(e)).empty()) {
            std::cerr << "Ningún trozo de " << kTrozoBmp << " x " << kTrozoBmp << " cabe en un tapiz de " << e.ancho
                      << " x " << e.alto
                      << " puntos (hacen falta 2 columnas y 2 filas como mínimo); no se ha escrito nada.\n";
            return 1;
        }
        // Las carpetas que faltan se crean; si la exportación falla, las que se crearon y
        // siguen vacías se quitan (no queda una carpeta vacía de una orden fallida).
        std::vector<std::filesystem::path> creadas;
        std::error_code ec;
        for (std::filesystem::path p = std::filesystem::absolute(*salida, ec); !p.empty() && !std::filesystem::exists(p, ec);
             p = p.parent_path()) {
            creadas.push_back(p);
            if (p == p.parent_path()) break;
        }
        if (!QDir().mkpath(QString::fromStdString(*salida))) {
            std::cerr << "No se puede crear la carpeta \"" << *salida << "\".\n";
            return 1;
        }
        if (!ent.ejecutar([&] {
                generar_bmp_impresion(s);
                exportar_trozos_en(s, carpeta, *salida);
            })) {
            for (const auto& c : creadas) std::filesystem::remove(c, ec);
            return 1;
        }
        anunciar_escrito(s.e, *salida, true);
        return 0;
    }
    if (pdf) {
        ent.dialogos.ficheros = {*salida};
        if (!ent.ejecutar([&] { imprimir(s, carpeta); })) return 1;
    } else {
        if (!ent.ejecutar([&] {
                generar_bmp_impresion(s);
                imprimir(s, carpeta);
                grabar_bmp_en(s, *salida);
            }))
            return 1;
    }
    anunciar_escrito(s.e, *salida, true);
    return 0;
}

const bool registrado = registrar({
    "exportar",
    "  puntocruz-lote exportar ENTRADA -o SALIDA [--simbolos] [--sin-rejilla] [--sin-colores]\n"
    "                          [--sin-leyenda] [--aclarar N] [--escala X,Y]\n"
    "                          [--zona X1,Y1,X2,Y2] [--comentario TEXTO] [--trozos]\n"
    "                          [--catalogo DMC|ANCHOR]\n"
    "      Imprime el tapiz de ENTRADA: SALIDA.bmp es la imagen de 1200 x 1200 de \"Generar BMP\n"
    "      de la Impresión\"; SALIDA.pdf, las páginas A4 de la impresión en papel (el tapiz y,\n"
    "      con --simbolos, la leyenda). Con --trozos, SALIDA es una carpeta y se escriben en\n"
    "      ella 1.bmp, 2.bmp... de 60 x 60 puntos. --zona imprime sólo esa zona; --escala es\n"
    "      el porcentaje del ancho y del alto de la página; --catalogo, el de los hilos del\n"
    "      tapiz, que nombra la leyenda (DMC si no se dice).",
    ejecutar_exportar,
});

}  // namespace

}  // namespace pc::lote
