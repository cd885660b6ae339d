// Un panel de la barra de estado: cuando su texto no cabe, lo enseña entero como pista.
#pragma once
#include <QLabel>

namespace pc::ui {

class PanelEstado : public QLabel {
public:
    explicit PanelEstado(QWidget* padre = nullptr) : QLabel(padre) {}
    void poner(const QString& texto);
    // true si el texto entero se ve en el ancho actual del panel.
    bool cabe() const;

protected:
    void resizeEvent(QResizeEvent* ev) override;

private:
    void actualizar_pista();
};

}  // namespace pc::ui
