// La ventana principal y las copias de recuperación: mientras el diseño tiene cambios sin
// grabar, una copia cada 2 minutos de edición y cada vez que la ventana pierde el foco; sin
// cambios por grabar (tras grabar o abrir un fichero), la copia se borra, y también al salir.
#pragma once
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <optional>

#include "ordenes/sesion/recuperacion.h"

namespace pc::ui {

class TForm2;

class VigiaRecuperacion : public QObject {
public:
    static constexpr int kIntervaloMs = 2 * 60 * 1000;

    explicit VigiaRecuperacion(TForm2& ventana);

    // Al arrancar, antes del aviso: ofrece las copias que dejó un programa caído.
    std::optional<DatosRecuperacion> ofrecer();
    // El diseño recuperado ya está en su copia: no se vuelve a grabar hasta que cambie.
    void recuperado();
    // Tras cada orden: sin cambios por grabar, la copia sobra.
    void tras_orden();
    // Graba la copia si hay cambios que aún no tiene (el reloj y la pérdida del foco).
    void copiar_si_hace_falta();
    // Salida limpia: la copia se borra.
    void al_salir() { recuperacion_.borrar(); }
    Recuperacion& recuperacion() { return recuperacion_; }

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    TForm2& ventana_;
    Recuperacion recuperacion_;
    QTimer reloj_;
    std::optional<std::uint64_t> copiada_;  // versión del historial que tiene la copia
};

}  // namespace pc::ui
