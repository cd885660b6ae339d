#include "ventana/pcruz.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include "app/datos_instalados.h"
#include "app/errores.h"
#include "ordenes/sesion/deshacer.h"
#include "ordenes/sesion/herramientas_puntadas.h"
#include "ordenes/sesion/patron.h"
#include "ordenes/sesion/principal.h"
#include "ordenes/patron/desde_imagen.h"
#include "ordenes/patron/zonas.h"
#include "ordenes/sesion/zoom.h"
#include "ventana/acerca.h"
#include "ventana/barra_herramientas.h"
#include "ventana/colores_grafico.h"
#include "ventana/desde_imagen.h"
#include "render/imagen_qt.h"
#include "ventana/lienzo_patron.h"
#include "ventana/atajos.h"
#include "ventana/bmp.h"
#include "ventana/lienzo.h"
#include "ventana/panel_estado.h"
#include "ventana/preferencias.h"
#include "ventana/recuperacion.h"
#include "ventana/textos_ui.h"
#include "app/texto.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/ficheros/oxs.h"
#include "ventana/impresion/imprime.h"
#include "ventana/impresion/patron.h"
#include "threads/datos.h"
#include "ventana/hilos/columnas.h"
#include "ventana/hilos/lienzo_paleta.h"

namespace pc::ui {

namespace {
constexpr int kAnchoVentana = 592, kAltoVentana = 395;
constexpr int kLadoPaleta = 1200;
constexpr int kAnchoPaneles[3] = {200, 150, 50};
constexpr int kAnchoPanelPunto = 80;

Boton boton_de(Qt::MouseButton b) {
    switch (b) {
        case Qt::LeftButton: return Boton::kIzquierdo;
        case Qt::RightButton: return Boton::kDerecho;
        case Qt::MiddleButton: return Boton::kCentral;
        default: return Boton::kOtro;
    }
}
}  // namespace

TForm2::TForm2(Dialogos& dialogos, Imagen& imagen, const std::string& argumento, QWidget* padre)
    : QMainWindow(padre),
      dialogos_(dialogos),
      anotados_(dialogos),
      estado_(crear_estado()),
      vista_(*this),
      sesion_{*estado_, anotados_, vista_, imagen},
      historial_(std::make_unique<Historial>()) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QString::fromUtf8(texto::kTituloPrincipal));
    resize(kAnchoVentana, kAltoVentana);
    if (const QScreen* pantalla = screen()) {
        move(pantalla->availableGeometry().center() - rect().center());
    }
    // El tamaño y el sitio de la última vez; la primera vez, los de arriba.
    const QByteArray geometria = geometria_guardada();
    if (!geometria.isEmpty()) restoreGeometry(geometria);
    // Arranque: menús, valores iniciales, lienzo blanco, aviso y fichero de la línea de órdenes.
    crear_controles();
    crear_menus();
    valores_iniciales(*estado_);
    poner_textos_incorporados(*estado_);
    sincronizar();
    // Un diseño que quedó sin grabar al caerse el programa se ofrece antes que nada; si se
    // recupera, el fichero de la línea de órdenes no se abre encima.
    recuperacion_ = std::make_unique<VigiaRecuperacion>(*this);
    const std::optional<DatosRecuperacion> recuperado = recuperacion_->ofrecer();
    ejecutar(dialogos_, [this] { aviso_inicio(dialogos_); });
    const std::string fichero = recuperado ? std::string() : recortar(argumento);
    FicheroDiseno inicial;
    if (!fichero.empty()) {
        anotados_.empezar();
        const bool ok = ejecutar(dialogos_, [&] { abrir_al_arrancar(sesion_, fichero); });
        if (ok && !anotados_.fallo()) {
            inicial.ruta = QFileInfo(QString::fromStdString(fichero)).absoluteFilePath().toStdString();
            inicial.formato = es_pci(fichero)   ? "CargarPtocRuzparaImprimirPCI1"
                              : es_oxs(fichero) ? "ImportarOXS1"
                                                : "CargarPuntoCruz1";
            anadir_reciente(QString::fromStdString(inicial.formato), QString::fromStdString(inicial.ruta));
            llenar_recientes();
        }
        sincronizar();
    }
    // Lo cargado al arrancar es el punto de partida: no se deshace. Lo recuperado lleva el
    // nombre de su fichero, pero está por grabar y "Grabar" pregunta dónde.
    if (recuperado) inicial.ruta = recuperado->original;
    historial_->empezar(*estado_, inicial);
    if (recuperado) {
        historial_->marcar_sin_grabar();
        recuperacion_->recuperado();
    }
    actualizar_edicion();
    actualizar_titulo();
    if (!fichero.empty()) showMaximized();
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
    image1_ = new LienzoPatron(*estado_, panel2_);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->move(1, 1);
    image1_->setToolTip(QString::fromUtf8(texto::kPistaLienzo));
    connect(image1_, &Lienzo::pulsado, this, &TForm2::al_pulsar);
    connect(image1_, &Lienzo::movido, this, &TForm2::al_mover);
    connect(image1_, &Lienzo::soltado, this, &TForm2::al_soltar);
    connect(image1_, &Lienzo::rueda, this, &TForm2::al_rodar);
    // Esc acaba la cadena del pespunte.
    connect(image1_, &LienzoPatron::escape, this, [this] {
        acabar_pespunte(*estado_);
        image1_->poner_tramo(std::nullopt);
    });
    conectar_lienzo_paleta(*this);

    scrollbar1_ = crear_barra(Qt::Vertical, "ScrollBar1", kLadoLienzo, central);
    scrollbar2_ = crear_barra(Qt::Horizontal, "ScrollBar2", kLadoLienzo, central);
    connect(scrollbar1_, &QScrollBar::valueChanged, this, &TForm2::desplazar_vertical);
    connect(scrollbar2_, &QScrollBar::valueChanged, this, &TForm2::desplazar_horizontal);
    panel2_->installEventFilter(this);  // al cambiar de tamaño, el lienzo y las barras lo siguen
    rejilla->addWidget(panel2_, 0, 0);
    rejilla->addWidget(scrollbar1_, 0, 1);
    rejilla->addWidget(scrollbar2_, 1, 0);
    setCentralWidget(central);

    auto* barra = new QStatusBar(this);
    barra->setObjectName(QStringLiteral("StatusBar1"));
    barra->setSizeGripEnabled(false);
    // El panel 0 crece con la ventana; el texto que no cabe en un panel sale como pista.
    for (int n = 0; n < 3; ++n) {
        paneles_[n] = new PanelEstado(barra);
        paneles_[n]->setObjectName(QStringLiteral("Panel%1").arg(n));
        paneles_[n]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (n == 1) paneles_[n]->setFixedWidth(kAnchoPaneles[n]);
        else paneles_[n]->setMinimumWidth(kAnchoPaneles[n]);
        barra->addWidget(paneles_[n], n == 0 ? 1 : 0);
        if (n == 0) {
            // El punto bajo el puntero, junto al hilo que muestra el panel 0.
            punto_ = new PanelEstado(barra);
            punto_->setObjectName(QStringLiteral("PanelPunto"));
            punto_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            punto_->setFixedWidth(kAnchoPanelPunto);
            barra->addWidget(punto_);
        }
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
    crear_menu_edicion();
    crear_menu_recientes();
    crear_grabar();
    herramientas_ = new BarraHerramientas(*this, al_elegir, acciones_);
    addToolBar(Qt::TopToolBarArea, herramientas_);
    colores_ = new DockColores(*this);
    addDockWidget(Qt::LeftDockWidgetArea, colores_);
    // Cerrada, se vuelve a abrir desde el menú Edición.
    if (auto* edicion = findChild<QMenu*>(QStringLiteral("Edicin1"))) {
        edicion->addSeparator();
        QAction* ver = colores_->toggleViewAction();
        ver->setObjectName(QStringLiteral("ColoresdelGrafico1"));
        edicion->addAction(ver);
    }
    restoreState(disposicion_guardada());
    // Después de todos los menús, para que valga también con las entradas que se añadan.
    poner_atajos(this);
    poner_mnemonicos();
}

