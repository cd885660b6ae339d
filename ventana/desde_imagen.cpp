#include "ventana/desde_imagen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

#include "app/texto.h"
#include "print/cuadernillo.h"
#include "render/imagen_qt.h"
#include "ventana/pcruz.h"

namespace pc::ui {

namespace {
constexpr int kLadoVista = 360;      // lado de la caja de la imagen y de la vista previa
constexpr int kEsperaCambios = 40;   // ms: los cambios seguidos (un arrastre) se juntan
constexpr int kTelas[] = {11, 14, 16, 18};
}  // namespace

// La imagen a escala para caber en su caja, con el recorte encima; arrastrando se marca.
class VistaRecorte : public QWidget {
public:
    std::function<void(std::optional<Recorte>)> al_cambiar;

    explicit VistaRecorte(QWidget* padre) : QWidget(padre) {
        setFixedSize(kLadoVista, kLadoVista);
        setCursor(Qt::CrossCursor);
        setToolTip(QString::fromUtf8("Arrastre para recortar la imagen; un clic quita el recorte."));
    }
    void poner_imagen(const QImage& img) {
        img_ = img;
        escalada_ = img.isNull() ? QImage()
                                 : img.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        recorte_.reset();
        update();
    }
    void poner_recorte(std::optional<Recorte> r) {
        recorte_ = r;
        update();
    }
    std::optional<Recorte> recorte() const { return recorte_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Dark));
        if (escalada_.isNull()) return;
        const QRect dib = dibujo();
        p.drawImage(dib.topLeft(), escalada_);
        if (!recorte_) return;
        const QRect r = a_vista(*recorte_);
        // Lo que queda fuera, velado; el recorte con un borde de dos colores.
        QRegion fuera(dib);
        fuera -= QRegion(r);
        for (const QRect& f : fuera) p.fillRect(f, QColor(0, 0, 0, 130));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    void mousePressEvent(QMouseEvent* ev) override {
        if (escalada_.isNull() || ev->button() != Qt::LeftButton) return;
        inicio_ = ev->position().toPoint();
        arrastrando_ = true;
    }
    void mouseMoveEvent(QMouseEvent* ev) override {
        if (!arrastrando_) return;
        recorte_ = de_vista(inicio_, ev->position().toPoint());
        update();
    }
    void mouseReleaseEvent(QMouseEvent* ev) override {
        if (!arrastrando_ || ev->button() != Qt::LeftButton) return;
        arrastrando_ = false;
        recorte_ = de_vista(inicio_, ev->position().toPoint());
        update();
        if (al_cambiar) al_cambiar(recorte_);
    }

private:
    QRect dibujo() const {
        return QRect(QPoint((width() - escalada_.width()) / 2, (height() - escalada_.height()) / 2),
                     escalada_.size());
    }
    double escala() const { return static_cast<double>(escalada_.width()) / std::max(1, img_.width()); }
    QRect a_vista(const Recorte& r) const {
        const QRect dib = dibujo();
        const double k = escala();
        return QRect(dib.x() + qRound(r.x * k), dib.y() + qRound(r.y * k), std::max(1, qRound(r.ancho * k)),
                     std::max(1, qRound(r.alto * k)));
    }
    // Del rectángulo arrastrado en la caja al recorte en píxeles de la imagen; un clic (o un
    // rectángulo de menos de 3 píxeles) lo quita.
    std::optional<Recorte> de_vista(QPoint a, QPoint b) const {
        if (std::abs(a.x() - b.x()) < 3 || std::abs(a.y() - b.y()) < 3) return std::nullopt;
        const QRect dib = dibujo();
        const double k = escala();
        auto px = [&](int v, int o, int lado) { return std::clamp(static_cast<int>((v - o) / k), 0, lado); };
        const int x1 = px(std::min(a.x(), b.x()), dib.x(), img_.width());
        const int x2 = px(std::max(a.x(), b.x()), dib.x(), img_.width());
        const int y1 = px(std::min(a.y(), b.y()), dib.y(), img_.height());
        const int y2 = px(std::max(a.y(), b.y()), dib.y(), img_.height());
        if (x2 <= x1 || y2 <= y1) return std::nullopt;
        return Recorte{x1, y1, x2 - x1, y2 - y1};
    }

