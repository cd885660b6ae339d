#include "ordenes/impresion/opciones_impresion.h"

#include <cstdlib>

#include "app/errores.h"
#include "app/ficheros.h"
#include "app/texto.h"
#include "print/maqueta.h"
#include "ordenes/patron/paleta.h"
#include "ordenes/impresion/imprimir.h"

namespace pc {

namespace {

const char* const kFiltroBmp = "Imagen BMP|*.bmp|Todos los Archivos|*.*";
const char* const kExtensionBmp = "*.bmp";

std::string carpeta_de(const std::string& fichero) {
    const std::size_t barra = fichero.find_last_of('/');
    if (barra == std::string::npos) return {};
    return barra == 0 ? std::string("/") : fichero.substr(0, barra);
}

std::string carpeta_inicial(const Estado& e) {
    std::string c = carpeta_de(e.fichero_abierto);
    if (!c.empty()) return c;
    const char* casa = std::getenv("HOME");
    return casa ? std::string(casa) : std::string(".");
}

std::string en_carpeta(const std::string& carpeta, const std::string& nombre) {
    if (carpeta.empty()) return nombre;
    return carpeta.back() == '/' ? carpeta + nombre : carpeta + "/" + nombre;
}

int tamano_trozo(const std::string& texto) {
    const int v = entero(texto);
    if (v < 1) {
        throw ErrorFormato("El tamaño de los trozos debe ser de 1 punto o más: '" + recortar(texto) + "'.");
    }
    return v;
}

void poner_zona(Estado& e, const Rango& r) {
    e.zona_x1 = std::to_string(r.x1);
    e.zona_x2 = std::to_string(r.x2);
    e.zona_y1 = std::to_string(r.y1);
    e.zona_y2 = std::to_string(r.y2);
}

}  // namespace

void imprimir_desde_opciones(Sesion& s, const std::string& carpeta) {
    s.e.impresion.imprimir_habilitado = false;
    s.v.procesar_mensajes();
    if (s.e.impresion.troceado) imprimir_troceado(s, carpeta);
    else imprimir(s, carpeta);
}

std::vector<TrabajoImpresion> trabajos_vista_previa(Sesion& s, const std::string& carpeta) {
    Estado& e = s.e;
    if (e.paleta.total == 0) construir_paleta(s, false);
    if (!e.impresion.troceado) {
        return {preparar_impresion(s, e.generar_bmp ? Salida::kBmp : Salida::kImpresora, carpeta)};
    }
    const int a = tamano_trozo(e.trozo_ancho);
    const int b = tamano_trozo(e.trozo_alto);
    const std::string guardada[4] = {e.zona_x1, e.zona_y1, e.zona_x2, e.zona_y2};
    std::vector<TrabajoImpresion> trabajos;
    try {
        for (const Rango& r : trozos_impresion(ancho_tapiz(e), alto_tapiz(e), a, b)) {
            poner_zona(e, r);
            trabajos.push_back(preparar_impresion(s, Salida::kImpresora, carpeta));
        }
    } catch (...) {
        e.zona_x1 = guardada[0], e.zona_y1 = guardada[1], e.zona_x2 = guardada[2], e.zona_y2 = guardada[3];
        throw;
    }
    e.zona_x1 = guardada[0], e.zona_y1 = guardada[1], e.zona_x2 = guardada[2], e.zona_y2 = guardada[3];
    return trabajos;
}

void imprimir_detalle(Sesion& s) {
    Estado& e = s.e;
    if (e.impresion.troceado || !e.impresion.detalle) return;
    const char* const titulo = "Imprimir Detalle";
    e.zona_x1 = s.d.entrada(titulo, "Punto de Cruz X inicial", e.zona_x1);
    e.zona_x2 = s.d.entrada(titulo, "Punto de Cruz X final", e.zona_x2);
    e.zona_y1 = s.d.entrada(titulo, "Punto de Cruz Y inicial", e.zona_y1);
    e.zona_y2 = s.d.entrada(titulo, "Punto de Cruz Y final", e.zona_y2);
}

void imprimir_troceado(Sesion& s, const std::string& carpeta) {
    Estado& e = s.e;
    s.d.mensaje("Se va a Imprimir el Tapiz Troceado. Haz que NO se imprima la LEYENDA.");
    const char* const titulo = "Imprimir Automáticamente.";
    e.trozo_ancho = s.d.entrada(titulo, "Puntos a imprimir a lo ancho", e.trozo_ancho);
    e.trozo_alto = s.d.entrada(titulo, "Puntos a imprimir a lo alto", e.trozo_alto);
    const int a = tamano_trozo(e.trozo_ancho);
    const int b = tamano_trozo(e.trozo_alto);
    e.generar_bmp = false;
    for (const Rango& r : trozos_impresion(ancho_tapiz(e), alto_tapiz(e), a, b)) {
        poner_zona(e, r);
        imprimir(s, carpeta);
    }
    s.d.mensaje("Fin de la Impresión a Trozos.");
}

void generar_bmp_impresion(Sesion& s) {
    s.e.generar_bmp = !s.e.generar_bmp;
    if (s.e.generar_bmp) s.e.grosor_guias = "2";
}

void ver_bmp_exportado(Sesion& s) { s.e.ver_bmp_exportado = !s.e.ver_bmp_exportado; }

void grabar_bmp_en(Sesion& s, const std::string& fichero) {
    const std::string bytes = s.v.bmp_impreso();
    if (bytes.empty()) throw ErrorFichero("No hay imagen de la impresión que grabar.");
    escribir_fichero(fichero, bytes);
}

void grabar_bmp_impreso(Sesion& s) {
    const auto fichero = s.d.guardar(kFiltroBmp, kExtensionBmp);
    if (!fichero) return;
    grabar_bmp_en(s, *fichero);
}

int exportar_trozos_en(Sesion& s, const std::string& carpeta, const std::string& destino) {
    Estado& e = s.e;
    e.generar_bmp = true;
    int n = 0;
    for (const Rango& r : trozos_bmp(ancho_tapiz(e), alto_tapiz(e))) {
        poner_zona(e, r);
        imprimir(s, carpeta, true);
        ++n;
        grabar_bmp_en(s, en_carpeta(destino, std::to_string(n) + ".bmp"));
    }
    return n;
}

void exportar_bmp_troceado(Sesion& s, const std::string& carpeta) {
    const auto destino = s.d.elegir_carpeta("Carpeta para los ficheros BMP troceados", carpeta_inicial(s.e));
    if (!destino) return;
    s.d.mensaje("Se generarán ficheros en el formato " + en_carpeta(*destino, "1.bmp") + ", " +
                en_carpeta(*destino, "2.bmp") + "...");
    exportar_trozos_en(s, carpeta, *destino);
    s.d.mensaje("Ficheros BMP generados.");
}

}  // namespace pc
