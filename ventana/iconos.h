// Iconos de la barra de herramientas y punteros de cada herramienta, dibujados aquí mismo
// (no dependen del tema de iconos del escritorio).
#pragma once
#include <QCursor>
#include <QIcon>

#include "app/estado.h"

namespace pc::ui {

enum class Icono {
    kPincel, kRelleno, kCuentagotas, kZona, kPerfilar, kDeshacer, kRehacer, kAcercar, kAlejar, kAjustar,
    kMedioPunto, kCuarto, kTresCuartos, kPetit, kPespunte, kNudo, kGoma
};

QIcon icono(Icono i);
// El puntero del lienzo con esa herramienta.
QCursor puntero(Herramienta h);

}  // namespace pc::ui
