// El renderizador de la impresión: un solo dibujo del tapiz para el papel (impresora, PDF,
// vista previa) y para la imagen del lienzo de la paleta ("BMP"), con QPainter sobre el
// dispositivo que se le dé. En una imagen los cuadrados de los puntos y de los símbolos se
// escriben directamente en los píxeles; el resto va siempre por QPainter.
#pragma once
#include <QImage>
#include <functional>
#include <string>

#include <optional>

#include "app/puertos.h"
#include "print/trabajo.h"
#include "render/avance.h"

class QPaintDevice;
class QPagedPaintDevice;
class QPdfWriter;
class QPainter;

namespace pc {

// Dibuja el trabajo en el dispositivo. `nueva_pagina` empieza cada página de la leyenda en
// papel. El progreso ("Imprimiendo... fila/última") va a la vista, fila a fila, y al avance,
// que puede parar el dibujo (entonces devuelve false).
bool dibujar_impresion(QPaintDevice& dispositivo, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina, const Avance& avance = {});

// Lo mismo con un pintor ya empezado (varios trabajos seguidos en un mismo documento).
bool dibujar_impresion(QPainter& pintor, const TrabajoImpresion& t, Vista& v,
                       const std::function<void()>& nueva_pagina, const Avance& avance = {});

// La página de la impresión en papel, la misma para el PDF, la impresora y la vista previa: el
// papel y la orientación del diálogo de impresión (A4 en vertical si no se eligió); en una
// impresora su área imprimible es la página, en un PDF quedan 10 mm de margen en cada lado.
void preparar_pagina_impresion(QPagedPaintDevice& d, const DestinoImpresion& destino, bool impresora);

// Salida "BMP": pinta la imagen de blanco y dibuja en ella.
void imprimir_en_imagen(QImage& imagen, const TrabajoImpresion& t, Vista& v);

// Papel en PDF: páginas a 300 puntos por pulgada con la página de preparar_pagina_impresion;
// devuelve el fichero entero, o nada si el avance pidió parar.
std::optional<std::string> imprimir_en_pdf(const TrabajoImpresion& t, Vista& v, const Avance& avance = {});

// Un PDF en memoria a `ppp` puntos por pulgada con ese título: `preparar` pone la página y
// `dibujar` dibuja las páginas; si devuelve false (se paró a medias) no hay PDF.
std::optional<std::string> pdf_en_memoria(int ppp, const std::string& titulo,
                                          const std::function<void(QPdfWriter&)>& preparar,
                                          const std::function<bool(QPdfWriter&)>& dibujar);

// La imagen como fichero BMP de 24 bits.
std::string codificar_bmp(const QImage& imagen);

// Para las pruebas: cada texto que dibuja el renderizador, con su esquina superior izquierda.
using ObservadorTexto = std::function<void(int x, int y, const std::string& texto)>;
void observar_textos(ObservadorTexto observador);

}  // namespace pc
