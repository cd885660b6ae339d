#include "ordenes/patron/colores_grafico.h"

#include "ordenes/sesion/patron.h"
#include "ordenes/patron/paleta.h"
#include "print/simbolos_diseno.h"
#include "threads/emparejar.h"

namespace pc {

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
    return resultado;
}

}  // namespace pc
