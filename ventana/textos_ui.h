// Los textos fijos de las ventanas: títulos, rótulos y pistas. Los de los menús están en
// la tabla de menus.cpp; los mensajes de las órdenes, en cada orden.
#pragma once

namespace pc::ui::texto {

inline constexpr const char* kPrograma = "Punto de Cruz";
inline constexpr const char* kTituloPrincipal = "Punto de Cruz by Tarvelo";
inline constexpr const char* kTituloVisor = "Punto de Cruz";
inline constexpr const char* kPistaLienzo = "Pulsa Botón Derecho para ver menú POP-UP";
inline constexpr const char* kRotuloLogo = "Punto de Cruz by Tarvelo";

// Acerca de...
inline constexpr const char* kTituloAcerca = "Acerca de...";
inline constexpr const char* kFechaAcerca = "Septiembre de 2007";
inline constexpr const char* kCerrar = "Cerrar";

// Ayuda.
inline constexpr const char* kFicheroAyuda = "ayuda.hlp";
inline constexpr const char* kTituloAyuda = "Ayuda de Punto de Cruz";
inline constexpr const char* kSinAyuda =
    "No se encuentra el fichero de ayuda \"%1\". Debe estar en la misma carpeta que el programa.";

// Selección de Colores.
inline constexpr const char* kTituloColumnas = "Selección de Colores";
inline constexpr const char* kRotuloColumnas =
    "Selecciona las COLUMNAS de colores que han de intervenir para generar el PUNTO de CRUZ.";
inline constexpr const char* kMas = "+";
inline constexpr const char* kAplicarColumnas = "APLICAR";
inline constexpr const char* kAplicarPanel = "Aplicar";

// Opciones para la Impresión.
inline constexpr const char* kTituloImpresion = "Opciones para la Impresión";
inline constexpr const char* kImpRejilla = "Imprimir REJILLA";
inline constexpr const char* kImpSimbolos = "Imprimir SIMBOLOGIA";
inline constexpr const char* kImpColores = "Imprimir COLORES";
inline constexpr const char* kImpDetalle = "Imprimir DETALLE";
inline constexpr const char* kImpGrosor = "Grosor de las GUIAS";
inline constexpr const char* kImpAclara = "Aclarar COLORES al IMPRIMIR (0-100)";
inline constexpr const char* kImpEscala = "Escala de Impresión:";
inline constexpr const char* kImpEnX = "En X";
inline constexpr const char* kImpEnY = "En Y";
inline constexpr const char* kImpImprimir = "Imprimir";
inline constexpr const char* kImpCancelar = "Cancelar";
inline constexpr const char* kImpLeyenda = "Imprimir LEYENDA de SIMBOLOS";
inline constexpr const char* kImpTroceado = "Imprimir Pto CRUZ TROCEADO";
inline constexpr const char* kImpComentario = "Comentario";
inline constexpr const char* kImpVistaPrevia = "Vista Previa";
inline constexpr const char* kImpPatron = "Patrón";

// Exportar Patrón PDF (el cuadernillo).
inline constexpr const char* kTituloPatron = "Exportar Patrón PDF";
inline constexpr const char* kPatronPapel = "Papel";
inline constexpr const char* kPatronApaisado = "Apaisado";
inline constexpr const char* kPatronCelda = "Lado de cada punto";
inline constexpr const char* kPatronTela = "Tela";
inline constexpr const char* kPatronPuntosPulgada = " puntos por pulgada";
inline constexpr const char* kPatronHebras = "Hebras";
inline constexpr const char* kPatronHebrasPerfil = "Hebras del perfilado";
inline constexpr const char* kPatronMargenTela = "Margen de la tela (cada lado)";
inline constexpr const char* kPatronTambienBn = "Añadir las páginas del gráfico en blanco y negro";
inline constexpr const char* kPatronSolape = "Solape entre páginas";
inline constexpr const char* kPatronPuntos = " puntos";
inline constexpr const char* kPatronModo = "Modo";
inline constexpr const char* kPatronModoAmbos = "Símbolos y colores";
inline constexpr const char* kPatronModoSimbolos = "Sólo símbolos (impresora en blanco y negro)";
inline constexpr const char* kPatronModoColor = "Sólo colores";
inline constexpr const char* kPatronTitulo = "Título";
inline constexpr const char* kPatronCatalogo = "Catálogo de hilos";
inline constexpr const char* kPatronZona = "Sólo la zona de trabajo";
inline constexpr const char* kPatronExportar = "Exportar PDF";
inline constexpr const char* kPatronPreparando = "Preparando el patrón...";
inline constexpr const char* kImprimiendo = "Imprimiendo...";
inline constexpr const char* kImpresionCancelada = "Impresión cancelada.";


// Botones y rótulos de los diálogos estándar.
inline constexpr const char* kSi = "Sí";
inline constexpr const char* kNo = "No";
inline constexpr const char* kAceptar = "Aceptar";
inline constexpr const char* kCancelarDialogo = "Cancelar";
inline constexpr const char* kAbrir = "Abrir";
inline constexpr const char* kGuardar = "Guardar";
inline constexpr const char* kElegir = "Elegir";
inline constexpr const char* kBuscarEn = "Buscar en:";
inline constexpr const char* kNombreFichero = "Nombre:";
inline constexpr const char* kTipoFichero = "Tipo:";

// Edición, zoom y archivos recientes.
inline constexpr const char* kEdicion = "Edición";
inline constexpr const char* kAcercar = "Acercar";
inline constexpr const char* kAlejar = "Alejar";
inline constexpr const char* kAjustar = "Ajustar a la ventana";
inline constexpr const char* kGrabar = "Grabar";
inline constexpr const char* kNoGrabar = "No grabar";

// Barra de herramientas y ventana de colores del gráfico.
inline constexpr const char* kHerramientas = "Herramientas";
inline constexpr const char* kColorActual = "Color actual";
inline constexpr const char* kColoresGrafico = "Colores del gráfico";
inline constexpr const char* kBuscarHilo = "Buscar hilo";
inline constexpr const char* kBuscarHiloPista = "Número de hilo del catálogo activo y Intro";
inline constexpr const char* kColumnaSimbolo = "Símb.";
inline constexpr const char* kVerSimbolos = "Ver símbolos";
inline constexpr const char* kPistaVerSimbolos =
    "Ver símbolos (S): el símbolo del cuadernillo en cada punto, en blanco o negro según su color, "
    "con los puntos de 12 píxeles o más";
inline constexpr const char* kColumnaHilo = "Hilo";
inline constexpr const char* kColumnaPuntos = "Puntos";
inline constexpr const char* kColumnaOtras = "Otras";
inline constexpr const char* kPistaOtras =
    "Puntadas que no son cruces enteras: ½ medios puntos, ¾ tres cuartos, ¼ cuartos, petits, pespuntes y nudos";
inline constexpr const char* kPistaColores =
    "Clic: color actual. Doble clic: resalta sus puntos en el gráfico hasta el siguiente clic. "
    "Pincha en la cabecera para ordenar por número de hilo o por puntos.";
inline constexpr const char* kRecientes = "Archivos recientes";
inline constexpr const char* kSinTitulo = "Sin título";
inline constexpr const char* kRecienteNoExiste = "El fichero \"%1\" ya no existe.";
}  // namespace pc::ui::texto
