// "Nuevo patrón desde imagen...": el tapiz de la imagen (o de un recorte suyo) con un tamaño,
// un catálogo y un método dados de una vez. El mismo cálculo sirve a la vista previa de la
// ventana (fuera de su hilo, sin tocar el diseño), a "Crear" y a "puntocruz-lote generar".
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ordenes/sesion/sesion.h"
#include "pattern/recorte.h"

namespace pc {

enum class MetodoImagen { kFiel, kExacto, kInterpolado };

struct OpcionesImagen {
    int ancho = 60, alto = 60;           // 1..700
    std::string catalogo = "DMC";        // "DMC" o "ANCHOR"
    MetodoImagen metodo = MetodoImagen::kFiel;
    int colores = 35, limpieza = 2;      // sólo "Fiel": 1..600 y 0..3
    std::optional<Recorte> recorte;      // en píxeles de la imagen; sin él, la imagen entera
};

// Un tapiz calculado: sus colores por filas ((y - 1) * ancho + x - 1).
struct TapizCalculado {
    int ancho = 0, alto = 0;
    std::vector<Color> puntos;
};

// Lado a escala de la imagen: Round(valor / lado_imagen × otro_lado_imagen), como los tamaños
// "a escala" del menú Archivo. Sin imagen, el mismo valor.
int lado_a_escala(int valor, int lado_imagen, int otro_lado_imagen);

// Comprueba las opciones (tamaños, colores, limpieza, catálogo y que el recorte caiga dentro
// de una imagen de ancho_imagen × alto_imagen); lanza ErrorFormato con el porqué.
void comprobar_opciones(const OpcionesImagen& op, int ancho_imagen, int alto_imagen);

// La tabla de hilos con la que se genera en ese catálogo: la activa si ya es de él (con sus
// hilos apagados y bloqueados); si no, el catálogo recién leído.
TablaHilos tabla_para(const Estado& e, const std::string& catalogo);

// El tapiz de la imagen con esas opciones (ya comprobadas) y esa tabla. No toca ningún estado:
// se puede llamar desde otro hilo mientras la imagen no cambie. `cancelado` se consulta entre
// pasos; si dice que sí, devuelve sin valor.
std::optional<TapizCalculado> calcular_tapiz(const Imagen& img, const TablaHilos& hilos, int metodo_color,
                                             const OpcionesImagen& op,
                                             const std::function<bool()>& cancelado = nullptr);

// Lo que se verá bajo la vista previa: colores, madejas que listaría el cuadernillo (tela de
// `tela` puntos por pulgada, 2 hebras) y el tamaño bordado.
struct ResumenTapiz {
    int colores = 0;
    long puntos = 0;
    int madejas = 0;
    std::string tamano;  // "21,8 x 14,5 cm"
};
ResumenTapiz resumir_tapiz(const TapizCalculado& t, int tela);

// "Crear": comprueba, deja cargado el catálogo pedido, calcula el tapiz sobre la imagen de la
// sesión y lo escribe en el diseño (tamaño, puntos sin perfiles ni otras puntadas, paleta por
// construir), con la celda ajustada como en la generación del menú.
void generar_desde_imagen(Sesion& s, const OpcionesImagen& op);

}  // namespace pc