void TForm2::conectar(TForm1* visor, TAboutBox* acerca) {
    visor_ = visor;
    acerca_ = acerca;
    vista_.conectar_visor(visor);
}

VentanaPatron& TForm2::ventana_patron() {
    if (!ventana_patron_) ventana_patron_ = new VentanaPatron(*this);
    return *ventana_patron_;
}

void TForm2::abrir_patron() { ventana_patron().abrir(); }

void TForm2::conectar_columnas(TForm3* columnas) {
    columnas_ = columnas;
    vista_.conectar_columnas(columnas);
    if (columnas_) columnas_->conectar(sesion_);
}

QString TForm2::panel(int n) const { return n >= 0 && n < 3 ? paneles_[n]->text() : QString(); }

QString TForm2::panel_punto() const { return punto_->text(); }

Lienzo* TForm2::lienzo_patron() const { return image1_; }

QRgb TForm2::pixel_patron(int x, int y) const { return image1_->pixel(x, y); }

bool TForm2::pista_activa() const { return !image1_->toolTip().isEmpty(); }

void TForm2::ejecutar_entrada(const EntradaMenu& en) {
    switch (en.accion) {
        case Accion::kSalir: salir(); return;
        case Accion::kAcerca:
            if (acerca_) acerca_->abrir(estado_->version);
            return;
        case Accion::kAyuda: abrir_ayuda(); return;
        case Accion::kImprimir:
            if (impresion_) impresion_->abrir();
            return;
        case Accion::kPatron: abrir_patron(); return;
        case Accion::kNuevoDesdeImagen: abrir_desde_imagen(); return;
        default: break;
    }
    const auto* imagen = dynamic_cast<const ImagenQt*>(&sesion_.img);
    const int cargas = imagen ? imagen->cargas() : 0;
    ejecutar_paso(nombre_paso(en), en.nombre, [&](Sesion& s) {
        if (en.orden) en.orden(s);
    });
    // Una imagen recién abierta se ofrece para un patrón nuevo.
    if (imagen && imagen->cargas() != cargas && isVisible()) abrir_desde_imagen();
}

