#include "ordenes/ficheros/ficheros_patron.h"

#include <algorithm>
#include <cctype>
#include <memory>

#include "app/errores.h"
#include "app/ficheros.h"
#include "ordenes/sesion/patron.h"
#include "app/texto.h"
#include "files/fichero_pc.h"
#include "files/fichero_pci.h"
#include "files/oxs.h"
#include "ordenes/ficheros/oxs.h"
#include "ordenes/patron/paleta.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {

namespace {

const char* const kFiltroPc = "Punto de Cruz|*.pc|Todos los Archivos|*.*";
const char* const kExtensionPc = "*.pc";
const char* const kFiltroGrabarPci = "Punto de Cruz (Para Imprimir)|*.pci|Todos los Archivos|*.*";
const char* const kFiltroAbrirPci = "Archivos .PCI para Imprimir|*.pci";
const char* const kExtensionPci = "*.pci";

// Tras una carga la zona de trabajo vuelve a ser el tapiz entero.
void zona_completa(Estado& e) {
    e.zona_x1 = "1";
    e.zona_y1 = "1";
    e.zona_x2 = e.ancho;
    e.zona_y2 = e.alto;
}

void escribir_pc(Sesion& s, const std::string& fichero) {
    const std::string bytes = codificar_pc(s.e, ancho_tapiz(s.e), alto_tapiz(s.e));
    escribir_fichero(fichero, bytes);
    mostrar_fichero(s, fichero);
}

void escribir_pci(Sesion& s, const std::string& fichero) {
    escribir_fichero(fichero, codificar_pci(s.e, ancho_tapiz(s.e), alto_tapiz(s.e)));
}

void cargar_con_dialogo(Sesion& s, int formato) {
    asegurar_catalogo(s);
    const auto fichero = s.d.abrir(kFiltroPc, kExtensionPc);
    if (!fichero) return;
    s.e.fichero_abierto = *fichero;
    cargar_pc(s, *fichero, formato);
}

// Antes de leer los puntos de un .pci se comprueba que el tapiz cabe en el lienzo, como en
// el redibujado completo. Un tamaño de rejilla menor que 1 no deja dividir: se toma 4, igual
// que el tamaño de celda.
void ajustar_rejilla(Sesion& s, int ancho, int alto) {
    Estado& e = s.e;
    lienzo_de_partida(e);
    if (e.tam_celda <= 0) e.tam_celda = 4;
    int rejilla = entero(e.tam_rejilla);
    if (rejilla < 1) {
        rejilla = 4;
        e.tam_rejilla = "4";
        e.tam_celda = 4;
    }
    const int m = std::max(ancho, alto);
    if (kLadoLienzo / rejilla < m) {
        e.tam_celda = kLadoLienzo / m;
        e.tam_rejilla = std::to_string(e.tam_celda);
        s.d.mensaje("Se cambia el tamaño de la rejilla " + e.tam_rejilla);
    }
}

}  // namespace

std::unique_ptr<Estado> diseno_aparte(const Estado& e) {
    auto leido = crear_estado();
    leido->puntos = e.puntos;
    blanquear_rejilla(*leido);
    return leido;
}

void poner_diseno_leido(Sesion& s, const Estado& leido, const std::string& fichero) {
    Estado& e = s.e;
    e.puntos = leido.puntos;
    e.puntadas = leido.puntadas;
    e.ancho = leido.ancho;
    e.alto = leido.alto;
    zona_completa(e);
    e.paleta.total = 0;
    lienzo_de_partida(e);
    redibujar_todo(s);
    mostrar_fichero(s, fichero);
    // El pie de la impresión nombra el patrón abierto, también el que llega por la línea de órdenes.
    e.fichero_abierto = fichero;
}

bool acaba_en(const std::string& fichero, std::string_view extension) {
    if (fichero.size() < extension.size()) return false;
    std::string ext = fichero.substr(fichero.size() - extension.size());
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == extension;
}

bool es_pci(const std::string& fichero) { return acaba_en(fichero, ".pci"); }

std::string mensaje_carga_fallida(const std::string& aviso, const Error& err) {
    if (const auto* lectura = dynamic_cast<const ErrorLectura*>(&err)) return lectura->aviso();
    return aviso;
}

void avisar_carga_fallida(Sesion& s, const std::string& aviso, const Error& err) {
    if (dynamic_cast<const ErrorLectura*>(&err)) s.d.error(mensaje_carga_fallida(aviso, err));
    else s.d.mensaje(aviso);
}

void mostrar_fichero(Sesion& s, const std::string& fichero) {
    const std::size_t n = longitud_utf8(fichero);
    if (n > 50) {
        s.v.panel(2, subcadena_utf8(fichero, 0, 20) + "..." + subcadena_utf8(fichero, n - 26, 26));
    } else {
        s.v.panel(2, fichero);
    }
}

bool cargar_pc_leido(Sesion& s, const std::string& fichero, int formato) {
    // Se lee sobre un diseño aparte: si el fichero falla, el diseño abierto no cambia.
    const auto leido = diseno_aparte(s.e);
    try {
        leer_pc(*leido, leer_fichero(fichero), formato);
    } catch (const ErrorVersionPc& err) {
        s.d.mensaje(err.what());
        return false;
    } catch (const Error& err) {
        avisar_carga_fallida(s, "ERROR: Formato no reconocido", err);
        return false;
    }
    poner_diseno_leido(s, *leido, fichero);
    return true;
}

void cargar_pc(Sesion& s, const std::string& fichero, int formato) { cargar_pc_leido(s, fichero, formato); }

