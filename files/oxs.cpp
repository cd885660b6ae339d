#include "files/oxs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <tuple>
#include <unordered_map>

#include <pugixml.hpp>

#include "app/errores.h"
#include "app/texto.h"
#include "pattern/puntadas_tapiz.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

constexpr Color kMagenta = rgb(255, 0, 255);
// Tamaño que suponen los lectores de OXS cuando el fichero no lo dice.
constexpr int kTamanoPorDefecto = 100;

// ---------------------------------------------------------------- escritura

void poner_entero(std::string& out, long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

// RRGGBB en mayúsculas: el rojo primero, al revés que en memoria.
std::string hex(Color c) {
    static constexpr char kDigitos[] = "0123456789ABCDEF";
    std::string h;
    for (int v : {rojo(c), verde(c), azul(c)}) {
        h += kDigitos[v >> 4];
        h += kDigitos[v & 15];
    }
    return h;
}

// Texto de un atributo: UTF-8 (un texto que no lo es se toma como Windows-1252), con los
// caracteres especiales del XML escapados y sin los de control que el XML no admite.
void poner_texto(std::string& out, std::string_view s) {
    const std::string utf8 = es_utf8_valido(s) ? std::string(s) : cp1252_a_utf8(s);
    for (char ch : utf8) {
        switch (ch) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\t': out += "&#9;"; break;
            case '\n': out += "&#10;"; break;
            case '\r': out += "&#13;"; break;
            default:
                if (static_cast<unsigned char>(ch) >= 0x20) out += ch;
        }
    }
}

void atributo(std::string& out, const char* nombre, std::string_view valor) {
    out += ' ';
    out += nombre;
    out += "=\"";
    poner_texto(out, valor);
    out += '"';
}

void atributo(std::string& out, const char* nombre, long long valor) {
    out += ' ';
    out += nombre;
    out += "=\"";
    poner_entero(out, valor);
    out += '"';
}

// Símbolo del color i (0, 1, ...): letras, cifras y signos; después, letras latinas
// extendidas y, si hicieran falta más, ideogramas.
std::string simbolo(std::size_t i) {
    static constexpr std::string_view kAscii =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghijklmnopqrstuvwxyz+-*/=#%@&$?!<>^~:;|()[]{}";
    if (i < kAscii.size()) return std::string(1, kAscii[i]);
    i -= kAscii.size();
    constexpr std::size_t kLatinos = 0x250 - 0x100;
    const auto cp = static_cast<char32_t>(i < kLatinos ? 0x100 + i : 0x4E00 + (i - kLatinos) % 0x5000);
    std::string s;
    poner_utf8(s, cp);
    return s;
}

// Las otras puntadas que caben en el tapiz de ancho × alto (lo de fuera, tras achicarlo, no se
// escribe), en orden de filas para que el fichero no dependa del orden en que se pusieron.
struct Otras {
    std::vector<Parcial> parciales;
    std::vector<Linea> lineas;
    std::vector<Nudo> nudos;

    Otras(const Puntadas& p, int ancho, int alto) {
        const int mu = 2 * ancho, mv = 2 * alto;
        auto dentro = [&](int u, int v) { return u >= 0 && v >= 0 && u <= mu && v <= mv; };
        for (const Parcial& q : p.parciales())
            if (q.x >= 1 && q.y >= 1 && q.x <= ancho && q.y <= alto) parciales.push_back(q);
        for (const Linea& l : p.lineas())
            if (dentro(l.u1, l.v1) && dentro(l.u2, l.v2)) lineas.push_back(l);
        for (const Nudo& n : p.nudos())
            if (dentro(n.u, n.v)) nudos.push_back(n);
        std::sort(parciales.begin(), parciales.end(), [](const Parcial& a, const Parcial& b) {
            return std::tuple(a.y, a.x, a.tipo, a.diagonal, a.esquina, a.color) <
                   std::tuple(b.y, b.x, b.tipo, b.diagonal, b.esquina, b.color);
        });
        auto clave = [](const Linea& l) {
            return std::tuple(std::min(l.v1, l.v2), std::min(l.u1, l.u2), l.v1, l.u1, l.v2, l.u2, l.color, l.hebras);
        };
        std::sort(lineas.begin(), lineas.end(), [&](const Linea& a, const Linea& b) { return clave(a) < clave(b); });
        std::sort(nudos.begin(), nudos.end(), [](const Nudo& a, const Nudo& b) {
            return std::tuple(a.v, a.u, a.color, a.hebras) < std::tuple(b.v, b.u, b.color, b.hebras);
        });
    }
};

struct UsoColor {
    Color color = 0;
    long puntos = 0;
    long lados = 0;
    std::size_t orden = 0;  // primera aparición
    long otras = 0;         // parciales, pespuntes y nudos
};

