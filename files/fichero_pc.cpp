#include "files/fichero_pc.h"

#include <cstdint>

#include "app/texto.h"
#include "files/enteros_le.h"

namespace pc {

namespace {

// ---------------------------------------------------------------- rejilla

bool iguales(const Punto& a, const Punto& b) {
    // Campo a campo: comparar los perfiles como bloque llama a memcmp en cada punto.
    return a.color == b.color && a.perfil[0] == b.perfil[0] && a.perfil[1] == b.perfil[1] &&
           a.perfil[2] == b.perfil[2] && a.perfil[3] == b.perfil[3];
}

// Recorrido de la rejilla en orden de filas, desde (1, 1), que nunca sale del tapiz.
class Recorrido {
public:
    Recorrido(Estado& e, int ancho, int alto) : e_(e), ancho_(ancho), alto_(alto) {}

    // Guarda n puntos iguales; si no caben en lo que queda del tapiz, no guarda ninguno.
    void poner(const Punto& p, long long n) {
        if (n <= 0) return;
        if (n > quedan()) {
            throw ErrorFormato("El fichero describe más puntos de los que caben en un tapiz de " +
                               std::to_string(ancho_) + " x " + std::to_string(alto_) + ".");
        }
        for (long long k = 0; k < n; ++k) {
            e_.punto(x_, y_) = p;
            if (++x_ > ancho_) {
                x_ = 1;
                ++y_;
            }
        }
    }

private:
    long long quedan() const {
        if (y_ > alto_) return 0;
        return static_cast<long long>(alto_ - y_) * ancho_ + (ancho_ - x_ + 1);
    }

    Estado& e_;
    int ancho_, alto_;
    int x_ = 1, y_ = 1;
};

Punto punto_sin_perfil(Color c) {
    Punto p;
    p.color = c;
    p.perfil = {kSinPerfil, kSinPerfil, kSinPerfil, kSinPerfil};
    return p;
}

// Comprueba un tamaño leído de un fichero (1..700) y lo devuelve.
int tamano_leido(int v) {
    comprobar_tamano(v);
    return v;
}

// ---------------------------------------------------------------- texto

int numero(std::string_view s, const char* que) {
    int v = 0;
    if (!leer_entero(s, v)) {
        throw ErrorFormato(std::string(que) + ": '" + visible(recortar_vista(s)) + "' no es un número entero.");
    }
    return v;
}

// Líneas de un texto, una a una, sin copiarlas (admite \r\n, \n y \r).
class Lineas : public LectorLineas {
public:
    explicit Lineas(std::string_view t) : LectorLineas(t) {}
    bool fin() const { return al_final(); }
    // Siguiente línea de valor: recortada, saltando las de comentario (";") y las vacías.
    // Devuelve false si el texto se acaba antes.
    bool valor(std::string_view& linea) {
        while (!fin()) {
            linea = recortar_vista(siguiente());
            if (!linea.empty() && linea.front() != ';') return true;
        }
        return false;
    }
    std::string_view valor_obligado(const char* que) {
        std::string_view linea;
        if (!valor(linea)) throw ErrorFormato(std::string("El fichero se acaba antes de ") + que + ".");
        return linea;
    }
};

// Alto y ancho de un fichero de texto; los deja en el estado con el texto leído.
void leer_tamano_texto(Estado& e, Lineas& l, int& ancho, int& alto) {
    const std::string_view t_alto = l.valor_obligado("el alto");
    alto = tamano_leido(numero(t_alto, "Alto"));
    e.alto = std::string(t_alto);
    const std::string_view t_ancho = l.valor_obligado("el ancho");
    ancho = tamano_leido(numero(t_ancho, "Ancho"));
    e.ancho = std::string(t_ancho);
}

// Número de versión de la etiqueta: dígitos con un separador decimal opcional.
bool leer_version(std::string_view s, double& v) {
    s = recortar_vista(s);
    double entero_ = 0, fraccion = 0, escala = 1;
    bool punto = false, digitos = false;
    std::size_t i = 0;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    for (; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '.' && !punto) {
            punto = true;
        } else if (c >= '0' && c <= '9') {
            digitos = true;
            if (punto) {
                escala /= 10;
                fraccion += (c - '0') * escala;
            } else {
                entero_ = entero_ * 10 + (c - '0');
            }
        } else {
            return false;
        }
    }
    if (!digitos) return false;
    v = (entero_ + fraccion) * (negativo ? -1 : 1);
    return true;
}

void comprobar_version(std::string_view etiqueta_bytes) {
    const std::string etiqueta = decodificar(etiqueta_bytes);
    if (etiqueta.find("Versión") == std::string::npos) return;
    std::string numero_texto = subcadena_utf8(etiqueta, 8, 3);  // caracteres 9..11
    for (char& c : numero_texto)
        if (c == ',') c = '.';
    double v = 0;
    if (!leer_version(numero_texto, v)) {
        throw ErrorFormato("La versión '" + visible(numero_texto) + "' del fichero no es un número.");
    }
    if (v < 1.5) throw ErrorVersionPc("ERROR en la versión del fichero");
}

// Entrada de color de la versión 1.2: "n. R:rrr G:ggg B:bbb".
Color color_ver12(std::string_view linea) {
    const std::size_t punto = linea.find('.');
    if (punto != std::string_view::npos) linea.remove_prefix(punto + 1);
    const std::size_t r = linea.find('R'), g = linea.find('G'), b = linea.find('B');
    if (r == std::string_view::npos || g == std::string_view::npos || b == std::string_view::npos || g < r + 3 ||
        b < g + 3 || b + 2 > linea.size()) {
        throw ErrorFormato("Entrada de color incorrecta: '" + visible(linea) + "'.");
    }
    const int rojo_ = numero(linea.substr(r + 2, g - r - 3), "Rojo");
    const int verde_ = numero(linea.substr(g + 2, b - g - 3), "Verde");
    const int azul_ = numero(linea.substr(b + 2), "Azul");
    return rgb(rojo_, verde_, azul_);
}

int entrada_paleta(std::string_view texto, int total) {
    const int n = numero(texto, "Entrada de color");
    if (n < 1 || n > total) {
        throw ErrorFormato("La entrada de color " + std::to_string(n) + " no existe (hay " +
                           std::to_string(total) + ").");
    }
    return n;
}

}  // namespace

