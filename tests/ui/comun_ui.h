// Arranque común de las pruebas de ventanas: una QApplication sin pantalla, creada una sola
// vez, y utilidades para recorrer los menús.
#pragma once
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

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
        l += a->text() + QStringLiteral(" #") + a->objectName();
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

}  // namespace pc::prueba
