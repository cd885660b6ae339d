#include "ordenes/hilos/catalogo.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "app/datos_instalados.h"
#include "app/ficheros.h"
#include "app/texto.h"
#include "threads/catalogo.h"

namespace pc {

namespace {

const char* const kFiltroPaleta = "Paleta de Hilos|*.dat;*.txt|Todos los Archivos|*.*";
const char* const kExtensionPaleta = "*.dat;*.txt";

// Líneas de hilo de un texto de catálogo (ni vacías ni comentario).
int lineas_de_hilo(const std::vector<std::string>& lineas) {
    int n = 0;
    for (const std::string& l : lineas) {
        const std::string t = recortar(l);
        if (!t.empty() && t[0] != ';') ++n;
    }
    return n;
}

// Lee un fichero de paleta del usuario en texto. El fichero se lee y se prueba entero antes de
// tocar nada: si no se puede abrir, no da ningún hilo o se detiene en una línea que no es un
// número, el texto del catálogo y los hilos activos se quedan como estaban.
void lee_paleta(Sesion& s, std::vector<std::string>& texto, const std::string& nombre) {
    const auto fichero = s.d.abrir(kFiltroPaleta, kExtensionPaleta);
    if (!fichero) return;
    std::vector<std::string> nuevo = partir_lineas(decodificar(leer_fichero(*fichero)));
    {
        const auto prueba = std::make_unique<TablaHilos>();
        std::array<std::string, kColumnasCatalogo + 1> titulos{};
        leer_catalogo(nuevo, *prueba, titulos);
        if (prueba->total == 0) {
            s.d.mensaje("El fichero \"" + *fichero +
                        "\" no tiene ningún hilo: la paleta de hilos no se cambia.");
            return;
        }
    }
    texto = std::move(nuevo);
    s.e.marca = nombre;
    cargar_catalogo(s, nombre, s.e.hilos);
    const int n = lineas_de_hilo(texto);
    if (n > kMaxHilos) {
        s.d.mensaje("La paleta tiene " + std::to_string(n) + " hilos; sólo se usan los " +
                    std::to_string(kMaxHilos) + " primeros.");
    }
}

}  // namespace

void cargar_catalogo(Sesion& s, const std::string& nombre, TablaHilos& destino) {
    s.v.panel(1, "Paleta de Hilos: " + s.e.marca);
    const std::vector<std::string>& texto = nombre == "ANCHOR" ? s.e.texto_anchor : s.e.texto_dmc;
    leer_catalogo(texto, destino, s.e.titulo_columna);
}

void asegurar_catalogo(Sesion& s) {
    if (!s.e.marca.empty()) return;
    s.e.marca = "DMC";
    cargar_catalogo(s, s.e.marca, s.e.hilos);
}

void lee_paleta_dmc(Sesion& s) { lee_paleta(s, s.e.texto_dmc, "DMC"); }

void lee_paleta_anchor(Sesion& s) { lee_paleta(s, s.e.texto_anchor, "ANCHOR"); }

void graba_paleta_dmc(Sesion& s, const std::string& carpeta) {
    // La carpeta de datos del usuario puede no existir todavía; si no se puede crear, lo dice
    // el error de la grabación.
    std::error_code ec;
    std::filesystem::create_directories(carpeta, ec);
    std::string ruta = carpeta;
    if (!ruta.empty() && ruta.back() != '/') ruta += '/';
    ruta += kFicheroDmcAux;
    // Fichero de texto de Windows-1252 con fin de línea CR LF, como los catálogos que lee.
    std::string bytes;
    for (const std::string& l : s.e.texto_dmc) {
        bytes += utf8_a_cp1252(l);
        bytes += "\r\n";
    }
    escribir_fichero(ruta, bytes);
}

void por_luminosidad(Sesion& s) { s.e.metodo_color = 1; }

void por_gama(Sesion& s) { s.e.metodo_color = 2; }

}  // namespace pc
