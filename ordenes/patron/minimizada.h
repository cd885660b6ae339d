// Minimiza la ventana principal mientras dura una orden larga y la restaura al acabar, también
// cuando la orden termina con un error (así el aviso del error no queda tras una ventana
// minimizada).
#pragma once
#include "app/puertos.h"

namespace pc {

class VentanaMinimizada {
public:
    explicit VentanaMinimizada(Vista& v) : v_(v) { v_.minimizar(); }
    ~VentanaMinimizada() { v_.restaurar(); }
    VentanaMinimizada(const VentanaMinimizada&) = delete;
    VentanaMinimizada& operator=(const VentanaMinimizada&) = delete;

private:
    Vista& v_;
};

}  // namespace pc
