#include "render/lector_imagenes.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QLoggingCategory>
#include <QtGlobal>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "app/errores.h"

namespace pc {

namespace {

void callar(QtMsgType, const QMessageLogContext&, const QString&) {}

// Mientras vive, los mensajes de Qt no salen, ni lo que las bibliotecas de imágenes escriben
// directamente en la salida de errores ("libpng error: …"): se lleva a /dev/null y se
// devuelve después. Las imágenes se leen en el único hilo de las ventanas.
class Silencio {
public:
    Silencio() : anterior_(qInstallMessageHandler(callar)) {
        std::fflush(stderr);
        const int nulo = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nulo >= 0) {
            copia_ = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
            if (copia_ >= 0) ::dup2(nulo, STDERR_FILENO);
            ::close(nulo);
        }
    }
    ~Silencio() {
        std::fflush(stderr);
        if (copia_ >= 0) {
            ::dup2(copia_, STDERR_FILENO);
            ::close(copia_);
        }
        qInstallMessageHandler(anterior_);
    }
    Silencio(const Silencio&) = delete;
    Silencio& operator=(const Silencio&) = delete;

private:
    QtMessageHandler anterior_;
    int copia_ = -1;
};

// Mientras vive, el lector de Qt puede reservar la memoria que pide una imagen de esas medidas
// en el formato en que la va a dar (ya comprobado que no pasa de 100 megapíxeles); después
// vuelve el límite general, el de 4 bytes por píxel.
class LimiteMemoria {
public:
    LimiteMemoria(QSize tam, QImage::Format formato) : anterior_(QImageReader::allocationLimit()) {
        if (!tam.isValid()) return;
        // Sin formato conocido, el mayor de los corrientes: 16 bits por canal con transparencia.
        const int bits = formato == QImage::Format_Invalid ? 64 : QImage::toPixelFormat(formato).bitsPerPixel();
        const long long bytes = static_cast<long long>(tam.width()) * tam.height() * std::max(4, (bits + 7) / 8);
        const int megas = static_cast<int>((bytes >> 20) + 16);
        if (anterior_ > 0 && megas > anterior_) QImageReader::setAllocationLimit(megas);
    }
    ~LimiteMemoria() { QImageReader::setAllocationLimit(anterior_); }
    LimiteMemoria(const LimiteMemoria&) = delete;
    LimiteMemoria& operator=(const LimiteMemoria&) = delete;

private:
    int anterior_;
};

}  // namespace

void preparar_lector_imagenes() {
    static const bool hecho = [] {
        // Megabytes para una imagen de 100 megapíxeles a 4 bytes por píxel.
        QImageReader::setAllocationLimit(static_cast<int>((kMaxPixelesImagen * 4 >> 20) + 16));
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*=false"));
        return true;
    }();
    (void)hecho;
}

QImage decodificar_imagen(const std::string& bytes, const std::string& fichero) {
    preparar_lector_imagenes();
    const Silencio silencio;
    const QByteArray datos = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(datos);
    buffer.open(QIODevice::ReadOnly);
    QImageReader lector(&buffer);
    const QSize tam = lector.size();
    if (tam.isValid()) comprobar_pixeles(tam.width(), tam.height());
    const LimiteMemoria limite(tam, lector.imageFormat());
    QImage img;
    if (!lector.read(&img) || img.isNull()) {
        throw ErrorFormato("No se puede leer la imagen \"" + fichero +
                           "\": el fichero está dañado o su formato no se reconoce.");
    }
    return img;
}

}  // namespace pc
