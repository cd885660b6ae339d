// La ventana principal: menú Edición (deshacer, rehacer, acercar y alejar), el historial
// alrededor de cada orden y de cada trazo del ratón, los archivos recientes y el título.
#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/ficheros/oxs.h"
#include "ordenes/sesion/deshacer.h"
#include "ordenes/sesion/herramientas.h"
#include "ordenes/sesion/herramientas_puntadas.h"
#include "ordenes/sesion/patron.h"
#include "ordenes/sesion/zoom.h"
#include "ventana/lienzo_patron.h"
#include "ventana/pcruz.h"
#include "ventana/preferencias.h"
#include "ventana/recuperacion.h"
#include "ventana/textos_ui.h"

namespace pc::ui {

namespace {

// Entradas que abren o graban un fichero: con qué entrada se vuelve a abrir, si es un
// patrón (tras abrirlo o grabarlo el tapiz es el del fichero: no hay cambios por grabar) y
// si lo abre (el diseño que había se reemplaza por el del fichero).
struct OrdenFichero {
    const char* entrada;
    const char* reabrir;
    bool patron;
    bool abre;
};

constexpr OrdenFichero kOrdenesFichero[] = {
    {"AbrirImagenBMP1", "AbrirImagenBMP1", false, false},
    {"CargarPuntoCruz1", "CargarPuntoCruz1", true, true},
    {"GrabarPuntoCruz1", "CargarPuntoCruz1", true, false},
    {"CargarPtoCruzver121", "CargarPtoCruzver121", true, true},
    {"CargarPtoCruzFormatoVIEJO1", "CargarPtoCruzFormatoVIEJO1", true, true},
    {"CargarPtocRuzparaImprimirPCI1", "CargarPtocRuzparaImprimirPCI1", true, true},
    {"GrabarPtoCruzparaImprimir1", "CargarPtocRuzparaImprimirPCI1", true, false},
    {"ImportarOXS1", "ImportarOXS1", true, true},
    {"ExportarOXS1", "ImportarOXS1", true, false},
};

// Las generaciones desde la imagen: su resultado es un diseño nuevo.
constexpr const char* kGeneraciones[] = {
    "GenerarPuntodeCruz1",
    "GenerarPtodeCruzINTERPOLADO1",
    "GenerarptodeCruzAuromatizado1",
    "GenerarPuntodeCruzFIEL1",
};

const OrdenFichero* orden_fichero(const char* entrada) {
    if (!entrada) return nullptr;
    for (const OrdenFichero& o : kOrdenesFichero)
        if (std::strcmp(o.entrada, entrada) == 0) return &o;
    return nullptr;
}

bool es_generacion(const char* entrada) {
    if (!entrada) return false;
    for (const char* g : kGeneraciones)
        if (std::strcmp(g, entrada) == 0) return true;
    return false;
}

// Una entrada que reemplaza el diseño por el de un fichero.
bool abre_diseno(const char* entrada) {
    const OrdenFichero* of = orden_fichero(entrada);
    return of && of->patron && of->abre;
}

QString u(const char* s) { return QString::fromUtf8(s); }
QString q(const std::string& s) { return QString::fromStdString(s); }

QAction* entrada_edicion(QMenu* menu, const char* nombre, const char* icono, const QString& texto) {
    QAction* a = menu->addAction(QIcon::fromTheme(QLatin1String(icono)), texto);
    a->setObjectName(QLatin1String(nombre));
    return a;
}

}  // namespace

void TForm2::crear_menu_edicion() {
    auto* menu = new QMenu(u(texto::kEdicion), this);
    menu->setObjectName(QStringLiteral("Edicin1"));
    menu->menuAction()->setObjectName(QStringLiteral("Edicin1"));
    // Detrás de "Archivo".
    const QList<QAction*> menus = menuBar()->actions();
    if (menus.size() > 1) menuBar()->insertMenu(menus[1], menu);
    else menuBar()->addMenu(menu);

    deshacer_ = entrada_edicion(menu, "Deshacer1", "edit-undo", q(rotulo_deshacer(*historial_)));
    rehacer_ = entrada_edicion(menu, "Rehacer1", "edit-redo", q(rotulo_rehacer(*historial_)));
    connect(deshacer_, &QAction::triggered, this, &TForm2::deshacer);
    connect(rehacer_, &QAction::triggered, this, &TForm2::rehacer);
    menu->addSeparator();
    QAction* acercar = entrada_edicion(menu, "Acercar1", "zoom-in", u(texto::kAcercar));
    QAction* alejar = entrada_edicion(menu, "Alejar1", "zoom-out", u(texto::kAlejar));
    QAction* ajustar = entrada_edicion(menu, "Ajustar1", "zoom-fit-best", u(texto::kAjustar));
    connect(acercar, &QAction::triggered, this, [this] { zoom(1); });
    connect(alejar, &QAction::triggered, this, [this] { zoom(-1); });
    connect(ajustar, &QAction::triggered, this, &TForm2::ajustar_zoom);
}

void TForm2::crear_menu_recientes() {
    auto* archivo = menuBar()->findChild<QMenu*>(QStringLiteral("Archivo1"));
    if (!archivo) return;
    recientes_ = new QMenu(u(texto::kRecientes), archivo);
    recientes_->setObjectName(QStringLiteral("Archivosrecientes1"));
    recientes_->menuAction()->setObjectName(QStringLiteral("Archivosrecientes1"));
    // Tras las entradas de abrir y grabar: delante del primer separador.
    QAction* antes = nullptr;
    for (QAction* a : archivo->actions()) {
        if (a->isSeparator()) {
            antes = a;
            break;
        }
    }
    archivo->insertMenu(antes, recientes_);
    llenar_recientes();
}

void TForm2::llenar_recientes() {
    if (!recientes_) return;
    recientes_->clear();
    const QList<Reciente> lista = recientes();
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const Reciente r = lista[i];
        const QFileInfo info(r.fichero);
        QAction* a = recientes_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(info.fileName()));
        a->setObjectName(QStringLiteral("Reciente%1").arg(i + 1));
        a->setToolTip(r.fichero);
        a->setStatusTip(r.fichero);
        connect(a, &QAction::triggered, this, [this, r] { abrir_reciente(r.orden, r.fichero); });
    }
    recientes_->setToolTipsVisible(true);
    recientes_->menuAction()->setEnabled(!lista.isEmpty());
}

