// Imagen de origen en memoria, sin ninguna biblioteca gráfica: para las pruebas, las
// mediciones y cualquier uso que no necesite leer un fichero de imagen.
#pragma once
#include <string>
#include <vector>

#include "app/puertos.h"

namespace pc {

class ImagenMemoria : public Imagen {
public:
    ImagenMemoria() = default;
    ImagenMemoria(int ancho, int alto, Color fondo = kBlanco);

    int ancho() const override { return ancho_; }
    int alto() const override { return alto_; }
    Color pixel(int x, int y) const override;
    void poner(int x, int y, Color c);
    void rectangulo(int x1, int y1, int x2, int y2, Color borde, Color relleno) override;
    // Esta imagen no lee ficheros: lanza ErrorFichero.
    void cargar(const std::string& fichero) override;
    std::string fichero() const override { return fichero_; }

private:
    int ancho_ = 0, alto_ = 0;
    std::vector<Color> px_;
    std::string fichero_;
};

}  // namespace pc
