// La barra de herramientas de la ventana principal, bajo los menús: las cinco herramientas del
// botón izquierdo (una sola activa, se ve pulsada; teclas B, F, I, Z y P), Deshacer, Rehacer,
// Acercar, Alejar y Ajustar (las mismas acciones del menú Edición) y el color actual, con su
// muestra y el nombre de su hilo.
#pragma once
#include <QToolBar>

#include "app/estado.h"
#include "ventana/menus.h"

class QLabel;

namespace pc::ui {

class TForm2;

class BarraHerramientas : public QToolBar {
    Q_OBJECT
public:
    BarraHerramientas(TForm2& principal, const AlElegir& al_elegir, Acciones& acciones);
    // La muestra del color actual y el puntero del lienzo según el estado.
    void sincronizar(const Estado& e);
    QString nombre_color() const;
    Color color_mostrado() const { return color_; }

private:
    TForm2& principal_;
    QLabel* muestra_ = nullptr;
    QLabel* nombre_ = nullptr;
    Color color_ = -1;
    std::string nombre_mostrado_;
    int herramienta_ = -1;
};

}  // namespace pc::ui
