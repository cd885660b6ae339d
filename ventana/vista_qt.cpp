#include "ventana/vista_qt.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPrinter>

#include "app/ficheros.h"

#include "ventana/bmp.h"
#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/hilos/columnas.h"
#include "render/dibujo_paleta.h"
#include "threads/vista_paleta.h"
#include "render/imagen_qt.h"
#include "render/impresion.h"

namespace pc::ui {

void VistaQt::conectar_visor(TForm1* visor) {
    visor_ = visor;
    if (!visor_) return;
    if (memo_limpio_) visor_->memo_limpiar();
    for (const std::string& l : memo_pendiente_) visor_->memo_linea(l);
    for (int n = 0; n < 2; ++n) {
        if (!paneles_visor_pendientes_[n].empty()) visor_->panel(n, paneles_visor_pendientes_[n]);
    }
    if (mostrar_pendiente_) visor_->mostrar();
    memo_pendiente_.clear();
    memo_limpio_ = mostrar_pendiente_ = false;
}

void VistaQt::panel(int n, const std::string& texto) { principal_.poner_panel(n, texto); }

void VistaQt::panel_visor(int n, const std::string& texto) {
    if (n < 0 || n > 1) return;
    if (visor_) visor_->panel(n, texto);
    else paneles_visor_pendientes_[n] = texto;
}

void VistaQt::memo_limpiar() {
    if (visor_) {
        visor_->memo_limpiar();
    } else {
        memo_pendiente_.clear();
        memo_limpio_ = true;
    }
}

void VistaQt::memo_linea(const std::string& linea) {
    if (visor_) visor_->memo_linea(linea);
    else memo_pendiente_.push_back(linea);
}

// El lienzo del patrón se dibuja del estado al repintarse: redibujar es pedir que se repinte
// lo que se ve, o sólo la celda que cambió.
void VistaQt::redibujar() { principal_.repintar_patron(); }

void VistaQt::redibujar_celda(int x, int y) { principal_.repintar_celda(x, y); }

void VistaQt::repintar_celda(int x, int y) { principal_.repintar_celda(x, y); }

void VistaQt::dibujar_lado(int x, int y, int) { principal_.repintar_celda(x, y); }

void VistaQt::limpiar_lienzo() { principal_.repintar_patron(); }

void VistaQt::mostrar_visor() {
    if (minimizada_) visor_al_restaurar_ = true;
    if (visor_) visor_->mostrar();
    else mostrar_pendiente_ = true;
}

void VistaQt::minimizar() {
    // Al volver, la ventana recupera su estado (maximizada, por ejemplo) y el visor, que se
    // esconde con ella, vuelve si estaba a la vista o si la orden lo mostró mientras tanto.
    estado_ventana_ = principal_.windowState() & ~Qt::WindowMinimized;
    visor_al_restaurar_ = visor_ && visor_->isVisible();
    minimizada_ = true;
    principal_.showMinimized();
}

void VistaQt::restaurar() {
    minimizada_ = false;
    principal_.setWindowState(estado_ventana_);
    principal_.show();
    if (visor_ && visor_al_restaurar_) visor_->mostrar();
    visor_al_restaurar_ = false;
}

void VistaQt::terminar_progreso() {
    if (progreso_puesto_) principal_.poner_panel(0, "");
    progreso_puesto_ = false;
}

bool VistaQt::toca_actualizar() {
    const qint64 ahora = reloj_.elapsed();
    if (ahora - ultima_ < kIntervaloMs) return false;
    ultima_ = ahora;
    return true;
}

void VistaQt::procesar_si_visible() {
    // Sólo se repinta: las órdenes del usuario esperan a que termine la que está en marcha.
    if (principal_.isVisible()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void VistaQt::progreso(const std::string& texto) {
    // El texto se pone siempre (es barato), así queda el último; la pantalla sólo se
    // refresca unas pocas veces por segundo.
    principal_.poner_panel(0, texto);
    progreso_puesto_ = true;
    if (toca_actualizar()) procesar_si_visible();
}

void VistaQt::procesar_mensajes() {
    if (toca_actualizar()) procesar_si_visible();
}

void VistaQt::color_fondo(Color c) { principal_.poner_color_fondo(a_qrgb(c)); }

}  // namespace pc::ui

namespace pc::ui {

void VistaQt::imprimir(const TrabajoImpresion& t) {
    if (t.salida == Salida::kBmp) {
        // Mientras se dibuja no se ve ninguno de los dos lienzos; al acabar, la imagen.
        principal_.lienzo_patron()->hide();
        principal_.lienzo_paleta()->hide();
        lienzo_paleta_de(kLadoLienzoPaleta);  // la imagen exportada mide siempre 1200 x 1200
        imprimir_en_imagen(principal_.imagen_paleta(), t, *this);
        principal_.lienzo_paleta()->show();
        principal_.lienzo_paleta()->update();
        return;
    }
    if (!t.destino.fichero_pdf.empty()) {
        escribir_fichero(t.destino.fichero_pdf, imprimir_en_pdf(t, *this));
        return;
    }
    QPrinter impresora(QPrinter::HighResolution);
    if (!t.destino.impresora.empty()) impresora.setPrinterName(QString::fromStdString(t.destino.impresora));
    dibujar_impresion(impresora, t, *this, [&impresora] { impresora.newPage(); });
}

std::string VistaQt::bmp_impreso() { return codificar_bmp(principal_.imagen_paleta()); }

void VistaQt::lienzo_paleta_de(int ancho) {
    QImage& img = principal_.imagen_paleta();
    if (img.width() == ancho) return;
    img = QImage(ancho, kLadoLienzoPaleta, QImage::Format_RGB32);
    img.fill(Qt::white);
    principal_.lienzo_paleta()->ajustar();
}

void VistaQt::dibujar_paleta(const DibujoPaleta& d) {
    // Con muchos colores la lista sigue a la derecha del lienzo: se ensancha lo que haga falta.
    lienzo_paleta_de(d.ancho);
    pc::dibujar_paleta(principal_.imagen_paleta(), d);
    principal_.lienzo_paleta()->update();
}

Color VistaQt::pixel_paleta(int x, int y) const {
    const QImage& img = principal_.imagen_paleta();
    if (x < 0 || y < 0 || x >= img.width() || y >= img.height()) return kBlanco;
    return de_qrgb(img.pixel(x, y));
}

void VistaQt::al_frente() {
    principal_.raise();
    principal_.activateWindow();
}

void VistaQt::mostrar_columnas() {
    if (columnas_) columnas_->abrir();
}

}  // namespace pc::ui