void TForm2::abrir_reciente(const QString& orden, const QString& fichero) {
    if (!QFileInfo::exists(fichero)) {
        dialogos_.mensaje(u(texto::kRecienteNoExiste).arg(fichero).toStdString());
        quitar_reciente(fichero);
        llenar_recientes();
        return;
    }
    elegir_con_fichero(orden.toLatin1().constData(), fichero.toStdString());
}

bool TForm2::elegir_con_fichero(const char* nombre, std::optional<std::string> fichero) {
    for (const auto& [accion, en] : acciones_) {
        if (!en->nombre || std::strcmp(en->nombre, nombre) != 0 || !en->orden) continue;
        // La pregunta va antes de preparar el fichero: "Grabar" puede pedir otro nombre.
        if (abre_diseno(en->nombre) && !puede_reemplazar()) return true;
        anotados_.preparar(std::move(fichero));
        ejecutar_entrada(*en);
        anotados_.preparar(std::nullopt);
        return true;
    }
    return false;
}

void TForm2::elegir(const EntradaMenu& en) {
    if (abre_diseno(en.nombre) && !puede_reemplazar()) return;
    ejecutar_entrada(en);
}

QString TForm2::nombre_diseno() const {
    const QString ruta = fichero_actual();
    return ruta.isEmpty() ? u(texto::kSinTitulo) : QFileInfo(ruta).fileName();
}

bool TForm2::puede_reemplazar() {
    if (!historial_->modificado()) return true;
    switch (preguntar_reemplazo(dialogos_, nombre_diseno().toStdString())) {
        case RespuestaSalir::kSi: return true;
        case RespuestaSalir::kNo: return false;
        case RespuestaSalir::kGrabar: return grabar();
    }
    return false;
}

bool TForm2::crear_diseno_nuevo(const std::string& nombre_paso, const std::function<void(Sesion&)>& orden) {
    const std::uint64_t version = historial_->version();
    historial_->antes(*estado_);
    anotados_.empezar();
    ejecutar(anotados_, [&] { orden(sesion_); });
    vista_.terminar_progreso();
    tras_orden(nombre_paso, nullptr, true);
    sincronizar();
    return historial_->version() != version;
}

void TForm2::tras_orden(const std::string& nombre, const char* entrada, bool diseno_nuevo) {
    const OrdenFichero* of = orden_fichero(entrada);
    // "Grabar como OXS" desde el aviso del .pc o del .pci: lo grabado es un OXS.
    if (of && anotados_.fichero() && es_oxs(*anotados_.fichero()) && std::strcmp(of->reabrir, "ImportarOXS1") != 0 &&
        std::strncmp(of->entrada, "Grabar", 6) == 0)
        of = orden_fichero("ExportarOXS1");
    QString f;  // el fichero que la orden abrió o grabó
    if (of && anotados_.fichero() && !anotados_.fallo()) {
        f = QFileInfo(q(*anotados_.fichero())).absoluteFilePath();
        if (!QFileInfo::exists(f)) f.clear();
    }
    const FicheroDiseno suyo{f.toStdString(), of ? of->reabrir : ""};
    if (!f.isEmpty() && of->patron && of->abre) historial_->anotar_otro_diseno(*estado_, nombre, suyo, true);
    else if (diseno_nuevo || es_generacion(entrada)) historial_->anotar_otro_diseno(*estado_, nombre, {}, false);
    else historial_->anotar(*estado_, nombre);
    if (!f.isEmpty()) {
        if (of->patron && !of->abre) historial_->grabado_en(suyo);
        anadir_reciente(QLatin1String(of->reabrir), f);
        llenar_recientes();
    }
    actualizar_edicion();
    actualizar_titulo();
    recuperacion_->tras_orden();
}

