// Los símbolos del cuadernillo en la pantalla: en la ventana de los colores del gráfico y sobre
// el gráfico ("Ver símbolos"), con la letra del programa, centrados en su celda y en blanco o en
// negro, lo que más contraste con el color de la celda (como en el cuadernillo).
#pragma once
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <string>
#include <unordered_map>

#include "app/estado.h"

namespace pc {

// Lado de la celda, en píxeles, desde el que el gráfico en pantalla lleva los símbolos.
inline constexpr int kLadoSimbolosPantalla = 12;

class SimbolosEnCeldas {
public:
    explicit SimbolosEnCeldas(int lado);
    // El símbolo en la celda de esquina (x, y), sobre el color `celda`.
    void dibujar(QPainter& p, QPointF esquina, Color celda, const std::string& simbolo);

private:
    struct Preparado {
        QFont letra;
        QPointF base;  // desde la esquina de la celda
    };
    const Preparado& preparar(const std::string& simbolo);
    int lado_;
    std::unordered_map<std::string, Preparado> preparados_;
};

// Una muestra del color de lado píxeles con su símbolo encima.
QImage muestra_con_simbolo(Color c, const std::string& simbolo, int lado);

// Los símbolos de los puntos que caen en `trozo` (cuyo píxel (0, 0) es el píxel `origen` del
// lienzo, como en dibujar_patron), si el lado de la celda llega a kLadoSimbolosPantalla.
void dibujar_simbolos_vista(QImage& trozo, const Estado& e, QPoint origen,
                            const std::unordered_map<Color, std::string>& simbolos);

}  // namespace pc
