#include "ventana/programa.h"

#include <QApplication>
#include <QThread>

#include "ventana/acerca.h"
#include "ventana/bmp.h"
#include "ventana/dialogos_qt.h"
#include "ventana/logo.h"
#include "ventana/pcruz.h"
#include "ventana/impresion/imprime.h"
#include "ventana/hilos/columnas.h"

namespace pc::ui {

Programa::Programa(Dialogos& dialogos, const std::string& argumento) {
    form2_ = std::make_unique<TForm2>(dialogos, imagen_, argumento);
    orden_ << form2_->objectName();
    // El visor es una ventana de herramientas de la principal: queda siempre por encima de ella.
    form1_ = std::make_unique<TForm1>(form2_->sesion(), imagen_, form2_.get());
    orden_ << form1_->objectName();
    form3_ = std::make_unique<TForm3>();
    orden_ << form3_->objectName();
    acerca_ = std::make_unique<TAboutBox>(form2_.get());
    orden_ << acerca_->objectName();
    form4_ = std::make_unique<TForm4>();
    orden_ << form4_->objectName();
    form2_->conectar(form1_.get(), acerca_.get());
    form4_->conectar(form2_.get());
    form2_->conectar_impresion(form4_.get());
    form2_->conectar_columnas(form3_.get());
}

Programa::~Programa() {
    // El "Acerca de..." es hijo de la principal: se suelta antes de que ella lo destruya.
    acerca_.reset();
}

int arrancar(QApplication& app, int espera_ms) {
    const QStringList args = app.arguments();
    const std::string argumento = args.size() > 1 ? args[1].toStdString() : std::string();

    auto logo = std::make_unique<Tlogoform>(azar_0_99());
    QApplication::processEvents();
    logo->show();
    logo->repaint();
    QApplication::processEvents();

    DialogosQt dialogos;
    Programa programa(dialogos, argumento);
    dialogos.poner_padre(&programa.principal());
    if (espera_ms > 0) QThread::msleep(static_cast<unsigned long>(espera_ms));
    logo.reset();
    if (!programa.principal().isVisible()) programa.principal().show();
    return app.exec();
}

}  // namespace pc::ui