void TForm2::ejecutar_paso(const std::string& paso, const char* nombre, const std::function<void(Sesion&)>& orden) {
    historial_->antes(*estado_);
    anotados_.empezar();
    ejecutar(anotados_, [&] { orden(sesion_); });
    vista_.terminar_progreso();
    tras_orden(paso, nombre);
    sincronizar();
}

void TForm2::abrir_desde_imagen() {
    if (sesion_.img.ancho() <= 0 || sesion_.img.alto() <= 0) {
        if (!elegir_con_fichero("AbrirImagenBMP1", std::nullopt)) return;
        if (sesion_.img.ancho() <= 0 || sesion_.img.alto() <= 0) return;
    }
    if (!desde_imagen_) desde_imagen_ = new VentanaDesdeImagen(*this);
    desde_imagen_->abrir();
}

void TForm2::crear_desde_imagen(const OpcionesImagen& op) {
    // Un diseño nuevo, "Sin título": deshacerlo devuelve el de antes con su fichero.
    crear_diseno_nuevo("Nuevo patrón desde imagen", [&](Sesion& s) { generar_desde_imagen(s, op); });
    ajustar_zoom();
    image1_->setFocus();
}

void TForm2::ejecutar_orden(const std::function<void(Sesion&)>& orden) {
    ejecutar(dialogos_, [&] { orden(sesion_); });
    vista_.terminar_progreso();
    sincronizar();
}

void TForm2::sincronizar() {
    sincronizar_vista();
    if (colores_) colores_->sincronizar();
    if (visor_) visor_->sincronizar();
    if (columnas_) columnas_->sincronizar();
}

