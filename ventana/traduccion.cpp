#include "ventana/traduccion.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <iostream>

namespace pc::ui {

bool cargar_traduccion_qt(QCoreApplication& app) {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    auto* traductor = new QTranslator(&app);
    const QString carpeta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!traductor->load(QStringLiteral("qtbase_es"), carpeta)) {
        delete traductor;
        std::cerr << "Aviso: no se encuentra la traducción de Qt al castellano (qtbase_es.qm en "
                  << carpeta.toStdString()
                  << "; paquete qt6-translations-l10n). Algunos textos de los diálogos saldrán en inglés.\n";
        return false;
    }
    QCoreApplication::installTranslator(traductor);
    return true;
}

}  // namespace pc::ui