// ---------------------------------------------------------------- escritura

void blanquear_rejilla(Estado& e) {
    for (auto& columna : e.puntos)
        for (auto& p : columna) p.color = kBlanco;
}

std::string etiqueta_version(const std::string& version) {
    std::string t = utf8_a_cp1252(version);
    t.resize(kBytesEtiqueta, ' ');
    return t;
}

std::string codificar_pc(const Estado& e, int ancho, int alto) {
    return codificar_pc(e.puntos.data(), e.version, ancho, alto);
}

std::string codificar_pc(const ColumnaPuntos* columnas, const std::string& version, int ancho, int alto) {
    comprobar_tamano(ancho);
    comprobar_tamano(alto);
    std::string out;
    out.reserve(static_cast<std::size_t>(kBytesCabeceraPc) + 4u * (static_cast<std::size_t>(ancho) * alto + 1));
    out += etiqueta_version(version);
    out.append(kBytesReservados, '\0');
    poner32(out, alto);
    poner32(out, ancho);

    // La tanda en curso empieza vacía, con color -1; la primera celda nunca la continúa.
    Punto actual = punto_sin_perfil(kSinPerfil);
    int largo = 0;
    const auto escribir = [&] {
        out += static_cast<char>(largo);
        out += static_cast<char>(rojo(actual.color));
        out += static_cast<char>(verde(actual.color));
        out += static_cast<char>(azul(actual.color));
    };
    for (int y = 1; y <= alto; ++y) {
        for (int x = 1; x <= ancho; ++x) {
            const Punto& p = columnas[x][static_cast<std::size_t>(y)];
            if (largo > 0 && largo < 255 && iguales(p, actual)) {
                ++largo;
            } else {
                escribir();
                actual = p;
                largo = 1;
            }
        }
    }
    escribir();
    return out;
}

// ---------------------------------------------------------------- lectura

void leer_pc_binario(Estado& e, std::string_view bytes) {
    if (bytes.size() < static_cast<std::size_t>(kBytesEtiqueta)) {
        throw ErrorFormato("El fichero se acaba dentro de la etiqueta de versión.");
    }
    comprobar_version(bytes.substr(0, kBytesEtiqueta));
    if (bytes.size() < static_cast<std::size_t>(kBytesCabeceraPc)) {
        throw ErrorFormato("El fichero se acaba dentro de la cabecera.");
    }
    std::size_t pos = kBytesEtiqueta + kBytesReservados;
    const int alto = tamano_leido(leer32(bytes, pos));
    e.alto = std::to_string(alto);
    const int ancho = tamano_leido(leer32(bytes, pos + 4));
    e.ancho = std::to_string(ancho);
    pos += 8;

    Recorrido r(e, ancho, alto);
    while (pos < bytes.size()) {
        if (bytes.size() - pos < 4) throw ErrorFormato("El fichero se acaba dentro de una tanda de puntos.");
        const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[pos + k]); };
        const int largo = byte(0);
        if (largo > 0) r.poner(punto_sin_perfil(rgb(byte(1), byte(2), byte(3))), largo);
        pos += 4;
    }
}

