// Textos incorporados: catálogos DMC y ANCHOR y la tabla de equivalencias DMC-ANCHOR.
#pragma once
#include <string>
#include <vector>

namespace pc {

const std::vector<std::string>& lineas_dmc_incorporado();
const std::vector<std::string>& lineas_anchor_incorporado();
const std::vector<std::string>& lineas_equivalencias();

}  // namespace pc
