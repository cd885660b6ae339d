// Lo que el programa recuerda entre una ejecución y otra (QSettings): la última carpeta de
// cada clase de fichero, los archivos recientes, el tamaño y sitio de la ventana principal y
// el de su barra de herramientas y su ventana de colores.
// Con la variable de entorno PC_CONFIGURACION (una carpeta) se guardan ahí, en
// "puntocruz.ini"; las pruebas la usan para no tocar los ajustes del usuario.
#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <string>

class QSettings;

namespace pc::ui {

std::unique_ptr<QSettings> abrir_preferencias();

// Clase de fichero según la extensión por defecto de un diálogo ("*.bmp", "pc", ".pci"...):
// "imagenes", "patrones", "impresion", "catalogos" u "otros".
QString clase_de_fichero(const std::string& extension);
// Carpeta en la que abrir el diálogo de esa clase: la última usada, o una razonable.
QString carpeta_de(const QString& clase);
void recordar_carpeta(const QString& clase, const QString& fichero);

inline constexpr int kMaxRecientes = 8;
struct Reciente {
    QString orden;    // nombre de objeto de la entrada de menú que lo vuelve a abrir
    QString fichero;  // ruta completa
};
QList<Reciente> recientes();
// Lo pone el primero (quitando una entrada anterior del mismo fichero) y deja como mucho 8.
void anadir_reciente(const QString& orden, const QString& fichero);
void quitar_reciente(const QString& fichero);

QByteArray geometria_guardada();
void guardar_geometria(const QByteArray& geometria);
// Sitio de la barra de herramientas y de la ventana de colores (abierta o cerrada).
QByteArray disposicion_guardada();
void guardar_disposicion(const QByteArray& disposicion);

}  // namespace pc::ui
