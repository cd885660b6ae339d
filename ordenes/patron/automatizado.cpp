// "Generar Punto de Cruz Automatizado": genera la rejilla, la ajusta a los hilos, junta los
// colores parecidos y recorta la paleta al número de colores guardado, sin preguntar nada.
#include "ordenes/sesion/sesion.h"
#include "ordenes/patron/generar.h"
#include "ordenes/patron/minimizada.h"
#include "ordenes/patron/paleta.h"
#include "ordenes/hilos/ajuste.h"

namespace pc {

// Si un paso falla, la secuencia se detiene ahí: el texto del panel se queda en ese paso.
void generar_automatizado(Sesion& s) {
    VentanaMinimizada minimizada(s.v);

    s.v.panel(1, "Generando Punto de Cruz");
    s.v.procesar_mensajes();
    generar_rejilla(s, false, true);

    s.v.panel(1, "Convirtiendo a HILOS");
    ajustar_a_hilos(s, false);

    s.v.panel(1, "Reduciendo Colores Aproximados");
    s.v.procesar_mensajes();
    reducir_similares(s, false);

    s.v.panel(1, "Reduciendo Número de colores");
    s.v.procesar_mensajes();
    reducir_paleta(s, false);

    s.v.panel(1, "Generación AUTOMATIZADA Concluida");
}

}  // namespace pc
