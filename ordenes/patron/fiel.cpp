#include "ordenes/patron/fiel.h"

#include "app/errores.h"
#include "ordenes/sesion/patron.h"
#include "app/texto.h"
#include "pattern/fiel.h"
#include "ordenes/patron/generar.h"
#include "ordenes/patron/paleta.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {

namespace {

const char* const kTituloFiel = "Generar Punto de Cruz FIEL";

// Pregunta un entero dentro de [minimo, maximo] y lo guarda como se tecleó; fuera del rango
// se rechaza con el mensaje dado y se deja el texto anterior.
int preguntar(Sesion& s, std::string& destino, const char* texto, int minimo, int maximo, const char* fuera) {
    const std::string anterior = destino;
    destino = s.d.entrada(kTituloFiel, texto, destino);
    const int v = entero(destino);
    if (v < minimo || v > maximo) {
        destino = anterior;
        throw ErrorFormato(fuera);
    }
    return v;
}

}  // namespace

void generar_fiel(Sesion& s) {
    const int colores = preguntar(s, s.e.colores_fiel, "Número de colores (1 a 600): ", 1, kMaxHilos,
                                  "El número de colores debe estar entre 1 y 600.");
    const int limpieza =
        preguntar(s, s.e.limpieza_fiel, "Limpieza de puntos sueltos (0 ninguna, 1 suave, 2 media, 3 fuerte): ", 0,
                  3, "El nivel de limpieza debe estar entre 0 (ninguna) y 3 (fuerte).");
    generar_fiel_con(s, colores, limpieza);
}

void generar_fiel_con(Sesion& s, int colores, int limpieza) {
    asegurar_catalogo(s);
    const int ancho = ancho_tapiz(s.e);
    const int alto = alto_tapiz(s.e);
    const std::vector<HiloLab> activos = hilos_activos(s.e.hilos);
    if (activos.empty()) throw ErrorFormato("No hay ningún hilo activo en la paleta de hilos: activa alguno para generar.");
    s.e.paleta.total = 0;
    s.v.limpiar_lienzo();
    ajustar_celda_al_tapiz(s, ancho, alto);

    s.v.progreso("FIEL: promediando la imagen");
    const MediasCeldas c = promediar_celdas(s.img, ancho, alto);
    s.v.progreso("FIEL: eligiendo los hilos");
    const std::vector<HiloLab> elegidos = elegir_hilos(c, activos, colores);
    s.v.progreso("FIEL: asignando los hilos");
    std::vector<int> indice = asignar_hilos(c, elegidos);
    s.v.progreso("FIEL: limpiando los puntos sueltos");
    limpiar_sueltos(c, elegidos, indice, limpieza);
    escribir_tapiz(s.e, c, elegidos, indice);

    construir_paleta(s, false);
    redibujar_todo(s);
    s.v.panel(0, "Generación FIEL concluida");
}

void fidelidad_punto_de_cruz(Sesion& s) {
    if (s.img.ancho() <= 0 || s.img.alto() <= 0) {
        s.d.mensaje("No hay ninguna imagen cargada: abre la imagen del Punto de Cruz con \"Abrir Imagen BMP\" "
                    "para medir su fidelidad.");
        return;
    }
    const int ancho = ancho_tapiz(s.e);
    const int alto = alto_tapiz(s.e);
    const Fidelidad f = medir_fidelidad(s.e, s.img, ancho, alto);
    const std::string lineas[] = {
        "Tapiz de " + std::to_string(ancho) + " x " + std::to_string(alto) + " puntos",
        "Diferencia media con la imagen (CIEDE2000): " + decimal_coma(f.media, 2),
        "El 95 % de los puntos difiere como mucho: " + decimal_coma(f.p95, 2),
        "Puntos sueltos: " + decimal_coma(100 * f.confeti, 1) + " %",
        "Número de colores: " + std::to_string(f.colores),
    };
    s.v.memo_limpiar();
    s.v.memo_linea("Fidelidad del Punto de Cruz");
    s.v.memo_linea("");
    std::string resumen = "Fidelidad del Punto de Cruz\n";
    for (const std::string& l : lineas) {
        s.v.memo_linea(l);
        resumen += "\n" + l;
    }
    s.v.mostrar_visor();
    s.d.mensaje(resumen);
}

}  // namespace pc
