#include "ventana/colores_grafico.h"

#include <climits>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/errores.h"
#include "ordenes/patron/editar.h"
#include "render/muestras.h"
#include "render/simbolos_celda.h"
#include "ventana/lienzo_patron.h"
#include "ventana/pcruz.h"
#include "ventana/textos_ui.h"

namespace pc::ui {

namespace {

constexpr int kLadoIcono = 26;
enum Columna { kColColor, kColSimbolo, kColHilo, kColPuntos, kColOtras, kColumnas };
constexpr int kClave = Qt::UserRole;       // orden de la columna
constexpr int kColor = Qt::UserRole + 1;   // color de la fila

// Una celda que se ordena por su clave numérica, no por su texto.
class Celda : public QTableWidgetItem {
public:
    Celda(const QString& texto, qlonglong clave) : QTableWidgetItem(texto) {
        setData(kClave, clave);
        setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    bool operator<(const QTableWidgetItem& otra) const override {
        return data(kClave).toLongLong() < otra.data(kClave).toLongLong();
    }
};

bool iguales(const ColorGrafico& a, const ColorGrafico& b) {
    const RecuentoClases &x = a.clases, &y = b.clases;
    return a.color == b.color && a.puntos == b.puntos && a.hilo == b.hilo && a.marca == b.marca &&
           a.simbolo == b.simbolo && x.medios == y.medios && x.cuartos == y.cuartos &&
           x.tres_cuartos == y.tres_cuartos && x.petits == y.petits && x.lineas == y.lineas && x.nudos == y.nudos;
}

}  // namespace

DockColores::DockColores(TForm2& principal)
    : QDockWidget(QString::fromUtf8(texto::kColoresGrafico), &principal), principal_(principal) {
    setObjectName(QStringLiteral("ColoresDelGrafico"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    auto* contenido = new QWidget(this);
    auto* columna = new QVBoxLayout(contenido);
    columna->setContentsMargins(4, 4, 4, 4);
    auto* rotulo = new QLabel(QString::fromUtf8(texto::kBuscarHilo), contenido);
    buscar_ = new QLineEdit(contenido);
    buscar_->setObjectName(QStringLiteral("BuscarHilo"));
    buscar_->setPlaceholderText(QString::fromUtf8(texto::kBuscarHiloPista));
    buscar_->setClearButtonEnabled(true);
    rotulo->setBuddy(buscar_);
    tabla_ = new QTableWidget(0, kColumnas, contenido);
    tabla_->setObjectName(QStringLiteral("TablaColores"));
    tabla_->setHorizontalHeaderLabels({QString(), QString::fromUtf8(texto::kColumnaSimbolo),
                                       QString::fromUtf8(texto::kColumnaHilo), QString::fromUtf8(texto::kColumnaPuntos),
                                       QString::fromUtf8(texto::kColumnaOtras)});
    tabla_->horizontalHeaderItem(kColOtras)->setToolTip(QString::fromUtf8(texto::kPistaOtras));
    tabla_->setToolTip(QString::fromUtf8(texto::kPistaColores));
    tabla_->verticalHeader()->hide();
    tabla_->verticalHeader()->setDefaultSectionSize(kLadoIcono + 4);
    tabla_->setIconSize(QSize(kLadoIcono, kLadoIcono));
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setShowGrid(false);
    tabla_->setWordWrap(false);
    QHeaderView* cabecera = tabla_->horizontalHeader();
    cabecera->setSectionResizeMode(QHeaderView::ResizeToContents);
    cabecera->setSectionResizeMode(kColHilo, QHeaderView::Stretch);
    for (const int c : {kColColor, kColSimbolo}) {
        cabecera->setSectionResizeMode(c, QHeaderView::Fixed);
        tabla_->setColumnWidth(c, kLadoIcono + 14);
    }
    // Las otras puntadas, en poco sitio: el texto entero va en la pista de cada celda.
    cabecera->setSectionResizeMode(kColOtras, QHeaderView::Interactive);
    tabla_->setColumnWidth(kColOtras, 70);
    tabla_->setTextElideMode(Qt::ElideRight);
    tabla_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tabla_->setSortingEnabled(true);
    tabla_->sortByColumn(kColPuntos, Qt::DescendingOrder);
    columna->addWidget(rotulo);
    columna->addWidget(buscar_);
    columna->addWidget(tabla_, 1);
    setWidget(contenido);
    setMinimumWidth(270);

    // Un clic en la lista no le deja el teclado: las teclas de las herramientas siguen en el tapiz.
    tabla_->setFocusPolicy(Qt::NoFocus);
    connect(tabla_, &QTableWidget::cellClicked, this, [this](int fila, int) {
        elegir_fila(fila);
        principal_.lienzo_patron()->setFocus();
    });
    connect(tabla_, &QTableWidget::cellDoubleClicked, this, [this](int fila, int) { resaltar_fila(fila); });
    connect(buscar_, &QLineEdit::returnPressed, this, &DockColores::buscar_hilo);
}

Color DockColores::color_fila(int fila) const {
    const QTableWidgetItem* it = tabla_->item(fila, kColColor);
    return it ? static_cast<Color>(it->data(kColor).toLongLong()) : 0;
}

void DockColores::elegir_fila(int fila) {
    if (fila < 0 || fila >= tabla_->rowCount()) return;
    const Color c = color_fila(fila);
    principal_.vista_patron()->resaltar(std::nullopt);  // un clic quita el resaltado
    principal_.ejecutar_orden([c](Sesion& s) { elegir_color_actual(s, c); });
}

void DockColores::resaltar_fila(int fila) {
    if (fila < 0 || fila >= tabla_->rowCount()) return;
    principal_.vista_patron()->resaltar(color_fila(fila));
}

void DockColores::buscar_hilo() {
    const std::string texto = buscar_->text().toStdString();
    bool hallado = false;
    principal_.ejecutar_orden([&](Sesion& s) { hallado = pc::buscar_hilo(s, texto); });
    // Hallado, el teclado vuelve al gráfico (las teclas de las herramientas van a él).
    if (hallado) principal_.lienzo_patron()->setFocus();
}

void DockColores::showEvent(QShowEvent* ev) {
    QDockWidget::showEvent(ev);
    sincronizar();
}

void DockColores::sincronizar() {
    if (!isVisible()) return;  // al volver a verse se cuenta de nuevo
    llenar(colores_del_grafico(principal_.estado()));
    // La fila del color actual, elegida.
    const Color actual = principal_.estado().color_actual;
    for (int f = 0; f < tabla_->rowCount(); ++f) {
        if (color_fila(f) != actual) continue;
        if (tabla_->currentRow() != f) tabla_->selectRow(f);
        return;
    }
    tabla_->clearSelection();
}

void DockColores::llenar(const ColoresGrafico& c) {
    // Sin cambios en la lista no se toca la tabla (tras cada orden se vuelve a contar).
    if (c.colores.size() == mostrados_.size() &&
        std::equal(c.colores.begin(), c.colores.end(), mostrados_.begin(), iguales))
        return;
    mostrados_ = c.colores;

    tabla_->setSortingEnabled(false);
    tabla_->setRowCount(static_cast<int>(c.colores.size()));
    int fila = 0;
    for (const ColorGrafico& g : c.colores) {
        auto* muestra = new Celda(QString(), suma_componentes(g.color));
        muestra->setIcon(QPixmap::fromImage(imagen_muestra(g.color, kLadoIcono)));
        muestra->setData(kColor, static_cast<qlonglong>(g.color));
        tabla_->setItem(fila, kColColor, muestra);
        // El símbolo del cuadernillo sobre su color; los más claros, para los colores más usados.
        auto* simbolo = new Celda(QString(), g.simbolo.empty() ? LLONG_MAX : -static_cast<qlonglong>(g.puntos));
        if (!g.simbolo.empty()) {
            simbolo->setIcon(QPixmap::fromImage(muestra_con_simbolo(g.color, g.simbolo, kLadoIcono)));
            simbolo->setToolTip(QString::fromStdString(g.simbolo));
        }
        tabla_->setItem(fila, kColSimbolo, simbolo);
        tabla_->setItem(fila, kColHilo, new Celda(QString::fromStdString(g.marca + " " + g.hilo), g.numero));
        auto* puntos = new Celda(QString::number(g.puntos), g.puntos);
        puntos->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabla_->setItem(fila, kColPuntos, puntos);
        const RecuentoClases& r = g.clases;
        auto* otras = new Celda(QString::fromStdString(texto_otras_clases(r, true)),
                                r.parciales() + r.lineas + r.nudos);
        otras->setToolTip(QString::fromStdString(texto_otras_clases(r, false)));
        tabla_->setItem(fila, kColOtras, otras);
        ++fila;
    }
    // Sin puntadas de otras clases en todo el gráfico, su columna no ocupa sitio; con ellas la
    // ventana se ensancha lo justo para que el hilo se siga leyendo.
    const bool otras = std::any_of(c.colores.begin(), c.colores.end(), [](const ColorGrafico& g) {
        return !g.clases.vacio();
    });
    tabla_->setColumnHidden(kColOtras, !otras);
    setMinimumWidth(otras ? 340 : 270);
    tabla_->setSortingEnabled(true);
}

}  // namespace pc::ui