void leer_pc_ver12(Estado& e, std::string_view bytes) {
    const std::string texto = decodificar(bytes);
    Lineas l(texto);
    int ancho = 0, alto = 0;
    leer_tamano_texto(e, l, ancho, alto);

    const int n = numero(l.valor_obligado("el número de colores"), "Número de colores");
    if (n < 0 || n > kMaxHilos) {
        throw ErrorFormato("El fichero anuncia " + std::to_string(n) + " colores; caben de 0 a 600.");
    }
    e.paleta.total = 0;
    for (int k = 1; k <= n; ++k) {
        Hilo h;
        h.color = color_ver12(l.valor_obligado("la lista de colores"));
        h.numero = 0;
        h.activo = true;
        e.paleta[k] = h;
        e.paleta.total = k;
    }

    Recorrido r(e, ancho, alto);
    std::string_view linea;
    while (l.valor(linea)) {
        std::string_view tanda = linea, lista;
        if (const std::size_t pc = linea.find(';'); pc != std::string_view::npos) {
            tanda = linea.substr(0, pc);
            lista = linea.substr(pc + 1);
        }
        const std::size_t dos_puntos = tanda.find(':');
        if (dos_puntos == std::string_view::npos) {
            throw ErrorFormato("Línea de puntos sin ':': '" + visible(linea) + "'.");
        }
        const int largo = numero(tanda.substr(0, dos_puntos), "Número de puntos");
        if (largo < 0) throw ErrorFormato("Número de puntos negativo: '" + visible(linea) + "'.");
        Punto p = punto_sin_perfil(e.paleta[entrada_paleta(tanda.substr(dos_puntos + 1), n)].color);

        // Perfiles: "lado-entrada" separados por un carácter.
        while (true) {
            const std::size_t guion = lista.find('-');
            if (guion == std::string_view::npos || guion == 0) break;
            const char lado = lista[guion - 1];
            if (lado < '1' || lado > '4') {
                throw ErrorFormato("Lado de perfil incorrecto en '" + visible(linea) + "' (debe ser de 1 a 4).");
            }
            lista = recortar_vista(lista.substr(guion + 1));
            const std::size_t otro = lista.find('-');
            std::string_view num = lista;
            if (otro != std::string_view::npos) num = otro >= 1 ? lista.substr(0, otro - 1) : std::string_view{};
            p.lado(lado - '0') = e.paleta[entrada_paleta(num, n)].color;
        }
        r.poner(p, largo);
    }
}

void leer_pc_viejo(Estado& e, std::string_view bytes) {
    const std::string texto = decodificar(bytes);
    Lineas l(texto);
    int ancho = 0, alto = 0;
    leer_tamano_texto(e, l, ancho, alto);

    Recorrido r(e, ancho, alto);
    const long long total = static_cast<long long>(ancho) * alto;
    for (long long k = 0; k < total; ++k) {
        std::string_view linea;
        do {
            if (l.fin()) throw ErrorFormato("El fichero se acaba antes del último punto.");
            linea = l.siguiente();
        } while (recortar_vista(linea).empty());
        const std::size_t pc = linea.find(';');
        const int c = numero(linea.substr(0, pc), "Color");
        if (c < 0 || c > kBlanco) {
            throw ErrorFormato("El color " + std::to_string(c) + " no es válido (debe estar entre 0 y 16777215).");
        }
        r.poner(punto_sin_perfil(c), 1);
    }
}

void leer_pc(Estado& e, std::string_view bytes, int formato) {
    switch (formato) {
        case kFormatoViejo: leer_pc_viejo(e, bytes); return;
        case kFormatoVer12: leer_pc_ver12(e, bytes); return;
        case kFormatoBinario: leer_pc_binario(e, bytes); return;
        default: throw ErrorFormato("Formato de fichero desconocido: " + std::to_string(formato) + ".");
    }
}

}  // namespace pc
