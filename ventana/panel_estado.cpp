#include "ventana/panel_estado.h"

#include <QFontMetrics>
#include <algorithm>

namespace pc::ui {

void PanelEstado::poner(const QString& texto) {
    setText(texto);
    actualizar_pista();
}

bool PanelEstado::cabe() const {
    // indent() vale -1 mientras no se fija.
    return fontMetrics().horizontalAdvance(text()) <= contentsRect().width() - 2 * margin() - std::max(0, indent());
}

void PanelEstado::resizeEvent(QResizeEvent* ev) {
    QLabel::resizeEvent(ev);
    actualizar_pista();
}

void PanelEstado::actualizar_pista() { setToolTip(cabe() ? QString() : text()); }

}  // namespace pc::ui
