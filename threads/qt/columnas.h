// La ventana "Selección de Colores": una casilla por columna del catálogo con su botón
// "+", y el panel de los hilos de una columna.
#pragma once
#include <QDialog>
#include <array>

#include "app/estado.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QWidget;

namespace pc::ui {

class TForm3 : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHilosPanel = 50;

    explicit TForm3(QWidget* padre = nullptr);
    // Rótulos de las casillas de columna: los del catálogo cargado, o los iniciales.
    void poner_rotulos(const Estado& e);

    QCheckBox* casilla_columna(int n) const { return columnas_[static_cast<std::size_t>(n)]; }
    QCheckBox* casilla_hilo(int i) const { return hilos_[static_cast<std::size_t>(i)]; }
    QWidget* panel() const { return panel1_; }

private:
    std::array<QCheckBox*, kColumnasCatalogo + 1> columnas_{};
    std::array<QCheckBox*, kHilosPanel + 1> hilos_{};
    QWidget* panel1_ = nullptr;
};

// Rótulo inicial de la casilla de la columna n (1..19): "Columna n" y su familia de colores.
QString rotulo_inicial_columna(int n);

}  // namespace pc::ui
