// Una vista que no muestra nada: para la herramienta por lotes y las mediciones, que
// sólo necesitan de la vista lo que quieran redefinir.
#pragma once
#include <string>

#include "app/puertos.h"

namespace pc {

class VistaNula : public Vista {
public:
    void panel(int, const std::string&) override {}
    void panel_visor(int, const std::string&) override {}
    void memo_limpiar() override {}
    void memo_linea(const std::string&) override {}
    void redibujar() override {}
    void redibujar_celda(int, int) override {}
    void repintar_celda(int, int) override {}
    bool pinta_celdas() const override { return false; }
    void limpiar_lienzo() override {}
    void mostrar_visor() override {}
    void minimizar() override {}
    void restaurar() override {}
    void progreso(const std::string&) override {}
    void procesar_mensajes() override {}
    void color_fondo(Color) override {}
};

}  // namespace pc
