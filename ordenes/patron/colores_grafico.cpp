#include "ordenes/patron/colores_grafico.h"

#include <algorithm>
#include <unordered_map>

#include "ordenes/sesion/patron.h"
#include "ordenes/patron/paleta.h"
#include "print/maqueta.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

// Con puntadas de las otras clases: cada color lleva su recuento, las celdas con parciales
// dejan de contar como cruces enteras (bajo ellas está la tela) y se añaden los colores que
// sólo tienen puntadas de esas clases.
void anadir_otras_clases(const Estado& e, int ancho, int alto, const TablaHilos& paleta_imp,
                         std::vector<ColorGrafico>& lista) {
    const RecuentoPorClases recuento = recuento_por_clases(e, ancho, alto, false);
    std::unordered_map<Color, long> bajo_parciales;
    std::vector<std::pair<int, int>> celdas;
    celdas.reserve(e.puntadas.parciales().size());
    for (const Parcial& p : e.puntadas.parciales())
        if (p.x >= 1 && p.y >= 1 && p.x <= ancho && p.y <= alto) celdas.emplace_back(p.x, p.y);
    std::sort(celdas.begin(), celdas.end());
    celdas.erase(std::unique(celdas.begin(), celdas.end()), celdas.end());
    for (const auto& [x, y] : celdas) ++bajo_parciales[e.punto(x, y).color];

    std::unordered_map<Color, bool> listado;
    std::vector<ColorGrafico> quedan;
    quedan.reserve(lista.size() + recuento.colores.size());
    for (ColorGrafico& g : lista) {
        listado[g.color] = true;
        const bool solo_perfil = g.puntos == 0;
        const auto it = bajo_parciales.find(g.color);
        if (it != bajo_parciales.end()) g.puntos -= static_cast<int>(std::min<long>(it->second, g.puntos));
        if (const RecuentoClases* r = recuento.de(g.color)) g.clases = *r;
        // Un color que sólo estaba en las celdas de los parciales (la tela) ya no se usa.
        if (!solo_perfil && g.puntos == 0 && g.clases.vacio()) continue;
        quedan.push_back(std::move(g));
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
        g.simbolo = simbolo_de_color(paleta_imp, r.color);
        quedan.push_back(std::move(g));
    }
    lista = std::move(quedan);
}

}  // namespace

ColoresGrafico colores_del_grafico(const Estado& e) {
    ColoresGrafico resultado;
    int ancho = 0, alto = 0;
    if (!tamano_silencioso(e, ancho, alto)) return resultado;
    TablaHilos paleta, paleta_imp;
    contar_paleta(e, 1, 1, ancho, alto, paleta);
    // La impresión usa la paleta del tapiz si está construida; si no, la construye, y es ésta.
    ordenar_paleta_imp(e.paleta.total > 0 ? e.paleta : paleta, paleta_imp);
    resultado.colores_impresion = paleta_imp.total;

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
        g.simbolo = simbolo_de_color(paleta_imp, h.color);
        lista.push_back(std::move(g));
    }
    if (!e.puntadas.vacia()) anadir_otras_clases(e, ancho, alto, paleta_imp, lista);
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
