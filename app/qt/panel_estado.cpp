#include "app/qt/panel_estado.h"

#include <QFontMetrics>

namespace pc::ui {

void PanelEstado::poner(const QString& texto) {
    setText(texto);
    actualizar_pista();
}

bool PanelEstado::cabe() const {
    return fontMetrics().horizontalAdvance(text()) <= contentsRect().width() - 2 * margin() - indent();
}

void PanelEstado::resizeEvent(QResizeEvent* ev) {
    QLabel::resizeEvent(ev);
    actualizar_pista();
}

void PanelEstado::actualizar_pista() { setToolTip(cabe() ? QString() : text()); }

}  // namespace pc::ui
