// La ventana "Selección de Colores": una casilla por columna del catálogo con su botón
// "+", y el panel de los hilos de una columna. Lo que muestra es el estado del diseño
// (títulos y casillas); sus botones llaman a las órdenes de la selección de columnas.
#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "ordenes/sesion/sesion.h"

class QCheckBox;
class QPushButton;
class QWidget;

namespace pc::ui {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(QWidget* padre = nullptr);
    // La sesión de la ventana principal, sobre cuyo estado trabaja la ventana.
    void conectar(Sesion& sesion);
    // Títulos, casillas y panel según el estado del diseño.
    void sincronizar();
    // Muestra la ventana, modal.
    void abrir();

    QCheckBox* casilla_columna(int n) const { return columnas_[static_cast<std::size_t>(n)]; }
    QCheckBox* casilla_hilo(int i) const { return hilos_[static_cast<std::size_t>(i)]; }
    QPushButton* boton_mas(int n) const { return mas_[static_cast<std::size_t>(n)]; }
    QPushButton* boton_aplicar() const { return aplicar_; }
    QPushButton* boton_aplicar_panel() const { return aplicar_panel_; }
    QWidget* panel() const { return panel1_; }

private:
    // Ejecuta una orden y refleja después el estado.
    void ejecutar_orden(const std::function<void(Sesion&)>& orden);
    void al_pulsar_columna(int n);
    void al_pulsar_hilo(int i);

    Sesion* sesion_ = nullptr;
    std::array<QCheckBox*, kColumnasCatalogo + 1> columnas_{};
    std::array<QCheckBox*, kHilosPanel + 1> hilos_{};
    std::array<QPushButton*, kColumnasCatalogo + 1> mas_{};
    QPushButton* aplicar_ = nullptr;
    QPushButton* aplicar_panel_ = nullptr;
    QWidget* panel1_ = nullptr;
};

}  // namespace pc::ui
