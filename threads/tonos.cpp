#include "threads/tonos.h"

#include <cmath>
#include <functional>

#include "threads/columnas.h"

namespace pc {

namespace {

std::string linea_de_hilo(int numero, int r, int g, int b) {
    return std::to_string(numero) + " R:" + std::to_string(r) + " G:" + std::to_string(g) + " B:" + std::to_string(b);
}

// El marco común: una cabecera al empezar cada columna y una línea por hilo.
using Cabecera = std::function<void(int columna, std::vector<std::string>& salida)>;
using Canal = std::function<int(int canal, int v)>;  // canal 0 rojo, 1 verde, 2 azul

std::vector<std::string> derivar(const TablaHilos& hilos, const Cabecera& cabecera, const Canal& canal) {
    std::vector<std::string> salida;
    int anterior = 0;
    for (int i = 1; i <= hilos.total; ++i) {
        const Hilo& h = hilos[i];
        if (h.columna != anterior) {
            anterior = h.columna;
            cabecera(h.columna, salida);
        }
        salida.push_back(linea_de_hilo(h.numero, canal(0, rojo(h.color)), canal(1, verde(h.color)),
                                       canal(2, azul(h.color))));
    }
    return salida;
}

}  // namespace

int canal_contraste(int v, int k) {
    const double nuevo = std::trunc((v - 128) / 128.0 * k + v);
    return nuevo < 0 ? 0 : (nuevo > 255 ? 255 : static_cast<int>(nuevo));
}

int canal_desplazado(int v, long long k) {
    const long long nuevo = v + k;
    return nuevo < 0 ? 0 : (nuevo > 255 ? 255 : static_cast<int>(nuevo));
}

std::vector<std::string> paleta_contraste(const TablaHilos& hilos, int k) {
    return derivar(
        hilos, [](int columna, std::vector<std::string>& s) { s.push_back(";COLUMNA " + std::to_string(columna)); },
        [k](int, int v) { return canal_contraste(v, k); });
}

std::vector<std::string> paleta_desplazada(const Estado& e, int k_r, int k_g, int k_b) {
    const int k[3] = {k_r, k_g, k_b};
    return derivar(
        e.hilos,
        [&e](int columna, std::vector<std::string>& s) {
            // Una columna sin casilla lleva la cabecera de una marca de columna corriente.
            const std::string titulo = titulo_columna(e, columna);
            s.push_back("");
            s.push_back(";" + (titulo.empty() ? "COLUMNA " + std::to_string(columna) : titulo));
        },
        [&k](int canal, int v) { return canal_desplazado(v, k[canal]); });
}

}  // namespace pc
