// Las tres reducciones de color del menú "Reducción de Colores".
#include "app/errores.h"
#include "app/texto.h"
#include "pattern/cambios.h"
#include "ordenes/patron/minimizada.h"
#include "ordenes/patron/paleta.h"
#include "pattern/reduccion.h"

namespace pc {

namespace {

const char* const kTitulo = "Reducción de colores";

void listar_cambios(Sesion& s, const ListaCambios& cambios) {
    for (int k = 1; k <= cambios.total(); ++k) s.v.memo_linea(linea_cambio(s.e, cambios[k]));
}

// Aplica los cambios a todo el tapiz, con el texto de avance si se pide.
long aplicar(Sesion& s, const ListaCambios& cambios, bool con_avance) {
    const int ancho = ancho_tapiz(s.e);
    const int alto = alto_tapiz(s.e);
    AvisoCambios aviso{&s.v, con_avance ? &s.e.alto : nullptr};
    return aplicar_cambios(s.e, cambios, ancho, alto, aviso);
}

}  // namespace

void reducir_paleta(Sesion& s, bool interactivo) {
    Estado& e = s.e;
    VentanaMinimizada minimizada(s.v);
    if (e.paleta.total == 0) construir_paleta(s, false);
    if (interactivo) e.n_colores = s.d.entrada(kTitulo, "Nº de Colores de la paleta resultante", e.n_colores);
    const int n = entero(e.n_colores);
    if (n < 1) throw ErrorFormato("El número de colores de la paleta resultante debe ser 1 o mayor.");

    ListaCambios cambios;
    pares_reducir_paleta(e.paleta, e.hilos, n, e.metodo_color, cambios);
    listar_cambios(s, cambios);
    aplicar(s, cambios, true);
    if (interactivo) s.d.mensaje("Cambios recomendados: " + std::to_string(cambios.total()));
    e.paleta.total = 0;
}

void reducir_similares(Sesion& s, bool interactivo) {
    Estado& e = s.e;
    VentanaMinimizada minimizada(s.v);
    if (interactivo)
        e.dif_max = s.d.entrada(kTitulo, "Máx diferencia entre los colores a reducir ", e.dif_max);
    const int umbral = entero(e.dif_max);

    // Cada pasada hace desaparecer del tapiz todos los colores viejos de sus pares (ningún par
    // cambia un color por sí mismo ni toca colores sin puntos), así que el número de colores
    // distintos baja en cada pasada con cambios y la repetición siempre acaba.
    // Cada pasada empieza con la paleta del tapiz tal como quedó: tras la primera, se rehace
    // con los cambios de la anterior en vez de volver a contar todos los puntos.
    long total_cambios = 0;
    ListaCambios cambios;
    ColoresContados contados;
    construir_paleta(s, false, &contados);
    for (;;) {
        pares_similares(e.paleta, e.hilos, umbral, e.metodo_color, cambios);
        listar_cambios(s, cambios);
        const long cambiados = aplicar(s, cambios, false);
        total_cambios += cambios.total();
        if (cambios.total() == 0 || cambiados == 0) break;
        if (paleta_tras_cambios(e.paleta, contados, cambios)) listar_paleta(s);
        else construir_paleta(s, false, &contados);
    }
    if (interactivo) s.d.mensaje("Cambios recomendados: " + std::to_string(total_cambios));
    e.paleta.total = 0;
}

void reducir_tonos(Sesion& s, bool interactivo) {
    Estado& e = s.e;
    VentanaMinimizada minimizada(s.v);
    if (e.paleta.total == 0) construir_paleta(s, false);
    if (interactivo)
        e.divisor_tonos = s.d.entrada(kTitulo, "Dividir colores por (recomendado 2-64):", e.divisor_tonos);
    const int divisor = entero(e.divisor_tonos);

    ListaCambios cambios;
    pares_tonos(e.paleta, divisor, cambios);  // con divisor 0 falla antes de tocar ningún punto
    aplicar(s, cambios, true);
    e.paleta.total = 0;
}

}  // namespace pc
