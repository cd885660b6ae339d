// El dibujo del cuadernillo del patrón con QPainter: portada, páginas del gráfico con los
// símbolos como texto de la letra que viaja con el programa, y leyenda. Sirve para el PDF, la
// impresora y la vista previa.
#pragma once
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "print/cuadernillo.h"
#include "render/avance.h"

class QPagedPaintDevice;
class QPainter;

namespace pc {

// La familia de la letra DejaVu Sans que viaja con el programa, cargada la primera vez desde
// los recursos. ErrorFichero si no se puede cargar.
QString familia_letra();

// Papel, orientación y márgenes del cuadernillo en el dispositivo: el papel de las opciones y
// 10 mm de margen en cada lado (el margen mínimo de la impresora si es mayor).
void preparar_pagina_cuadernillo(QPagedPaintDevice& d, const OpcionesCuadernillo& op);

// Dibuja todas las páginas con un pintor ya empezado sobre el dispositivo, contando el avance
// página a página; false si el avance pidió parar. Si el área del dispositivo es menor que la de la maqueta, todo se encoge igual.
bool dibujar_cuadernillo(QPainter& p, QPagedPaintDevice& d, const TrabajoCuadernillo& t, const Avance& avance = {});

// El cuadernillo entero como PDF, o nada si el avance pidió parar.
std::optional<std::string> cuadernillo_pdf(const TrabajoCuadernillo& t, const Avance& avance = {});

// Para las pruebas: cada texto que dibuja el cuadernillo (los símbolos de la rejilla también,
// uno a uno), con su página y su esquina superior izquierda en milímetros del área.
using ObservadorCuadernillo = std::function<void(int pagina, double x, double y, const std::string& texto)>;
void observar_cuadernillo(ObservadorCuadernillo observador);

}  // namespace pc