// Los colores del tapiz y de su perfilado, de más a menos usados (como la paleta del tapiz);
// los que sólo perfilan van detrás, y los de las otras puntadas, después. Una celda con
// parciales no tiene punto entero.
std::vector<UsoColor> colores_usados(const Estado& e, int ancho, int alto, const std::vector<Pespunte>& lados,
                                     const Otras& otras) {
    std::vector<UsoColor> usos;
    std::unordered_map<Color, std::size_t> sitio;
    auto uso = [&](Color c) -> UsoColor& {
        const auto [it, nuevo] = sitio.try_emplace(c, usos.size());
        if (nuevo) usos.push_back({c, 0, 0, usos.size(), 0});
        return usos[it->second];
    };
    const bool con_parciales = !e.puntadas.parciales().empty();
    Color ultimo = 0;
    UsoColor* actual = nullptr;
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) {
            if (con_parciales && e.puntadas.hay_parciales(x, y)) continue;
            const Color c = e.punto(x, y).color;
            if (!actual || c != ultimo) {
                actual = &uso(c);
                ultimo = c;
            }
            ++actual->puntos;  // la referencia sigue valiendo hasta el siguiente color nuevo
        }
    for (const Pespunte& p : lados) ++uso(p.color).lados;
    for (const Parcial& p : otras.parciales) ++uso(p.color).otras;
    for (const Linea& l : otras.lineas) ++uso(l.color).otras;
    for (const Nudo& n : otras.nudos) ++uso(n.color).otras;
    std::sort(usos.begin(), usos.end(), [](const UsoColor& a, const UsoColor& b) {
        if (a.puntos != b.puntos) return a.puntos > b.puntos;
        if (a.lados != b.lados) return a.lados > b.lados;
        if (a.otras != b.otras) return a.otras > b.otras;
        return a.orden < b.orden;
    });
    return usos;
}

// Número del hilo para la paleta ("DMC 310", "DMC B5200", "ANCHOR 403") y su nombre; un color
// que no es de ningún hilo del catálogo, "RGB" y su hexadecimal.
class NombresHilos {
public:
    explicit NombresHilos(const Estado& e) : marca_(e.marca) {
        if (marca_.empty()) return;
        const int total = std::min<int>(e.hilos.total, kMaxHilos);
        for (int i = total; i >= 1; --i) numeros_[e.hilos[i].color] = e.hilos[i].numero;  // gana el primero
    }
    std::pair<std::string, std::string> operator()(Color c) const {
        const auto it = numeros_.find(c);
        std::string n = it == numeros_.end() ? "" : texto_numero_hilo(marca_, it->second);
        if (n.empty()) return {"RGB " + hex(c), hex(c)};
        return {marca_ + " " + n, n};
    }

private:
    std::string marca_;
    std::unordered_map<Color, int> numeros_;
};

// Una coordenada de la red de medios puntos (u = 2·x) como número de esquinas: "3" o "3.5".
void atributo_red(std::string& out, const char* nombre, int u) {
    out += ' ';
    out += nombre;
    out += "=\"";
    if (u < 0) {
        out += '-';
        u = -u;
    }
    poner_entero(out, u / 2);
    if (u % 2 != 0) out += ".5";
    out += '"';
}

void escribir_parciales(std::string& out, std::string& objetos, const std::vector<Parcial>& todos,
                        const std::unordered_map<Color, long long>& indice) {
    out += "  <partstitches>\n";
    for (std::size_t i = 0; i < todos.size();) {
        std::size_t j = i;
        while (j < todos.size() && todos[j].x == todos[i].x && todos[j].y == todos[i].y) ++j;
        // Una celda: como mucho un medio punto o una pareja de tres cuartos en un partstitch; los
        // cuartos y los petits, como objetos.
        long long d = 0, p1 = 0, p2 = 0;
        for (std::size_t k = i; k < j; ++k) {
            const Parcial& q = todos[k];
            const long long c = indice.at(q.color);
            if (q.tipo == TipoParcial::kMedio) {
                d = q.diagonal == Diagonal::kBarra ? 3 : 4;
                p1 = c;
            } else if (q.tipo == TipoParcial::kTresCuartos) {
                d = q.diagonal == Diagonal::kInvertida ? 1 : 2;
                const bool primero = q.esquina == Esquina::kAbajoIzquierda || q.esquina == Esquina::kArribaIzquierda;
                (primero ? p1 : p2) = c;
            } else {
                const int u = 2 * (q.x - 1) + (q.esquina == Esquina::kArribaDerecha || q.esquina == Esquina::kAbajoDerecha);
                const int v = 2 * (q.y - 1) + (q.esquina == Esquina::kAbajoIzquierda || q.esquina == Esquina::kAbajoDerecha);
                objetos += "    <object";
                atributo_red(objetos, "x1", u);
                atributo_red(objetos, "y1", v);
                atributo(objetos, "palindex", c);
                objetos += q.tipo == TipoParcial::kPetit ? " objecttype=\"quarter\" petit=\"true\"/>\n"
                                                         : " objecttype=\"quarter\" petit=\"false\"/>\n";
            }
        }
        if (d != 0) {
            out += "    <partstitch";
            atributo(out, "x", todos[i].x - 1);
            atributo(out, "y", todos[i].y - 1);
            atributo(out, "palindex1", p1);
            atributo(out, "palindex2", p2);
            atributo(out, "direction", d);
            out += "/>\n";
        }
        i = j;
    }
    out += "  </partstitches>\n";
}

