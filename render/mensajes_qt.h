// Los mensajes propios de Qt en la herramienta por lotes, que habla por su cuenta en la salida
// estándar y en la de errores: los avisos internos (como "QStandardPaths: XDG_RUNTIME_DIR not
// set") no le dicen nada al usuario y no salen, pero un error fatal sí, en castellano y con
// un código de salida 1, antes de que Qt detenga el programa.
#pragma once

namespace pc {

// Instala el manejador de mensajes de Qt del programa por lotes.
void callar_avisos_qt();

}  // namespace pc
