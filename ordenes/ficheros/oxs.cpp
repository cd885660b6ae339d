#include "ordenes/ficheros/oxs.h"

#include <filesystem>

#include "app/errores.h"
#include "app/ficheros.h"
#include "files/oxs.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/hilos/catalogo.h"
#include "threads/emparejar.h"

namespace pc {

namespace {

const char* const kFiltroOxs = "Open Cross Stitch|*.oxs|Todos los Archivos|*.*";
const char* const kExtensionOxs = "*.oxs";

// La paleta del fichero en el panel de texto del visor: qué hilos nombraba y con qué color.
void listar_paleta(Sesion& s, const LecturaOxs& r) {
    s.v.memo_limpiar();
    const std::size_t n = r.paleta.size();
    s.v.memo_linea("Paleta del fichero OXS: " + std::to_string(n) + (n == 1 ? " color" : " colores"));
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
        r = leer_oxs(*leido, leer_fichero(fichero));
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
