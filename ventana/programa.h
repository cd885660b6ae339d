// Las ventanas del programa, creadas en su orden: principal, visor, selección de colores,
// "Acerca de..." y opciones de impresión. La imagen de origen la muestra el visor.
#pragma once
#include <QStringList>
#include <memory>
#include <string>

#include "render/imagen_qt.h"

class QApplication;

namespace pc {
class Dialogos;
}

namespace pc::ui {

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TAboutBox;

class Programa {
public:
    Programa(Dialogos& dialogos, const std::string& argumento);
    ~Programa();

    TForm2& principal() { return *form2_; }
    TForm1& visor() { return *form1_; }
    TForm3& columnas() { return *form3_; }
    TAboutBox& acerca() { return *acerca_; }
    TForm4& impresion() { return *form4_; }
    ImagenQt& imagen() { return imagen_; }
    // Nombres de objeto de las ventanas en el orden en que se crearon.
    const QStringList& orden_creacion() const { return orden_; }

private:
    ImagenQt imagen_;
    QStringList orden_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TAboutBox> acerca_;
    std::unique_ptr<TForm4> form4_;
};

// Arranque completo: presentación, ventanas, espera de `espera_ms` con la presentación a la
// vista, y bucle de mensajes.
int arrancar(QApplication& app, int espera_ms);

}  // namespace pc::ui
