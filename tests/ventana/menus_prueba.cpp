// Los menús de la ventana principal y del visor: rótulos, nombres, separadores, marcas y
// entradas deshabilitadas; y las marcas siguen al estado después de cada orden.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "ventana/bmp.h"
#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/programa.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

namespace pc::prueba {
namespace {

const char* const kMenuPrincipal = R"(Archivo #Archivo1
  Nuevo patrón desde imagen... #NuevoPatronDesdeImagen1
  Abrir Imagen BMP #AbrirImagenBMP1
  Cargar Punto Cruz #CargarPuntoCruz1
  Grabar #Grabar1
  Grabar Punto Cruz #GrabarPuntoCruz1
  Cargar Pto Cruz para Imprimir (*.PCI) #CargarPtocRuzparaImprimirPCI1
  Importar OXS... #ImportarOXS1
  Exportar OXS... #ExportarOXS1
  Exportar Patrón PDF... #ExportarPatronPDF1
  Archivos recientes #Archivosrecientes1 (off)
  ---
  Ancho del Punto de Cruz (Alto a escala) #AnchodelPuntodeCruz1
  Alto del Punto de Cruz (Ancho a escala) #AltodelPuntodeCruzAnchoaescala1
  Ancho y Alto del Pto de Cruz #AnchoyAltodelPtodeCruz1
  Generar Punto de Cruz #GenerarPuntodeCruz1
  Generar Pto de Cruz INTERPOLADO #GenerarPtodeCruzINTERPOLADO1
  Generar Punto de Cruz Automatizado #GenerarptodeCruzAuromatizado1
  Generar Punto de Cruz FIEL #GenerarPuntodeCruzFIEL1
  ---
  Salir #Salir1
Edición #Edicin1
  Deshacer #Deshacer1 (off)
  Rehacer #Rehacer1 (off)
  ---
  Acercar #Acercar1
  Alejar #Alejar1
  Ajustar a la ventana #Ajustar1
  ---
  Colores del gráfico #ColoresdelGrafico1 [ ]
Opciones #Opciones1
  Ver Paleta de Colores del Punto de Cruz #VerColores1
  Fidelidad del Punto de Cruz #FidelidaddelPuntodeCruz1
  Ver paleta ACTIVA de Hilos #VerpaletadeHilos1
  Ajustar Pto Cruz a Hilos DMC #AjustaraHilos11
  Ajustar Pto Cruz a Hilos ANCHOR #AjustaraHilos21
  Calcular Equivalencias DMC-ANCHOR #EquivalenciasDMCANCHOR1
  ---
  Tamaño de la Rejilla #TamaodelaRejilla1
  Ver Rejilla #VerRejilla1 [x]
  Tamaño Pincel #TamaoPincel1
  ---
  Reducción de Colores #ReduccindeColores1
    Reducir Colores Paleta #ReducirColores1
    Reducir Colores Similares #ReducirColoresSimilares1
    Reducir Colores (por división de Tonos) #ReducirColorespordivisindeTonos1
    Cambiar un color por otro #Cambiaruncolorporotro1
  ---
  Opciones de Impresión #OpcionesdeImpresin1
    Imprimir Punto de Cruz #ImprimirPuntodeCruz1
    Exportar BMP #ExportarBMP1
      Generar BMP de la Impresión #GenerarBMPdelaImpresin1 [ ]
      Generar BMP Troceado (60x60) #GenerarBMPTroceado60x601
      Grabar BMP impreso #GrabarBMPimpreso1
      Ver BMP Exportado #VerBMPExportado1 [ ]
Ayuda #Ayuda1
  De la Aplicación #DelaAplicacin1
  ---
  Acerca de... #Acercade1
Útiles #tiles1
  Copiar Zona de la Imagen. #CopiarZonadelaImagen1
  Pegar en... #Pegaren1
  ---
  Trabajar en ZONA Delimitada #en_zona1 [ ]
  Ver Paleta Hilos Zona Delimitada #VerPaletaHilosZonaDelimitada1
  ---
  Método para ASEMEJAR colores #MtodoparaASEMEJARcolores1
    Por Luminosidad ABSOLUTA #PorLuminosidad1 [x]
    Por GAMA de Color #PorTonalidaddeColor1 [ ]
  ---
  Aclarar el TAPIZ #AclararelTAPIZ1
  Oscurecer el TAPIZ #OscurecerelTAPIZ1
  Factor de Aclarado/Oscurecimiento #FactordeAclaradoOscurecimiento1
  Componente RGB a tratar #ComponenteRGBatratar1
    R #R1 [x]
    G #G1 [x]
    B #B1 [x]
  ---
  Perfilando #Perfilando1 [ ]
  Perfilar #Perfilar1
    Arriba #Arriba1 [ ]
    Derecha #Derecha1 [ ]
    Abajo #Abajo1 [ ]
    Izquierda #Izquierda1 [ ]
  Borrar Perfilado #BorrarPerfilado1 [ ]
  Borrar Perfilado en ZONA de trabajo #BorrarPerfiladoenZONAdetrabajo1
Utiles2 #Utiles21
  Pintar PALETA DMC #PintarPALETA1
  Grabar Pto Cruz para Imprimir #GrabarPtoCruzparaImprimir1
  Graba Paleta de Hilos DMC (dmc_aux.dat) #GrabaPaletadeHilosDMCdmcauxdat1
  Lee Paleta de hilos DMC personalizada #LeePaletadehilosdmccaradat1
  Lee Paleta de hilos ANCHOR personalizada #LeePaletadehilosANCHORpersonalizada1
  Contraste Paleta #ContrastePaleta1
  Brillo Paleta #BrilloPaleta1
  Modifica RGB #ModificaRGB1
  Selección de HILOS por COLUMNAS (Catálogo DMC) #SeleccindeHILOSporCOLUMNAS1
  ---
  Muestra Hilos Bloqueados #MuestraHilosBloqueados1
  Borra lista hilos Bloqueados #BorralistahilosBloqueados1
  ---
  Leer Formatos .PC Viejos #LeerFormatosPCViejos1
    Cargar Pto Cruz (Formato VIEJO) #CargarPtoCruzFormatoVIEJO1
    Cargar Pto Cruz (ver 1.2) #CargarPtoCruzver121)";

const char* const kMenuLienzo = R"(Seleccionar Color #SeleccionarColor1
---
Copiar RGB a color ORIGEN #CopiarRGB11
Copiar RGB a color DESTINO #CopiarRGB21
Cambiar Color ORIGEN por DESTINO #CambiarColorORIGENporDESTINO1
Color Avanzado #ColorAvanzado1
  Rellenar Color (MACIZO) #RellenarColor1
  Rellenar Color (TRAMADO) #RellenarColorTRAMADO1
  Rellena Color (hasta BLANCO) #RellenaColorhastaBLANCO1
  ---
  Desactivar Color #DesactivarColor1
  Bloquear Color #BloquearColor1
  ---
  Aclara Color #AclararColor1
  Oscurece Color #OscureceColor1
---
Marcar ZONA (X1,Y1) #MarcarX1Y11
Marcar ZONA (X2,Y2) #MarcarX2Y21
---
Perfilar #Perfilar2
  Hacia Abajo #HaciaAbajo1
  Hacia Arriba #HaciaArriba1
  Todo #Todo1
---
Ver Paleta Hilos #VerPaletaHilos1
Ver BMP #VerBMP1)";

const char* const kMenuPaleta = R"(Seleccionar Color #s1
---
Copiar RGB a color ORIGEN #rgb11
Copiar RGB a color DESTINO #rgb21
Color Avanzado #ColorAvanzado2
  Desactivar Color #DesactivarColor2
  Bloquear Color #BloquearColor2
---
Mostrar Punto de CRUZ #MostrarPuntodeCRUZ1)";

const char* const kMenuImagen = R"(Seleccionar Color de HILO más Proximo #SeleccionarColordeHILOmsProximo1
---
Cambiar Tamaño del área de Captura de Color #CambiarreadeCapturadeColor1
Marcar Zona de Captura de Color al pinchar #MarcarZonadeCapturaalpinchar1 [ ])";

class Menus : public ::testing::Test {
protected:
    Menus() : app_(aplicacion()), programa_(guion_, "") {}
    ui::TForm2& principal() { return programa_.principal(); }
    QAction* accion(const char* nombre) { return prueba::accion(&principal(), nombre); }
    QApplication& app_;
    DialogosGuion guion_;
    ui::Programa programa_;
};

TEST_F(Menus, ArbolesCompletosConRotulosNombresSeparadoresYMarcas) {
    EXPECT_EQ(arbol(principal().menuBar()->actions()).toStdString(), kMenuPrincipal);
    EXPECT_EQ(arbol(principal().lienzo_patron()->menu()->actions()).toStdString(), kMenuLienzo);
    EXPECT_EQ(arbol(principal().lienzo_paleta()->menu()->actions()).toStdString(), kMenuPaleta);
    EXPECT_EQ(arbol(programa_.visor().lienzo()->menu()->actions()).toStdString(), kMenuImagen);
    EXPECT_EQ(arbol(programa_.visor().menuBar()->actions()).toStdString(), "Cerrar #Cerrar1");
}

TEST_F(Menus, LasMarcasSiguenAlEstadoTrasCadaOrden) {
    // "Borrar Perfilado" marca también "Perfilando"; desmarcarlo no lo desmarca.
    accion("BorrarPerfilado1")->trigger();
    EXPECT_TRUE(principal().estado().borrar_perfilado);
    EXPECT_TRUE(principal().estado().perfilando);
    EXPECT_TRUE(accion("Perfilando1")->isChecked());
    accion("BorrarPerfilado1")->trigger();
    EXPECT_FALSE(accion("BorrarPerfilado1")->isChecked());
    EXPECT_TRUE(accion("Perfilando1")->isChecked());
    accion("Perfilando1")->trigger();
    EXPECT_FALSE(principal().estado().perfilando);

    accion("Izquierda1")->trigger();
    EXPECT_TRUE(principal().estado().perfil_izquierda);
    EXPECT_FALSE(principal().estado().perfil_arriba);

    // La pareja de métodos refleja metodo_color.
    accion("PorTonalidaddeColor1")->trigger();
    EXPECT_EQ(principal().estado().metodo_color, 2);
    EXPECT_TRUE(accion("PorTonalidaddeColor1")->isChecked());
    EXPECT_FALSE(accion("PorLuminosidad1")->isChecked());

    // Un cambio del estado hecho por una orden cualquiera se ve tras sincronizar.
    principal().estado().ver_rejilla = false;
    principal().estado().metodo_color = 1;
    principal().estado().visor.marcar_zona = true;
    principal().sincronizar();
    EXPECT_FALSE(accion("VerRejilla1")->isChecked());
    EXPECT_TRUE(accion("PorLuminosidad1")->isChecked());
    auto* marcar = programa_.visor().findChild<QAction*>(QStringLiteral("MarcarZonadeCapturaalpinchar1"));
    ASSERT_NE(marcar, nullptr);
    EXPECT_TRUE(marcar->isChecked());

    // "Ver Rejilla" alterna la rejilla por su orden.
    accion("VerRejilla1")->trigger();
    EXPECT_TRUE(principal().estado().ver_rejilla);
    EXPECT_TRUE(accion("VerRejilla1")->isChecked());
    EXPECT_TRUE(guion_.errores().empty());
}

TEST_F(Menus, MostrarPuntoDeCruzVuelveAlLienzoDelPatron) {
    principal().estado().ver_bmp_exportado = true;
    principal().sincronizar();
    EXPECT_TRUE(principal().lienzo_patron()->isHidden());
    EXPECT_FALSE(principal().lienzo_paleta()->isHidden());
    EXPECT_TRUE(accion("VerBMPExportado1")->isChecked());
    accion("MostrarPuntodeCRUZ1")->trigger();
    EXPECT_FALSE(principal().estado().ver_bmp_exportado);
    EXPECT_FALSE(principal().lienzo_patron()->isHidden());
    EXPECT_TRUE(principal().lienzo_paleta()->isHidden());
    EXPECT_FALSE(accion("VerBMPExportado1")->isChecked());
}

}  // namespace
}  // namespace pc::prueba
