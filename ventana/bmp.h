// El visor de la imagen de origen: la imagen 1:1 con sus barras de desplazamiento, el
// panel de texto Memo1, la captura de color con el ratón y su menú emergente.
#pragma once
#include <QMainWindow>
#include <string>

#include "ordenes/sesion/sesion.h"
#include "ventana/menus.h"

class QPlainTextEdit;
class QScrollBar;
class QSplitter;

namespace pc {
class ImagenQt;
}

namespace pc::ui {

class Lienzo;
class PanelEstado;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // `imagen` es la imagen de origen que muestra esta ventana; `sesion`, la de la ventana
    // principal.
    TForm1(Sesion& sesion, ImagenQt& imagen, QWidget* padre = nullptr);

    void memo_limpiar();
    void memo_linea(const std::string& linea);
    void panel(int n, const std::string& texto);
    QString texto_panel(int n) const;
    // Muestra la ventana (con la imagen al día) y la trae al frente.
    void mostrar();
    // Marcas del menú y, si se cargó una imagen (aunque sea del mismo fichero), el tamaño del
    // lienzo y de las barras.
    void sincronizar();

    Lienzo* lienzo() const { return image1_; }
    QPlainTextEdit* memo() const { return memo1_; }
    QScrollBar* barra_horizontal() const { return scrollbar1_; }
    QScrollBar* barra_vertical() const { return scrollbar2_; }

protected:
    void closeEvent(QCloseEvent* ev) override;

private:
    void elegir(const EntradaMenu& en);
    void al_pulsar(Qt::MouseButton boton, QPoint p);
    void al_mover(QPoint p);
    void a_la_esquina();

    Sesion& sesion_;
    ImagenQt& imagen_;
    int carga_mostrada_ = 0;  // la carga de la imagen a la que se ajustó la ventana
    Lienzo* image1_ = nullptr;
    QWidget* area_ = nullptr;
    QScrollBar* scrollbar1_ = nullptr;
    QScrollBar* scrollbar2_ = nullptr;
    QPlainTextEdit* memo1_ = nullptr;
    int lineas_memo_ = 0;  // líneas escritas desde que se vació
    QSplitter* splitter1_ = nullptr;
    PanelEstado* paneles_[2] = {};
    Acciones acciones_;
};

}  // namespace pc::ui
