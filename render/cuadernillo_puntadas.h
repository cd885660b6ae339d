// El dibujo de las puntadas que no son cruces enteras en el cuadernillo: en las páginas del
// gráfico, cada parcial con el símbolo de su color más pequeño en la parte de la celda que
// cubre (el símbolo sigue siendo texto en el PDF), los pespuntes en su color con un filo blanco
// por encima de los símbolos y los nudos como un círculo relleno con un anillo; en la leyenda,
// las filas de la sección "Nudos" (la de "Pespuntes" es una sección de líneas como el perfilado).
#pragma once
#include <QFont>
#include <QPainter>
#include <functional>
#include <string>

#include "print/cuadernillo_puntadas.h"

namespace pc {

// Dónde cae la rejilla de una página del gráfico en el dispositivo.
struct RejillaCuadernillo {
    Rango r;              // los puntos de la página
    QPointF esquina;      // esquina de arriba a la izquierda de la celda (r.x1, r.y1)
    double celda = 1;     // lado de una celda
    double mm = 1;        // unidades del dispositivo por milímetro
};

// Los parciales (su forma en su color si el modo lleva colores y su símbolo pequeño si lleva
// símbolos): después de los símbolos de las cruces y antes de la rejilla.
void dibujar_parciales_cuadernillo(QPainter& p, const TrabajoCuadernillo& t, const RejillaCuadernillo& g);
// Pespuntes y nudos, encima de todo.
void dibujar_lineas_cuadernillo(QPainter& p, const TrabajoCuadernillo& t, const RejillaCuadernillo& g);

// Cómo escribe la leyenda un texto: en (x, y) mm (esquina de arriba a la izquierda) dentro de
// `ancho` mm, con la letra de los nombres de columna o la de las filas, y su alineado.
using EscribirLeyenda = std::function<void(double x, double y, double ancho, const std::string& texto, bool columna,
                                           Qt::Alignment alineado)>;
// Columnas de una fila de la leyenda, en mm desde el borde de su columna (las de la leyenda).
struct ColumnasPuntadas {
    double muestra = 1, numero = 8, ancho_numero = 22, equivalente = 31, ancho_equivalente = 20;
    double hebras = 51, ancho_hebras = 11, puntos = 63, ancho_puntos = 16;
    double lado_muestra = 5;
};
// La fila `n` (desde 0; la 0 es el título) de la sección "Nudos": un nudo de muestra, los hilos,
// las hebras y cuántos nudos. La columna de la leyenda en x mm, la fila en y mm (la muestra) y su
// texto en y_texto mm; `mm`: unidades del dispositivo por milímetro.
void fila_leyenda_puntadas(QPainter& p, const TrabajoCuadernillo& t, int n, double x, double y, double y_texto,
                           double mm, const ColumnasPuntadas& col, const EscribirLeyenda& escribir);

}  // namespace pc
