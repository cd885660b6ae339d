#include "ventana/bmp.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>

#include "ordenes/sesion/visor.h"
#include "ventana/lienzo.h"
#include "ventana/panel_estado.h"
#include "ventana/textos_ui.h"
#include "render/imagen_qt.h"

namespace pc::ui {

namespace {
constexpr int kAnchoVentana = 340, kAltoVentana = 368;
constexpr int kAnchoMemo = 144;
constexpr int kRangoSinImagen = 1000;
constexpr int kAnchoPaneles[2] = {80, 50};
}  // namespace

TForm1::TForm1(Sesion& sesion, ImagenQt& imagen, QWidget* padre)
    : QMainWindow(padre, Qt::Tool), sesion_(sesion), imagen_(imagen) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(texto::kTituloVisor));
    resize(kAnchoVentana, kAltoVentana);
    a_la_esquina();

    QMenuBar* barra = menuBar();
    barra->setObjectName(QStringLiteral("MainMenu1"));
    barra->setNativeMenuBar(false);
    const AlElegir al_elegir = [this](const EntradaMenu& en) { elegir(en); };
    construir(barra, menu_visor(), al_elegir, acciones_);

    splitter1_ = new QSplitter(Qt::Horizontal, this);
    splitter1_->setObjectName(QStringLiteral("Splitter1"));
    splitter1_->setHandleWidth(8);
    auto* panel1 = new QWidget(splitter1_);
    panel1->setObjectName(QStringLiteral("Panel1"));
    auto* rejilla = new QGridLayout(panel1);
    rejilla->setContentsMargins(0, 0, 0, 0);
    rejilla->setSpacing(0);
    area_ = new QWidget(panel1);
    image1_ = new Lienzo(&imagen_.qimage(), area_);
    image1_->setObjectName(QStringLiteral("Image1"));
    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    construir(popup, menu_imagen(), al_elegir, acciones_);
    image1_->poner_menu(popup);
    connect(image1_, &Lienzo::pulsado, this, &TForm1::al_pulsar);
    connect(image1_, &Lienzo::movido, this, [this](Qt::MouseButtons, QPoint p) { al_mover(p); });

    scrollbar1_ = crear_barra(Qt::Horizontal, "ScrollBar1", kRangoSinImagen, panel1);
    scrollbar2_ = crear_barra(Qt::Vertical, "ScrollBar2", kRangoSinImagen, panel1);
    connect(scrollbar1_, &QScrollBar::valueChanged, this, [this](int p) { image1_->move(-p, image1_->y()); });
    connect(scrollbar2_, &QScrollBar::valueChanged, this, [this](int p) { image1_->move(image1_->x(), -p); });
    rejilla->addWidget(area_, 0, 0);
    rejilla->addWidget(scrollbar2_, 0, 1);
    rejilla->addWidget(scrollbar1_, 1, 0);

    memo1_ = new QPlainTextEdit(splitter1_);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    splitter1_->addWidget(panel1);
    splitter1_->addWidget(memo1_);
    splitter1_->setStretchFactor(0, 1);
    splitter1_->setStretchFactor(1, 0);
    splitter1_->setSizes({kAnchoVentana - kAnchoMemo - 8, kAnchoMemo});
    setCentralWidget(splitter1_);

    auto* estado = new QStatusBar(this);
    estado->setObjectName(QStringLiteral("StatusBar1"));
    estado->setSizeGripEnabled(false);
    for (int n = 0; n < 2; ++n) {
        paneles_[n] = new PanelEstado(estado);  // el texto que no cabe sale como pista
        paneles_[n]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (n == 0) paneles_[n]->setFixedWidth(kAnchoPaneles[n]);
        else paneles_[n]->setMinimumWidth(kAnchoPaneles[n]);
        estado->addWidget(paneles_[n], n);
    }
    setStatusBar(estado);
    sincronizar();
}

void TForm1::a_la_esquina() {
    if (const QScreen* pantalla = screen()) move(pantalla->availableGeometry().right() + 1 - width(), 0);
}

void TForm1::memo_limpiar() {
    memo1_->clear();
    lineas_memo_ = 0;
}

void TForm1::memo_linea(const std::string& linea) {
    // Un documento con una sola línea vacía cuenta como vacío y appendPlainText no empezaría
    // línea nueva: si la primera línea escrita fue vacía, la segunda se pone detrás de ella.
    if (lineas_memo_ == 1 && memo1_->document()->isEmpty()) {
        QTextCursor c(memo1_->document());
        c.movePosition(QTextCursor::End);
        c.insertBlock();
        c.insertText(QString::fromStdString(linea));
    } else {
        memo1_->appendPlainText(QString::fromStdString(linea));
    }
    ++lineas_memo_;
}

void TForm1::panel(int n, const std::string& texto) {
    if (n >= 0 && n < 2) paneles_[n]->poner(QString::fromStdString(texto));
}

QString TForm1::texto_panel(int n) const { return n >= 0 && n < 2 ? paneles_[n]->text() : QString(); }

void TForm1::mostrar() {
    sincronizar();
    show();
    raise();
}

void TForm1::sincronizar() {
    sincronizar_marcas(acciones_, sesion_.e);
    if (imagen_.cargas() != carga_mostrada_) {
        // Una imagen recién cargada, aunque venga del mismo fichero (que puede haber
        // cambiado): el lienzo toma su tamaño y las barras su rango, y la ventana vuelve a la
        // esquina superior derecha de la pantalla.
        carga_mostrada_ = imagen_.cargas();
        image1_->ajustar();
        image1_->move(0, 0);
        scrollbar1_->setValue(0);
        scrollbar2_->setValue(0);
        scrollbar1_->setRange(0, imagen_.ancho());
        scrollbar2_->setRange(0, imagen_.alto());
        a_la_esquina();
    }
    image1_->update();
}

void TForm1::elegir(const EntradaMenu& en) {
    if (en.accion == Accion::kCerrarVisor) {
        hide();
        return;
    }
    if (en.orden) ejecutar(sesion_.d, [&] { en.orden(sesion_); });
    sincronizar();
}

void TForm1::al_pulsar(Qt::MouseButton, QPoint p) {
    ejecutar(sesion_.d, [&] { capturar_color(sesion_, p.x(), p.y()); });
    image1_->update();
}

void TForm1::al_mover(QPoint p) { paneles_[0]->poner(QString::fromStdString(texto_pixel(imagen_, p.x(), p.y()))); }

// Cerrar sólo oculta: la imagen y el texto se quedan.
void TForm1::closeEvent(QCloseEvent* ev) {
    ev->accept();
    hide();
}

}  // namespace pc::ui
