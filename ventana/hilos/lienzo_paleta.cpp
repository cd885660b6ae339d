#include "ventana/hilos/lienzo_paleta.h"

#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ordenes/hilos/vista_paleta.h"

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

}  // namespace pc::ui
