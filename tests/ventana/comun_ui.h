// Arranque común de las pruebas de ventanas: una QApplication sin pantalla, creada una sola
// vez, y utilidades para recorrer los menús.
#pragma once
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <string>

#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "tests/comun/guion.h"

namespace pc::prueba {

inline QApplication& aplicacion() {
    static int argc = 1;
    static char nombre[] = "pruebas_ui";
    static char* argv[] = {nombre, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Los ajustes que el programa recuerda van a una carpeta temporal, nunca a los del usuario.
        static QTemporaryDir configuracion;
        qputenv("PC_CONFIGURACION", configuracion.path().toUtf8());
        // Las copias de recuperación y dmc_aux.dat, tampoco en la carpeta de datos del usuario.
        qputenv("XDG_DATA_HOME", configuracion.path().toUtf8());
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Una línea por entrada: sangría por nivel, rótulo, #nombre, [x]/[ ] si tiene casilla y
// (off) si está deshabilitada; "---" para los separadores.
inline void describir(const QList<QAction*>& acciones, int nivel, QStringList& lineas) {
    for (QAction* a : acciones) {
        QString l(nivel * 2, QLatin1Char(' '));
        if (a->isSeparator()) {
            lineas << l + QStringLiteral("---");
            continue;
        }
        // El rótulo que se ve: sin el "&" de la letra subrayada de los menús de la barra.
        l += QString(a->text()).remove(QLatin1Char('&')) + QStringLiteral(" #") + a->objectName();
        if (a->isCheckable()) l += a->isChecked() ? QStringLiteral(" [x]") : QStringLiteral(" [ ]");
        if (!a->isEnabled()) l += QStringLiteral(" (off)");
        lineas << l;
        if (a->menu()) describir(a->menu()->actions(), nivel + 1, lineas);
    }
}

inline QString arbol(const QList<QAction*>& acciones) {
    QStringList lineas;
    describir(acciones, 0, lineas);
    return lineas.join(QLatin1Char('\n'));
}

// La acción de la ventana con ese nombre de objeto; si no está, la prueba falla y da nulo.
inline QAction* accion(QWidget* w, const char* nombre) {
    auto* a = w->findChild<QAction*>(QString::fromLatin1(nombre));
    EXPECT_NE(a, nullptr) << nombre;
    return a;
}

// Elige la entrada como si se pinchara en el menú; si no está, la prueba se detiene.
inline void elegir(QWidget* w, const char* nombre) {
    auto* a = w->findChild<QAction*>(QString::fromLatin1(nombre));
    ASSERT_NE(a, nullptr) << nombre;
    a->trigger();
}

// Eventos del ratón enviados directamente al widget, en sus coordenadas.
inline void raton(QWidget* w, QEvent::Type tipo, Qt::MouseButton boton, Qt::MouseButtons botones, QPoint p) {
    QMouseEvent ev(tipo, QPointF(p), w->mapToGlobal(QPointF(p)), boton, botones, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &ev);
}
inline void pulsar(QWidget* w, Qt::MouseButton boton, QPoint p) {
    raton(w, QEvent::MouseButtonPress, boton, boton, p);
    raton(w, QEvent::MouseButtonRelease, boton, Qt::NoButton, p);
}
inline void mover(QWidget* w, QPoint p) { raton(w, QEvent::MouseMove, Qt::NoButton, Qt::NoButton, p); }

// Abre la imagen por el menú, con el diálogo de abrir contestado por el guion.
inline void abrir_imagen(ui::Programa& p, DialogosGuion& g,
                         const std::string& ruta = std::string(PC_DATOS_PRUEBA) + "/coffee.bmp") {
    g.fichero(ruta);
    elegir(&p.principal(), "AbrirImagenBMP1");
}

}  // namespace pc::prueba