void TForm2::sincronizar_vista() {
    sincronizar_marcas(acciones_, *estado_);
    // Sólo uno de los dos lienzos se ve: la paleta cuando "Ver BMP Exportado" está marcado.
    image1_->setVisible(!estado_->ver_bmp_exportado);
    image2_->setVisible(estado_->ver_bmp_exportado);
    image2_->update();
    image1_->poner_zona(zona_a_la_vista(*estado_));
    ajustar_lienzos();
    if (herramientas_) herramientas_->sincronizar(*estado_);
    if (!estado_->mano.cadena) image1_->poner_tramo(std::nullopt);
}

void TForm2::poner_panel(int n, const std::string& texto) {
    if (n >= 0 && n < 3) paneles_[n]->poner(QString::fromStdString(texto));
}

void TForm2::repintar_patron() {
    ajustar_lienzos();
    image1_->update();
}

namespace {
// Posición del lienzo para el valor de su barra: -valor, salvo en 0, donde el lienzo
// recién creado se queda en su sitio de partida (1).
int posicion_de(int actual, int valor) { return valor == 0 && actual == 1 ? 1 : -valor; }
}  // namespace

void TForm2::ajustar_lienzos() {
    const Estado& e = *estado_;
    const QSize vista = panel2_->size();
    const QSize tapiz(extension_tapiz(e.ancho, e.tam_celda), extension_tapiz(e.alto, e.tam_celda));
    image1_->setFixedSize(tapiz.expandedTo(vista));
    // Las barras son del lienzo que se ve: su rango, lo que sobra de él, y su valor, donde está.
    Lienzo* visible = e.ver_bmp_exportado ? image2_ : image1_;
    const QPoint antes = visible->pos();
    {
        const QSignalBlocker b1(scrollbar1_), b2(scrollbar2_);
        scrollbar2_->setRange(0, std::max(0, visible->width() - vista.width()));
        scrollbar1_->setRange(0, std::max(0, visible->height() - vista.height()));
        scrollbar2_->setValue(-antes.x());
        scrollbar1_->setValue(-antes.y());
    }
    visible->move(posicion_de(antes.x(), scrollbar2_->value()), posicion_de(antes.y(), scrollbar1_->value()));
}

bool TForm2::eventFilter(QObject* objeto, QEvent* ev) {
    if (objeto == panel2_ && ev->type() == QEvent::Resize) ajustar_lienzos();
    return QMainWindow::eventFilter(objeto, ev);
}

// Las celdas repintadas se juntan en un rectángulo que se actualiza una sola vez al volver
// al bucle de mensajes: un relleno de cientos de miles de puntos no hace otras tantas
// llamadas a update().
void TForm2::repintar_celda(int x, int y) {
    const int s = estado_->tam_celda;
    const QRect celda = s > 0 ? QRect(x * s, y * s, s + 1, s + 1) : image1_->rect();
    const bool pendiente = !celdas_pendientes_.isNull();
    celdas_pendientes_ |= celda;
    if (pendiente) return;
    QMetaObject::invokeMethod(
        this,
        [this] {
            image1_->update(celdas_pendientes_);
            celdas_pendientes_ = QRect();
        },
        Qt::QueuedConnection);
}

void TForm2::poner_color_fondo(QRgb c) {
    QPalette p = panel2_->palette();
    p.setColor(QPalette::Window, QColor(c));
    panel2_->setPalette(p);
}

void TForm2::al_pulsar(Qt::MouseButton boton, QPoint p) {
    // Con un color resaltado, el clic sólo lo quita (el derecho abre además su menú).
    if (image1_->resaltado()) {
        image1_->resaltar(std::nullopt);
        clic_consumido_ = boton == Qt::LeftButton;
        if (clic_consumido_) return;
    }
    // El botón derecho acaba una cadena de pespunte, sin abrir el menú.
    if (boton == Qt::RightButton && acabar_pespunte(*estado_)) {
        image1_->poner_tramo(std::nullopt);
        image1_->omitir_menu();
        return;
    }
    // Un trazo, de la pulsación a la suelta del botón izquierdo, es un solo paso.
    if (boton == Qt::LeftButton) {
        historial_->antes(*estado_);
        trazo_ = true;
    }
    const bool mayus = image1_->modificadores().testFlag(Qt::ShiftModifier);
    ejecutar(dialogos_, [&] {
        if (raton_pulsado(sesion_, boton_de(boton), p.x(), p.y(), mayus)) image1_->setToolTip(QString());
    });
    mostrar_tramo(p);
}

