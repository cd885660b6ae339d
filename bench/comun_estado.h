// El estado de partida de las mediciones: los valores de arranque, los textos de los
// catálogos incorporados y el catálogo DMC cargado en hilos, como al mostrarse la ventana.
#pragma once
#include <memory>

#include "app/estado.h"
#include "threads/catalogo.h"
#include "threads/datos.h"

namespace pc::medir {

inline std::unique_ptr<Estado> estado_dmc() {
    auto e = crear_estado();
    valores_iniciales(*e);
    poner_textos_incorporados(*e);
    e->marca = "DMC";
    leer_catalogo(e->texto_dmc, e->hilos, e->titulo_columna);
    return e;
}

}  // namespace pc::medir
