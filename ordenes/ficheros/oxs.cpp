#include "ordenes/ficheros/oxs.h"

#include <filesystem>
#include <memory>

#include "app/errores.h"
#include "app/ficheros.h"
#include "files/oxs.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/hilos/catalogo.h"
#include "threads/catalogo.h"
#include "threads/datos.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

const char* const kFiltroOxs = "Open Cross Stitch|*.oxs|Todos los Archivos|*.*";
const char* const kExtensionOxs = "*.oxs";

// Los colores de la paleta que nombran un hilo de los catálogos DMC o ANCHOR ("DMC 310",
// "Anchor 403", "DMC B5200") toman el color de ese hilo; los demás, el del fichero.
ColorDeHilo colores_de_catalogo(const Estado& e) {
    auto tabla = [](const std::vector<std::string>& texto, const std::vector<std::string>& incorporado) {
        auto t = std::make_shared<TablaHilos>();
        std::array<std::string, kColumnasCatalogo + 1> titulos{};
        leer_catalogo(texto.empty() ? incorporado : texto, *t, titulos);
        return t;
    };
    const auto dmc = tabla(e.texto_dmc, lineas_dmc_incorporado());
    const auto anchor = tabla(e.texto_anchor, lineas_anchor_incorporado());
    return [dmc, anchor](const ColorOxs& c) -> std::optional<Color> {
        std::string marca = c.marca;
        for (char& ch : marca) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        const TablaHilos* t = marca == "DMC" ? dmc.get() : marca == "ANCHOR" ? anchor.get() : nullptr;
        if (!t) return std::nullopt;
        const std::optional<int> numero = numero_de_hilo(c.numero);
        if (!numero || (marca != "DMC" && *numero < 1)) return std::nullopt;  // sólo DMC tiene especiales
        const int i = buscar_numero(*numero, *t);
        if (i == 0) return std::nullopt;
        return (*t)[i].color;
    };
}

// La paleta del fichero en el panel de texto del visor: qué hilos nombraba y con qué color, y
// cuántos colores se tomaron de los catálogos por su número.
void listar_paleta(Sesion& s, const LecturaOxs& r) {
    s.v.memo_limpiar();
    int por_numero = 0;
    for (const ColorOxs& c : r.paleta) por_numero += c.de_catalogo;
    s.v.memo_linea("Paleta del fichero OXS: " + std::to_string(r.paleta.size()) + (r.paleta.size() == 1 ? " color, " : " colores, ") +
                   std::to_string(por_numero) + (por_numero == 1 ? " tomado" : " tomados") +
                   " del catálogo por su número de hilo");
    for (const ColorOxs& c : r.paleta) {
        std::string linea = std::to_string(c.indice) + ". ";
        if (!c.marca.empty()) linea += c.marca + " ";
        linea += c.numero;
        if (!c.nombre.empty() && c.nombre != c.numero) linea += " (" + c.nombre + ")";
        s.v.memo_linea(linea + " " + texto_rgb(c.color));
    }
}

}  // namespace

bool es_oxs(const std::string& fichero) { return acaba_en(fichero, ".oxs"); }

bool cargar_oxs(Sesion& s, const std::string& fichero) {
    // Se lee sobre un diseño aparte: si el fichero falla, el diseño abierto no cambia.
    const auto leido = diseno_aparte(s.e);
    LecturaOxs r;
    try {
        r = leer_oxs(*leido, leer_fichero(fichero), colores_de_catalogo(s.e));
    } catch (const ErrorFormato& err) {
        s.d.mensaje(std::string("ERROR: Formato no reconocido\n") + err.what());
        return false;
    } catch (const Error& err) {
        avisar_carga_fallida(s, "ERROR: Formato no reconocido", err);
        return false;
    }
    poner_diseno_leido(s, *leido, fichero);
    listar_paleta(s, r);
    if (const std::string omitidos = texto_omitidos(r.omitidos); !omitidos.empty()) s.d.mensaje(omitidos);
    return true;
}

void importar_oxs(Sesion& s) {
    asegurar_catalogo(s);
    const auto fichero = s.d.abrir(kFiltroOxs, kExtensionOxs);
    if (!fichero) return;
    cargar_oxs(s, *fichero);
}

void exportar_oxs_en(Sesion& s, const std::string& fichero, const std::string& titulo) {
    const std::string t = titulo.empty() ? std::filesystem::path(fichero).stem().string() : titulo;
    escribir_fichero(fichero, codificar_oxs(s.e, ancho_tapiz(s.e), alto_tapiz(s.e), t));
    mostrar_fichero(s, fichero);
}

void exportar_oxs(Sesion& s) {
    asegurar_catalogo(s);
    const auto fichero = s.d.guardar(kFiltroOxs, kExtensionOxs);
    if (!fichero) return;
    exportar_oxs_en(s, *fichero);
}

}  // namespace pc
