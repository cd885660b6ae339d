#include "ordenes/hilos/columnas.h"

#include "threads/columnas.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {

void seleccion_columnas(Sesion& s) {
    sincronizar_columnas(s.e.columnas, s.e.hilos);
    s.v.mostrar_columnas();
}

void abrir_columna(Sesion& s, int n) {
    Estado& e = s.e;
    if (e.marca.empty() || e.hilos.total == 0) {
        e.marca = "DMC";
        cargar_catalogo(s, e.marca, e.hilos);
    }
    aplicar_columnas(e.columnas, e.hilos);
    llenar_panel(e.columnas, e.hilos, n);
}

void aplicar_panel(Sesion& s) { aplicar_panel(s.e.columnas, s.e.hilos); }

void aplicar_columnas(Sesion& s) { aplicar_columnas(s.e.columnas, s.e.hilos); }

}  // namespace pc
