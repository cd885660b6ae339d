#include "ordenes/patron/colores_grafico.h"

#include <unordered_map>

#include "ordenes/sesion/patron.h"
#include "ordenes/patron/paleta.h"
#include "print/simbolos_diseno.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

// Con puntadas de las otras clases: cada color lleva su recuento y se añaden los colores que
// sólo tienen puntadas de esas clases (las celdas con parciales ya no cuentan como puntos en la
// paleta: bajo ellas está la tela).
void anadir_otras_clases(const Estado& e, int ancho, int alto,
                         const std::unordered_map<Color, std::string>& simbolos, std::vector<ColorGrafico>& lista) {
    const RecuentoPorClases recuento = recuento_por_clases(e, ancho, alto, false);
    std::unordered_map<Color, bool> listado;
    for (ColorGrafico& g : lista) {
        listado[g.color] = true;
        if (const RecuentoClases* r = recuento.de(g.color)) g.clases = *r;
    }
    for (const RecuentoClases& r : recuento.colores) {
        if (listado.count(r.color)) continue;
        ColorGrafico g;
        g.color = r.color;
        g.puntos = 0;
        g.clases = r;
        g.marca = e.marca;
        const int k = buscar_color(r.color, e.hilos);
        if (k > 0) g.numero = e.hilos[k].numero;
        const std::string numero = k > 0 ? texto_numero_hilo(e.marca, g.numero) : std::string();
        g.hilo = numero.empty() ? "????" : numero;
        if (const auto it = simbolos.find(r.color); it != simbolos.end()) g.simbolo = it->second;
        lista.push_back(std::move(g));
    }
}

}  // namespace

ColoresGrafico colores_del_grafico(const Estado& e) {
    ColoresGrafico resultado;
    int ancho = 0, alto = 0;
    if (!tamano_silencioso(e, ancho, alto)) return resultado;
    TablaHilos paleta;
    contar_paleta(e, 1, 1, ancho, alto, paleta);
    const auto simbolos = simbolos_del_diseno(e);

    std::vector<ColorGrafico>& lista = resultado.colores;
    lista.reserve(static_cast<std::size_t>(paleta.total));
    for (int i = 1; i <= paleta.total; ++i) {
        const Hilo& h = paleta[i];
        ColorGrafico g;
        g.color = h.color;
        g.puntos = h.numero;
        g.marca = e.marca;
        const int k = buscar_color(h.color, e.hilos);
        if (k > 0) g.numero = e.hilos[k].numero;
        // "310" sin la marca; los especiales por su nombre.
        const std::string numero = k > 0 ? texto_numero_hilo(e.marca, g.numero) : std::string();
        g.hilo = numero.empty() ? "????" : numero;
        if (const auto it = simbolos.find(h.color); it != simbolos.end()) g.simbolo = it->second;
        lista.push_back(std::move(g));
    }
    if (!e.puntadas.vacia()) anadir_otras_clases(e, ancho, alto, simbolos, lista);
    return resultado;
}

std::string texto_otras_clases(const RecuentoClases& r, bool corto) {
    std::string t;
    const auto mas = [&](long n, const char* uno, const char* varios, const char* abreviado) {
        if (n <= 0) return;
        if (!t.empty()) t += corto ? " · " : ", ";
        t += std::to_string(n) + " " + (corto ? abreviado : n == 1 ? uno : varios);
    };
    mas(r.medios, "medio punto", "medios puntos", "½");
    mas(r.tres_cuartos, "tres cuartos", "tres cuartos", "¾");
    mas(r.cuartos, "cuarto", "cuartos", "¼");
    mas(r.petits, "petit", "petits", "petit");
    mas(r.lineas, "pespunte", "pespuntes", "pesp.");
    mas(r.nudos, "nudo", "nudos", "nudos");
    return t;
}

}  // namespace pc
