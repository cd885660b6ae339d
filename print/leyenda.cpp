#include "print/leyenda.h"

#include <algorithm>

#include "app/texto.h"

namespace pc {

std::string numero_hilo_leyenda(const TablaHilos& hilos, Color c) {
    const int total = std::clamp(hilos.total, 0, kMaxHilos);
    for (int i = total; i >= 1; --i) {
        if (hilos[i].color == c) return std::to_string(hilos[i].numero);
    }
    return "Desconocido";
}

std::string equivalente_leyenda(const std::vector<std::string>& equivalencias, const std::string& marca,
                                const std::string& numero) {
    std::string e = "Desconocido";
    for (const std::string& linea : equivalencias) {
        const std::string l = recortar(linea);
        const std::size_t blanco = l.find(' ');
        if (blanco == std::string::npos) continue;
        const std::string primera = l.substr(0, blanco);
        const std::string resto = recortar(l.substr(blanco + 1));
        if (marca == "DMC") {
            if (primera == numero) e = resto;
        } else if (resto == numero) {
            e = primera;
        }
    }
    return e;
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
    for (int n = 1; n <= total; ++n) {
        const Color c = paleta_imp[n].color;
        const std::string numero = numero_hilo_leyenda(hilos, c);
        const std::string equiv = equivalente_leyenda(equivalencias, marca, numero);
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
