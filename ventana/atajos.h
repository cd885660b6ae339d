// Atajos de teclado de las entradas de menú, puestos por nombre de objeto una vez
// construidos los menús. Una entrada que no existe se salta.
#pragma once

class QWidget;

namespace pc::ui {

void poner_atajos(QWidget* ventana);

}  // namespace pc::ui