// La vista previa del pespunte: del último punto de la cadena al punto de la red bajo el puntero.
void TForm2::mostrar_tramo(QPoint p) {
    const auto tramo = tramo_en_curso(*estado_, p.x(), p.y());
    if (!tramo) {
        image1_->poner_tramo(std::nullopt);
        return;
    }
    const double s = estado_->tam_celda;
    const auto en_lienzo = [s](PuntoRed r) { return QPointF(s + r.u * s / 2.0, s + r.v * s / 2.0); };
    image1_->poner_tramo(QLineF(en_lienzo(tramo->first), en_lienzo(tramo->second)));
}

void TForm2::al_mover(Qt::MouseButtons botones, QPoint p) {
    const bool izquierdo = botones.testFlag(Qt::LeftButton) && !clic_consumido_;
    const bool mayus = image1_->modificadores().testFlag(Qt::ShiftModifier);
    ejecutar(dialogos_, [&] { raton_movido(sesion_, izquierdo, p.x(), p.y(), mayus); });
    mostrar_tramo(p);
    punto_->poner(QString::fromStdString(texto_posicion(*estado_, p.x(), p.y())));
    if (izquierdo) image1_->poner_zona(zona_a_la_vista(*estado_));  // la herramienta Zona
}

// El desplazamiento mueve sólo los lienzos visibles; no redibuja.
void TForm2::desplazar_vertical(int p) {
    for (Lienzo* l : {static_cast<Lienzo*>(image1_), image2_}) {
        if (!l->isHidden()) l->move(l->x(), -p);
    }
}

void TForm2::desplazar_horizontal(int p) {
    for (Lienzo* l : {static_cast<Lienzo*>(image1_), image2_}) {
        if (!l->isHidden()) l->move(-p, l->y());
    }
}

void TForm2::salir() {
    if (!puede_salir()) return;
    salida_confirmada_ = true;
    close();
}

void TForm2::closeEvent(QCloseEvent* ev) {
    if (!salida_confirmada_ && !puede_salir()) {
        ev->ignore();
        return;
    }
    salida_confirmada_ = true;
    recuperacion_->al_salir();
    if (!isMinimized()) guardar_geometria(saveGeometry());
    guardar_disposicion(saveState());
    ev->accept();
    QCoreApplication::quit();
}

void TForm2::showEvent(QShowEvent* ev) {
    QMainWindow::showEvent(ev);
    if (mostrada_) return;
    mostrada_ = true;
    ejecutar(dialogos_, [this] { al_mostrar(sesion_); });
    sincronizar();
    // El teclado, en el tapiz: las teclas de las herramientas valen desde el principio.
    image1_->setFocus();
    // Los colores del gráfico sueltos se pusieron antes que esta ventana, que los taparía: se
    // vuelven a mostrar ya sobre ella.
    if (colores_ && colores_->isFloating() && colores_->isVisible()) {
        QTimer::singleShot(0, this, [this] {
            colores_->hide();
            colores_->show();
            colores_->raise();
        });
    }
}

void TForm2::abrir_ayuda() {
    // Junto al programa (carpeta de compilación) o en la carpeta de datos de la instalación.
    const QString ruta = QString::fromStdString(
        buscar_dato(QCoreApplication::applicationDirPath().toStdString(), texto::kFicheroAyuda));
    ejecutar(dialogos_, [&] {
        if (!QFileInfo::exists(ruta)) throw ErrorFichero(QString::fromUtf8(texto::kSinAyuda).arg(ruta).toStdString());
        if (!ayuda_) ayuda_ = new VentanaAyuda(this);
        ayuda_->cargar(ruta.toStdString());
        ayuda_->show();
        ayuda_->raise();
    });
}

}  // namespace pc::ui