// La versión del programa sin la palabra de delante ("Versión 1.60" da "1.60").
std::string version_programa(const std::string& version) {
    const std::size_t blanco = version.rfind(' ');
    return blanco == std::string::npos ? version : version.substr(blanco + 1);
}

// ---------------------------------------------------------------- lectura

std::string_view valor(const pugi::xml_attribute& a) { return recortar_vista(a.value()); }

bool leer_entero_largo(std::string_view s, long long& v) {
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size();
}

bool entero_attr(const pugi::xml_attribute& a, long long& v) { return leer_entero_largo(valor(a), v); }

// Coordenada de un pespunte: un número finito (admite decimales con punto).
bool numero_attr(const pugi::xml_attribute& a, double& v) {
    std::string_view s = valor(a);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    return !s.empty() && r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(v);
}

// Color "RRGGBB" (mayúsculas o minúsculas, con o sin '#').
bool color_attr(const pugi::xml_attribute& a, Color& c) {
    std::string_view s = valor(a);
    if (!s.empty() && s.front() == '#') s.remove_prefix(1);
    if (s.size() != 6) return false;
    unsigned v = 0;
    const auto r = std::from_chars(s.data(), s.data() + 6, v, 16);
    if (r.ec != std::errc() || r.ptr != s.data() + 6) return false;
    c = rgb(static_cast<int>(v >> 16), static_cast<int>(v >> 8), static_cast<int>(v));
    return true;
}

std::string cita(std::string_view s) {
    if (s.size() > 40) return "'" + visible(s.substr(0, 40)) + "...'";
    return "'" + visible(s) + "'";
}

std::string motivo_xml(pugi::xml_parse_status st) {
    switch (st) {
        case pugi::status_out_of_memory: return "no hay memoria para leerlo";
        case pugi::status_unrecognized_tag: return "etiqueta no reconocida";
        case pugi::status_bad_pi: return "declaración o instrucción mal escrita";
        case pugi::status_bad_comment: return "comentario mal escrito";
        case pugi::status_bad_cdata: return "sección CDATA mal escrita";
        case pugi::status_bad_doctype: return "declaración de tipo de documento mal escrita";
        case pugi::status_bad_pcdata: return "texto mal escrito";
        case pugi::status_bad_start_element: return "etiqueta de apertura mal escrita";
        case pugi::status_bad_attribute: return "atributo mal escrito";
        case pugi::status_bad_end_element: return "etiqueta de cierre mal escrita";
        case pugi::status_end_element_mismatch:
            return "una etiqueta no se cierra o se cierra con otro nombre (¿fichero cortado?)";
        case pugi::status_no_document_element: return "no hay ningún elemento";
        default: return "error del lector de XML";
    }
}

// "XML mal formado en la línea L, columna C: motivo."
std::string error_xml(std::string_view bytes, const pugi::xml_parse_result& r) {
    const std::size_t hasta = std::min(bytes.size(), static_cast<std::size_t>(std::max<std::ptrdiff_t>(r.offset, 0)));
    long linea = 1;
    std::size_t inicio = 0;
    for (std::size_t i = 0; i < hasta; ++i)
        if (bytes[i] == '\n') {
            ++linea;
            inicio = i + 1;
        }
    return "XML mal formado en la línea " + std::to_string(linea) + ", columna " +
           std::to_string(hasta - inicio + 1) + ": " + motivo_xml(r.status) + ".";
}

long long tamano(const pugi::xml_node& propiedades, const char* atributo_tamano, const char* que) {
    const pugi::xml_attribute a = propiedades.attribute(atributo_tamano);
    if (!a) return kTamanoPorDefecto;
    long long v = 0;
    if (!entero_attr(a, v)) throw ErrorFormato(std::string("El ") + que + " del gráfico no es un número: " + cita(a.value()) + ".");
    return v;
}

struct Lector {
    Estado& e;
    int ancho, alto;
    LecturaOxs& r;
    const ColorDeHilo& de_hilo;
    std::unordered_map<long long, Color> colores;  // índice de la paleta -> color
    Color tela = kBlanco;

