// Las líneas bordadas (perfilado y pespuntes) en el papel y en la pantalla: en el color de su
// hilo, con un filo blanco fino a cada lado para que una línea oscura nunca se lea como una
// línea de la rejilla. Lo comparten el cuadernillo, la impresión y el tapiz en pantalla.
#pragma once
#include <QColor>
#include <QLineF>
#include <QPainter>
#include <QVector>

namespace pc {

// Dibuja las líneas de un mismo color, `ancho` de grueso (unidades del dispositivo), sobre un
// filo blanco de `filo` a cada lado (0: sin filo). Primero el filo de todas, después el color,
// para que dos líneas que se cruzan no se corten el color una a la otra.
void dibujar_lineas_hilo(QPainter& p, const QVector<QLineF>& lineas, const QColor& color, double ancho, double filo);

}  // namespace pc
