#include "threads/qt/lienzo_paleta.h"

#include <QAction>

#include "app/qt/lienzo.h"
#include "app/qt/pcruz.h"
#include "threads/ordenes/vista_paleta.h"

namespace pc::ui {

void conectar_lienzo_paleta(TForm2& f) {
    Lienzo* lienzo = f.lienzo_paleta();
    QObject::connect(lienzo, &Lienzo::pulsado, &f, [&f](Qt::MouseButton boton, QPoint p) {
        ejecutar(f.sesion().d, [&] { raton_pulsado_paleta(f.sesion(), boton == Qt::RightButton, p.x(), p.y()); });
    });
    QObject::connect(lienzo, &Lienzo::movido, &f, [&f](Qt::MouseButtons, QPoint p) {
        Sesion& s = f.sesion();
        ejecutar(s.d, [&] { raton_movido_paleta(s, s.v.pixel_paleta(p.x(), p.y())); });
    });
}

void sincronizar_rotulos(QWidget& ventana, const Estado& e) {
    const struct {
        const char* nombres[2];
        const std::string& rotulo;
    } filas[] = {
        {{"s1", "SeleccionarColor1"}, e.rotulo_seleccionar},
        {{"rgb11", "CopiarRGB11"}, e.rotulo_origen},
        {{"rgb21", "CopiarRGB21"}, e.rotulo_destino},
    };
    for (const auto& f : filas) {
        if (f.rotulo.empty()) continue;
        for (const char* nombre : f.nombres) {
            if (auto* a = ventana.findChild<QAction*>(QString::fromLatin1(nombre)))
                a->setText(QString::fromStdString(f.rotulo));
        }
    }
}

}  // namespace pc::ui
