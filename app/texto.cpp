#include "app/texto.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/errores.h"

namespace pc {

namespace {
bool es_blanco(unsigned char c) { return c <= ' '; }

// Tabla de Windows-1252 para 0x80..0x9F (0 = sin carácter).
constexpr char32_t kAltos[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Lee un carácter UTF-8 en s[i]; avanza i. Devuelve false si la secuencia no es válida.
bool leer_utf8(std::string_view s, std::size_t& i, char32_t& cp) {
    const auto c = static_cast<unsigned char>(s[i]);
    int n = 0;
    if (c < 0x80) {
        cp = c;
        ++i;
        return true;
    } else if ((c & 0xE0) == 0xC0) {
        cp = c & 0x1F;
        n = 1;
    } else if ((c & 0xF0) == 0xE0) {
        cp = c & 0x0F;
        n = 2;
    } else if ((c & 0xF8) == 0xF0) {
        cp = c & 0x07;
        n = 3;
    } else {
        return false;
    }
    for (int k = 1; k <= n; ++k) {
        if (i + k >= s.size()) return false;
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) return false;
        cp = (cp << 6) | (d & 0x3F);
    }
    // Formas demasiado largas y sustitutos no son UTF-8 válido.
    static constexpr char32_t kMinimo[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMinimo[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(n) + 1;
    return true;
}
}  // namespace

void poner_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string_view recortar_vista(std::string_view s) {
    std::size_t a = 0, b = s.size();
    while (a < b && es_blanco(static_cast<unsigned char>(s[a]))) ++a;
    while (b > a && es_blanco(static_cast<unsigned char>(s[b - 1]))) --b;
    return s.substr(a, b - a);
}

std::string recortar(std::string_view s) { return std::string(recortar_vista(s)); }

bool leer_entero(std::string_view s, int& valor) {
    const std::string t = recortar(s);
    if (t.empty()) return false;
    std::size_t i = 0;
    bool negativo = false;
    if (t[0] == '+' || t[0] == '-') {
        negativo = t[0] == '-';
        i = 1;
    }
    if (i >= t.size()) return false;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        v = v * 10 + (t[i] - '0');
        if (v > 2147483648LL) return false;
    }
    if (negativo) v = -v;
    if (v > INT_MAX || v < INT_MIN) return false;
    valor = static_cast<int>(v);
    return true;
}

std::string visible(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = '?';
    return r;
}

std::string mensaje_conversion(const std::string& s) { return "'" + visible(s) + "' is not a valid integer value"; }

int entero(const std::string& s) {
    int v = 0;
    if (!leer_entero(s, v)) throw ErrorConversion(mensaje_conversion(s));
    return v;
}

std::string mensaje_division_por_cero() { return "Error aritmético: división por cero"; }

int dividir(int a, int b) {
    if (b == 0) throw ErrorAritmetico(mensaje_division_por_cero());
    if (a == INT_MIN && b == -1) throw ErrorAritmetico("Error aritmético: desbordamiento");
    return a / b;
}

long long redondear(long double v) {
    // nearbyint redondea con el modo vigente, que por defecto es al par.
    return static_cast<long long>(std::nearbyintl(v));
}

std::string decimal_coma(double v, int decimales) {
    char b[32];
    std::snprintf(b, sizeof b, "%.*f", decimales, v);
    std::string r = b;
    for (char& c : r)
        if (c == '.') c = ',';
    return r;
}

bool es_utf8_valido(std::string_view s) {
    std::size_t i = 0;
    char32_t cp = 0;
    while (i < s.size()) {
        if (!leer_utf8(s, i, cp)) return false;
    }
    return true;
}

std::string cp1252_a_utf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else if (c < 0xA0) {
            const char32_t cp = kAltos[c - 0x80];
            poner_utf8(out, cp ? cp : c);
        } else {
            poner_utf8(out, c);
        }
    }
    return out;
}

std::string utf8_a_cp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t cp = 0;
        if (!leer_utf8(s, i, cp)) {  // byte suelto: se copia tal cual
            out += s[i++];
            continue;
        }
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char encontrado = '?';
        for (int k = 0; k < 32; ++k) {
            if (kAltos[k] == cp) {
                encontrado = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += encontrado;
    }
    return out;
}

std::string decodificar(std::string_view bytes) {
    if (es_utf8_valido(bytes)) {
        // Sin la marca de orden de bytes, si la hay.
        if (bytes.size() >= 3 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        return std::string(bytes);
    }
    return cp1252_a_utf8(bytes);
}

std::string_view LectorLineas::siguiente() {
    const std::size_t inicio = pos_;
    while (pos_ < texto_.size() && texto_[pos_] != '\n' && texto_[pos_] != '\r') ++pos_;
    const std::string_view linea = texto_.substr(inicio, pos_ - inicio);
    if (pos_ < texto_.size()) {
        if (texto_[pos_] == '\r' && pos_ + 1 < texto_.size() && texto_[pos_ + 1] == '\n') ++pos_;
        ++pos_;
    }
    return linea;
}

std::vector<std::string> partir_lineas(std::string_view texto) {
    std::vector<std::string> lineas;
    LectorLineas lector(texto);
    while (!lector.al_final()) lineas.emplace_back(lector.siguiente());
    return lineas;
}

std::size_t longitud_utf8(std::string_view s) {
    std::size_t n = 0;
    for (char c : s)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
    return n;
}

std::string subcadena_utf8(std::string_view s, std::size_t desde, std::size_t cuantos) {
    std::size_t n = 0, a = s.size(), b = s.size();
    for (std::size_t i = 0; i <= s.size(); ++i) {
        const bool inicio_car = i == s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80;
        if (!inicio_car) continue;
        if (n == desde && a == s.size()) a = i;
        if (n == desde + cuantos) {
            b = i;
            break;
        }
        ++n;
    }
    if (a > s.size()) a = s.size();
    return std::string(s.substr(a, b - a));
}

}  // namespace pc
