#include "ventana/menus.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/datos_instalados.h"
#include "ordenes/sesion/patron.h"
#include "ordenes/sesion/principal.h"
#include "ordenes/sesion/visor.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/ficheros/oxs.h"
#include "ordenes/patron/editar.h"
#include "ordenes/patron/fiel.h"
#include "ordenes/patron/generar.h"
#include "ordenes/patron/paleta.h"
#include "ordenes/patron/zonas.h"
#include "ordenes/impresion/opciones_impresion.h"
#include "ordenes/hilos/ajuste.h"
#include "ordenes/hilos/catalogo.h"
#include "ordenes/hilos/columnas.h"
#include "ordenes/hilos/tonos.h"
#include "ordenes/hilos/vista_paleta.h"
#include "ventana/preferencias.h"

namespace pc::ui {
namespace {

// Constructores abreviados de las filas de las tablas. `menu` sirve para los menús y
// submenús y para las entradas cuya orden aún no existe (quedan deshabilitadas).
EntradaMenu menu(int nivel, const char* nombre, const char* texto) {
    return {nivel, nombre, texto, nullptr, nullptr, Accion::kNinguna, false};
}
EntradaMenu sep(int nivel) { return {nivel, nullptr, nullptr, nullptr, nullptr, Accion::kNinguna, false}; }
EntradaMenu orden(int nivel, const char* nombre, const char* texto, Orden o, Marca m = nullptr) {
    return {nivel, nombre, texto, o, m, Accion::kNinguna, false};
}
EntradaMenu radio(int nivel, const char* nombre, const char* texto, Orden o, Marca m) {
    return {nivel, nombre, texto, o, m, Accion::kNinguna, true};
}
EntradaMenu accion(int nivel, const char* nombre, const char* texto, Accion a) {
    return {nivel, nombre, texto, nullptr, nullptr, a, false};
}

// Entrada cuyo rótulo sigue al estado.
EntradaMenu rotulada(EntradaMenu en, Rotulo r) {
    en.rotulo = r;
    return en;
}

// Las casillas que sólo cambian una marca del estado.
void conmutar_perfilando(Sesion& s) { s.e.perfilando = !s.e.perfilando; }
void conmutar_arriba(Sesion& s) { s.e.perfil_arriba = !s.e.perfil_arriba; }
void conmutar_derecha(Sesion& s) { s.e.perfil_derecha = !s.e.perfil_derecha; }
void conmutar_abajo(Sesion& s) { s.e.perfil_abajo = !s.e.perfil_abajo; }
void conmutar_izquierda(Sesion& s) { s.e.perfil_izquierda = !s.e.perfil_izquierda; }
void ver_bmp(Sesion& s) { s.v.mostrar_visor(); }
void exportar_troceado(Sesion& s) {
    exportar_bmp_troceado(s, QCoreApplication::applicationDirPath().toStdString());
}
// Los rótulos que comparten el menú del lienzo del patrón y el de la paleta.
std::string rotulo_seleccionar(const Estado& e) { return e.rotulos.seleccionar; }
std::string rotulo_origen(const Estado& e) { return e.rotulos.origen; }
std::string rotulo_destino(const Estado& e) { return e.rotulos.destino; }
// En la carpeta de datos del usuario (junto al programa instalado no se puede escribir); el
// diálogo de leer catálogos se abrirá después allí.
void graba_paleta(Sesion& s) {
    const std::string carpeta = carpeta_datos_usuario();
    graba_paleta_dmc(s, carpeta);
    recordar_carpeta(QStringLiteral("catalogos"), QString::fromStdString(carpeta + "/" + kFicheroDmcAux));
}

const std::vector<EntradaMenu>& tabla_principal() {
    static const std::vector<EntradaMenu> t = {
        menu(0, "Archivo1", "Archivo"),
        accion(1, "NuevoPatronDesdeImagen1", "Nuevo patrón desde imagen...", Accion::kNuevoDesdeImagen),
        orden(1, "AbrirImagenBMP1", "Abrir Imagen BMP", abrir_imagen),
        orden(1, "CargarPuntoCruz1", "Cargar Punto Cruz", cargar_punto_cruz),
        orden(1, "GrabarPuntoCruz1", "Grabar Punto Cruz", grabar_punto_cruz),
        orden(1, "CargarPtocRuzparaImprimirPCI1", "Cargar Pto Cruz para Imprimir (*.PCI)", cargar_pci_orden),
        orden(1, "ImportarOXS1", "Importar OXS...", importar_oxs),
        orden(1, "ExportarOXS1", "Exportar OXS...", exportar_oxs),
        accion(1, "ExportarPatronPDF1", "Exportar Patrón PDF...", Accion::kPatron),
        sep(1),
        orden(1, "AnchodelPuntodeCruz1", "Ancho del Punto de Cruz (Alto a escala)", ancho_a_escala),
        orden(1, "AltodelPuntodeCruzAnchoaescala1", "Alto del Punto de Cruz (Ancho a escala)", alto_a_escala),
        orden(1, "AnchoyAltodelPtodeCruz1", "Ancho y Alto del Pto de Cruz", ancho_y_alto),
        orden(1, "GenerarPuntodeCruz1", "Generar Punto de Cruz", generar_punto_de_cruz),
        orden(1, "GenerarPtodeCruzINTERPOLADO1", "Generar Pto de Cruz INTERPOLADO", generar_interpolado),
        orden(1, "GenerarptodeCruzAuromatizado1", "Generar Punto de Cruz Automatizado", generar_automatizado),
        orden(1, "GenerarPuntodeCruzFIEL1", "Generar Punto de Cruz FIEL", generar_fiel),
        sep(1),
        accion(1, "Salir1", "Salir", Accion::kSalir),

        menu(0, "Opciones1", "Opciones"),
        orden(1, "VerColores1", "Ver Paleta de Colores del Punto de Cruz", ver_colores),
        orden(1, "FidelidaddelPuntodeCruz1", "Fidelidad del Punto de Cruz", fidelidad_punto_de_cruz),
        orden(1, "VerpaletadeHilos1", "Ver paleta ACTIVA de Hilos", ver_paleta_hilos),
        orden(1, "AjustaraHilos11", "Ajustar Pto Cruz a Hilos DMC", ajustar_dmc),
        orden(1, "AjustaraHilos21", "Ajustar Pto Cruz a Hilos ANCHOR", ajustar_anchor),
        orden(1, "EquivalenciasDMCANCHOR1", "Calcular Equivalencias DMC-ANCHOR", calcular_equivalencias),
        sep(1),
        orden(1, "TamaodelaRejilla1", "Tamaño de la Rejilla", tamano_rejilla),
        orden(1, "VerRejilla1", "Ver Rejilla", ver_rejilla, [](const Estado& e) { return e.ver_rejilla; }),
        orden(1, "TamaoPincel1", "Tamaño Pincel", tamano_pincel),
        sep(1),
        menu(1, "ReduccindeColores1", "Reducción de Colores"),
        orden(2, "ReducirColores1", "Reducir Colores Paleta", [](Sesion& s) { reducir_paleta(s, true); }),
        orden(2, "ReducirColoresSimilares1", "Reducir Colores Similares",
              [](Sesion& s) { reducir_similares(s, true); }),
        orden(2, "ReducirColorespordivisindeTonos1", "Reducir Colores (por división de Tonos)",
              [](Sesion& s) { reducir_tonos(s, true); }),
        orden(2, "Cambiaruncolorporotro1", "Cambiar un color por otro", cambiar_color),
        sep(1),
        menu(1, "OpcionesdeImpresin1", "Opciones de Impresión"),
        accion(2, "ImprimirPuntodeCruz1", "Imprimir Punto de Cruz", Accion::kImprimir),
        menu(2, "ExportarBMP1", "Exportar BMP"),
        orden(3, "GenerarBMPdelaImpresin1", "Generar BMP de la Impresión", generar_bmp_impresion,
              [](const Estado& e) { return e.generar_bmp; }),
        orden(3, "GenerarBMPTroceado60x601", "Generar BMP Troceado (60x60)", exportar_troceado),
        orden(3, "GrabarBMPimpreso1", "Grabar BMP impreso", grabar_bmp_impreso),
        orden(3, "VerBMPExportado1", "Ver BMP Exportado", ver_bmp_exportado,
              [](const Estado& e) { return e.ver_bmp_exportado; }),

        menu(0, "Ayuda1", "Ayuda"),
        accion(1, "DelaAplicacin1", "De la Aplicación", Accion::kAyuda),
        sep(1),
        accion(1, "Acercade1", "Acerca de...", Accion::kAcerca),

        menu(0, "tiles1", "Útiles"),
        orden(1, "CopiarZonadelaImagen1", "Copiar Zona de la Imagen.", copiar_zona),
        orden(1, "Pegaren1", "Pegar en...", pegar_en),
        sep(1),
        orden(1, "en_zona1", "Trabajar en ZONA Delimitada", conmutar_zona, [](const Estado& e) { return e.en_zona; }),
        orden(1, "VerPaletaHilosZonaDelimitada1", "Ver Paleta Hilos Zona Delimitada", ver_paleta_zona),
        sep(1),
        menu(1, "MtodoparaASEMEJARcolores1", "Método para ASEMEJAR colores"),
        radio(2, "PorLuminosidad1", "Por Luminosidad ABSOLUTA", por_luminosidad,
              [](const Estado& e) { return e.metodo_color == 1; }),
        radio(2, "PorTonalidaddeColor1", "Por GAMA de Color", por_gama,
              [](const Estado& e) { return e.metodo_color == 2; }),
        sep(1),
        rotulada(orden(1, "AclararelTAPIZ1", "Aclarar el TAPIZ", [](Sesion& s) { aclarar_tapiz(s, true); }),
                 [](const Estado& e) -> std::string { return e.rotulos.aclarar_tapiz; }),
        rotulada(orden(1, "OscurecerelTAPIZ1", "Oscurecer el TAPIZ", [](Sesion& s) { aclarar_tapiz(s, false); }),
                 [](const Estado& e) -> std::string { return e.rotulos.oscurecer_tapiz; }),
        orden(1, "FactordeAclaradoOscurecimiento1", "Factor de Aclarado/Oscurecimiento", factor_aclarado),
        menu(1, "ComponenteRGBatratar1", "Componente RGB a tratar"),
        orden(2, "R1", "R", conmutar_r, [](const Estado& e) { return e.componente_r; }),
        orden(2, "G1", "G", conmutar_g, [](const Estado& e) { return e.componente_g; }),
        orden(2, "B1", "B", conmutar_b, [](const Estado& e) { return e.componente_b; }),
        sep(1),
        orden(1, "Perfilando1", "Perfilando", conmutar_perfilando, [](const Estado& e) { return e.perfilando; }),
        menu(1, "Perfilar1", "Perfilar"),
        orden(2, "Arriba1", "Arriba", conmutar_arriba, [](const Estado& e) { return e.perfil_arriba; }),
        orden(2, "Derecha1", "Derecha", conmutar_derecha, [](const Estado& e) { return e.perfil_derecha; }),
        orden(2, "Abajo1", "Abajo", conmutar_abajo, [](const Estado& e) { return e.perfil_abajo; }),
        orden(2, "Izquierda1", "Izquierda", conmutar_izquierda, [](const Estado& e) { return e.perfil_izquierda; }),
        orden(1, "BorrarPerfilado1", "Borrar Perfilado", conmutar_borrar_perfilado,
              [](const Estado& e) { return e.borrar_perfilado; }),
        orden(1, "BorrarPerfiladoenZONAdetrabajo1", "Borrar Perfilado en ZONA de trabajo", borrar_perfilado_zona),

        menu(0, "Utiles21", "Utiles2"),
        orden(1, "PintarPALETA1", "Pintar PALETA DMC", pintar_paleta_dmc),
        orden(1, "GrabarPtoCruzparaImprimir1", "Grabar Pto Cruz para Imprimir", grabar_pci),
        orden(1, "GrabaPaletadeHilosDMCdmcauxdat1", "Graba Paleta de Hilos DMC (dmc_aux.dat)", graba_paleta),
        orden(1, "LeePaletadehilosdmccaradat1", "Lee Paleta de hilos DMC personalizada", lee_paleta_dmc),
        orden(1, "LeePaletadehilosANCHORpersonalizada1", "Lee Paleta de hilos ANCHOR personalizada",
              lee_paleta_anchor),
        orden(1, "ContrastePaleta1", "Contraste Paleta", contraste_paleta),
        orden(1, "BrilloPaleta1", "Brillo Paleta", brillo_paleta),
        orden(1, "ModificaRGB1", "Modifica RGB", modifica_rgb),
        orden(1, "SeleccindeHILOSporCOLUMNAS1", "Selección de HILOS por COLUMNAS (Catálogo DMC)", seleccion_columnas),
        sep(1),
        orden(1, "MuestraHilosBloqueados1", "Muestra Hilos Bloqueados", muestra_hilos_bloqueados),
        orden(1, "BorralistahilosBloqueados1", "Borra lista hilos Bloqueados", borra_hilos_bloqueados),
        sep(1),
        menu(1, "LeerFormatosPCViejos1", "Leer Formatos .PC Viejos"),
        orden(2, "CargarPtoCruzFormatoVIEJO1", "Cargar Pto Cruz (Formato VIEJO)", cargar_viejo),
        orden(2, "CargarPtoCruzver121", "Cargar Pto Cruz (ver 1.2)", cargar_ver12),
    };
    return t;
}

const std::vector<EntradaMenu>& tabla_lienzo() {
    static const std::vector<EntradaMenu> t = {
        rotulada(orden(0, "SeleccionarColor1", "Seleccionar Color", seleccionar_color), rotulo_seleccionar),
        sep(0),
        rotulada(orden(0, "CopiarRGB11", "Copiar RGB a color ORIGEN", copiar_rgb_origen), rotulo_origen),
        rotulada(orden(0, "CopiarRGB21", "Copiar RGB a color DESTINO", copiar_rgb_destino), rotulo_destino),
        rotulada(orden(0, "CambiarColorORIGENporDESTINO1", "Cambiar Color ORIGEN por DESTINO", cambiar_color),
                 [](const Estado& e) -> std::string { return e.rotulos.cambiar; }),
        menu(0, "ColorAvanzado1", "Color Avanzado"),
        orden(1, "RellenarColor1", "Rellenar Color (MACIZO)", rellenar_macizo),
        orden(1, "RellenarColorTRAMADO1", "Rellenar Color (TRAMADO)", rellenar_tramado),
        orden(1, "RellenaColorhastaBLANCO1", "Rellena Color (hasta BLANCO)", rellenar_hasta_blanco),
        sep(1),
        orden(1, "DesactivarColor1", "Desactivar Color", desactivar_color_lienzo),
        orden(1, "BloquearColor1", "Bloquear Color", bloquear_color_lienzo),
        sep(1),
        orden(1, "AclararColor1", "Aclara Color", [](Sesion& s) { aclarar_color(s, true); }),
        orden(1, "OscureceColor1", "Oscurece Color", [](Sesion& s) { aclarar_color(s, false); }),
        sep(0),
        rotulada(orden(0, "MarcarX1Y11", "Marcar ZONA (X1,Y1)", marcar_x1y1), rotulo_marcar_x1y1),
        rotulada(orden(0, "MarcarX2Y21", "Marcar ZONA (X2,Y2)", marcar_x2y2), rotulo_marcar_x2y2),
        sep(0),
        menu(0, "Perfilar2", "Perfilar"),
        orden(1, "HaciaAbajo1", "Hacia Abajo", perfilar_abajo),
        orden(1, "HaciaArriba1", "Hacia Arriba", perfilar_arriba),
        orden(1, "Todo1", "Todo", perfilar_todo),
        sep(0),
        orden(0, "VerPaletaHilos1", "Ver Paleta Hilos", ver_paleta_hilos),
        orden(0, "VerBMP1", "Ver BMP", ver_bmp),
    };
    return t;
}

const std::vector<EntradaMenu>& tabla_paleta() {
    static const std::vector<EntradaMenu> t = {
        rotulada(orden(0, "s1", "Seleccionar Color", seleccionar_color_paleta), rotulo_seleccionar),
        sep(0),
        rotulada(orden(0, "rgb11", "Copiar RGB a color ORIGEN", copiar_origen_paleta), rotulo_origen),
        rotulada(orden(0, "rgb21", "Copiar RGB a color DESTINO", copiar_destino_paleta), rotulo_destino),
        menu(0, "ColorAvanzado2", "Color Avanzado"),
        orden(1, "DesactivarColor2", "Desactivar Color", desactivar_color_paleta),
        orden(1, "BloquearColor2", "Bloquear Color", bloquear_color_paleta),
        sep(0),
        orden(0, "MostrarPuntodeCRUZ1", "Mostrar Punto de CRUZ", mostrar_punto_de_cruz),
    };
    return t;
}

const std::vector<EntradaMenu>& tabla_visor() {
    static const std::vector<EntradaMenu> t = {
        accion(0, "Cerrar1", "Cerrar", Accion::kCerrarVisor),
    };
    return t;
}

const std::vector<EntradaMenu>& tabla_imagen() {
    static const std::vector<EntradaMenu> t = {
        orden(0, "SeleccionarColordeHILOmsProximo1", "Seleccionar Color de HILO más Proximo",
              seleccionar_hilo_mas_proximo),
        sep(0),
        orden(0, "CambiarreadeCapturadeColor1", "Cambiar Tamaño del área de Captura de Color",
              cambiar_area_captura),
        orden(0, "MarcarZonadeCapturaalpinchar1", "Marcar Zona de Captura de Color al pinchar",
              marcar_zona_captura, [](const Estado& e) { return e.visor.marcar_zona; }),
    };
    return t;
}

// Recorre la tabla: una entrada seguida de otras de más nivel es un submenú. `pila[n]` es
// el menú que recibe las entradas de nivel n.
void recorrer(std::vector<QMenu*>& pila, QMenuBar* barra, std::span<const EntradaMenu> tabla,
              const AlElegir& al_elegir, Acciones& acciones) {
    QActionGroup* grupo = nullptr;
    for (std::size_t i = 0; i < tabla.size(); ++i) {
        const EntradaMenu& en = tabla[i];
        const auto n = static_cast<std::size_t>(en.nivel);
        const bool submenu = i + 1 < tabla.size() && tabla[i + 1].nivel > en.nivel;
        if (!en.texto) {
            pila[n]->addSeparator();
            grupo = nullptr;
            continue;
        }
        if (submenu || (barra && n == 0)) {
            QMenu* m = (barra && n == 0) ? barra->addMenu(QString::fromUtf8(en.texto))
                                         : pila[n]->addMenu(QString::fromUtf8(en.texto));
            m->setObjectName(QString::fromLatin1(en.nombre));
            m->menuAction()->setObjectName(QString::fromLatin1(en.nombre));
            acciones.emplace_back(m->menuAction(), &en);
            if (pila.size() < n + 2) pila.resize(n + 2, nullptr);
            pila[n + 1] = m;
            grupo = nullptr;
            continue;
        }
        crear_accion(pila[n], en, al_elegir, acciones, grupo);
    }
}

}  // namespace

// Crea la acción de una entrada y la conecta.
QAction* crear_accion(QWidget* padre, const EntradaMenu& en, const AlElegir& al_elegir, Acciones& acciones,
                      QActionGroup*& grupo) {
    QAction* a = padre->addAction(QString::fromUtf8(en.texto));
    a->setObjectName(QString::fromLatin1(en.nombre));
    a->setEnabled(en.habilitada());
    if (en.marca) a->setCheckable(true);
    if (en.radio) {
        if (!grupo) grupo = new QActionGroup(padre);
        grupo->addAction(a);
    } else {
        grupo = nullptr;
    }
    if (en.habilitada()) {
        QObject::connect(a, &QAction::triggered, a, [al_elegir, &en] { al_elegir(en); });
    }
    acciones.emplace_back(a, &en);
    return a;
}

std::string nombre_paso(const EntradaMenu& en) {
    const std::pair<std::span<const EntradaMenu>, bool> tablas[] = {
        {tabla_principal(), true}, {tabla_lienzo(), false}, {tabla_paleta(), false}};
    for (const auto& [tabla, barra] : tablas) {
        if (tabla.empty() || &en < tabla.data() || &en >= tabla.data() + tabla.size()) continue;
        std::string nombre = en.texto ? en.texto : "";
        int nivel = en.nivel;
        // Hacia atrás, cada entrada de menos nivel es el submenú que la contiene.
        for (auto i = static_cast<std::size_t>(&en - tabla.data()); i-- > 0 && nivel > (barra ? 1 : 0);) {
            const EntradaMenu& padre = tabla[i];
            if (padre.nivel >= nivel || !padre.texto) continue;
            nombre = std::string(padre.texto) + " " + nombre;
            nivel = padre.nivel;
        }
        return nombre;
    }
    return en.texto ? en.texto : "";
}

std::span<const EntradaMenu> menu_principal() { return tabla_principal(); }
std::span<const EntradaMenu> menu_lienzo() { return tabla_lienzo(); }
std::span<const EntradaMenu> menu_paleta() { return tabla_paleta(); }
std::span<const EntradaMenu> menu_visor() { return tabla_visor(); }
std::span<const EntradaMenu> menu_imagen() { return tabla_imagen(); }

void construir(QMenuBar* barra, std::span<const EntradaMenu> tabla, const AlElegir& al_elegir,
               Acciones& acciones) {
    // Las entradas de nivel 0 sin submenú (como "Cerrar" del visor) van en la propia barra.
    std::vector<QMenu*> pila(2, nullptr);
    bool hay_menus = false;
    for (std::size_t i = 0; i + 1 < tabla.size(); ++i) hay_menus |= tabla[i].nivel == 0 && tabla[i + 1].nivel > 0;
    if (!hay_menus) {
        for (const EntradaMenu& en : tabla) {
            QAction* a = barra->addAction(QString::fromUtf8(en.texto));
            a->setObjectName(QString::fromLatin1(en.nombre));
            a->setEnabled(en.habilitada());
            if (en.habilitada()) QObject::connect(a, &QAction::triggered, a, [al_elegir, &en] { al_elegir(en); });
            acciones.emplace_back(a, &en);
        }
        return;
    }
    recorrer(pila, barra, tabla, al_elegir, acciones);
}

void construir(QMenu* menu, std::span<const EntradaMenu> tabla, const AlElegir& al_elegir, Acciones& acciones) {
    std::vector<QMenu*> pila(2, nullptr);
    pila[0] = menu;
    recorrer(pila, nullptr, tabla, al_elegir, acciones);
}

void sincronizar_marcas(const Acciones& acciones, const Estado& e) {
    for (const auto& [a, en] : acciones) {
        if (en->marca) a->setChecked(en->marca(e));
        if (en->rotulo) {
            const std::string& t = en->rotulo(e);
            a->setText(QString::fromUtf8(t.empty() ? en->texto : t.c_str()));
        }
    }
}

}  // namespace pc::ui
