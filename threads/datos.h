// Textos incorporados: catálogos DMC y ANCHOR y la tabla de equivalencias DMC-ANCHOR.
#pragma once
#include <string>
#include <vector>

namespace pc {

struct Estado;

const std::vector<std::string>& lineas_dmc_incorporado();
const std::vector<std::string>& lineas_anchor_incorporado();
const std::vector<std::string>& lineas_equivalencias();

// Pone en el estado los textos de los catálogos incorporados (al crear la ventana principal).
void poner_textos_incorporados(Estado& e);

}  // namespace pc
