#include "threads/catalogo.h"

#include <string_view>

#include "app/errores.h"
#include "app/texto.h"

namespace pc {

namespace {

// Una línea vista por caracteres (no por bytes): las posiciones se cuentan desde 1, como
// en el formato del catálogo, y un carácter de varios bytes cuenta como uno solo.
class LineaPorCaracteres {
public:
    explicit LineaPorCaracteres(std::string_view s) : s_(s) {
        for (std::size_t i = 0; i < s.size(); ++i)
            if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) inicios_.push_back(i);
    }

    int longitud() const { return static_cast<int>(inicios_.size()); }

    // Posición (1..longitud) del primer carácter c, 0 si no está.
    int posicion(char c) const {
        for (std::size_t k = 0; k < inicios_.size(); ++k)
            if (s_[inicios_[k]] == c) return static_cast<int>(k) + 1;
        return 0;
    }

    // Copia de cuantos caracteres desde la posición desde (1..). Un inicio por debajo de 1
    // cuenta como 1; un tramo vacío o fuera de la línea da texto vacío.
    std::string copiar(int desde, int cuantos) const {
        if (desde < 1) desde = 1;
        if (cuantos <= 0 || desde > longitud()) return {};
        const int hasta = desde - 1 + cuantos;  // última posición, incluida
        const std::size_t a = inicios_[static_cast<std::size_t>(desde - 1)];
        const std::size_t b = hasta >= longitud() ? s_.size() : inicios_[static_cast<std::size_t>(hasta)];
        return std::string(s_.substr(a, b - a));
    }

private:
    std::string_view s_;
    std::vector<std::size_t> inicios_;
};

// Entero de un campo del catálogo: el texto recortado, o el error de conversión con él.
int campo(const std::string& texto) { return entero(recortar(texto)); }

constexpr std::string_view kColumna = "COLUMNA";

// Número de columna de una línea de marca: hasta 10 caracteres tras el primer "COLUMNA",
// recortados; de ellos los dos primeros, recortados otra vez.
int numero_de_columna(const std::string& linea) {
    const std::size_t p = linea.find(kColumna);
    const std::string resto = subcadena_utf8(std::string_view(linea).substr(p + kColumna.size()), 0, 10);
    return campo(subcadena_utf8(recortar(resto), 0, 2));
}

// Lee una línea de hilo (sin el comentario final) en h. Lanza ErrorConversion.
void leer_linea_de_hilo(std::string linea, Hilo& h, int columna) {
    const std::size_t p = linea.find(';');
    if (p != std::string::npos) linea.erase(p);
    const LineaPorCaracteres l(linea);
    const int pR = l.posicion('R');
    const int pG = l.posicion('G');
    const int pB = l.posicion('B');
    // Se salta la letra y el carácter que la sigue (normalmente ':'), y se quita el carácter
    // justo antes de la letra siguiente (normalmente un blanco).
    const int numero = campo(l.copiar(1, pR - 1));
    const int r = campo(l.copiar(pR + 2, pG - pR - 3));
    const int g = campo(l.copiar(pG + 2, pB - pG - 3));
    const int b = campo(l.copiar(pB + 2, 255));
    h.color = rgb(r, g, b);
    h.numero = numero;
    h.columna = columna;
    h.activo = true;
    h.bloqueado = false;
}

}  // namespace

// Decisiones de la lectura:
// - Una línea con un número mal escrito no cuenta como entrada: total queda en las
//   entradas leídas antes de ella.
// - La tabla admite 600 hilos; las líneas de hilo que pasan de ahí no se leen (las órdenes
//   que leen paletas del usuario avisan de ello).
void leer_catalogo(const std::vector<std::string>& lineas, TablaHilos& destino,
                   std::array<std::string, kColumnasCatalogo + 1>& titulos) {
    destino.total = 0;
    int columna = 0;
    for (const std::string& original : lineas) {
        const std::string linea = recortar(original);
        if (linea.find(kColumna) != std::string::npos) {
            columna = numero_de_columna(linea);
            if (columna >= 1 && columna <= kColumnasCatalogo)
                titulos[static_cast<std::size_t>(columna)] = subcadena_utf8(linea, 1, linea.size());
        }
        if (linea.empty() || linea[0] == ';') continue;
        if (destino.total >= kMaxHilos) break;
        Hilo h;
        leer_linea_de_hilo(linea, h, columna);
        destino.total += 1;
        destino[destino.total] = h;
    }
}

}  // namespace pc
