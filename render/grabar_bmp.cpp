#include "render/grabar_bmp.h"

#include <QBuffer>
#include <QByteArray>

#include "app/errores.h"
#include "app/ficheros.h"

namespace pc {

void grabar_bmp(const QImage& imagen, const std::string& ruta) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!imagen.save(&buffer, "BMP")) {
        throw ErrorFichero("Cannot create file \"" + ruta + "\". No se pudo codificar la imagen como BMP");
    }
    escribir_fichero(ruta, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

}  // namespace pc
