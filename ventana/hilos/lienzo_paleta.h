// El lienzo de la vista de la paleta en la ventana principal: su ratón.
#pragma once
#include "app/estado.h"

namespace pc::ui {

class TForm2;

// Conecta las pulsaciones y movimientos sobre el lienzo de la paleta con sus órdenes.
void conectar_lienzo_paleta(TForm2& principal);

}  // namespace pc::ui
