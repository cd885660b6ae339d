#include "print/leyenda.h"

#include <algorithm>

#include "app/texto.h"
#include "threads/emparejar.h"

namespace pc {

const Hilo* hilo_de_color(const TablaHilos& hilos, Color c) {
    for (int i = std::clamp(hilos.total, 0, kMaxHilos); i >= 1; --i)
        if (hilos[i].color == c) return &hilos[i];
    return nullptr;
}

std::string numero_hilo_leyenda(const TablaHilos& hilos, Color c) {
    const Hilo* h = hilo_de_color(hilos, c);
    return h ? std::to_string(h->numero) : std::string("Desconocido");
}

TablaEquivalencias tabla_equivalencias(const std::vector<std::string>& equivalencias, const std::string& marca) {
    TablaEquivalencias tabla;
    const bool dmc = marca == "DMC";
    for (const std::string& linea : equivalencias) {
        const std::string_view l = recortar_vista(linea);
        const std::size_t blanco = l.find(' ');
        if (blanco == std::string_view::npos) continue;
        const std::string_view primera = l.substr(0, blanco);
        const std::string_view resto = recortar_vista(l.substr(blanco + 1));
        if (dmc) {
            tabla.insert_or_assign(primera, resto);
        } else {
            tabla.insert_or_assign(resto, primera);
        }
    }
    return tabla;
}

std::string equivalente_en(const TablaEquivalencias& tabla, const std::string& numero) {
    const auto it = tabla.find(numero);
    return it == tabla.end() ? std::string("Desconocido") : std::string(it->second);
}

std::string equivalente_leyenda(const std::vector<std::string>& equivalencias, const std::string& marca,
                                const std::string& numero) {
    return equivalente_en(tabla_equivalencias(equivalencias, marca), numero);
}

OrdenLeyenda orden_leyenda(const Hilo* h, Color c) {
    if (!h) return {2, 0, c};
    if (h->numero < 0) return {0, -static_cast<long>(h->numero), c};
    return {1, h->numero, c};
}

NumerosLeyenda::NumerosLeyenda(const TablaHilos& catalogo, const TablaHilos& otro,
                               const std::vector<std::string>& equivalencias, const std::string& marca)
    : catalogo_(catalogo), otro_(otro), tabla_(tabla_equivalencias(equivalencias, marca)) {}

OrdenLeyenda NumerosLeyenda::operator()(Color c, std::string& numero, std::string& equivalente) const {
    const Hilo* h = hilo_de_color(catalogo_, c);
    if (h) {
        const std::string n = std::to_string(h->numero);
        numero = nombre_especial(n);
        equivalente = nombre_especial(equivalente_en(tabla_, n));
    } else {
        numero = texto_rgb(c);
        const Hilo* o = hilo_de_color(otro_, c);
        equivalente = o ? nombre_especial(std::to_string(o->numero)) : std::string("Desconocido");
    }
    return orden_leyenda(h, c);
}

std::string nombre_especial(const std::string& numero) {
    if (numero == "-1") return "B5200";
    if (numero == "-2") return "Blanco";
    if (numero == "-3") return "Ecru";
    return numero;
}

std::vector<EntradaLeyenda> entradas_leyenda(const TablaHilos& paleta_imp, const TablaHilos& hilos,
                                             const std::string& marca,
                                             const std::vector<std::string>& equivalencias) {
    std::vector<EntradaLeyenda> filas;
    const int total = std::clamp(paleta_imp.total, 0, kMaxHilos);
    // La tabla se parte una sola vez para todos los colores.
    const auto tabla = tabla_equivalencias(equivalencias, marca);
    for (int n = 1; n <= total; ++n) {
        const Color c = paleta_imp[n].color;
        const std::string numero = numero_hilo_leyenda(hilos, c);
        const std::string equiv = equivalente_en(tabla, numero);
        const std::string otra = marca == "DMC" ? "  ANCHOR:" : "  DMC:";
        EntradaLeyenda f;
        f.color = c;
        f.texto_papel = " HILO " + marca + ": " + nombre_especial(numero) + otra + nombre_especial(equiv);
        f.texto_bmp = "H. " + marca + ": " + nombre_especial(numero);
        filas.push_back(std::move(f));
    }
    return filas;
}

}  // namespace pc
