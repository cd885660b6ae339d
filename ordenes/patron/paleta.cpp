// Paleta del tapiz: construcción, listado en el visor y "Ver Paleta de Colores del Punto de Cruz".
#include <cstdio>

#include "app/texto.h"
#include "pattern/editar.h"
#include "ordenes/patron/paleta.h"
#include "pattern/paleta.h"
#include "pattern/zonas.h"
#include "threads/emparejar.h"

namespace pc {

void contar_paleta(const Estado& e, int x1, int y1, int x2, int y2, TablaHilos& paleta) {
    MapaColores indice;
    contar_colores(e, Rango{x1, y1, x2, y2}, paleta, indice);
    ordenar_paleta(paleta);
}

void construir_paleta(Sesion& s, bool en_zona, ColoresContados* contados) {
    Estado& e = s.e;
    s.v.memo_limpiar();
    e.paleta.total = 0;

    const Rango r = en_zona ? rango_zona(e) : rango_tapiz(e);
    MapaColores indice;
    const long rechazados = contar_colores(e, r, e.paleta, indice, contados);
    // Un solo aviso por construcción: uno por cada aparición rechazada serían miles de cajas.
    if (rechazados > 0) s.d.mensaje("Demasiados Colores en la paleta");
    ordenar_paleta(e.paleta);
    listar_paleta(s);
}

void listar_paleta(Sesion& s) {
    const Estado& e = s.e;
    s.v.memo_limpiar();
    s.v.memo_linea("Paleta de Colores del Punto de Cruz");
    s.v.memo_linea("Total de Colores: " + std::to_string(e.paleta.total));
    s.v.memo_linea("");
    for (int k = 1; k <= e.paleta.total; ++k) {
        char num[16];
        std::snprintf(num, sizeof num, "%2d. ", k);
        const Hilo& h = e.paleta[k];
        std::string linea = num + nombre_hilo(e, h.color) + " Nº:" + std::to_string(h.numero);
        if (h.numero == 0) linea += " (Perfilado)";
        s.v.memo_linea(linea);
    }
    s.v.mostrar_visor();
}

void ver_colores(Sesion& s) { construir_paleta(s, false); }

}  // namespace pc
