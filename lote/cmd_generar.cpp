// puntocruz-lote generar IMAGEN -o SALIDA: el tapiz de una imagen, como las órdenes de
// abrir la imagen, fijar el tamaño y generar de la ventana.
#include "ordenes/ficheros/ficheros_patron.h"
#include "lote/escrito.h"
#include "lote/lote.h"
#include "lote/patron_lote.h"
#include <climits>

#include "app/texto.h"
#include "ordenes/patron/desde_imagen.h"
#include "ordenes/patron/fiel.h"
#include "ordenes/patron/generar.h"
#include "ordenes/patron/paleta.h"

namespace pc::lote {

namespace {

int ejecutar_generar(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(args, {"-o", "--ancho", "--alto", "--metodo", "--colores", "--diferencia", "--limpieza", "--recorte",
                                       "--catalogo"},
                                      {"--interpolado", "--automatizado", "--fiel"});
    if (op.sueltos.size() != 1) throw ErrorUso("Indica una sola imagen de origen.");
    const auto salida = op.valor("-o");
    if (!salida || salida->empty()) throw ErrorUso("Falta el fichero de salida (-o SALIDA).");
    const bool automatizado = op.tiene("--automatizado");
    const bool interpolado = op.tiene("--interpolado");
    if (automatizado && interpolado)
        throw ErrorUso("--interpolado no se puede usar con --automatizado (que genera sin interpolar).");
    const bool fiel = op.tiene("--fiel");
    if (fiel && (automatizado || interpolado))
        throw ErrorUso("--fiel no se puede usar con --automatizado ni con --interpolado.");
    if (fiel && (op.tiene("--diferencia") || op.tiene("--metodo")))
        throw ErrorUso("--diferencia y --metodo no sirven con --fiel (que compara los colores por CIEDE2000).");
    if (!fiel && op.tiene("--limpieza")) throw ErrorUso("--limpieza sólo sirve con --fiel.");
    if (!automatizado && !fiel && (op.tiene("--colores") || op.tiene("--diferencia")))
        throw ErrorUso("--colores y --diferencia sólo sirven con --automatizado (y --colores con --fiel).");
    if (automatizado && (op.tiene("--recorte") || op.tiene("--catalogo")))
        throw ErrorUso("--recorte y --catalogo no sirven con --automatizado.");
    std::optional<Recorte> recorte;
    if (auto r = op.valor("--recorte")) {
        const std::vector<int> v = lista_enteros("--recorte", *r, 4, 0, INT_MAX);
        if (v[2] < 1 || v[3] < 1) throw ErrorUso("--recorte X,Y,ANCHO,ALTO: el ancho y el alto del recorte deben ser de 1 píxel o más.");
        recorte = Recorte{v[0], v[1], v[2], v[3]};
    }
    std::string catalogo = "DMC";
    if (auto c = op.valor("--catalogo")) catalogo = catalogo_opcion(*c);
    int limpieza = 2;
    if (auto l = op.valor("--limpieza")) limpieza = entero_opcion("--limpieza", *l, 0, 3);

    const auto ancho = op.valor("--ancho");
    const auto alto = op.valor("--alto");
    if (ancho) entero_opcion("--ancho", *ancho, 1, kMaxPuntos);
    if (alto) entero_opcion("--alto", *alto, 1, kMaxPuntos);
    int metodo = 1;
    if (auto m = op.valor("--metodo")) metodo = entero_opcion("--metodo", *m, 1, 2);
    std::string colores = "35", diferencia = "30";
    if (auto c = op.valor("--colores")) colores = std::to_string(entero_opcion("--colores", *c, 1, kMaxHilos));
    if (auto d = op.valor("--diferencia")) diferencia = std::to_string(entero_opcion("--diferencia", *d, 0, 765));

    Entorno ent;
    Estado& e = *ent.estado;
    Sesion& s = ent.sesion;
    e.metodo_color = metodo;

    if (!existe_entrada(op.sueltos[0])) return 1;
    ent.dialogos.ficheros.push_back(op.sueltos[0]);
    if (!ent.ejecutar([&] { abrir_imagen(s); })) return 1;

    // El tamaño, con las mismas órdenes que en la ventana: el lado no indicado sigue a escala
    // (del recorte, si lo hay, como en "Nuevo patrón desde imagen...").
    bool ok = true;
    if (recorte) {
        const int w = recorte->ancho, h = recorte->alto;
        int an = ancho ? entero(*ancho) : 60, al = alto ? entero(*alto) : 60;
        if (ancho && !alto) al = lado_a_escala(an, w, h);
        if (alto && !ancho) an = lado_a_escala(al, h, w);
        e.ancho = std::to_string(an);
        e.alto = std::to_string(al);
    } else if (ancho && alto) {
        ent.dialogos.respuestas = {*ancho, *alto};
        ok = ent.ejecutar([&] { ancho_y_alto(s); });
    } else if (ancho) {
        ent.dialogos.respuestas = {*ancho};
        ok = ent.ejecutar([&] { ancho_a_escala(s); });
    } else if (alto) {
        ent.dialogos.respuestas = {*alto};
        ok = ent.ejecutar([&] { alto_a_escala(s); });
    } else {
        e.ancho = "60";
        e.alto = "60";
    }
    if (!ok) return 1;

    if (automatizado) {
        e.n_colores = colores;
        e.dif_max = diferencia;
        ok = ent.ejecutar([&] { generar_automatizado(s); });
    } else {
        // La misma generación que "Crear" en "Nuevo patrón desde imagen...".
        OpcionesImagen oi;
        oi.ancho = entero(e.ancho);
        oi.alto = entero(e.alto);
        oi.catalogo = catalogo;
        oi.metodo = fiel ? MetodoImagen::kFiel : interpolado ? MetodoImagen::kInterpolado : MetodoImagen::kExacto;
        oi.colores = std::stoi(colores);
        oi.limpieza = limpieza;
        oi.recorte = recorte;
        ok = ent.ejecutar([&] { generar_desde_imagen(s, oi); });
    }
    if (!ok) return 1;

    if (!grabar_patron(ent, *salida)) return 1;
    anunciar_escrito(e, *salida);
    return 0;
}

const bool registrado = registrar({
    "generar",
    "  puntocruz-lote generar IMAGEN -o SALIDA [--ancho N] [--alto N] [--interpolado]\n"
    "                 [--metodo 1|2] [--automatizado] [--colores N] [--diferencia N]\n"
    "                 [--fiel] [--limpieza 0..3] [--recorte X,Y,ANCHO,ALTO]\n"
    "                 [--catalogo DMC|ANCHOR]\n"
    "      Genera el tapiz de la imagen y lo graba en SALIDA (.pci: fichero para imprimir;\n"
    "      .oxs: Open Cross Stitch; cualquier otro nombre: fichero de patrón). Con sólo\n"
    "      --ancho el alto sigue a escala de la imagen, con sólo --alto el ancho; sin\n"
    "      ninguno, 60 x 60.\n"
    "      --automatizado reduce además los colores (--colores, 35 si no se indica) y junta\n"
    "      los parecidos (--diferencia, 30 si no se indica).\n"
    "      --fiel genera por parecido a la vista (CIEDE2000): media de cada celda en luz\n"
    "      lineal, los --colores hilos (35 si no se indica) que menos error dejan y la\n"
    "      limpieza de puntos sueltos --limpieza (0 ninguna .. 3 fuerte, 2 si no se indica).\n"
    "      --recorte genera sólo ese rectángulo de la imagen (en píxeles; el lado que no se\n"
    "      indica sigue a escala del recorte). --catalogo elige los hilos (DMC si no se indica).\n"
    "      Sin --automatizado es la generación de \"Nuevo patrón desde imagen...\".",
    ejecutar_generar,
});

}  // namespace

}  // namespace pc::lote
