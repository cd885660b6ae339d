#include "print/simbolos.h"

#include <algorithm>
#include <cstddef>

#include "app/datos_instalados.h"
#include "app/ficheros.h"
#include "app/texto.h"

namespace pc {

namespace {

// Parte una línea UTF-8 en caracteres (cada uno con sus bytes de continuación).
std::array<std::string_view, 11> caracteres(std::string_view l, int& cuantos) {
    std::array<std::string_view, 11> c{};
    cuantos = 0;
    std::size_t i = 0;
    while (i < l.size() && cuantos < 11) {
        std::size_t j = i + 1;
        while (j < l.size() && (static_cast<unsigned char>(l[j]) & 0xC0) == 0x80) ++j;
        c[static_cast<std::size_t>(cuantos++)] = l.substr(i, j - i);
        i = j;
    }
    return c;
}

}  // namespace

TablaSimbolos leer_simbolos(std::string_view texto, const std::function<void(const std::string&)>& aviso) {
    TablaSimbolos t;
    LectorLineas lector(texto);
    while (!lector.al_final() && t.total < kMaxSimbolos) {
        const int s = ++t.total;
        Simbolo& simbolo = t.item[static_cast<std::size_t>(s)];
        for (int fila = 1; fila <= 10; ++fila) {
            std::string_view l = lector.siguiente();
            while (recortar_vista(l).empty() && !lector.al_final()) l = lector.siguiente();
            // Una línea sólo cuenta como fila si la sigue más texto.
            if (lector.al_final()) continue;
            int n = 0;
            const auto c = caracteres(l, n);
            const char esperada = fila == 10 ? '0' : static_cast<char>('0' + fila);
            if (c[0] != std::string_view(&esperada, 1) && c[0] != "0") {
                if (aviso)
                    aviso("Error simbolo: " + std::to_string(s) + " linea: " + std::string(c[0]) + "-" +
                          std::to_string(fila));
            }
            auto& puntos = simbolo.punto[static_cast<std::size_t>(fila - 1)];
            for (int k = 1; k < n; ++k) puntos[static_cast<std::size_t>(k - 1)] = c[static_cast<std::size_t>(k)] != " ";
        }
    }
    return t;
}

std::string ruta_simbolos(const std::string& carpeta_programa) {
    // Junto al programa o en la carpeta de datos de la instalación.
    return buscar_dato(carpeta_programa, kFicheroSimbolos);
}

TablaSimbolos leer_fichero_simbolos(const std::string& ruta,
                                    const std::function<void(const std::string&)>& aviso) {
    return leer_simbolos(decodificar(leer_fichero(ruta)), aviso);
}

bool asignar_simbolos(TablaSimbolos& t, int n_colores) {
    const int leidos = std::clamp(t.total, 0, kMaxSimbolos);
    if (n_colores <= 0) return false;
    const bool faltan = leidos < n_colores;
    if (leidos == 0) return faltan;
    const float razon = static_cast<float>(leidos) / static_cast<float>(n_colores);
    const int ultimo = std::min(n_colores, kMaxSimbolos);
    // Se copia siempre del símbolo leído, no del hueco ya reescrito: con menos símbolos que
    // colores, copiar en el sitio acabaría dando el símbolo 1 a todos los colores.
    const auto leidos_antes = t.item;
    for (int b = 2; b <= ultimo; ++b) {
        // El producto se hace en doble precisión: es exacto para estos tamaños.
        const int origen = std::clamp(static_cast<int>(static_cast<double>(b) * static_cast<double>(razon)), 1, leidos);
        t.item[static_cast<std::size_t>(b)] = leidos_antes[static_cast<std::size_t>(origen)];
    }
    return faltan;
}

int simbolo_de_color(const TablaHilos& paleta_imp, Color c) {
    for (int m = std::clamp(paleta_imp.total, 0, kMaxHilos); m >= 1; --m) {
        if (paleta_imp[m].color == c) return (m - 1) % kMaxSimbolos + 1;
    }
    return 0;
}

TramaSimbolo trama_simbolo(const Simbolo& s, int lado_celda) {
    TramaSimbolo t;
    t.d = lado_celda / 13;
    if (t.d > 0) {
        t.punto = s.punto;
        return t;
    }
    t.d = 1;
    t.n = 5;
    for (std::size_t r = 0; r < 5; ++r)
        for (std::size_t c = 0; c < 5; ++c) t.punto[r][c] = s.punto[2 * r + 1][2 * c] || s.punto[2 * r + 1][2 * c + 1];
    return t;
}

std::string mensaje_faltan_simbolos() {
    return "ERROR: Hay más colores en la paleta que SIMBOLOS para representar. \n"
           "Se empleará el mismo símbolo para más de un color.";
}

}  // namespace pc