    void paleta(const pugi::xml_node& chart) {
        std::unordered_map<long long, std::size_t> sitio;
        long long posicion = 0;
        for (const pugi::xml_node pal : chart.children("palette"))
            for (const pugi::xml_node item : pal.children("palette_item")) {
                long long indice = posicion++;  // sin índice, la posición: la primera es la tela
                if (const auto a = item.attribute("index"); a && !entero_attr(a, indice)) {
                    ++r.omitidos.no_numeros;
                    continue;
                }
                Color c = 0;
                bool con_color = color_attr(item.attribute("color"), c);
                if (indice == 0) {
                    tela = con_color ? c : kBlanco;
                    continue;
                }
                ColorOxs color;
                color.indice = static_cast<int>(std::clamp<long long>(indice, INT32_MIN, INT32_MAX));
                const std::string_view numero = valor(item.attribute("number"));
                const std::size_t blanco = numero.find_last_of(" \t");
                color.marca = blanco == std::string_view::npos ? "" : decodificar(recortar_vista(numero.substr(0, blanco)));
                color.numero = decodificar(blanco == std::string_view::npos ? numero : numero.substr(blanco + 1));
                color.nombre = decodificar(valor(item.attribute("name")));
                // Un hilo de nuestros catálogos manda sobre el color que dice el fichero.
                if (de_hilo) {
                    if (const std::optional<Color> h = de_hilo(color)) {
                        c = *h;
                        con_color = true;
                        color.de_catalogo = true;
                    }
                }
                if (!con_color) {
                    c = kMagenta;
                    ++r.omitidos.colores_sin_rgb;
                }
                colores[indice] = c;
                color.color = c;
                const auto [it, nuevo] = sitio.try_emplace(indice, r.paleta.size());
                if (nuevo) r.paleta.push_back(std::move(color));
                else r.paleta[it->second] = std::move(color);  // el último manda
            }
    }

    // Color de un índice de la paleta; false (y lo cuenta) si no es un número o no está.
    bool color_de(const pugi::xml_attribute& a, Color tela_indice0, Color& c) {
        long long indice = 0;
        if (!entero_attr(a, indice)) {
            ++r.omitidos.no_numeros;
            return false;
        }
        if (indice == 0) {
            c = tela_indice0;
            return true;
        }
        const auto it = colores.find(indice);
        if (it == colores.end()) {
            ++r.omitidos.indices_desconocidos;
            return false;
        }
        c = it->second;
        return true;
    }