    QImage img_, escalada_;
    std::optional<Recorte> recorte_;
    QPoint inicio_;
    bool arrastrando_ = false;
};

VentanaDesdeImagen::VentanaDesdeImagen(TForm2& principal) : QDialog(&principal), principal_(principal) {
    setObjectName(QStringLiteral("NuevoDesdeImagen"));
    setWindowTitle(QString::fromUtf8("Nuevo patrón desde imagen"));
    auto* general = new QVBoxLayout(this);
    auto* fila = new QHBoxLayout;
    general->addLayout(fila);

    vista_ = new VistaRecorte(this);
    vista_->al_cambiar = [this](std::optional<Recorte>) {
        ancho_cambiado();
        cambio();
    };
    auto* col_imagen = new QVBoxLayout;
    col_imagen->addWidget(new QLabel(QString::fromUtf8("Imagen (arrastre para recortar)"), this));
    col_imagen->addWidget(vista_);
    auto* quitar = new QPushButton(QString::fromUtf8("Quitar recorte"), this);
    connect(quitar, &QPushButton::clicked, this, [this] { poner_recorte(std::nullopt); });
    col_imagen->addWidget(quitar);
    col_imagen->addStretch();
    fila->addLayout(col_imagen);

    auto* col_previa = new QVBoxLayout;
    col_previa->addWidget(new QLabel(QString::fromUtf8("Vista previa del patrón"), this));
    dibujo_previa_ = new QLabel(this);
    dibujo_previa_->setObjectName(QStringLiteral("VistaPrevia"));
    dibujo_previa_->setFixedSize(kLadoVista, kLadoVista);
    dibujo_previa_->setAlignment(Qt::AlignCenter);
    dibujo_previa_->setAutoFillBackground(true);
    dibujo_previa_->setBackgroundRole(QPalette::Dark);
    col_previa->addWidget(dibujo_previa_);
    resumen_ = new QLabel(this);
    resumen_->setObjectName(QStringLiteral("Resumen"));
    resumen_->setWordWrap(true);
    resumen_->setMinimumHeight(40);
    col_previa->addWidget(resumen_);
    col_previa->addStretch();
    fila->addLayout(col_previa);

    auto* formulario = new QFormLayout;
    ancho_ = new QSpinBox(this);
    ancho_->setRange(1, kMaxPuntos);
    ancho_->setValue(120);
    alto_ = new QSpinBox(this);
    alto_->setRange(1, kMaxPuntos);
    alto_->setValue(120);
    candado_ = new QCheckBox(QString::fromUtf8("Mantener las proporciones de la imagen"), this);
    candado_->setChecked(true);
    formulario->addRow(QString::fromUtf8("Ancho (puntos):"), ancho_);
    formulario->addRow(QString::fromUtf8("Alto (puntos):"), alto_);
    formulario->addRow(QString(), candado_);
    tela_ = new QComboBox(this);
    for (int t : kTelas) tela_->addItem(QString::fromUtf8("%1 puntos por pulgada").arg(t), t);
    tela_->setCurrentIndex(1);
    tamano_cm_ = new QLabel(this);
    formulario->addRow(QString::fromUtf8("Tela:"), tela_);
    formulario->addRow(QString::fromUtf8("Tamaño bordado:"), tamano_cm_);
    catalogo_ = new QComboBox(this);
    catalogo_->addItems({QStringLiteral("DMC"), QStringLiteral("ANCHOR")});
    formulario->addRow(QString::fromUtf8("Catálogo:"), catalogo_);
    metodo_ = new QComboBox(this);
    metodo_->addItems({QStringLiteral("Fiel"), QStringLiteral("Exacto"), QStringLiteral("Interpolado")});
    metodo_->setToolTip(QString::fromUtf8(
        "Fiel: el parecido a la vista con los colores pedidos (la generación FIEL).\n"
        "Exacto: cada punto, el hilo más próximo a su muestra (\"Generar Punto de Cruz\").\n"
        "Interpolado: con la media de los vecinos parecidos (\"Generar Pto de Cruz INTERPOLADO\")."));
    formulario->addRow(QString::fromUtf8("Método:"), metodo_);
    colores_ = new QSpinBox(this);
    colores_->setRange(1, kMaxHilos);
    colores_->setValue(35);
    formulario->addRow(QString::fromUtf8("Colores:"), colores_);
    limpieza_ = new QComboBox(this);
    limpieza_->addItems({QString::fromUtf8("0 ninguna"), QString::fromUtf8("1 suave"), QString::fromUtf8("2 media"),
                         QString::fromUtf8("3 fuerte")});
    limpieza_->setCurrentIndex(2);
    formulario->addRow(QString::fromUtf8("Limpieza de puntos sueltos:"), limpieza_);
    fila->addLayout(formulario);

    auto* botones = new QHBoxLayout;
    botones->addStretch();
    crear_ = new QPushButton(QString::fromUtf8("Crear"), this);
    crear_->setDefault(true);
    auto* cancelar = new QPushButton(QString::fromUtf8("Cancelar"), this);
    botones->addWidget(crear_);
    botones->addWidget(cancelar);
    general->addLayout(botones);
    connect(crear_, &QPushButton::clicked, this, &VentanaDesdeImagen::crear);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    espera_ = new QTimer(this);
    espera_->setSingleShot(true);
    espera_->setInterval(kEsperaCambios);
    connect(espera_, &QTimer::timeout, this, &VentanaDesdeImagen::lanzar);

    connect(ancho_, &QSpinBox::valueChanged, this, [this] {
        ancho_cambiado();
        cambio();
    });
    connect(alto_, &QSpinBox::valueChanged, this, [this] {
        alto_cambiado();
        cambio();
    });
    connect(candado_, &QCheckBox::toggled, this, [this](bool) {
        ancho_cambiado();
        cambio();
    });
    connect(tela_, &QComboBox::currentIndexChanged, this, [this] { cambio(); });
    connect(catalogo_, &QComboBox::currentIndexChanged, this, [this] { cambio(); });
    connect(metodo_, &QComboBox::currentIndexChanged, this, [this] {
        const bool fiel = metodo_->currentIndex() == 0;
        colores_->setEnabled(fiel);
        limpieza_->setEnabled(fiel);
        cambio();
    });
    connect(colores_, &QSpinBox::valueChanged, this, [this] { cambio(); });
    connect(limpieza_, &QComboBox::currentIndexChanged, this, [this] { cambio(); });
}

