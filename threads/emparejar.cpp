#include "threads/emparejar.h"

#include <cstdlib>

#include "app/texto.h"

namespace pc {

int distancia(Color a, Color b, int metodo) {
    const int dr = std::abs(rojo(a) - rojo(b));
    const int dg = std::abs(verde(a) - verde(b));
    const int db = std::abs(azul(a) - azul(b));
    if (metodo == 2) {
        int m = dr > dg ? dr : dg;
        return m > db ? m : db;
    }
    return dr + dg + db;
}

Color hilo_mas_proximo(Color c, const TablaHilos& tabla, int metodo) {
    // Se parte de la distancia 765: sólo gana una entrada estrictamente más cercana, y entre
    // las iguales la primera de la tabla.
    const int r = rojo(c), g = verde(c), b = azul(c);
    const bool gama = metodo == 2;
    int mejor = 765;
    Color resultado = kNegro;
    const int total = tabla.total < kMaxHilos ? tabla.total : kMaxHilos;
    for (int i = 1; i <= total; ++i) {
        const Hilo& h = tabla[i];
        if (!h.activo) continue;
        const int dr = std::abs(r - rojo(h.color));
        const int dg = std::abs(g - verde(h.color));
        const int db = std::abs(b - azul(h.color));
        int d;
        if (gama) {
            d = dr > dg ? dr : dg;
            if (db > d) d = db;
        } else {
            d = dr + dg + db;
        }
        if (d < mejor) {
            mejor = d;
            resultado = h.color;
        }
    }
    return resultado;
}

std::string texto_numero_hilo(const std::string& marca, int numero) {
    if (marca != "DMC" || numero >= 1) return std::to_string(numero);
    switch (numero) {
        case -3: return "Ecru";
        case -2: return "Blanco";
        case -1: return "B5200";
        default: return "";
    }
}

std::string nombre_hilo(const Estado& e, Color c) {
    const std::string desconocido = "HILO:????";
    const int i = buscar_color(c, e.hilos);
    if (i == 0) return desconocido;
    std::string n = texto_numero_hilo(e.marca, e.hilos[i].numero);
    if (n.empty()) return desconocido;
    if (n.size() < 4) n.insert(0, 4 - n.size(), ' ');
    return e.marca + ":" + n;
}

namespace {
// El nombre de un hilo sin lo que va hasta los dos puntos ("DMC: 310" -> "310"), sin blancos.
std::string sin_marca(const std::string& texto) {
    std::string t = texto;
    const std::size_t p = t.find(':');
    if (p != std::string::npos) t.erase(0, p + 1);
    return recortar(t);
}
}  // namespace

std::optional<int> numero_de_hilo(const std::string& texto) {
    const std::string t = sin_marca(texto);
    if (t == "B5200") return -1;
    if (t == "Blanco") return -2;
    if (t == "Ecru") return -3;
    int numero = 0;
    if (!leer_entero(t, numero)) return std::nullopt;
    return numero;
}

Color color_de_hilo(const Estado& e, const std::string& texto) {
    const std::optional<int> n = numero_de_hilo(texto);
    const int numero = n ? *n : entero(sin_marca(texto));
    const int i = buscar_numero(numero, e.hilos);
    return i == 0 ? kNegro : e.hilos[i].color;
}

std::string texto_rgb(Color c) {
    return std::to_string(rojo(c)) + "," + std::to_string(verde(c)) + "," + std::to_string(azul(c));
}

int buscar_numero(int numero, const TablaHilos& tabla) {
    const int total = tabla.total < kMaxHilos ? tabla.total : kMaxHilos;
    for (int i = 1; i <= total; ++i)
        if (tabla[i].numero == numero) return i;
    return 0;
}

}  // namespace pc