    void puntos(const pugi::xml_node& chart) {
        std::vector<std::uint8_t> puesto(static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto), 0);
        for (const pugi::xml_node lista : chart.children("fullstitches"))
            for (const pugi::xml_node p : lista.children("stitch")) {
                long long x = 0, y = 0;
                if (!entero_attr(p.attribute("x"), x) || !entero_attr(p.attribute("y"), y)) {
                    ++r.omitidos.no_numeros;
                    continue;
                }
                Color c = kBlanco;
                if (!color_de(p.attribute("palindex"), kBlanco, c)) continue;  // la tela es blanca
                if (x < 0 || y < 0 || x >= ancho || y >= alto) {
                    ++r.omitidos.puntos_fuera;
                    continue;
                }
                const std::size_t k = static_cast<std::size_t>(y) * static_cast<std::size_t>(ancho) + static_cast<std::size_t>(x);
                if (puesto[k]) ++r.omitidos.puntos_repetidos;
                puesto[k] = 1;
                e.punto(static_cast<int>(x) + 1, static_cast<int>(y) + 1).color = c;
            }
    }

    // Un número de la red de medios puntos: la coordenada por dos, entera y en 0..2·limite.
    // Se comprueba antes de pasar a entero. false si no es un número (contado) o no cae en
    // la red o en el tapiz (no contado: lo cuenta quien llama).
    enum class Red { kVale, kNoNumero, kFueraDeRed, kFuera };
    Red red(const pugi::xml_attribute& a, int limite, int& u) {
        double v = 0;
        if (!numero_attr(a, v)) return Red::kNoNumero;
        const double d = v * 2;
        if (d < 0 || d > 2.0 * limite) return Red::kFuera;
        if (std::floor(d) != d) return Red::kFueraDeRed;
        u = static_cast<int>(d);
        return Red::kVale;
    }

    // Hebras de un pespunte o un nudo: el atributo `strands` si es un entero de 1 a 255, si no,
    // las de siempre.
    static std::uint8_t hebras(const pugi::xml_node& p, std::uint8_t por_defecto) {
        long long v = 0;
        if (!entero_attr(p.attribute("strands"), v) || v < 1 || v > 255) return por_defecto;
        return static_cast<std::uint8_t>(v);
    }

    void poner_parcial(const Parcial& p) {
        if (e.puntadas.poner(p, ancho, alto)) e.punto(p.x, p.y).color = kBlanco;
        else ++r.omitidos.medios_puntos;
    }

    // Un parcial de celda: la celda en columna - 1, fila - 1.
    void parcial(const pugi::xml_node& p) {
        long long x = 0, y = 0, direccion = 0;
        if (!entero_attr(p.attribute("x"), x) || !entero_attr(p.attribute("y"), y) ||
            !entero_attr(p.attribute("direction"), direccion)) {
            ++r.omitidos.no_numeros;
            return;
        }
        if (direccion < 1 || direccion > 4) {
            ++r.omitidos.medios_puntos;
            return;
        }
        if (x < 0 || y < 0 || x >= ancho || y >= alto) {
            ++r.omitidos.puntos_fuera;
            return;
        }
        // Cada color, o 0 (ninguno). Un índice que no es un número o no está se cuenta y no se pone.
        auto indice = [&](const char* nombre, Color& c) {
            const pugi::xml_attribute a = p.attribute(nombre);
            long long i = 0;
            if (!a) return false;
            if (!entero_attr(a, i)) {
                ++r.omitidos.no_numeros;
                return false;
            }
            return i != 0 && color_de(a, tela, c);
        };
        Color c1 = 0, c2 = 0;
        const bool con1 = indice("palindex1", c1);
        const bool con2 = indice("palindex2", c2);
        Parcial q;
        q.x = static_cast<std::int16_t>(x + 1);
        q.y = static_cast<std::int16_t>(y + 1);
        if (direccion >= 3) {
            if (!con1) return;
            q.tipo = TipoParcial::kMedio;
            q.diagonal = direccion == 3 ? Diagonal::kBarra : Diagonal::kInvertida;
            q.color = c1;
            poner_parcial(q);
            return;
        }
        q.tipo = TipoParcial::kTresCuartos;
        q.diagonal = direccion == 1 ? Diagonal::kInvertida : Diagonal::kBarra;
        if (con1) {
            q.esquina = direccion == 1 ? Esquina::kAbajoIzquierda : Esquina::kArribaIzquierda;
            q.color = c1;
            poner_parcial(q);
        }
        if (con2) {
            q.esquina = direccion == 1 ? Esquina::kArribaDerecha : Esquina::kAbajoDerecha;
            q.color = c2;
            poner_parcial(q);
        }
    }

    // Un objeto con posición x1, y1 en la red: cuarto, petit, nudo o medio punto ("tent").
    void objeto_red(const pugi::xml_node& o, std::string_view tipo) {
        int u = 0, v = 0;
        const Red ru = red(o.attribute("x1"), ancho, u), rv = red(o.attribute("y1"), alto, v);
        if (ru == Red::kNoNumero || rv == Red::kNoNumero) {
            ++r.omitidos.no_numeros;
            return;
        }
        if (ru != Red::kVale || rv != Red::kVale) {
            ++(tipo == "knot" ? r.omitidos.nudos : r.omitidos.puntos_fuera);
            return;
        }
        Color c = 0;
        if (!color_de(o.attribute("palindex"), tela, c)) return;
        if (tipo == "knot") {
            if (!e.puntadas.poner(Nudo{static_cast<std::int16_t>(u), static_cast<std::int16_t>(v), c, hebras(o, 2)}, ancho, alto))
                ++r.omitidos.nudos;
            return;
        }
        Parcial q;
        q.color = c;
        if (tipo == "tent") {
            long long d = 0;
            if (u % 2 != 0 || v % 2 != 0 || !entero_attr(o.attribute("direction"), d) || (d != 1 && d != 2) ||
                u >= 2 * ancho || v >= 2 * alto) {
                ++r.omitidos.medios_puntos;
                return;
            }
            q.x = static_cast<std::int16_t>(u / 2 + 1);
            q.y = static_cast<std::int16_t>(v / 2 + 1);
            q.tipo = TipoParcial::kMedio;
            q.diagonal = d == 1 ? Diagonal::kInvertida : Diagonal::kBarra;
        } else {  // quarter: la esquina de arriba a la izquierda del cuarto de celda que llena
            if (u >= 2 * ancho || v >= 2 * alto) {
                ++r.omitidos.puntos_fuera;
                return;
            }
            q.x = static_cast<std::int16_t>(u / 2 + 1);
            q.y = static_cast<std::int16_t>(v / 2 + 1);
            const bool derecha = u % 2 != 0, abajo = v % 2 != 0;
            q.esquina = abajo ? (derecha ? Esquina::kAbajoDerecha : Esquina::kAbajoIzquierda)
                              : (derecha ? Esquina::kArribaDerecha : Esquina::kArribaIzquierda);
            q.tipo = valor(o.attribute("petit")) == "false" ? TipoParcial::kCuarto : TipoParcial::kPetit;
        }
        poner_parcial(q);
    }

    void pespunte(const pugi::xml_node& p) {
        const pugi::xml_attribute tipo = p.attribute("objecttype");
        if (tipo && valor(tipo) != "backstitch" && valor(tipo) != "straightstitch") {
            ++r.omitidos.otros_objetos;
            return;
        }
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        if (!numero_attr(p.attribute("x1"), x1) || !numero_attr(p.attribute("y1"), y1) ||
            !numero_attr(p.attribute("x2"), x2) || !numero_attr(p.attribute("y2"), y2)) {
            ++r.omitidos.no_numeros;
            return;
        }
        Color c = 0;
        if (!color_de(p.attribute("palindex"), tela, c)) return;
        // En la red de medios puntos y dentro del tapiz: un lado de una celda es perfilado; lo
        // demás, un pespunte.
        int u1 = 0, v1 = 0, u2 = 0, v2 = 0;
        const Red r1 = red(p.attribute("x1"), ancho, u1), r2 = red(p.attribute("y1"), alto, v1);
        const Red r3 = red(p.attribute("x2"), ancho, u2), r4 = red(p.attribute("y2"), alto, v2);
        if (r1 == Red::kVale && r2 == Red::kVale && r3 == Red::kVale && r4 == Red::kVale) {
            if (u1 == u2 && v1 == v2) {
                ++r.omitidos.pespuntes_fuera_de_rejilla;
                return;
            }
            const Linea l{static_cast<std::int16_t>(u1), static_cast<std::int16_t>(v1), static_cast<std::int16_t>(u2),
                          static_cast<std::int16_t>(v2), c, hebras(p, 1)};
            if (Puntadas::es_lado_de_celda(l)) perfilar_lado(e, ancho, alto, v1 == v2, std::min(u1, u2) / 2, std::min(v1, v2) / 2, c);
            else if (!e.puntadas.poner(l, ancho, alto)) ++r.omitidos.pespuntes_fuera;
            return;
        }
        if (x1 != x2 && y1 != y2) {
            ++(r1 == Red::kFueraDeRed || r2 == Red::kFueraDeRed || r3 == Red::kFueraDeRed || r4 == Red::kFueraDeRed
                   ? r.omitidos.pespuntes_fuera_de_rejilla
                   : r.omitidos.pespuntes_fuera);
            return;
        }
        const auto entero = [](double v) { return std::floor(v) == v; };
        if (!entero(x1) || !entero(y1) || !entero(x2) || !entero(y2) || (x1 == x2 && y1 == y2)) {
            ++r.omitidos.pespuntes_fuera_de_rejilla;
            return;
        }
        // Un pespunte recto sobre las líneas de la rejilla que se sale del tapiz: se queda la
        // parte de dentro, como lados del perfilado.
        const bool horizontal = y1 == y2;
        // A lo largo del lado: de a a b; la línea está en fijo. Se recorta al tapiz antes de
        // pasar a enteros, así una línea enorme no cuesta más que una del tamaño del tapiz.
        const double fijo = horizontal ? y1 : x1;
        const double a = horizontal ? std::min(x1, x2) : std::min(y1, y2);
        const double b = horizontal ? std::max(x1, x2) : std::max(y1, y2);
        const int largo = horizontal ? ancho : alto;
        const int limite = horizontal ? alto : ancho;
        const int desde = static_cast<int>(std::clamp(a, 0.0, static_cast<double>(largo)));
        const int hasta = static_cast<int>(std::clamp(b, 0.0, static_cast<double>(largo)));
        ++r.omitidos.pespuntes_fuera;  // sólo se queda la parte de dentro, si la hay
        if (fijo < 0 || fijo > limite || desde >= hasta) return;
        const int f = static_cast<int>(fijo);
        for (int k = desde; k < hasta; ++k) {
            if (horizontal) perfilar_lado(e, ancho, alto, true, k, f, c);
            else perfilar_lado(e, ancho, alto, false, f, k, c);
        }
    }

    void objetos(const pugi::xml_node& chart) {
        for (const pugi::xml_node lista : chart.children("partstitches"))
            for (const pugi::xml_node p : lista.children()) {
                if (p.type() != pugi::node_element) continue;
                if (std::string_view(p.name()) == "partstitch") parcial(p);
                else ++r.omitidos.otros_objetos;
            }
        for (const pugi::xml_node lista : chart.children("backstitches"))
            for (const pugi::xml_node p : lista.children()) {
                if (p.type() != pugi::node_element) continue;
                if (std::string_view(p.name()) == "backstitch") pespunte(p);
                else ++r.omitidos.otros_objetos;
            }
        for (const pugi::xml_node lista : chart.children("ornaments_inc_knots_and_beads"))
            for (const pugi::xml_node o : lista.children()) {
                if (o.type() != pugi::node_element) continue;
                const std::string_view tipo = valor(o.attribute("objecttype"));
                if (tipo == "knot" || tipo == "quarter" || tipo == "tent") objeto_red(o, tipo);
                else if (tipo.substr(0, 4) == "bead") ++r.omitidos.cuentas;
                else ++r.omitidos.otros_objetos;
            }
        for (const pugi::xml_node lista : chart.children("commentboxes"))
            for (const pugi::xml_node o : lista.children())
                if (o.type() == pugi::node_element) ++r.omitidos.otros_objetos;
    }
};

