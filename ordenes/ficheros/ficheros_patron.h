// Órdenes de los ficheros de patrón (.pc) y de impresión (.pci).
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "app/errores.h"
#include "ordenes/sesion/sesion.h"

namespace pc {

// Mensaje de una carga fallida: si el fichero no se pudo abrir o leer, sólo el porqué (`El
// fichero "…" no existe`, `… ocupa más de 64 MB`), que no es cosa del formato; si no, el aviso.
std::string mensaje_carga_fallida(const std::string& aviso, const Error& err);
// Lo muestra: el fichero que no se pudo leer como error; el aviso, como mensaje.
void avisar_carga_fallida(Sesion& s, const std::string& aviso, const Error& err);

// Muestra la ruta en el panel 2 (las de más de 50 caracteres, abreviadas).
void mostrar_fichero(Sesion& s, const std::string& fichero);
// Carga un fichero de patrón: formato 1 (texto viejo), 3 (texto ver 1.2) o 5 (binario). Si el
// fichero no se puede leer, avisa y el diseño abierto se queda como estaba.
void cargar_pc(Sesion& s, const std::string& fichero, int formato);
// Igual que cargar_pc, y además dice si el fichero se leyó entero: false cuando la carga
// terminó con un aviso de error (la herramienta por lotes lo necesita para su código de salida).
bool cargar_pc_leido(Sesion& s, const std::string& fichero, int formato);
// true si la ruta termina en esa extensión (".pci", en minúsculas), sin distinguir mayúsculas.
bool acaba_en(const std::string& fichero, std::string_view extension);
// true si la ruta termina en ".pci" (sin distinguir mayúsculas).
bool es_pci(const std::string& fichero);
// Fichero nombrado en la línea de órdenes: devuelve true si se abrió (argumento no vacío).
// Uno terminado en ".pci" se lee como fichero de impresión, uno en ".oxs" se importa y
// cualquier otro se lee como patrón.
bool abrir_al_arrancar(Sesion& s, const std::string& argumento);

// Un diseño aparte, con la rejilla de `e` en blanco, donde leer un fichero sin tocar el abierto.
std::unique_ptr<Estado> diseno_aparte(const Estado& e);
// Pone en el diseño abierto lo leído en `leido` (rejilla y tamaño; la zona de trabajo vuelve a
// ser el tapiz entero y no queda paleta), lo redibuja y muestra la ruta del fichero.
void poner_diseno_leido(Sesion& s, const Estado& leido, const std::string& fichero);

// Lados perfilados que se perderían al grabar el tapiz en un fichero .pc, que no los guarda.
int lados_sin_guardar_pc(const Estado& e);
// Lo que se perdería al grabar el diseño en un fichero .pc o .pci (extension ".pc" o ".pci"),
// que sólo guardan los puntos enteros: "El fichero .pc no guarda: 120 lados de perfilado, 300
// medios puntos, 45 pespuntes, 8 nudos." Vacío si no se pierde nada.
std::string aviso_no_guarda(const Estado& e, const std::string& extension);
// "2 medios puntos, 1 tres cuartos, 1 petit, 3 pespuntes, 1 nudo": cada clase con puntadas, en
// singular o plural; vacío si no hay ninguna.
std::string texto_conteo(const ConteoPuntadas& n, long lados_perfilado = 0);
// Antes de grabar un .pc (o un .pci con otras puntadas: el perfilado solo no se avisa en el
// .pci) que perdería algo, pregunta con "Grabar como OXS", "Grabar
// igualmente" y "Cancelar". true si hay que seguir grabando; con "Grabar como OXS" se exporta
// el OXS (eligiendo el fichero) y devuelve false.
bool seguir_grabando_sin(Sesion& s, const std::string& titulo, const std::string& extension);

// Si el tapiz tiene perfilado u otras puntadas que el .pc no guarda, primero lo dice y pregunta
// (seguir_grabando_sin).
void grabar_punto_cruz(Sesion& s);   // "Grabar Punto Cruz"
// Escribe el fichero de patrón binario en esa ruta, sin preguntar (tras reconstruir la
// paleta como la orden de grabar). Lo usan la orden de grabar y la herramienta por lotes.
void grabar_pc_en(Sesion& s, const std::string& fichero);
void cargar_punto_cruz(Sesion& s);   // "Cargar Punto Cruz"
void cargar_ver12(Sesion& s);        // "Cargar Pto Cruz (ver 1.2)"
void cargar_viejo(Sesion& s);        // "Cargar Pto Cruz (Formato VIEJO)"

// Carga un fichero de impresión; si falla lanza el Error y el diseño no cambia.
void cargar_pci(Sesion& s, const std::string& fichero);
void grabar_pci(Sesion& s);          // "Grabar Pto Cruz para Imprimir"
void grabar_pci_en(Sesion& s, const std::string& fichero);
void cargar_pci_orden(Sesion& s);    // "Cargar Pto Cruz para Imprimir (*.PCI)"

}  // namespace pc
