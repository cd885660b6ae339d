// El cuadernillo del patrón: la maqueta de sus páginas (portada, páginas del gráfico que se
// solapan, leyenda), las filas de la leyenda con las madejas y los textos de la portada. Sólo
// cuentas, en milímetros sobre el área de la página sin los márgenes: el dibujo lo hace render/.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/estado.h"
#include "app/opciones_impresion.h"
#include "print/maqueta.h"

namespace pc {

// Márgenes de cada lado: cualquier impresora imprime todo lo que queda dentro.
inline constexpr double kMargenCuadernilloMm = 10.0;
inline constexpr double kCeldaMinimaMm = 2.0, kCeldaMaximaMm = 10.0;
inline constexpr int kSolapeMaximo = 10;
inline constexpr int kTelaMinima = 5, kTelaMaxima = 40;
inline constexpr int kHebrasMaximas = 6;
inline constexpr int kMargenTelaMaximo = 20;  // cm
// Las telas de la tabla de la portada, en puntos por pulgada.
inline constexpr int kTelasPortada[] = {11, 14, 16, 18};
// Contraste mínimo de un símbolo con su celda y de una línea gruesa de la rejilla con las celdas
// que separa.
inline constexpr double kContrasteSimbolo = 4.5, kContrasteLinea = 3.0;

// Geometría fija de las páginas, en milímetros.
namespace geo {
inline constexpr double kCabecera = 7.0;      // línea de arriba de cada página
inline constexpr double kPie = 5.0;           // línea de abajo (título)
inline constexpr double kNumerosColumna = 4.0;
inline constexpr double kNumerosFila = 7.0;
inline constexpr double kMarca = 2.5;         // franja de las marcas del centro
inline constexpr double kLetraTexto = 3.2;    // alto de la letra de las cabeceras
inline constexpr double kLetraNumeros = 2.4;
inline constexpr double kFilaLeyenda = 6.5;
inline constexpr double kColumnaLeyenda = 92.0;
inline constexpr double kEncabezadoLeyenda = 13.0;  // subtítulo y nombres de las columnas
}  // namespace geo

// Papel en milímetros, ya girado si es apaisado.
struct PapelMm {
    double ancho = 210, alto = 297;
};
PapelMm papel_cuadernillo(bool carta, bool apaisado);

// Cortes de [desde, hasta] en tramos de como mucho `por_pagina` puntos que repiten los
// `solape` últimos del anterior; todos del mismo tamaño salvo el último, que puede ser menor.
// El solape se limita a por_pagina - 1.
std::vector<std::pair<int, int>> cortes_cuadernillo(int desde, int hasta, int por_pagina, int solape);

// Una página del gráfico: su número en el cuadernillo, los puntos que muestra, cuántas columnas
// (a la izquierda) y filas (arriba) repite de sus vecinas, su sitio en el mapa de páginas y si
// es de la tanda en blanco y negro (sólo símbolos sobre blanco).
struct PaginaGrafico {
    int numero = 0;
    Rango r;
    int solape_x = 0, solape_y = 0;
    int fila = 0, columna = 0;
    bool blanco_y_negro = false;
};

struct MaquetaCuadernillo {
    double ancho = 0, alto = 0;  // área de la página sin márgenes
    double celda = 3.0;
    int columnas = 0, filas = 0;         // puntos que caben en una página del gráfico
    double rejilla_x = 0, rejilla_y = 0;  // esquina de la rejilla en esas páginas
    int filas_mapa = 0, columnas_mapa = 0;
    std::vector<PaginaGrafico> graficos;
    int columnas_leyenda = 1, filas_leyenda = 1;  // filas por columna de la leyenda
    int lineas_leyenda = 0;                       // filas que ocupa toda la leyenda
    int primera_leyenda = 0, paginas_leyenda = 0;
    int total_paginas = 0;
};

// La maqueta para un tapiz (todo o la zona) en un área de ancho x alto mm, con la celda y el
// solape dados y `lineas_leyenda` filas de leyenda. La portada es la página 1; después las del
// gráfico, fila de páginas a fila de páginas y de izquierda a derecha (con `blanco_y_negro`,
// otra vez las mismas en blanco y negro, con sus números); al final la leyenda.
MaquetaCuadernillo maquetar_cuadernillo(const Rango& tapiz, double ancho, double alto, double celda, int solape,
                                        int lineas_leyenda, bool blanco_y_negro = false);

// Madejas de algodón de seis cabos (8 m) para S puntos en tela de T puntos por pulgada con E
// hebras: el hilo de un punto por delante y por detrás, (2·√2 + 2)·(25,4 / T) mm por hebra, más
// un 15 % de comienzos y remates, entre los 48 m de hebra suelta de una madeja; por arriba.
int madejas(long puntos, int tela, int hebras);

// Madejas para una línea bordada (perfilado o pespunte) de `largo_mm` en la tela, con E hebras:
// la hebra va y vuelve (× 2), más un 15 % de comienzos y remates, entre 48 m; por arriba.
int madejas_linea(double largo_mm, int hebras);
// Largo en la tela, en mm, de `medios` medios puntos de línea en tela de `tela` puntos por pulgada.
double largo_linea_mm(double medios, int tela);

// "21,8 x 14,5 cm": el tamaño bordado de ancho x alto puntos en tela de `tela` puntos por pulgada.
std::string tamano_bordado(int ancho, int alto, int tela);
// La tela que hay que cortar: el tamaño bordado más `margen_cm` en cada lado ("31,8 x 24,5 cm").
std::string tela_a_cortar(int ancho, int alto, int tela, int margen_cm);
// "Empiece por el centro: columna 61, fila 41": la columna y la fila que siguen a las marcas
// del centro (la del medio si son impares), contadas como en el gráfico.
std::string texto_centro(const Rango& tapiz);
// "1,5 m": un largo en mm, en metros con un decimal; uno de menos de 5 cm, "< 0,1 m".
std::string texto_metros(double mm);

// Luminancia relativa del color (0 negro, 1 blanco).
double luminancia(Color c);
// El contraste entre dos colores: (L1 + 0,05) / (L2 + 0,05), con L1 la luminancia del más claro;
// de 1 a 21.
double contraste(Color a, Color b);
// El símbolo de un punto de este color va en blanco: el blanco contrasta más con él que el negro
// (los dos igual hacia la luminancia 0,18).
bool simbolo_en_blanco(Color c);

// Cómo se dibuja el tramo de una línea de la rejilla entre dos celdas de los colores a y b: negro
// si contrasta al menos kContrasteLinea con las dos, si no blanco si contrasta con las dos, y si
// no (una celda oscura junto a una clara) negro con un filo blanco del lado de la oscura.
enum class TramoRejilla { kNegro, kBlanco, kNegroFilo };
TramoRejilla tramo_rejilla(Color a, Color b);

// Una fila de la leyenda: el símbolo, el número del hilo en el catálogo elegido (o "R,G,B"), el
// de la otra marca (o "Desconocido"), las hebras, los puntos y las madejas.
struct FilaLeyenda {
    Color color = 0;
    std::string simbolo;
    std::string numero;
    std::string equivalente;
    int hebras = 2;
    long puntos = 0;
    int madejas = 0;
};

// Una fila de una sección de líneas de la leyenda (el perfilado, los pespuntes): el hilo, las
// hebras, el largo total en la tela y las madejas (madejas_linea).
struct FilaLinea {
    Color color = 0;
    std::string numero;
    std::string equivalente;
    int hebras = 1;
    double largo_mm = 0;
    int madejas = 0;
};

// Una sección de líneas de la leyenda, tras los colores: su título ("Perfilado") y sus filas.
struct SeccionLineas {
    std::string titulo;
    std::vector<FilaLinea> filas;
};

struct PuntadasCuadernillo;  // print/cuadernillo_puntadas.h

// Todo lo que el dibujo del cuadernillo necesita, comprobado y calculado.
struct TrabajoCuadernillo {
    const Estado* estado = nullptr;  // la rejilla de puntos
    OpcionesCuadernillo op;
    std::string titulo;
    std::string catalogo, otro;      // "DMC" y "ANCHOR", o al revés
    Rango tapiz;
    MaquetaCuadernillo maqueta;
    std::vector<FilaLeyenda> leyenda;       // ordenada por número de hilo
    // Las secciones de líneas (anadir_seccion_lineas): el perfilado y las que se añadan.
    std::vector<SeccionLineas> secciones;
    long total_puntos = 0;
    int total_madejas = 0;
    // Fila de la leyenda de cada punto del tapiz, fila a fila (tapiz.columnas() por fila).
    std::vector<std::uint16_t> fila_de_punto;
    DestinoImpresion destino;
    // Las puntadas que no son cruces enteras (anadir_puntadas_leyenda); nulo si el tapiz del
    // trabajo no tiene ninguna.
    std::shared_ptr<PuntadasCuadernillo> puntadas;