struct Clase {
    int OmitidosOxs::*cuenta;
    const char* uno;
    const char* varios;
};

constexpr Clase kClases[] = {
    {&OmitidosOxs::medios_puntos, "medio punto", "medios puntos"},
    {&OmitidosOxs::pespuntes_diagonales, "pespunte diagonal", "pespuntes diagonales"},
    {&OmitidosOxs::pespuntes_fuera_de_rejilla, "pespunte que no sigue la rejilla", "pespuntes que no siguen la rejilla"},
    {&OmitidosOxs::nudos, "nudo", "nudos"},
    {&OmitidosOxs::cuentas, "cuenta", "cuentas"},
    {&OmitidosOxs::otros_objetos, "objeto de otra clase", "objetos de otras clases"},
    {&OmitidosOxs::puntos_fuera, "punto fuera del gráfico", "puntos fuera del gráfico"},
    {&OmitidosOxs::pespuntes_fuera, "pespunte fuera del gráfico", "pespuntes fuera del gráfico"},
    {&OmitidosOxs::puntos_repetidos, "punto repetido", "puntos repetidos"},
    {&OmitidosOxs::indices_desconocidos, "índice de color desconocido", "índices de color desconocidos"},
    {&OmitidosOxs::no_numeros, "valor que no es un número", "valores que no son números"},
};

}  // namespace

