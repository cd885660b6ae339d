// Un rectángulo de la imagen de origen visto como una imagen entera: la generación desde un
// recorte lee sólo esos píxeles, con la misma regla de bordes que una imagen de ese tamaño.
#pragma once
#include <optional>
#include <string>

#include "app/puertos.h"

namespace pc {

// Rectángulo en píxeles de la imagen: esquina (x, y), ancho y alto.
struct Recorte {
    int x = 0, y = 0, ancho = 0, alto = 0;
    bool operator==(const Recorte&) const = default;
};

// El recorte metido dentro de una imagen de ancho × alto: sin valor si no queda ningún píxel.
std::optional<Recorte> recorte_dentro(const Recorte& r, int ancho, int alto);

class ImagenRecortada : public Imagen {
public:
    // `r` debe estar dentro de `base` (ver recorte_dentro); la base no debe cambiar mientras se usa.
    ImagenRecortada(const Imagen& base, const Recorte& r) : base_(base), r_(r) {}
    int ancho() const override { return r_.ancho; }
    int alto() const override { return r_.alto; }
    Color pixel(int x, int y) const override {
        if (x < 0 || y < 0 || x >= r_.ancho || y >= r_.alto) return kBlanco;
        return base_.pixel(r_.x + x, r_.y + y);
    }
    void fila(int y, int x, int n, Color* destino) const override { base_.fila(r_.y + y, r_.x + x, n, destino); }
    // Sólo se lee: dibujar o cargar no hacen nada.
    void rectangulo(int, int, int, int, Color, Color) override {}
    void cargar(const std::string&) override {}
    std::string fichero() const override { return base_.fichero(); }

private:
    const Imagen& base_;
    Recorte r_;
};

}  // namespace pc