VentanaDesdeImagen::~VentanaDesdeImagen() {
    ++*ultimo_;  // el cálculo en marcha se cancela en su siguiente paso
    if (hilo_.joinable()) hilo_.join();
}

void VentanaDesdeImagen::abrir() {
    const auto* actual = dynamic_cast<const ImagenQt*>(&principal_.sesion().img);
    if (actual && actual->cargas() != carga_) {
        carga_ = actual->cargas();
        imagen_ = std::make_shared<const ImagenQt>(*actual);  // la QImage se comparte, sin copiar píxeles
        vista_->poner_imagen(imagen_->qimage());
        ancho_cambiado();
        previa_ = QImage();
        dibujo_previa_->clear();
        cambio();
    }
    show();
    raise();
    activateWindow();
}

QSize VentanaDesdeImagen::base_proporciones() const {
    if (const auto r = vista_->recorte()) return QSize(r->ancho, r->alto);
    return imagen_ ? QSize(imagen_->ancho(), imagen_->alto()) : QSize();
}

// Con el candado, el otro lado sigue a escala de la imagen (o del recorte), como el menú.
void VentanaDesdeImagen::ancho_cambiado() {
    if (ligando_ || !candado_->isChecked()) return;
    const QSize b = base_proporciones();
    if (b.isEmpty()) return;
    ligando_ = true;
    alto_->setValue(std::clamp(lado_a_escala(ancho_->value(), b.width(), b.height()), 1, kMaxPuntos));
    ligando_ = false;
}

void VentanaDesdeImagen::alto_cambiado() {
    if (ligando_ || !candado_->isChecked()) return;
    const QSize b = base_proporciones();
    if (b.isEmpty()) return;
    ligando_ = true;
    ancho_->setValue(std::clamp(lado_a_escala(alto_->value(), b.height(), b.width()), 1, kMaxPuntos));
    ligando_ = false;
}

void VentanaDesdeImagen::poner_recorte(std::optional<Recorte> r) {
    vista_->poner_recorte(r);
    ancho_cambiado();
    cambio();
}