std::vector<Pespunte> pespuntes_del_tapiz(const Estado& e, int ancho, int alto) {
    std::vector<Pespunte> lados;
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) lados_del_punto(e, x, y, 1, 1, [&](const Pespunte& p) { lados.push_back(p); });
    return lados;
}

long contar_pespuntes(const Estado& e, int ancho, int alto) {
    // Por columnas, que es como está guardada la rejilla.
    long n = 0;
    for (int x = 1; x <= ancho; ++x)
        for (int y = 1; y <= alto; ++y) lados_del_punto(e, x, y, 1, 1, [&](const Pespunte&) { ++n; });
    return n;
}

std::string codificar_oxs(const Estado& e, int ancho, int alto, const std::string& titulo) {
    comprobar_tamano(ancho);
    comprobar_tamano(alto);
    const std::vector<Pespunte> lados = pespuntes_del_tapiz(e, ancho, alto);
    const Otras otras(e.puntadas, ancho, alto);
    const std::vector<UsoColor> usos = colores_usados(e, ancho, alto, lados, otras);
    std::unordered_map<Color, long long> indice;
    for (std::size_t i = 0; i < usos.size(); ++i) indice[usos[i].color] = static_cast<long long>(i) + 1;

    std::string out;
    out.reserve(700 + usos.size() * 110 + static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto) * 42 +
                lados.size() * 100 +
                (otras.parciales.size() + otras.lineas.size() + otras.nudos.size()) * 110);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<chart>\n  <format";
    atributo(out, "comments01", "Open Cross Stitch (OXS): intercambio de gráficos de punto de cruz");
    atributo(out, "comments02", "Colores en hexadecimal RRGGBB; puntos y pespuntes desde la esquina superior izquierda (0, 0)");
    out += "/>\n  <properties";
    atributo(out, "oxsversion", "1.0");
    atributo(out, "software", "Punto de Cruz");
    atributo(out, "software_version", version_programa(e.version));
    atributo(out, "chartwidth", ancho);
    atributo(out, "chartheight", alto);
    atributo(out, "charttitle", titulo);
    atributo(out, "stitchesperinch", 14);
    atributo(out, "stitchesperinch_y", 14);
    atributo(out, "palettecount", static_cast<long long>(usos.size()));
    out += "/>\n  <palette>\n    <palette_item index=\"0\" number=\"cloth\" name=\"cloth\" color=\"FFFFFF\"/>\n";
    const NombresHilos nombres(e);
    for (std::size_t i = 0; i < usos.size(); ++i) {
        const auto [numero, nombre] = nombres(usos[i].color);
        out += "    <palette_item";
        atributo(out, "index", static_cast<long long>(i) + 1);
        atributo(out, "number", numero);
        atributo(out, "name", nombre);
        atributo(out, "color", hex(usos[i].color));
        atributo(out, "symbol", simbolo(i));
        out += "/>\n";
    }
    out += "  </palette>\n  <fullstitches>\n";
    Color ultimo = 0;
    long long p = 0;
    const bool con_parciales = !e.puntadas.parciales().empty();
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) {
            if (con_parciales && e.puntadas.hay_parciales(x, y)) continue;  // ahí sólo hay tela
            const Color c = e.punto(x, y).color;
            if (p == 0 || c != ultimo) {
                p = indice.at(c);
                ultimo = c;
            }
            out += "    <stitch";
            atributo(out, "x", x - 1);
            atributo(out, "y", y - 1);
            atributo(out, "palindex", p);
            out += "/>\n";
        }
    out += "  </fullstitches>\n";
    std::string objetos;  // cuartos, petits y nudos
    if (otras.parciales.empty()) out += "  <partstitches/>\n";
    else escribir_parciales(out, objetos, otras.parciales, indice);
    out += "  <backstitches>\n";
    for (const Pespunte& l : lados) {
        out += "    <backstitch";
        atributo(out, "x1", l.x1);
        atributo(out, "y1", l.y1);
        atributo(out, "x2", l.x2);
        atributo(out, "y2", l.y2);
        atributo(out, "palindex", indice.at(l.color));
        out += " objecttype=\"backstitch\" sequence=\"0\"/>\n";
    }
    for (const Linea& l : otras.lineas) {
        out += "    <backstitch";
        atributo_red(out, "x1", l.u1);
        atributo_red(out, "y1", l.v1);
        atributo_red(out, "x2", l.u2);
        atributo_red(out, "y2", l.v2);
        atributo(out, "palindex", indice.at(l.color));
        out += " objecttype=\"backstitch\" sequence=\"0\"";
        atributo(out, "strands", l.hebras);
        out += "/>\n";
    }
    out += "  </backstitches>\n";
    for (const Nudo& n : otras.nudos) {
        objetos += "    <object";
        atributo_red(objetos, "x1", n.u);
        atributo_red(objetos, "y1", n.v);
        atributo(objetos, "palindex", indice.at(n.color));
        objetos += " objecttype=\"knot\"";
        atributo(objetos, "strands", n.hebras);
        objetos += "/>\n";
    }
    if (objetos.empty()) out += "  <ornaments_inc_knots_and_beads/>\n";
    else out += "  <ornaments_inc_knots_and_beads>\n" + objetos + "  </ornaments_inc_knots_and_beads>\n";
    out += "</chart>\n";
    return out;
}

