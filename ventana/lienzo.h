// Un lienzo que muestra una QImage a escala 1:1 y comunica las pulsaciones y movimientos
// del ratón en píxeles de la imagen. Sirve para el patrón, la paleta y la imagen del visor.
#pragma once
#include <QImage>
#include <QWidget>

class QMenu;
class QScrollBar;

namespace pc::ui {

class Lienzo : public QWidget {
    Q_OBJECT
public:
    explicit Lienzo(const QImage* imagen, QWidget* padre = nullptr);
    // Ajusta el tamaño del lienzo al de la imagen.
    void ajustar();
    // Menú emergente que se abre con el botón derecho, después de la pulsación.
    void poner_menu(QMenu* menu) { menu_ = menu; }
    QMenu* menu() const { return menu_; }
    const QImage* imagen() const { return imagen_; }

signals:
    void pulsado(Qt::MouseButton boton, QPoint posicion);
    void movido(Qt::MouseButtons botones, QPoint posicion);
    void soltado(Qt::MouseButton boton, QPoint posicion);
    // Rueda del ratón: pasos (positivos hacia arriba), con Control o sin él.
    void rueda(int pasos, bool control, QPoint posicion);

protected:
    void paintEvent(QPaintEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void mouseReleaseEvent(QMouseEvent* ev) override;
    void wheelEvent(QWheelEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;

private:
    const QImage* imagen_;
    QMenu* menu_ = nullptr;
    int rueda_acumulada_ = 0;  // ruedas finas: se junta hasta completar un paso
};

// Barra de desplazamiento de los lienzos: rango 0..maximo, paso pequeño 10 y grande 100.
QScrollBar* crear_barra(Qt::Orientation orientacion, const char* nombre, int maximo, QWidget* padre);

}  // namespace pc::ui
