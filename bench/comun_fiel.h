// Lo que comparten las mediciones de la generación FIEL: una sesión completa sin ventanas
// (diálogos que contestan el valor por defecto, vista nula, imagen Qt) y las fotos de muestra.
#pragma once
#include <memory>
#include <string>

#include "app/estado.h"
#include "ordenes/sesion/sesion.h"
#include "app/vista_nula.h"
#include "bench/comun_estado.h"
#include "render/imagen_qt.h"

namespace pc::medir {

class DialogosCallados : public Dialogos {
public:
    std::string respuesta;  // para la próxima entrada; vacía: el valor por defecto
    std::string entrada(const std::string&, const std::string&, const std::string& defecto) override {
        std::string r = respuesta.empty() ? defecto : respuesta;
        respuesta.clear();
        return r;
    }
    void mensaje(const std::string&) override {}
    bool pregunta(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> abrir(const std::string&, const std::string&) override { return std::nullopt; }
    std::optional<std::string> guardar(const std::string&, const std::string&) override { return std::nullopt; }
    void error(const std::string& texto) override { throw std::runtime_error(texto); }
};

struct Mesa {
    std::unique_ptr<Estado> estado = estado_dmc();
    DialogosCallados d;
    VistaNula v;
    ImagenQt img;
    Sesion s{*estado, d, v, img};
};

inline std::string dato(const std::string& nombre) { return std::string(PC_FUENTES) + "/" + nombre; }

}  // namespace pc::medir
