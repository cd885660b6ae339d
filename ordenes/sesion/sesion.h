// Todo lo que necesita una orden: el estado del diseño y los puertos.
#pragma once
#include <functional>

#include "app/estado.h"
#include "app/puertos.h"

namespace pc {

struct Sesion {
    Estado& e;
    Dialogos& d;
    Vista& v;
    Imagen& img;
};

// Ejecuta una orden y muestra por la presentación de errores cualquier Error que deje
// pasar. Devuelve false si la orden terminó con un error.
bool ejecutar(Dialogos& d, const std::function<void()>& orden);

}  // namespace pc
