#include "ventana/recuperacion.h"

#include <QEvent>

#include "ventana/pcruz.h"

namespace pc::ui {

VigiaRecuperacion::VigiaRecuperacion(TForm2& ventana) : ventana_(ventana) {
    reloj_.setInterval(kIntervaloMs);
    connect(&reloj_, &QTimer::timeout, this, [this] { copiar_si_hace_falta(); });
    reloj_.start();
    ventana_.installEventFilter(this);
}

std::optional<DatosRecuperacion> VigiaRecuperacion::ofrecer() { return recuperacion_.ofrecer(ventana_.sesion()); }

void VigiaRecuperacion::recuperado() { copiada_ = ventana_.historial().version(); }

void VigiaRecuperacion::tras_orden() {
    if (ventana_.historial().modificado() || !recuperacion_.hay_copia()) return;
    recuperacion_.borrar();
    copiada_.reset();
}

void VigiaRecuperacion::copiar_si_hace_falta() {
    const Historial& h = ventana_.historial();
    if (!h.modificado()) {
        tras_orden();
        return;
    }
    if (copiada_ != h.version()) {
        recuperacion_.grabar(ventana_.estado(), ventana_.fichero_actual().toStdString(),
                             ventana_.sesion().img.fichero());
        copiada_ = h.version();
    }
    const std::string fallo = recuperacion_.fallo();
    if (!fallo.empty()) {
        ventana_.poner_panel(0, fallo);
        copiada_.reset();  // se vuelve a intentar la próxima vez
    }
}

bool VigiaRecuperacion::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto == &ventana_ && evento->type() == QEvent::WindowDeactivate) copiar_si_hace_falta();
    return QObject::eventFilter(objeto, evento);
}

}  // namespace pc::ui
