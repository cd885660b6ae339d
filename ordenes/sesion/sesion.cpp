#include "ordenes/sesion/sesion.h"

#include <new>

#include "app/errores.h"

namespace pc {

bool ejecutar(Dialogos& d, const std::function<void()>& orden) {
    try {
        orden();
        return true;
    } catch (const Error& err) {
        d.error(err.what());
    } catch (const std::bad_alloc&) {
        d.error("No hay memoria suficiente para completar la operación.");
    }
    return false;
}

}  // namespace pc
