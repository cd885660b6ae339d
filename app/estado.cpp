#include "app/estado.h"

#include "app/errores.h"
#include "app/texto.h"

namespace pc {

int buscar_color(Color c, const TablaHilos& tabla) {
    for (int i = 1; i <= tabla.total; ++i) {
        if (tabla[i].color == c && tabla[i].activo) return i;
    }
    return 0;
}

std::unique_ptr<Estado> crear_estado() { return std::make_unique<Estado>(); }

void valores_iniciales(Estado& e) {
    e.ancho = "60";
    e.alto = "60";
    e.version = "Versión 1.60";
    e.grosor_guias = "4";
    e.tam_rejilla = "4";
    e.tam_celda = 4;
    e.tam_pincel = "1";
    e.metodo_color = 1;
    e.zona_x1 = "1";
    e.zona_y1 = "1";
    e.zona_x2 = e.ancho;
    e.zona_y2 = e.alto;
    e.color_origen = kNegro;
    e.color_destino = kBlanco;
    e.trozo_ancho = "70";
    e.trozo_alto = "100";
    e.factor_aclarado = "10";
    e.marca.clear();
    e.n_colores = "35";
    e.dif_max = "30";
    e.divisor_tonos = "10";

    e.ver_rejilla = true;
    e.perfilando = false;
    e.perfil_arriba = e.perfil_derecha = e.perfil_abajo = e.perfil_izquierda = false;
    e.borrar_perfilado = false;
    e.en_zona = false;
    e.componente_r = e.componente_g = e.componente_b = true;
    e.generar_bmp = false;
    e.ver_bmp_exportado = false;
}

std::string mensaje_tamano_fuera_de_rango(int valor) {
    return "El tamaño " + std::to_string(valor) + " no es válido: debe estar entre 1 y 700 puntos.";
}

void comprobar_tamano(int valor) {
    if (valor < 1 || valor > kMaxPuntos) throw ErrorFormato(mensaje_tamano_fuera_de_rango(valor));
}

int ancho_tapiz(const Estado& e) {
    const int v = entero(e.ancho);
    comprobar_tamano(v);
    return v;
}

int alto_tapiz(const Estado& e) {
    const int v = entero(e.alto);
    comprobar_tamano(v);
    return v;
}

int tam_rejilla_valor(const Estado& e) {
    const int v = entero(e.tam_rejilla);
    if (v < 1) throw ErrorFormato("El tamaño de la rejilla debe ser 1 o mayor.");
    return v;
}

}  // namespace pc