LecturaOxs leer_oxs(Estado& e, std::string_view bytes, const ColorDeHilo& de_hilo) {
    pugi::xml_document doc;
    const pugi::xml_parse_result resultado =
        doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default, pugi::encoding_auto);
    if (!resultado) throw ErrorFormato(error_xml(bytes, resultado));
    const pugi::xml_node chart = doc.child("chart");
    if (!chart) throw ErrorFormato("El fichero no tiene el elemento <chart>.");
    const pugi::xml_node propiedades = chart.child("properties");
    const long long w = tamano(propiedades, "chartwidth", "ancho");
    const long long h = tamano(propiedades, "chartheight", "alto");
    if (w < 1 || w > kMaxPuntos || h < 1 || h > kMaxPuntos) {
        throw ErrorFormato("El gráfico mide " + std::to_string(w) + " x " + std::to_string(h) +
                           " puntos: el ancho y el alto deben estar entre 1 y " + std::to_string(kMaxPuntos) + ".");
    }
    const int ancho = static_cast<int>(w);
    const int alto = static_cast<int>(h);

    // Desde aquí nada falla: ya se puede escribir en la rejilla.
    LecturaOxs r;
    r.ancho = ancho;
    r.alto = alto;
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) e.punto(x, y) = Punto{kBlanco, {kSinPerfil, kSinPerfil, kSinPerfil, kSinPerfil}};
    e.puntadas.vaciar();
    Lector lector{e, ancho, alto, r, de_hilo, {}, kBlanco};
    lector.paleta(chart);
    lector.puntos(chart);
    lector.objetos(chart);
    e.ancho = std::to_string(ancho);
    e.alto = std::to_string(alto);
    return r;
}

std::string texto_omitidos(const OmitidosOxs& o) {
    std::string lista;
    for (const Clase& k : kClases) {
        const int n = o.*k.cuenta;
        if (n == 0) continue;
        if (!lista.empty()) lista += ", ";
        lista += std::to_string(n) + " " + (n == 1 ? k.uno : k.varios);
    }
    std::string texto = lista.empty() ? "" : "Se omitieron: " + lista;
    if (o.colores_sin_rgb > 0) {
        if (!texto.empty()) texto += "\n";
        texto += o.colores_sin_rgb == 1 ? "1 color de la paleta no tiene RGB: se pinta en magenta."
                                        : std::to_string(o.colores_sin_rgb) +
                                              " colores de la paleta no tienen RGB: se pintan en magenta.";
    }
    return texto;
}

}  // namespace pc
