// La imagen de origen sobre una QImage convertida una sola vez a RGB de 32 bits.
#pragma once
#include <QImage>
#include <QString>
#include <string>

#include "app/puertos.h"

namespace pc {

class ImagenQt : public Imagen {
public:
    int ancho() const override { return img_.width(); }
    int alto() const override { return img_.height(); }
    Color pixel(int x, int y) const override;
    void fila(int y, int x, int n, Color* destino) const override;
    void rectangulo(int x1, int y1, int x2, int y2, Color borde, Color relleno) override;
    // Comprueba la cabecera si es un BMP y lo lee; si falla, la imagen anterior se queda.
    void cargar(const std::string& fichero) override;
    std::string fichero() const override { return fichero_; }

    const QImage& qimage() const { return img_; }
    // Cuántas veces se ha cargado una imagen: cambia también al volver a abrir el mismo fichero.
    int cargas() const { return cargas_; }

private:
    bool cargar_bmp_directo(const std::string& fichero);
    QImage img_;
    std::string fichero_;
    int cargas_ = 0;
};

// Un texto del programa (UTF-8) para Qt.
inline QString q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Conversión entre el color del programa (rojo en el byte bajo) y el de Qt.
inline QRgb a_qrgb(Color c) { return qRgb(rojo(c), verde(c), azul(c)); }
inline Color de_qrgb(QRgb q) { return rgb(qRed(q), qGreen(q), qBlue(q)); }

}  // namespace pc
