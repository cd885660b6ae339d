#include "app/qt/pcruz.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>

#include "app/errores.h"
#include "app/ordenes/patron.h"
#include "app/ordenes/principal.h"
#include "app/qt/acerca.h"
#include "app/qt/bmp.h"
#include "app/qt/lienzo.h"
#include "app/qt/textos_ui.h"
#include "app/texto.h"
#include "files/ordenes/ficheros_patron.h"
#include "render/dibujo_patron.h"
#include "threads/datos.h"
#include "threads/qt/columnas.h"
#include "threads/qt/lienzo_paleta.h"

namespace pc::ui {

namespace {
constexpr int kAnchoVentana = 592, kAltoVentana = 395;
constexpr int kLadoPaleta = 1200;
constexpr int kAnchoPaneles[3] = {200, 150, 50};

Boton boton_de(Qt::MouseButton b) {
    if (b == Qt::RightButton) return Boton::kDerecho;
    if (b == Qt::MiddleButton) return Boton::kCentral;
    return Boton::kIzquierdo;
}
}  // namespace

TForm2::TForm2(Dialogos& dialogos, Imagen& imagen, const std::string& argumento, QWidget* padre)
    : QMainWindow(padre),
      dialogos_(dialogos),
      estado_(crear_estado()),
      vista_(*this),
      sesion_{*estado_, dialogos_, vista_, imagen} {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(texto::kTituloPrincipal));
    resize(kAnchoVentana, kAltoVentana);
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    // Arranque: menús, valores iniciales, lienzo blanco, aviso y fichero de la línea de órdenes.
    crear_controles();
    crear_menus();
    valores_iniciales(*estado_);
    poner_textos_incorporados(*estado_);
    patron_ = crear_lienzo_patron();
    image1_->ajustar();
    sincronizar();
    ejecutar(dialogos_, [this] { aviso_inicio(dialogos_); });
    const std::string fichero = recortar(argumento);
    if (fichero.empty()) return;
    ejecutar(dialogos_, [&] { abrir_al_arrancar(sesion_, fichero); });
    sincronizar();
    showMaximized();
}

TForm2::~TForm2() = default;

