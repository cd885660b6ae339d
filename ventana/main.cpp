// Arranque del programa.
#include <QApplication>
#include <QByteArray>

#include "ventana/programa.h"
#include "ventana/traduccion.h"
#include "render/lector_imagenes.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pc::ui::cargar_traduccion_qt(app);
    pc::preparar_lector_imagenes();
    // PC_SIN_ESPERA deja arrancar sin la pausa de la presentación (pruebas y capturas).
    const int espera = qEnvironmentVariableIsSet("PC_SIN_ESPERA") ? 0 : 2000;
    return pc::ui::arrancar(app, espera);
}
