#include "ventana/lienzo_patron.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
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

QRect LienzoPatron::rectangulo_tramo() const {
    if (!tramo_) return {};
    const int margen = static_cast<int>(grueso_tramo(e_.tam_celda)) + 3;
    return QRectF(tramo_->p1(), tramo_->p2()).normalized().toAlignedRect().adjusted(-margen, -margen, margen, margen);
}

void LienzoPatron::poner_tramo(std::optional<QLineF> tramo) {
    if (tramo == tramo_) return;
    update(rectangulo_tramo());
    tramo_ = tramo;
    update(rectangulo_tramo());
}

void LienzoPatron::mousePressEvent(QMouseEvent* ev) {
    modificadores_ = ev->modifiers();
    Lienzo::mousePressEvent(ev);
}

void LienzoPatron::mouseMoveEvent(QMouseEvent* ev) {
    modificadores_ = ev->modifiers();
    Lienzo::mouseMoveEvent(ev);
}

void LienzoPatron::keyPressEvent(QKeyEvent* ev) {
    if (ev->key() == Qt::Key_Escape) {
        emit escape();
        ev->accept();
        return;
    }
    Lienzo::keyPressEvent(ev);
}

void LienzoPatron::contextMenuEvent(QContextMenuEvent* ev) {
    if (omitir_menu_) {
        omitir_menu_ = false;
        ev->accept();
        return;
    }
    Lienzo::contextMenuEvent(ev);
}

void LienzoPatron::ver_simbolos(bool si) {
    if (si == ver_simbolos_) return;
    ver_simbolos_ = si;
    update();
}

Adornos LienzoPatron::adornos(std::unordered_map<Color, std::string>& simbolos) const {
    Adornos a{resaltado_, zona_};
    a.tramo = tramo_;
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
