#include "files/oxs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <unordered_map>

#include <pugixml.hpp>

#include "app/errores.h"
#include "app/texto.h"
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

struct UsoColor {
    Color color = 0;
    long puntos = 0;
    long lados = 0;
    std::size_t orden = 0;  // primera aparición
};

// Los colores del tapiz y de su perfilado, de más a menos usados (como la paleta del tapiz);
// los que sólo perfilan van detrás.
std::vector<UsoColor> colores_usados(const Estado& e, int ancho, int alto, const std::vector<Pespunte>& lados) {
    std::vector<UsoColor> usos;
    std::unordered_map<Color, std::size_t> sitio;
    auto uso = [&](Color c) -> UsoColor& {
        const auto [it, nuevo] = sitio.try_emplace(c, usos.size());
        if (nuevo) usos.push_back({c, 0, 0, usos.size()});
        return usos[it->second];
    };
    Color ultimo = 0;
    UsoColor* actual = nullptr;
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) {
            const Color c = e.punto(x, y).color;
            if (!actual || c != ultimo) {
                actual = &uso(c);
                ultimo = c;
            }
            ++actual->puntos;  // la referencia sigue valiendo hasta el siguiente color nuevo
        }
    for (const Pespunte& p : lados) ++uso(p.color).lados;
    std::sort(usos.begin(), usos.end(), [](const UsoColor& a, const UsoColor& b) {
        if (a.puntos != b.puntos) return a.puntos > b.puntos;
        if (a.lados != b.lados) return a.lados > b.lados;
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

// El lado de (i, j) a (i + 1, j) si es horizontal, o a (i, j + 1) si es vertical, en
// coordenadas de esquinas. Se guarda en el punto de abajo (o de la derecha) y, si ese no
// existe o ya lleva otro color, en el de arriba (o de la izquierda).
void poner_lado(Estado& e, int ancho, int alto, bool horizontal, int i, int j, Color c) {
    Color* primero = nullptr;
    Color* segundo = nullptr;
    if (horizontal) {
        if (j < alto) primero = &e.punto(i + 1, j + 1).lado(kArriba);
        if (j >= 1) segundo = &e.punto(i + 1, j).lado(kAbajo);
    } else {
        if (i < ancho) primero = &e.punto(i + 1, j + 1).lado(kIzquierda);
        if (i >= 1) segundo = &e.punto(i, j + 1).lado(kDerecha);
    }
    if ((primero && *primero == c) || (segundo && *segundo == c)) return;
    if (primero && *primero == kSinPerfil) *primero = c;
    else if (segundo && *segundo == kSinPerfil) *segundo = c;
    else *(primero ? primero : segundo) = c;  // un tercer color en el mismo lado: el último manda
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

    void pespunte(const pugi::xml_node& p) {
        const pugi::xml_attribute tipo = p.attribute("objecttype");
        if (tipo && valor(tipo) != "backstitch") {
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
        if (x1 != x2 && y1 != y2) {
            ++r.omitidos.pespuntes_diagonales;
            return;
        }
        const auto entero = [](double v) { return std::floor(v) == v; };
        if (!entero(x1) || !entero(y1) || !entero(x2) || !entero(y2) || (x1 == x2 && y1 == y2)) {
            ++r.omitidos.pespuntes_fuera_de_rejilla;
            return;
        }
        const bool horizontal = y1 == y2;
        // A lo largo del lado: de a a b; la línea está en fijo. Se recorta al tapiz antes de
        // pasar a enteros, así una línea enorme no cuesta más que una del tamaño del tapiz.
        const double fijo = horizontal ? y1 : x1;
        const double a = horizontal ? std::min(x1, x2) : std::min(y1, y2);
        const double b = horizontal ? std::max(x1, x2) : std::max(y1, y2);
        const int largo = horizontal ? ancho : alto;
        const int limite = horizontal ? alto : ancho;
        // Recortado mientras es un double: un número enorme (o muy negativo) no cabe en un int.
        const int desde = static_cast<int>(std::clamp(a, 0.0, static_cast<double>(largo)));
        const int hasta = static_cast<int>(std::clamp(b, 0.0, static_cast<double>(largo)));
        if (fijo < 0 || fijo > limite || desde >= hasta) {
            ++r.omitidos.pespuntes_fuera;
            return;
        }
        if (a < 0 || b > largo) ++r.omitidos.pespuntes_fuera;  // sólo se queda la parte de dentro
        const int f = static_cast<int>(fijo);
        for (int k = desde; k < hasta; ++k) {
            if (horizontal) poner_lado(e, ancho, alto, true, k, f, c);
            else poner_lado(e, ancho, alto, false, f, k, c);
        }
    }

    void objetos(const pugi::xml_node& chart) {
        for (const pugi::xml_node lista : chart.children("backstitches"))
            for (const pugi::xml_node p : lista.children()) {
                if (p.type() != pugi::node_element) continue;
                if (std::string_view(p.name()) == "backstitch") pespunte(p);
                else ++r.omitidos.otros_objetos;
            }
        for (const pugi::xml_node lista : chart.children("partstitches"))
            for (const pugi::xml_node p : lista.children())
                if (p.type() == pugi::node_element) ++r.omitidos.medios_puntos;
        for (const pugi::xml_node lista : chart.children("ornaments_inc_knots_and_beads"))
            for (const pugi::xml_node o : lista.children()) {
                if (o.type() != pugi::node_element) continue;
                const std::string_view tipo = valor(o.attribute("objecttype"));
                if (tipo == "knot") ++r.omitidos.nudos;
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
    const std::vector<UsoColor> usos = colores_usados(e, ancho, alto, lados);
    std::unordered_map<Color, long long> indice;
    for (std::size_t i = 0; i < usos.size(); ++i) indice[usos[i].color] = static_cast<long long>(i) + 1;

    std::string out;
    out.reserve(700 + usos.size() * 110 + static_cast<std::size_t>(ancho) * static_cast<std::size_t>(alto) * 42 +
                lados.size() * 100);
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
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) {
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
    out += "  </fullstitches>\n  <partstitches/>\n  <backstitches>\n";
    for (const Pespunte& l : lados) {
        out += "    <backstitch";
        atributo(out, "x1", l.x1);
        atributo(out, "y1", l.y1);
        atributo(out, "x2", l.x2);
        atributo(out, "y2", l.y2);
        atributo(out, "palindex", indice.at(l.color));
        out += " objecttype=\"backstitch\" sequence=\"0\"/>\n";
    }
    out += "  </backstitches>\n  <ornaments_inc_knots_and_beads/>\n</chart>\n";
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