    int fila(int x, int y) const {
        return fila_de_punto[static_cast<std::size_t>(y - tapiz.y1) * static_cast<std::size_t>(tapiz.columnas()) +
                             static_cast<std::size_t>(x - tapiz.x1)];
    }
};

// Filas que ocupa la leyenda: los colores, el total y, de cada sección, su título y sus filas.
int lineas_leyenda(std::size_t colores, const std::vector<SeccionLineas>& secciones);

// Añade a la leyenda una sección de líneas con ese título y esas filas (nada si no hay filas).
// Se dibujan todas igual: la línea en su color, los hilos, las hebras, el largo y las madejas.
void anadir_seccion_lineas(TrabajoCuadernillo& t, const std::string& titulo, std::vector<FilaLinea> filas);

// La leyenda del trabajo (t.estado, t.tapiz, t.catalogo, t.op.tela y t.op.hebras ya puestos):
// una fila por color de los puntos del tapiz, ordenadas por número de hilo (los especiales
// primero, los colores que no son hilos del catálogo al final), con su símbolo (los más claros
// de distinguir para los colores con más puntos, simbolos_del_diseno), la sección del perfilado
// (con t.op.hebras_perfil hebras), los totales y la fila de cada punto. `catalogo` y `otro` son
// los hilos de las dos marcas.
void construir_leyenda(TrabajoCuadernillo& t, const TablaHilos& catalogo, const TablaHilos& otro,
                       const std::vector<std::string>& equivalencias);

// Los textos de la portada.
std::string texto_puntos(int ancho, int alto);   // "120 x 80 puntos"
std::string texto_colores(int n);                // "30 colores" ("1 color")
std::string texto_tamano(int ancho, int alto, int tela);  // "Tamaño bordado en tela de 14 ..."
std::string texto_pagina(int p, int total);      // "Página 2 de 9"
std::string texto_rango(const Rango& r);         // "Columnas 1-60, filas 1-80"

}  // namespace pc