void TForm2::crear_controles() {
    auto* central = new QWidget(this);
    auto* rejilla = new QGridLayout(central);
    rejilla->setContentsMargins(0, 0, 0, 0);
    rejilla->setSpacing(0);
    panel2_ = new QWidget(central);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel2_->setAutoFillBackground(true);
    // Los dos lienzos en el mismo sitio: la paleta debajo y el patrón encima.
    paleta_ = QImage(kLadoPaleta, kLadoPaleta, QImage::Format_RGB32);
    paleta_.fill(Qt::white);
    image2_ = new Lienzo(&paleta_, panel2_);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->move(1, 1);
    image1_ = new Lienzo(&patron_, panel2_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->move(1, 1);
    image1_->setToolTip(QString::fromUtf8(texto::kPistaLienzo));
    connect(image1_, &Lienzo::pulsado, this, &TForm2::al_pulsar);
    connect(image1_, &Lienzo::movido, this, &TForm2::al_mover);
    conectar_lienzo_paleta(*this);

    scrollbar1_ = crear_barra(Qt::Vertical, "ScrollBar1", kLadoLienzo, central);
    scrollbar2_ = crear_barra(Qt::Horizontal, "ScrollBar2", kLadoLienzo, central);
    connect(scrollbar1_, &QScrollBar::valueChanged, this, &TForm2::desplazar_vertical);
    connect(scrollbar2_, &QScrollBar::valueChanged, this, &TForm2::desplazar_horizontal);
    rejilla->addWidget(panel2_, 0, 0);
    rejilla->addWidget(scrollbar1_, 0, 1);
    rejilla->addWidget(scrollbar2_, 1, 0);
    setCentralWidget(central);

    auto* barra = new QStatusBar(this);
    barra->setObjectName(QStringLiteral("StatusBar1"));
    barra->setSizeGripEnabled(false);
    for (int n = 0; n < 3; ++n) {
        paneles_[n] = new QLabel(barra);
        paneles_[n]->setObjectName(QStringLiteral("Panel%1").arg(n));
        paneles_[n]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (n < 2) paneles_[n]->setFixedWidth(kAnchoPaneles[n]);
        else paneles_[n]->setMinimumWidth(kAnchoPaneles[n]);
        barra->addWidget(paneles_[n], n == 2 ? 1 : 0);
    }
    setStatusBar(barra);
}

void TForm2::crear_menus() {
    QMenuBar* barra = menuBar();
    barra->setObjectName(QStringLiteral("MainMenu1"));
    const AlElegir al_elegir = [this](const EntradaMenu& en) { elegir(en); };
    construir(barra, menu_principal(), al_elegir, acciones_);
    auto* popup1 = new QMenu(this);
    popup1->setObjectName(QStringLiteral("PopupMenu1"));
    construir(popup1, menu_lienzo(), al_elegir, acciones_);
    image1_->poner_menu(popup1);
    auto* popup2 = new QMenu(this);
    popup2->setObjectName(QStringLiteral("PopupMenu2"));
    construir(popup2, menu_paleta(), al_elegir, acciones_);
    image2_->poner_menu(popup2);
}

void TForm2::conectar(TForm1* visor, TAboutBox* acerca) {
    visor_ = visor;
    acerca_ = acerca;
    vista_.conectar_visor(visor);
}

void TForm2::conectar_columnas(TForm3* columnas) {
    columnas_ = columnas;
    vista_.conectar_columnas(columnas);
    if (columnas_) columnas_->conectar(sesion_);
}

QString TForm2::panel(int n) const { return n >= 0 && n < 3 ? paneles_[n]->text() : QString(); }

bool TForm2::pista_activa() const { return !image1_->toolTip().isEmpty(); }

void TForm2::elegir(const EntradaMenu& en) {
    switch (en.accion) {
        case Accion::kSalir: salir(); return;
        case Accion::kAcerca:
            if (acerca_) acerca_->abrir(estado_->version);
            return;
        case Accion::kAyuda: abrir_ayuda(); return;
        default: break;
    }
    if (en.orden) ejecutar(dialogos_, [&] { en.orden(sesion_); });
    sincronizar();
}

void TForm2::sincronizar() {
    sincronizar_marcas(acciones_, *estado_);
    sincronizar_rotulos(*this, *estado_);
    // Sólo uno de los dos lienzos se ve: la paleta cuando "Ver BMP Exportado" está marcado.
    image1_->setVisible(!estado_->ver_bmp_exportado);
    image2_->setVisible(estado_->ver_bmp_exportado);
    image2_->update();
    if (visor_) visor_->sincronizar();
    if (columnas_) columnas_->sincronizar();
}

void TForm2::poner_panel(int n, const std::string& texto) {
    if (n >= 0 && n < 3) paneles_[n]->setText(QString::fromStdString(texto));
}

void TForm2::repintar_patron() { image1_->update(); }

void TForm2::repintar_celda(int x, int y) {
    const int s = estado_->tam_celda;
    if (s <= 0) {
        image1_->update();
        return;
    }
    image1_->update(x * s, y * s, s + 1, s + 1);
}

void TForm2::poner_color_fondo(QRgb c) {
    QPalette p = panel2_->palette();
    p.setColor(QPalette::Window, QColor(c));
    panel2_->setPalette(p);
}

void TForm2::al_pulsar(Qt::MouseButton boton, QPoint p) {
    ejecutar(dialogos_, [&] {
        if (raton_pulsado(sesion_, boton_de(boton), p.x(), p.y())) image1_->setToolTip(QString());
    });
}

void TForm2::al_mover(Qt::MouseButtons botones, QPoint p) {
    ejecutar(dialogos_, [&] { raton_movido(sesion_, botones.testFlag(Qt::LeftButton), p.x(), p.y()); });
}

// El desplazamiento mueve sólo los lienzos visibles; no redibuja.
void TForm2::desplazar_vertical(int p) {
    for (Lienzo* l : {image1_, image2_}) {
        if (!l->isHidden()) l->move(l->x(), -p);
    }
}

void TForm2::desplazar_horizontal(int p) {
    for (Lienzo* l : {image1_, image2_}) {
        if (!l->isHidden()) l->move(-p, l->y());
    }
}

void TForm2::salir() {
    if (!confirmar_salida(dialogos_)) return;
    salida_confirmada_ = true;
    close();
}

void TForm2::closeEvent(QCloseEvent* ev) {
    if (!salida_confirmada_ && !confirmar_salida(dialogos_)) {
        ev->ignore();
        return;
    }
    salida_confirmada_ = true;
    ev->accept();
    QCoreApplication::quit();
}

void TForm2::showEvent(QShowEvent* ev) {
    QMainWindow::showEvent(ev);
    if (mostrada_) return;
    mostrada_ = true;
    ejecutar(dialogos_, [this] { al_mostrar(sesion_); });
    sincronizar();
}

void TForm2::abrir_ayuda() {
    const QString ruta = QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                         QString::fromUtf8(texto::kFicheroAyuda);
    ejecutar(dialogos_, [&] {
        if (!QFileInfo::exists(ruta)) throw ErrorFichero(QString::fromUtf8(texto::kSinAyuda).arg(ruta).toStdString());
        if (!ayuda_) ayuda_ = new VentanaAyuda(this);
        ayuda_->cargar(ruta.toStdString());
        ayuda_->show();
        ayuda_->raise();
    });
}

}  // namespace pc::ui
