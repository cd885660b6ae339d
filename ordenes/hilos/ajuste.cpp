// Ajuste del tapiz a los hilos del catálogo activo y listado de equivalencias ANCHOR-DMC.
#include "ordenes/hilos/ajuste.h"

#include "app/texto.h"
#include "pattern/cambios.h"
#include "ordenes/patron/paleta.h"
#include "threads/emparejar.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {

void ajustar_a_hilos(Sesion& s, bool avisar) {
    Estado& e = s.e;
    if (e.paleta.total == 0) construir_paleta(s, false);

    // Sólo se ajustan los colores de la paleta (los de la zona, si se construyó de la zona),
    // pero allí donde estén en todo el tapiz.
    ListaCambios cambios;
    for (int b = 1; b <= e.paleta.total; ++b) {
        const Color c = e.paleta[b].color;
        const Color m = hilo_mas_proximo(c, e.hilos, e.metodo_color);
        if (m != c) cambios.anadir(c, m);
    }
    for (int k = 1; k <= cambios.total(); ++k) s.v.memo_linea(linea_cambio(e, cambios[k]));
    if (cambios.total() > 0) aplicar_cambios(e, cambios, ancho_tapiz(e), alto_tapiz(e), AvisoCambios{&s.v, nullptr});
    if (avisar) s.d.mensaje("Cambios recomendados: " + std::to_string(cambios.total()));
    if (cambios.total() > 0) e.paleta.total = 0;
}

namespace {
// Deja cargado en hilos el catálogo pedido; sólo lo recarga si hay que cambiarlo, para no
// perder los hilos desactivados o bloqueados ni la selección de columnas del que ya está.
void cambiar_catalogo(Sesion& s, const std::string& nombre) {
    if (s.e.marca == nombre) return;
    s.e.marca = nombre;
    cargar_catalogo(s, nombre, s.e.hilos);
}
}  // namespace

void ajustar_dmc(Sesion& s) {
    cambiar_catalogo(s, "DMC");
    ajustar_a_hilos(s, true);
    construir_paleta(s, false);
}

void ajustar_anchor(Sesion& s) {
    cambiar_catalogo(s, "ANCHOR");
    ajustar_a_hilos(s, true);
    construir_paleta(s, false);
}

void calcular_equivalencias(Sesion& s) {
    Estado& e = s.e;
    cargar_catalogo(s, "DMC", e.hilos);
    cargar_catalogo(s, "ANCHOR", e.paleta_aux);
    s.v.memo_linea("Equivalencias");
    s.v.memo_linea("ANCHOR <---> DMC");
    for (int i = 1; i <= e.paleta_aux.total; ++i) {
        const Color m = hilo_mas_proximo(e.paleta_aux[i].color, e.hilos, e.metodo_color);
        // El número de la última entrada con ese color; 0 si ninguna lo tiene (sólo puede
        // pasar si la búsqueda no encontró ningún hilo activo y devolvió negro).
        int dmc = 0;
        for (int j = e.hilos.total; j >= 1; --j) {
            if (e.hilos[j].color == m) {
                dmc = e.hilos[j].numero;
                break;
            }
        }
        s.v.memo_linea(std::to_string(e.paleta_aux[i].numero) + "     <---->    " + std::to_string(dmc));
    }
    cargar_catalogo(s, e.marca, e.hilos);
}

}  // namespace pc
