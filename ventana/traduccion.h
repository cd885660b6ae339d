// Los textos propios de Qt (diálogos de ficheros, sus columnas y botones, la pregunta de
// sobrescribir, Sí/No) en castellano, con la traducción de Qt instalada en el sistema.
#pragma once

class QCoreApplication;

namespace pc::ui {

// Carga e instala la traducción "qtbase_es". Si no está (falta el paquete de traducciones de
// Qt 6), lo avisa por la salida de errores y devuelve false: los diálogos del programa siguen
// poniendo en castellano sus rótulos principales y el resto queda en inglés.
bool cargar_traduccion_qt(QCoreApplication& app);

}  // namespace pc::ui