bool abrir_al_arrancar(Sesion& s, const std::string& argumento) {
    const std::string fichero = recortar(argumento);
    if (fichero.empty()) return false;
    // Un fichero de impresión (abierto desde el gestor de archivos, por ejemplo) se lee como
    // tal: leído como patrón sólo daría basura.
    if (es_pci(fichero)) {
        blanquear_rejilla(s.e);
        try {
            cargar_pci(s, fichero);
        } catch (const Error&) {
            s.d.mensaje("ERROR al leer el fichero");
        }
        return true;
    }
    if (es_oxs(fichero)) {
        cargar_oxs(s, fichero);
        return true;
    }
    cargar_pc(s, fichero, kFormatoBinario);
    return true;
}

int lados_sin_guardar_pc(const Estado& e) {
    return static_cast<int>(contar_pespuntes(e, ancho_tapiz(e), alto_tapiz(e)));
}

std::string texto_conteo(const ConteoPuntadas& n, long lados_perfilado) {
    const struct {
        long cuantos;
        const char* uno;
        const char* varios;
    } clases[] = {
        {lados_perfilado, "lado de perfilado", "lados de perfilado"},
        {n.medios, "medio punto", "medios puntos"},
        {n.tres_cuartos, "tres cuartos", "tres cuartos"},
        {n.cuartos, "cuarto", "cuartos"},
        {n.petits, "petit", "petits"},
        {n.pespuntes, "pespunte", "pespuntes"},
        {n.nudos, "nudo", "nudos"},
    };
    std::string lista;
    for (const auto& c : clases) {
        if (c.cuantos == 0) continue;
        if (!lista.empty()) lista += ", ";
        lista += std::to_string(c.cuantos) + " " + (c.cuantos == 1 ? c.uno : c.varios);
    }
    return lista;
}

std::string aviso_no_guarda(const Estado& e, const std::string& extension) {
    const std::string lista = texto_conteo(contar(e.puntadas), lados_sin_guardar_pc(e));
    if (lista.empty()) return "";
    return "El fichero " + extension + " no guarda: " + lista + ".";
}

bool seguir_grabando_sin(Sesion& s, const std::string& titulo, const std::string& extension) {
    // El .pci nunca avisó del perfilado: un diseño sólo con puntos enteros y perfilado se graba
    // como siempre; con otras puntadas se nombra todo lo que se pierde.
    if (extension == ".pci" && s.e.puntadas.vacia()) return true;
    const std::string aviso = aviso_no_guarda(s.e, extension);
    if (aviso.empty()) return true;
    switch (s.d.pregunta_botones(titulo, aviso, {"Grabar como OXS", "Grabar igualmente", "Cancelar"})) {
        case 0: exportar_oxs(s); return false;
        case 1: return true;
        default: return false;
    }
}

void grabar_punto_cruz(Sesion& s) {
    construir_paleta(s, false);
    // El formato no tiene sitio para el perfilado ni las otras puntadas: antes de elegir el
    // fichero se avisa de lo que se perdería.
    if (!seguir_grabando_sin(s, "Grabar Punto Cruz", ".pc")) return;
    const auto fichero = s.d.guardar(kFiltroPc, kExtensionPc);
    if (!fichero) return;
    escribir_pc(s, *fichero);
}

void grabar_pc_en(Sesion& s, const std::string& fichero) {
    construir_paleta(s, false);
    escribir_pc(s, fichero);
}

void cargar_punto_cruz(Sesion& s) { cargar_con_dialogo(s, kFormatoBinario); }
void cargar_ver12(Sesion& s) { cargar_con_dialogo(s, kFormatoVer12); }
void cargar_viejo(Sesion& s) { cargar_con_dialogo(s, kFormatoViejo); }

void cargar_pci(Sesion& s, const std::string& fichero) {
    Estado& e = s.e;
    // Todo el fichero se lee antes de tocar el diseño: si falla, el diseño abierto no cambia.
    const auto leido = diseno_aparte(e);
    const std::string bytes = leer_fichero(fichero);
    int alto = 0, ancho = 0;
    leer_cabecera_pci(bytes, alto, ancho);
    leer_puntos_pci(*leido, bytes, alto, ancho);

    ajustar_rejilla(s, ancho, alto);
    s.v.limpiar_lienzo();
    e.alto = std::to_string(alto);
    e.ancho = std::to_string(ancho);
    zona_completa(e);
    e.puntos = leido->puntos;
    e.puntadas.vaciar();
    redibujar_todo(s);
    e.paleta.total = 0;
    mostrar_fichero(s, fichero);
}

void grabar_pci(Sesion& s) {
    construir_paleta(s, false);
    if (!seguir_grabando_sin(s, "Grabar fichero de impresión", ".pci")) return;
    const auto fichero = s.d.guardar(kFiltroGrabarPci, kExtensionPci);
    if (!fichero) return;
    escribir_pci(s, *fichero);
}

void grabar_pci_en(Sesion& s, const std::string& fichero) {
    construir_paleta(s, false);
    escribir_pci(s, fichero);
}

void cargar_pci_orden(Sesion& s) {
    asegurar_catalogo(s);
    const auto fichero = s.d.abrir(kFiltroAbrirPci, kExtensionPci);
    if (!fichero) return;
    try {
        cargar_pci(s, *fichero);
    } catch (const Error& err) {
        avisar_carga_fallida(s, "ERROR al leer el fichero", err);
    }
}

}  // namespace pc
