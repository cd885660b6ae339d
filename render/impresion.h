// El renderizador de la impresión: un solo dibujo del tapiz para el papel (impresora, PDF,
// vista previa) y para la imagen del lienzo de la paleta ("BMP"), con QPainter sobre el
// dispositivo que se le dé. En una imagen los cuadrados de los puntos y de los símbolos se
// escriben directamente en los píxeles; el resto va siempre por QPainter.
#pragma once
#include <QImage>
#include <functional>
#include <string>

#include "app/puertos.h"
#include "print/trabajo.h"

class QPaintDevice;
class QPainter;

namespace pc {

// Dibuja el trabajo en el dispositivo. `nueva_pagina` empieza la página de la leyenda en
// papel. El progreso ("Imprimiendo... fila/última") va a la vista, fila a fila.
void dibujar_impresion(QPaintDevice& dispositivo, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina);

// Lo mismo con un pintor ya empezado (varios trabajos seguidos en un mismo documento).
void dibujar_impresion(QPainter& pintor, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina);

// Salida "BMP": pinta la imagen de blanco y dibuja en ella.
void imprimir_en_imagen(QImage& imagen, const TrabajoImpresion& t, Vista& v);

// Papel en PDF: páginas A4 a 300 puntos por pulgada; devuelve el fichero entero.
std::string imprimir_en_pdf(const TrabajoImpresion& t, Vista& v);

// La imagen como fichero BMP de 24 bits.
std::string codificar_bmp(const QImage& imagen);

// Para las pruebas: cada texto que dibuja el renderizador, con su esquina superior izquierda.
using ObservadorTexto = std::function<void(int x, int y, const std::string& texto)>;
void observar_textos(ObservadorTexto observador);

}  // namespace pc
