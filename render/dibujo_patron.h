// Dibujo del tapiz sobre el lienzo del patrón, escribiendo los píxeles directamente.
// Geometría: con s = tam_celda, el punto (x, y) es el cuadrado de (x·s, y·s) a (x·s + s,
// y·s + s), ambas esquinas incluidas. El lienzo no existe entero: se dibuja sólo el trozo
// que se ve, una imagen cuyo píxel (0, 0) es el píxel `origen` del lienzo.
#pragma once
#include <QImage>
#include <QLineF>
#include <QPoint>
#include <optional>
#include <string>
#include <unordered_map>

#include "app/estado.h"
#include "ordenes/patron/zonas.h"

namespace pc {

// Crea una imagen blanca del lado del lienzo de partida (1600 x 1600).
QImage crear_lienzo_patron();
// Pinta toda la imagen de blanco.
void limpiar_lienzo(QImage& lienzo);
// Dibuja en `trozo` el tapiz tal como queda en el lienzo tras un redibujado completo, desde
// el píxel `origen` del lienzo (sin comprobación de tamaño: ya la hizo la orden).
void dibujar_patron(QImage& trozo, const Estado& e, QPoint origen = {});

// Lo que la vista dibuja sobre el tapiz.
struct Adornos {
    std::optional<Color> resaltado;  // los puntos de otro color se ven pálidos
    std::optional<ZonaVista> zona;   // rectángulo discontinuo alrededor de la zona de trabajo
    // Con símbolos: el de cada color en sus puntos (dibujar_simbolos_vista).
    const std::unordered_map<Color, std::string>* simbolos = nullptr;
    std::optional<QLineF> tramo;     // el pespunte en curso hasta el puntero (píxeles del lienzo)
};
// Grueso en píxeles de un pespunte con su filo, con celdas de s píxeles.
double grueso_tramo(int tam_celda);
// El tapiz con sus adornos: los puntos resaltados y el rectángulo de la zona (rojo si está
// invertida, de la esquina guardada primero a la segunda).
void dibujar_vista(QImage& trozo, const Estado& e, QPoint origen, const Adornos& adornos);
// Rectángulo del lienzo que ocupa la zona (sus puntos, con el borde final).
QRect rectangulo_zona(const ZonaVista& z, int tam_celda);

}  // namespace pc
