// El lienzo de la vista de la paleta en la ventana principal: su ratón y los rótulos que
// sus elecciones de color dejan en los menús emergentes.
#pragma once
#include "app/estado.h"

class QWidget;

namespace pc::ui {

class TForm2;

// Conecta las pulsaciones y movimientos sobre el lienzo de la paleta con sus órdenes.
void conectar_lienzo_paleta(TForm2& principal);
// Pone en las entradas "Seleccionar Color" y "Copiar RGB a color ORIGEN/DESTINO" de los dos
// menús emergentes los rótulos guardados en el estado (los vacíos no se tocan).
void sincronizar_rotulos(QWidget& ventana, const Estado& e);

}  // namespace pc::ui
