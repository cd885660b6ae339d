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
// Luminancia relativa por debajo de la cual el símbolo va en blanco.
inline constexpr double kLuminanciaSimboloBlanco = 0.35;

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
// (a la izquierda) y filas (arriba) repite de sus vecinas y su sitio en el mapa de páginas.
struct PaginaGrafico {
    int numero = 0;
    Rango r;
    int solape_x = 0, solape_y = 0;
    int fila = 0, columna = 0;
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
// gráfico, fila de páginas a fila de páginas y de izquierda a derecha; al final la leyenda.
MaquetaCuadernillo maquetar_cuadernillo(const Rango& tapiz, double ancho, double alto, double celda, int solape,
                                        int lineas_leyenda);

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

// Luminancia relativa del color (0 negro, 1 blanco).
double luminancia(Color c);
// El símbolo de un punto de este color va en blanco (el color es oscuro).
bool simbolo_en_blanco(Color c);

// Una fila de la leyenda: el símbolo, el número del hilo en el catálogo elegido (o "R,G,B"), el
// de la otra marca (o "Desconocido"), los puntos y las madejas.
struct FilaLeyenda {
    Color color = 0;
    std::string simbolo;
    std::string numero;
    std::string equivalente;
    long puntos = 0;
    int madejas = 0;
};

// Una fila del perfilado: su color, los números de los hilos y la longitud en lados de punto.
struct FilaPerfilado {
    Color color = 0;
    std::string numero;
    std::string equivalente;
    long lados = 0;
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
    std::vector<FilaPerfilado> perfilado;
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

// Filas que ocupa la leyenda: los colores, el total y, si hay perfilado, su título y sus colores.
int lineas_leyenda(std::size_t colores, std::size_t perfiles);

// La leyenda del trabajo (t.estado, t.tapiz, t.catalogo, t.op.tela y t.op.hebras ya puestos):
// una fila por color de los puntos del tapiz, ordenadas por número de hilo (los especiales
// primero, los colores que no son hilos del catálogo al final), con su símbolo (los más claros
// de distinguir para los colores con más puntos), el perfilado con su longitud, los totales y
// la fila de cada punto. `catalogo` y `otro` son los hilos de las dos marcas.
void construir_leyenda(TrabajoCuadernillo& t, const TablaHilos& catalogo, const TablaHilos& otro,
                       const std::vector<std::string>& equivalencias);

// Los textos de la portada.
std::string texto_puntos(int ancho, int alto);   // "120 x 80 puntos"
std::string texto_colores(int n);                // "30 colores" ("1 color")
std::string texto_tamano(int ancho, int alto, int tela);  // "Tamaño bordado en tela de 14 ..."
std::string texto_pagina(int p, int total);      // "Página 2 de 9"
std::string texto_rango(const Rango& r);         // "Columnas 1-60, filas 1-80"

}  // namespace pc
