#include "ventana/lienzo.h"

#include <QScrollBar>

#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace pc::ui {

Lienzo::Lienzo(const QImage* imagen, QWidget* padre) : QWidget(padre), imagen_(imagen) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);  // un clic en el lienzo quita el teclado a los campos de texto
    setAttribute(Qt::WA_OpaquePaintEvent);
    ajustar();
}

void Lienzo::ajustar() {
    const QSize t = imagen_ && !imagen_->isNull() ? imagen_->size() : QSize(0, 0);
    setFixedSize(t);
}

void Lienzo::paintEvent(QPaintEvent* ev) {
    QPainter p(this);
    if (imagen_ && !imagen_->isNull()) p.drawImage(ev->rect(), *imagen_, ev->rect());
}

void Lienzo::mousePressEvent(QMouseEvent* ev) {
    emit pulsado(ev->button(), ev->position().toPoint());
}

void Lienzo::mouseMoveEvent(QMouseEvent* ev) {
    emit movido(ev->buttons(), ev->position().toPoint());
}

void Lienzo::mouseReleaseEvent(QMouseEvent* ev) {
    emit soltado(ev->button(), ev->position().toPoint());
}

void Lienzo::wheelEvent(QWheelEvent* ev) {
    // Un paso de rueda son 120 octavos de grado.
    rueda_acumulada_ += ev->angleDelta().y();
    const int pasos = rueda_acumulada_ / 120;
    if (pasos == 0) {
        ev->accept();
        return;
    }
    rueda_acumulada_ -= pasos * 120;
    emit rueda(pasos, ev->modifiers().testFlag(Qt::ControlModifier), ev->position().toPoint());
    ev->accept();
}

void Lienzo::contextMenuEvent(QContextMenuEvent* ev) {
    if (menu_) menu_->popup(ev->globalPos());
}

QScrollBar* crear_barra(Qt::Orientation orientacion, const char* nombre, int maximo, QWidget* padre) {
    auto* barra = new QScrollBar(orientacion, padre);
    barra->setObjectName(QString::fromLatin1(nombre));
    barra->setRange(0, maximo);
    barra->setSingleStep(10);
    barra->setPageStep(100);
    return barra;
}

}  // namespace pc::ui
