// La ventana de presentación: uno de los dos logotipos, elegido al azar, con el rótulo del
// programa encima de su parte baja.
#pragma once
#include <QWidget>

class QLabel;

namespace pc::ui {

// Recursos de los dos logotipos (Image2 e Image3 de la presentación).
inline constexpr const char* kLogo2 = ":/logo1.png";
inline constexpr const char* kLogo3 = ":/logo2.png";
// Un número 0..99: hasta 50 elige Image3 y si no Image2.
const char* logo_al_azar(int azar);
int azar_0_99();
// Registra los dibujos compilados dentro del programa (se puede llamar varias veces).
void iniciar_recursos();

class Tlogoform : public QWidget {
    Q_OBJECT
public:
    explicit Tlogoform(int azar, QWidget* padre = nullptr);
    QLabel* imagen() const { return image1_; }
    QLabel* rotulo() const { return label2_; }
    const char* logo() const { return logo_; }

private:
    QLabel* image1_ = nullptr;
    QLabel* label2_ = nullptr;
    const char* logo_ = nullptr;
};

}  // namespace pc::ui
