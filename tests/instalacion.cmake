# Instala en una carpeta temporal (DESTDIR) y comprueba lo instalado: programas, ayuda, entrada
# de escritorio válida, iconos y tipo MIME. Uso: cmake -DCARPETA_COMPILACION=... -P instalacion.cmake
if(NOT CARPETA_COMPILACION)
  message(FATAL_ERROR "Falta -DCARPETA_COMPILACION")
endif()
set(tmp "$ENV{TMPDIR}")
if(NOT tmp)
  set(tmp "/tmp")
endif()
string(RANDOM LENGTH 10 azar)
set(destino "${tmp}/pc_instalacion_${azar}")
set(prefijo "/opt/pc prueba")  # con un blanco, que también tiene que valer

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env "DESTDIR=${destino}" ${CMAKE_COMMAND} --install "${CARPETA_COMPILACION}" --prefix "${prefijo}"
  RESULT_VARIABLE r OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
if(NOT r EQUAL 0)
  file(REMOVE_RECURSE "${destino}")
  message(FATAL_ERROR "La instalación falló (${r}):\n${salida}\n${errores}")
endif()

set(raiz "${destino}${prefijo}")
set(fallos "")
foreach(f
    bin/puntocruz bin/puntocruz-lote
    share/puntocruz/ayuda.hlp
    share/applications/puntocruz.desktop
    share/mime/packages/puntocruz.xml
    share/icons/hicolor/scalable/apps/puntocruz.svg
    share/icons/hicolor/16x16/apps/puntocruz.png
    share/icons/hicolor/48x48/apps/puntocruz.png
    share/icons/hicolor/256x256/apps/puntocruz.png)
  if(NOT EXISTS "${raiz}/${f}")
    string(APPEND fallos "Falta ${f}\n")
  endif()
endforeach()
# El fichero de símbolos se instala cuando existe en las fuentes.
get_filename_component(fuentes "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
if(EXISTS "${fuentes}/print/datos/simbolos.dat" AND NOT EXISTS "${raiz}/share/puntocruz/simbolos.dat")
  string(APPEND fallos "Falta share/puntocruz/simbolos.dat\n")
endif()
# Nada fuera de DESTDIR.
file(GLOB_RECURSE todo LIST_DIRECTORIES false RELATIVE "${destino}" "${destino}/*")
foreach(f IN LISTS todo)
  string(FIND "/${f}" "${prefijo}/" pos)
  if(NOT pos EQUAL 0)
    string(APPEND fallos "Fuera del prefijo: ${f}\n")
  endif()
endforeach()

file(READ "${raiz}/share/applications/puntocruz.desktop" entrada)
foreach(linea "Name[es]=Punto de Cruz" "Exec=puntocruz %f" "Icon=puntocruz" "application/x-puntocruz;")
  string(FIND "${entrada}" "${linea}" pos)
  if(pos LESS 0)
    string(APPEND fallos "La entrada de escritorio no tiene '${linea}'\n")
  endif()
endforeach()
file(READ "${raiz}/share/mime/packages/puntocruz.xml" mime)
foreach(glob "*.pc" "*.pci" "*.oxs")
  string(FIND "${mime}" "<glob pattern=\"${glob}\"" pos)
  if(pos LESS 0)
    string(APPEND fallos "El tipo MIME no reconoce ${glob}\n")
  endif()
endforeach()

find_program(VALIDAR desktop-file-validate)
if(NOT VALIDAR)
  string(APPEND fallos "Falta desktop-file-validate (paquete desktop-file-utils)\n")
else()
  execute_process(COMMAND ${VALIDAR} "${raiz}/share/applications/puntocruz.desktop"
    RESULT_VARIABLE r OUTPUT_VARIABLE salida ERROR_VARIABLE errores)
  if(NOT r EQUAL 0 OR NOT "${salida}${errores}" STREQUAL "")
    string(APPEND fallos "desktop-file-validate: ${salida}${errores}\n")
  endif()
endif()
find_program(XMLLINT xmllint)
if(XMLLINT)
  execute_process(COMMAND ${XMLLINT} --noout "${raiz}/share/mime/packages/puntocruz.xml" RESULT_VARIABLE r ERROR_VARIABLE errores)
  if(NOT r EQUAL 0)
    string(APPEND fallos "El XML del tipo MIME no es válido: ${errores}\n")
  endif()
endif()

file(REMOVE_RECURSE "${destino}")
if(fallos)
  message(FATAL_ERROR "${fallos}")
endif()
message(STATUS "Instalación correcta")
