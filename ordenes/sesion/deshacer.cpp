#include "ordenes/sesion/deshacer.h"

#include "app/texto.h"
#include "ordenes/sesion/patron.h"
#include "ordenes/sesion/principal.h"

namespace pc {

namespace {
std::string con_nombre(const char* accion, const std::string& nombre) {
    return nombre.empty() ? accion : std::string(accion) + " " + nombre;
}
}  // namespace

std::string rotulo_deshacer(const Historial& h) { return con_nombre("Deshacer", h.nombre_deshacer()); }

std::string rotulo_rehacer(const Historial& h) { return con_nombre("Rehacer", h.nombre_rehacer()); }

bool deshacer(Sesion& s, Historial& h) {
    if (!h.deshacer(s.e)) return false;
    redibujar_todo(s);
    return true;
}

bool rehacer(Sesion& s, Historial& h) {
    if (!h.rehacer(s.e)) return false;
    redibujar_todo(s);
    return true;
}

RespuestaSalir preguntar_salida(Dialogos& d, bool cambios) {
    if (!cambios) return confirmar_salida(d) ? RespuestaSalir::kSi : RespuestaSalir::kNo;
    return d.pregunta_con_grabar("Punto de Cruz", "Hay cambios sin grabar.\n¿Desea Salir?", BotonesGrabar::kSalir);
}

RespuestaSalir preguntar_reemplazo(Dialogos& d, const std::string& nombre) {
    return d.pregunta_con_grabar("Punto de Cruz",
                                 "El diseño «" + visible(nombre) + "» tiene cambios sin grabar. ¿Desea grabarlos?",
                                 BotonesGrabar::kReemplazar);
}

}  // namespace pc
