// El fichero de intercambio Open Cross Stitch (.oxs): un XML con la paleta, los puntos enteros
// y los pespuntes, que leen y escriben otros programas de diseño y de bordado en tableta.
//
// Se escribe el tapiz entero (cada punto es un punto, también los blancos, salvo en las celdas
// con parciales), el perfilado como pespuntes sobre los lados de las celdas y las otras
// puntadas: medios puntos y tres cuartos como <partstitch> (direction 3 '/', 4 '\', 1 y 2 los
// tres cuartos a cada lado de '\' y de '/'), cuartos y petits como objetos "quarter" (con
// petit="false" o "true"), pespuntes con su número de hebras y nudos como objetos "knot". Al
// leer se aceptan además los medios puntos como objetos "tent", los pespuntes "straightstitch"
// y los "quarter" sin petit (petits). Los colores salen del propio fichero (nada depende de
// nuestros catálogos); lo que el modelo no puede mostrar (pespuntes curvos, cuentas...) se
// omite y se cuenta. El lector nunca escribe fuera del tapiz que declara el fichero y, si lo
// rechaza, no ha escrito nada.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/estado.h"

namespace pc {

// Un lado perfilado, en coordenadas de esquinas de la rejilla: la esquina superior izquierda del
// tapiz es (0, 0) y el lado de arriba del punto (i, j) va de (i - 1, j - 1) a (i, j - 1).
struct Pespunte {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = 0;
};

// Los lados con perfil del punto (x, y) como pespuntes, cada lado una vez: arriba e izquierda
// no se dan si el punto de al lado (dentro del rango que empieza en x1, y1) ya dio ese lado con
// el mismo color.
template <class Dar>
void lados_del_punto(const Estado& e, int x, int y, int x1, int y1, Dar&& dar) {
    const Punto& p = e.punto(x, y);
    if (const Color c = p.lado(kArriba); c != kSinPerfil && !(y > y1 && e.punto(x, y - 1).lado(kAbajo) == c))
        dar(Pespunte{x - 1, y - 1, x, y - 1, c});
    if (const Color c = p.lado(kDerecha); c != kSinPerfil) dar(Pespunte{x, y - 1, x, y, c});
    if (const Color c = p.lado(kAbajo); c != kSinPerfil) dar(Pespunte{x - 1, y, x, y, c});
    if (const Color c = p.lado(kIzquierda); c != kSinPerfil && !(x > x1 && e.punto(x - 1, y).lado(kDerecha) == c))
        dar(Pespunte{x - 1, y - 1, x - 1, y, c});
}

// Los lados perfilados del tapiz de ancho × alto puntos en orden de filas. Un lado que comparten
// dos puntos con el mismo color de perfil sale una sola vez; con colores distintos, dos.
std::vector<Pespunte> pespuntes_del_tapiz(const Estado& e, int ancho, int alto);
// Cuántos son, sin hacer la lista.
long contar_pespuntes(const Estado& e, int ancho, int alto);

// Codifica el tapiz como OXS (UTF-8). Los hilos se nombran con el catálogo de e.hilos y
// e.marca ("DMC 310"); un color que no es de ningún hilo, "RGB" y su hexadecimal.
std::string codificar_oxs(const Estado& e, int ancho, int alto, const std::string& titulo);

// Un color de la paleta de un fichero leído.
struct ColorOxs {
    int indice = 0;
    std::string marca;   // lo que va antes del último blanco de `number` ("DMC")
    std::string numero;  // lo que va detrás ("310")
    std::string nombre;
    Color color = 0;
    bool de_catalogo = false;  // el color es el del hilo que nombra, no el del fichero
};

// El color del hilo de nuestros catálogos que nombra un color de la paleta ("DMC 310"), si lo hay.
using ColorDeHilo = std::function<std::optional<Color>(const ColorOxs&)>;

// Lo que el lector no pudo poner en el tapiz, por clases.
struct OmitidosOxs {
    int medios_puntos = 0;
    int pespuntes_diagonales = 0;
    int pespuntes_fuera_de_rejilla = 0;  // rectos, pero con algún extremo fraccionario
    int nudos = 0;
    int cuentas = 0;
    int otros_objetos = 0;
    int puntos_fuera = 0;
    int pespuntes_fuera = 0;
    int puntos_repetidos = 0;  // el último manda
    int indices_desconocidos = 0;
    int no_numeros = 0;
    int colores_sin_rgb = 0;  // se pintan en magenta
};

struct LecturaOxs {
    int ancho = 0, alto = 0;
    std::vector<ColorOxs> paleta;  // sin la tela (índice 0)
    OmitidosOxs omitidos;
};

// Lee un OXS en e: pone e.ancho y e.alto y los puntos 1..ancho × 1..alto (blancos donde no hay
// punto, perfiles sólo donde hay pespuntes). Lanza ErrorFormato, sin haber escrito nada, si el
// XML está mal formado (con la línea y la columna), si no hay <chart> o si el tamaño no está
// en 1..700.
// Con `de_hilo`, un color de la paleta que nombra un hilo de los catálogos toma su color.
LecturaOxs leer_oxs(Estado& e, std::string_view bytes, const ColorDeHilo& de_hilo = {});

// Mensaje de lo omitido ("Se omitieron: 12 medios puntos, 3 pespuntes diagonales, 4 nudos");
// vacío si no se omitió nada.
std::string texto_omitidos(const OmitidosOxs& o);

}  // namespace pc