OpcionesImagen VentanaDesdeImagen::opciones() const {
    OpcionesImagen op;
    op.ancho = ancho_->value();
    op.alto = alto_->value();
    op.catalogo = catalogo_->currentText().toStdString();
    op.metodo = metodo_->currentIndex() == 0   ? MetodoImagen::kFiel
                : metodo_->currentIndex() == 1 ? MetodoImagen::kExacto
                                               : MetodoImagen::kInterpolado;
    op.colores = colores_->value();
    op.limpieza = limpieza_->currentIndex();
    op.recorte = vista_->recorte();
    return op;
}

void VentanaDesdeImagen::poner_tamano_cm() {
    tamano_cm_->setText(QString::fromStdString(tamano_bordado(ancho_->value(), alto_->value(), tela_->currentData().toInt())));
}

void VentanaDesdeImagen::cambio() {
    poner_tamano_cm();
    if (!imagen_) return;
    ++*ultimo_;  // lo que se esté calculando ya no sirve
    espera_->start();
}

void VentanaDesdeImagen::lanzar() {
    if (!imagen_) return;
    if (calculando_) {
        pendiente_ = true;  // al acabar (o cancelarse) el cálculo en marcha
        return;
    }
    if (hilo_.joinable()) hilo_.join();
    calculando_ = true;
    pendiente_ = false;
    const OpcionesImagen op = opciones();
    auto tabla = std::make_shared<const TablaHilos>(tabla_para(principal_.estado(), op.catalogo));
    const int metodo = principal_.estado().metodo_color;
    const int numero = ultimo_->load();
    std::shared_ptr<std::atomic<int>> ultimo = ultimo_;
    std::shared_ptr<const ImagenQt> img = imagen_;
    resumen_->setText(QString::fromUtf8("Calculando..."));
    hilo_ = std::thread([this, op, tabla, metodo, numero, ultimo, img] {
        auto res = std::make_shared<std::optional<TapizCalculado>>();
        QString error;
        try {
            comprobar_opciones(op, img->ancho(), img->alto());
            *res = calcular_tapiz(*img, *tabla, metodo, op, [&] { return ultimo->load() != numero; });
        } catch (const std::exception& ex) {
            error = QString::fromUtf8(ex.what());
        }
        QMetaObject::invokeMethod(
            this, [this, numero, res, error] { al_terminar(numero, res, error); }, Qt::QueuedConnection);
    });
}

void VentanaDesdeImagen::al_terminar(int numero, std::shared_ptr<std::optional<TapizCalculado>> t, QString error) {
    calculando_ = false;
    if (hilo_.joinable()) hilo_.join();
    const bool vigente = numero == ultimo_->load();
    if (vigente && !error.isEmpty()) {
        resumen_->setText(error);
    } else if (vigente && *t) {
        const TapizCalculado& tc = **t;
        QImage img(tc.ancho, tc.alto, QImage::Format_RGB32);
        for (int y = 0; y < tc.alto; ++y) {
            auto* linea = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < tc.ancho; ++x)
                linea[x] = a_qrgb(tc.puntos[static_cast<std::size_t>(y) * static_cast<std::size_t>(tc.ancho) +
                                            static_cast<std::size_t>(x)]);
        }
        previa_ = img;
        opciones_previa_ = opciones();
        dibujo_previa_->setPixmap(QPixmap::fromImage(
            img.scaled(dibujo_previa_->size(), Qt::KeepAspectRatio, Qt::FastTransformation)));
        const ResumenTapiz r = resumir_tapiz(tc, tela_->currentData().toInt());
        resumen_->setText(QString::fromStdString(
            texto_colores(r.colores) + " · " + std::to_string(tc.ancho) + " x " + std::to_string(tc.alto) +
            " puntos · " + r.tamano + " en tela de " +
            std::to_string(tela_->currentData().toInt()) + " · " + std::to_string(r.madejas) +
            (r.madejas == 1 ? " madeja" : " madejas")));
    }
    if (pendiente_ || !vigente) {
        if (!espera_->isActive()) lanzar();
    }
}

void VentanaDesdeImagen::esperar_calculo() {
    for (int i = 0; i < 2000; ++i) {
        if (!calculando_ && !pendiente_ && !espera_->isActive()) return;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (hilo_.joinable() && !calculando_) hilo_.join();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

void VentanaDesdeImagen::crear() {
    principal_.crear_desde_imagen(opciones());
    accept();
}

}  // namespace pc::ui
