#include "ventana/atajos.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace pc::ui {

namespace {

struct Atajo {
    const char* entrada;
    const char* teclas;
    const char* otras = nullptr;
};

constexpr Atajo kAtajos[] = {
    {"NuevoPatronDesdeImagen1", "Ctrl+N"},
    {"AbrirImagenBMP1", "Ctrl+O"},
    {"CargarPuntoCruz1", "Ctrl+L"},
    {"Grabar1", "Ctrl+S"},
    {"GrabarPuntoCruz1", "Ctrl+Shift+S"},
    {"ImprimirPuntodeCruz1", "Ctrl+P"},
    {"GenerarPuntodeCruz1", "Ctrl+G"},
    {"DelaAplicacin1", "F1"},
    {"Salir1", "Ctrl+Q"},
    {"Deshacer1", "Ctrl+Z"},
    {"Rehacer1", "Ctrl+Y", "Ctrl+Shift+Z"},
    {"Acercar1", "Ctrl++", "Ctrl+="},
    {"Alejar1", "Ctrl+-"},
    {"Ajustar1", "Ctrl+0"},
    {"HerramientaPincel", "B"},
    {"HerramientaRelleno", "F"},
    {"HerramientaCuentagotas", "I"},
    {"HerramientaZona", "Z"},
    {"HerramientaPerfilar", "P"},
    {"HerramientaMedioPunto", "H"},
    {"HerramientaCuarto", "Q"},
    {"HerramientaTresCuartos", "T"},
    {"HerramientaPetit", "G"},
    {"HerramientaPespunte", "L"},
    {"HerramientaNudo", "K"},
    {"HerramientaGoma", "E"},
    {"VerSimbolos", "S"},
};

}  // namespace

void poner_atajos(QWidget* ventana) {
    for (QAction* a : ventana->findChildren<QAction*>()) {
        if (a->menu()) continue;  // los submenús no llevan atajo
        for (const Atajo& at : kAtajos) {
            if (a->objectName() != QLatin1String(at.entrada)) continue;
            QList<QKeySequence> teclas{QKeySequence(QString::fromLatin1(at.teclas))};
            if (at.otras) teclas << QKeySequence(QString::fromLatin1(at.otras));
            a->setShortcuts(teclas);
            a->setShortcutContext(Qt::WindowShortcut);
        }
    }
}

}  // namespace pc::ui
