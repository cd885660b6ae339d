#include "ventana/preferencias.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "app/datos_instalados.h"

namespace pc::ui {

namespace {
const char* const kClaveRecientes = "recientes";
const char* const kClaveGeometria = "ventana/geometria";
const char* const kClaveDisposicion = "ventana/disposicion";
}  // namespace

std::unique_ptr<QSettings> abrir_preferencias() {
    const QString carpeta = qEnvironmentVariable("PC_CONFIGURACION");
    if (!carpeta.isEmpty())
        return std::make_unique<QSettings>(carpeta + QStringLiteral("/puntocruz.ini"), QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("puntocruz"), QStringLiteral("puntocruz"));
}

QString clase_de_fichero(const std::string& extension) {
    // De una lista ("*.dat;*.txt") cuenta la primera.
    QString ext = QString::fromStdString(extension).toLower().section(QLatin1Char(';'), 0, 0);
    while (ext.startsWith(QLatin1Char('*')) || ext.startsWith(QLatin1Char('.'))) ext.remove(0, 1);
    if (ext == QLatin1String("bmp") || ext == QLatin1String("png") || ext == QLatin1String("jpg") ||
        ext == QLatin1String("jpeg"))
        return QStringLiteral("imagenes");
    if (ext == QLatin1String("pc")) return QStringLiteral("patrones");
    if (ext == QLatin1String("pci")) return QStringLiteral("impresion");
    if (ext == QLatin1String("dat") || ext == QLatin1String("txt")) return QStringLiteral("catalogos");
    return QStringLiteral("otros");
}

QString carpeta_de(const QString& clase) {
    const QString guardada = abrir_preferencias()->value(QStringLiteral("carpetas/") + clase).toString();
    if (!guardada.isEmpty() && QFileInfo(guardada).isDir()) return guardada;
    // Los catálogos, donde esté el dmc_aux.dat grabado: en la carpeta de datos del usuario o,
    // el de versiones anteriores, junto al programa.
    if (clase == QLatin1String("catalogos")) {
        const std::string dmc_aux = carpeta_dmc_aux(QCoreApplication::applicationDirPath().toStdString());
        if (!dmc_aux.empty()) return QString::fromStdString(dmc_aux);
    }
    const auto sitio = clase == QLatin1String("imagenes") ? QStandardPaths::PicturesLocation
                                                          : QStandardPaths::DocumentsLocation;
    const QString defecto = QStandardPaths::writableLocation(sitio);
    return QFileInfo(defecto).isDir() ? defecto : QDir::homePath();
}

void recordar_carpeta(const QString& clase, const QString& fichero) {
    const QString carpeta = QFileInfo(fichero).absolutePath();
    abrir_preferencias()->setValue(QStringLiteral("carpetas/") + clase, carpeta);
}

QList<Reciente> recientes() {
    QList<Reciente> lista;
    const QStringList guardados = abrir_preferencias()->value(QLatin1String(kClaveRecientes)).toStringList();
    for (const QString& g : guardados) {
        // "Orden:ruta": los nombres de objeto no llevan ':'.
        const qsizetype i = g.indexOf(QLatin1Char(':'));
        if (i <= 0 || i + 1 >= g.size()) continue;
        lista.append({g.left(i), g.mid(i + 1)});
        if (lista.size() == kMaxRecientes) break;
    }
    return lista;
}

namespace {
void guardar_recientes(const QList<Reciente>& lista) {
    QStringList guardados;
    for (const Reciente& r : lista) guardados << r.orden + QLatin1Char(':') + r.fichero;
    abrir_preferencias()->setValue(QLatin1String(kClaveRecientes), guardados);
}
}  // namespace

void anadir_reciente(const QString& orden, const QString& fichero) {
    const QString ruta = QFileInfo(fichero).absoluteFilePath();
    QList<Reciente> lista = recientes();
    lista.removeIf([&](const Reciente& r) { return r.fichero == ruta; });
    lista.prepend({orden, ruta});
    while (lista.size() > kMaxRecientes) lista.removeLast();
    guardar_recientes(lista);
}

void quitar_reciente(const QString& fichero) {
    QList<Reciente> lista = recientes();
    lista.removeIf([&](const Reciente& r) { return r.fichero == fichero; });
    guardar_recientes(lista);
}

QByteArray geometria_guardada() { return abrir_preferencias()->value(QLatin1String(kClaveGeometria)).toByteArray(); }

void guardar_geometria(const QByteArray& geometria) {
    abrir_preferencias()->setValue(QLatin1String(kClaveGeometria), geometria);
}

QByteArray disposicion_guardada() {
    return abrir_preferencias()->value(QLatin1String(kClaveDisposicion)).toByteArray();
}

void guardar_disposicion(const QByteArray& disposicion) {
    abrir_preferencias()->setValue(QLatin1String(kClaveDisposicion), disposicion);
}

}  // namespace pc::ui
