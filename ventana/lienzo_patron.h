// El lienzo del patrón (Image1). El tapiz no se guarda en una imagen entera (a 40 píxeles
// por punto uno de 700 puntos mide 28.000 píxeles de lado): cada repintado dibuja, a partir
// del estado del diseño, sólo el trozo que se ve. El widget mide lo que ocupa el tapiz (y
// como poco lo que se ve) y las barras lo mueven, como al lienzo de la paleta.
#pragma once
#include <QImage>
#include <QLineF>
#include <optional>

#include "app/estado.h"
#include "ordenes/patron/zonas.h"
#include "render/dibujo_patron.h"
#include "ventana/lienzo.h"

namespace pc::ui {

class LienzoPatron : public Lienzo {
    Q_OBJECT
public:
    LienzoPatron(const Estado& e, QWidget* padre = nullptr);
    // Resalta los puntos de un color (los demás se ven pálidos) hasta que se quite.
    void resaltar(std::optional<Color> c);
    std::optional<Color> resaltado() const { return resaltado_; }
    // La zona que se dibuja; repinta si cambió desde la última vez.
    void poner_zona(std::optional<ZonaVista> z);
    // "Ver símbolos": el símbolo de cada punto encima de su color, con celdas de 12 píxeles o más.
    void ver_simbolos(bool si);
    bool viendo_simbolos() const { return ver_simbolos_; }
    // El píxel (x, y) del lienzo tal como se ve.
    QRgb pixel(int x, int y) const;
    // El tramo del pespunte que pondría el próximo clic (en píxeles del lienzo), o ninguno.
    void poner_tramo(std::optional<QLineF> tramo);
    // El próximo menú del botón derecho no se abre (ese clic acabó un pespunte).
    void omitir_menu() { omitir_menu_ = true; }
    // Las teclas modificadoras de la última pulsación o movimiento del ratón.
    Qt::KeyboardModifiers modificadores() const { return modificadores_; }

signals:
    void escape();

protected:
    void paintEvent(QPaintEvent* ev) override;
    bool event(QEvent* ev) override;
    void mousePressEvent(QMouseEvent* ev) override;
    void mouseMoveEvent(QMouseEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;
    void contextMenuEvent(QContextMenuEvent* ev) override;

private:
    QRect rectangulo_tramo() const;
    Adornos adornos(std::unordered_map<Color, std::string>& simbolos) const;

    const Estado& e_;
    std::optional<Color> resaltado_;
    std::optional<ZonaVista> zona_;
    std::optional<QLineF> tramo_;
    bool omitir_menu_ = false;
    Qt::KeyboardModifiers modificadores_;
    bool ver_simbolos_ = false;
    QImage memoria_;  // se reutiliza de un repintado a otro
};

}  // namespace pc::ui
