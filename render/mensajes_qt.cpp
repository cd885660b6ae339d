#include "render/mensajes_qt.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace pc {

namespace {

void mensaje_qt(QtMsgType tipo, const QMessageLogContext&, const QString& texto) {
    if (tipo != QtFatalMsg) return;
    // El único error fatal de Qt que puede llegar aquí es el de la parte gráfica al arrancar
    // (sin complemento de plataforma, por ejemplo).
    std::fprintf(stderr, "No se puede iniciar la parte gráfica: %s\n", texto.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

void callar_avisos_qt() { qInstallMessageHandler(mensaje_qt); }

}  // namespace pc
