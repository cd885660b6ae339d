// El diálogo de progreso de las impresiones y de los cuadernillos: sale sólo si el dibujo
// tarda más de medio segundo, y su botón "Cancelar" lo detiene.
#pragma once
#include <QString>
#include <memory>

#include "render/avance.h"

class QProgressDialog;
class QWidget;

namespace pc::ui {

class ProgresoDibujo {
public:
    ProgresoDibujo(QWidget* padre, const QString& texto);
    ~ProgresoDibujo();
    // El avance que se le da al dibujo: mueve la barra y dice si se canceló.
    Avance avance();
    bool cancelado() const;

    // Tiempo antes de que el diálogo salga.
    static constexpr int kEsperaMs = 500;

private:
    std::unique_ptr<QProgressDialog> dlg_;
};

}  // namespace pc::ui
