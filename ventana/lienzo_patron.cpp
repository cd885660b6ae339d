#include "ventana/lienzo_patron.h"

#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "print/simbolos_diseno.h"
#include "render/dibujo_patron.h"
#include "render/simbolos_celda.h"

namespace pc::ui {

LienzoPatron::LienzoPatron(const Estado& e, QWidget* padre) : Lienzo(nullptr, padre), e_(e) {}

void LienzoPatron::resaltar(std::optional<Color> c) {
    if (c == resaltado_) return;
    resaltado_ = c;
    update();
}

void LienzoPatron::poner_zona(std::optional<ZonaVista> z) {
    if (z == zona_) return;
    // Se repintan la zona de antes y la nueva (con el grueso de su trazo).
    for (const auto& r : {zona_, z})
        if (r) update(rectangulo_zona(*r, e_.tam_celda).adjusted(-3, -3, 3, 3));
    zona_ = z;
}

void LienzoPatron::ver_simbolos(bool si) {
    if (si == ver_simbolos_) return;
    ver_simbolos_ = si;
    update();
}

Adornos LienzoPatron::adornos(std::unordered_map<Color, std::string>& simbolos) const {
    Adornos a{resaltado_, zona_};
    // Los símbolos se cuentan en cada repintado: siguen a cada punto pintado sin avisos aparte.
    if (ver_simbolos_ && e_.tam_celda >= kLadoSimbolosPantalla) {
        simbolos = simbolos_del_diseno(e_);
        a.simbolos = &simbolos;
    }
    return a;
}

QRgb LienzoPatron::pixel(int x, int y) const {
    QImage uno(1, 1, QImage::Format_RGB32);
    std::unordered_map<Color, std::string> simbolos;
    dibujar_vista(uno, e_, QPoint(x, y), adornos(simbolos));
    return uno.pixel(0, 0);
}

void LienzoPatron::paintEvent(QPaintEvent* ev) {
    const QRect r = ev->rect();
    if (r.isEmpty()) return;
    if (memoria_.width() < r.width() || memoria_.height() < r.height())
        memoria_ = QImage(std::max(r.width(), memoria_.width()), std::max(r.height(), memoria_.height()),
                          QImage::Format_RGB32);
    // Un trozo de la memoria del tamaño justo, sin copiarla.
    QImage trozo(memoria_.bits(), r.width(), r.height(), memoria_.bytesPerLine(), QImage::Format_RGB32);
    std::unordered_map<Color, std::string> simbolos;
    dibujar_vista(trozo, e_, r.topLeft(), adornos(simbolos));
    QPainter p(this);
    p.drawImage(r.topLeft(), trozo);
}

bool LienzoPatron::event(QEvent* ev) {
    // Sobre una zona invertida, la pista dice que está vacía.
    if (ev->type() == QEvent::ToolTip && zona_ && zona_->invertida) {
        auto* ayuda = static_cast<QHelpEvent*>(ev);
        if (rectangulo_zona(*zona_, e_.tam_celda).adjusted(-3, -3, 3, 3).contains(ayuda->pos())) {
            QToolTip::showText(ayuda->globalPos(), QString::fromStdString(pista_zona_invertida()), this);
            return true;
        }
    }
    return Lienzo::event(ev);
}

}  // namespace pc::ui
