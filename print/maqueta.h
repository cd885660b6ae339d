// La maqueta de la impresión: área de dibujo, márgenes y desplazamientos, el rango de puntos
// (todo el tapiz o la zona de trabajo), el lado de la celda, la unidad de la leyenda, el
// aclarado de los colores, el orden de la paleta de la leyenda y los trozos de la impresión
// troceada. Sólo cuentas: el dibujo lo hace el renderizador.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "app/estado.h"

namespace pc {

// Dónde se dibuja: en papel (impresora o PDF) o en la imagen del lienzo de la paleta.
enum class Salida { kImpresora, kBmp };

// Lado de la imagen del lienzo de la paleta, donde se dibuja la salida "BMP".
inline constexpr int kLadoImagenImpresion = 1200;
// Franja libre a la derecha del tapiz en la imagen, para la tabla de símbolos.
inline constexpr int kFranjaTablaBmp = 150;
// Lado de los trozos de la exportación troceada (cada trozo lleva uno más: comparten borde).
inline constexpr int kTrozoBmp = 60;

// Área de dibujo en píxeles del dispositivo: desplazamiento y tamaño.
struct Area {
    int ox = 0, oy = 0;
    int ancho = 0, alto = 0;
};

// Área en papel: la franja de la derecha (1,8 veces el ancho de "200") y la de abajo (1,8
// veces el alto de "1") quedan para los números de las guías; la escala en tanto por ciento
// encoge el tapiz y lo centra.
Area area_papel(int pagina_ancho, int pagina_alto, int ancho_200, int alto_1, int escala_x, int escala_y);
// Área en la imagen: 150 píxeles libres a la derecha y el alto de "1" abajo.
Area area_bmp(int imagen_ancho, int imagen_alto, int alto_1);

// Rango de puntos que se imprime, ambos extremos incluidos.
struct Rango {
    int x1 = 1, y1 = 1, x2 = 1, y2 = 1;
    int columnas() const { return x2 - x1 + 1; }
    int filas() const { return y2 - y1 + 1; }
    bool operator==(const Rango&) const = default;
};

// Rango de un tapiz de ancho × alto: todo el tapiz, o con `zona` la zona de trabajo
// (x1, y1, x2, y2) recortada al tapiz como se imprime: un comienzo fuera del tapiz vale 1 y
// un final antes del comienzo o fuera del tapiz vale el borde.
Rango rango_impresion(int ancho, int alto, bool zona, int zx1, int zy1, int zx2, int zy2);
// Lo mismo con la zona de trabajo del estado (textos convertidos; ErrorConversion si no son
// números) y el tamaño del tapiz.
Rango rango_impresion(const Estado& e, bool zona);

// Lado de la celda: el menor de ancho ÷ (columnas − 1) y alto ÷ (filas − 1), truncado. Con
// una sola columna o fila el divisor es 1 (una celda ocupa el área). Nunca menos de 1.
int lado_celda(const Area& area, const Rango& r);

// Unidad de la leyenda en papel: la menor dimensión de la página entre 45.
int unidad_leyenda(int pagina_ancho, int pagina_alto);

// Sitio de cada fila de la leyenda en papel, en unidades L: `pagina` cuenta desde 0 las páginas
// de la leyenda. Las filas bajan desde v = 4; cuando v·L pasa del alto de la página menos L, la
// columna siguiente empieza 15 unidades a la derecha (más si una fila, dos cuadrados y el texto
// más largo, `ancho_fila` píxeles, no cabe en 15: una columna no pisa a la siguiente); y cuando
// una columna ya no cabe en el ancho, sigue en una página nueva. Así ninguna fila queda fuera
// del papel.
struct SitioLeyenda {
    int pagina = 0, u = 1, v = 4;
};
std::vector<SitioLeyenda> sitios_leyenda(int filas, int L, int pagina_ancho, int pagina_alto, int ancho_fila);

// La tabla de símbolos de la imagen: la franja donde va (desde x0, nunca a menos de 150 píxeles
// del borde derecho), el alto de cada fila, la letra, las columnas y las filas por columna, de
// modo que quepan todos los colores. `ancho_texto(letra)` es el ancho del texto más largo con la
// letra de ese alto en píxeles (0: la letra de siempre, de alto `alto_letra`).
struct TablaBmp {
    int x0 = 0;
    int fila = 0;     // alto de cada fila
    int letra = 0;    // 0: la letra de siempre; si no, su alto en píxeles
    int ancho_columna = 0;
    int por_columna = 0;
};
TablaBmp maqueta_tabla_bmp(int colores, int x0, int ancho_imagen, int alto_imagen, int arriba, int alto_letra,
                           const std::function<int(int letra)>& ancho_texto);

// Suma `a` a rojo, verde y azul, cada uno como mucho 255 (y como poco 0).
Color aclarar(Color c, int a);

// Copia paleta en paleta_imp y la ordena de más clara a más oscura por rojo + verde + azul;
// los iguales conservan su orden.
void ordenar_paleta_imp(const TablaHilos& paleta, TablaHilos& paleta_imp);

// Trozos de la impresión troceada de a × b puntos (a, b >= 1): filas de trozos de arriba
// abajo y, en cada una, de izquierda a derecha; los del final se apoyan en el borde.
std::vector<Rango> trozos_impresion(int ancho, int alto, int a, int b);
// Trozos de 60 × 60 de la exportación troceada, numerados en ese mismo orden desde 1.
std::vector<Rango> trozos_bmp(int ancho, int alto);

}  // namespace pc