void TForm2::actualizar_edicion() {
    if (!deshacer_) return;
    deshacer_->setText(q(rotulo_deshacer(*historial_)));
    deshacer_->setEnabled(historial_->puede_deshacer());
    rehacer_->setText(q(rotulo_rehacer(*historial_)));
    rehacer_->setEnabled(historial_->puede_rehacer());
}

void TForm2::actualizar_titulo() {
    const QString base = u(texto::kTituloPrincipal);
    const bool cambios = historial_->modificado();
    if (fichero_actual().isEmpty() && !cambios) {
        setWindowTitle(base);
        return;
    }
    setWindowTitle(nombre_diseno() + (cambios ? QStringLiteral("*") : QString()) + QStringLiteral(" - ") + base);
}

void TForm2::deshacer() {
    // Un pespunte empezado no sigue desde un tramo deshecho.
    acabar_pespunte(*estado_);
    const FicheroDiseno antes = historial_->fichero();
    ejecutar(anotados_, [this] { pc::deshacer(sesion_, *historial_); });
    tras_deshacer(antes);
}

void TForm2::rehacer() {
    acabar_pespunte(*estado_);
    const FicheroDiseno antes = historial_->fichero();
    ejecutar(anotados_, [this] { pc::rehacer(sesion_, *historial_); });
    tras_deshacer(antes);
}

void TForm2::tras_deshacer(const FicheroDiseno& antes) {
    // Si vuelve el diseño de otro fichero, la barra de estado y el pie de la impresión lo nombran.
    const FicheroDiseno& ahora = historial_->fichero();
    if (!(ahora == antes) && !ahora.ruta.empty()) {
        mostrar_fichero(sesion_, ahora.ruta);
        estado_->fichero_abierto = ahora.ruta;
    }
    actualizar_edicion();
    actualizar_titulo();
    sincronizar();
}

void TForm2::al_soltar(Qt::MouseButton boton, QPoint) {
    if (boton != Qt::LeftButton) return;
    clic_consumido_ = false;
    raton_soltado(*estado_);
    if (!trazo_) return;
    trazo_ = false;
    tras_orden(nombre_uso(*estado_), nullptr);
    sincronizar();
}

void TForm2::al_rodar(int pasos, bool control, QPoint p) {
    if (control) {
        zoom(pasos, p);
        return;
    }
    scrollbar1_->setValue(scrollbar1_->value() - pasos * 3 * scrollbar1_->singleStep());
}

void TForm2::zoom(int pasos, std::optional<QPoint> en_lienzo) {
    const int antes = estado_->tam_celda;
    if (antes < 1 || pasos == 0 || image1_->isHidden()) return;
    // El punto fijo, en píxeles del lienzo y de la vista.
    const QPoint p = en_lienzo ? *en_lienzo : image1_->mapFrom(panel2_, panel2_->rect().center());
    const QPoint en_vista = image1_->mapTo(panel2_, p);
    // Cada paso cambia la celda en un cuarto (al menos un píxel); alejar deshace lo que acerca.
    int objetivo = antes;
    for (int i = 0; i < std::abs(pasos); ++i)
        objetivo = pasos > 0 ? std::max(objetivo + 1, objetivo * 5 / 4)
                             : std::min(objetivo - 1, (objetivo * 4 + 4) / 5);
    bool cambio = false;
    ejecutar(anotados_, [&] { cambio = poner_zoom(sesion_, objetivo); });
    if (!cambio) return;
    const double escala = static_cast<double>(estado_->tam_celda) / antes;
    scrollbar2_->setValue(static_cast<int>(std::lround(p.x() * escala)) - en_vista.x());
    scrollbar1_->setValue(static_cast<int>(std::lround(p.y() * escala)) - en_vista.y());
    sincronizar_vista();
}

void TForm2::ajustar_zoom() {
    if (image1_->isHidden()) return;
    ejecutar(anotados_, [&] { poner_zoom(sesion_, zoom_para_ajustar(*estado_, panel2_->width(), panel2_->height())); });
    scrollbar2_->setValue(0);
    scrollbar1_->setValue(0);
    sincronizar_vista();
}

}  // namespace pc::ui
