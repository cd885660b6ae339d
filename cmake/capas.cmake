# Las carpetas son las capas del programa; ninguna incluye una de más arriba:
#   suelo (app)  <-  nucleo (threads pattern files print)  <-  ordenes  <-  render  <-  ventana
# La herramienta por lotes usa todo menos las ventanas. Uso:
#   cmake -DRAIZ=carpeta_de_fuentes [-DMARCA=fichero_que_se_toca_si_todo_va_bien] -P capas.cmake
if(NOT RAIZ)
  message(FATAL_ERROR "Falta -DRAIZ")
endif()

# Piso de cada carpeta; una carpeta puede incluir las de su piso y las de pisos más bajos.
set(piso_app 1)
set(piso_threads 2)
set(piso_pattern 2)
set(piso_files 2)
set(piso_print 2)
set(piso_ordenes 3)
set(piso_render 4)
set(piso_lote 4)
set(piso_ventana 5)
set(carpetas app threads pattern files print ordenes render lote ventana)

set(fallos "")
foreach(carpeta IN LISTS carpetas)
  file(GLOB_RECURSE fuentes "${RAIZ}/${carpeta}/*.cpp" "${RAIZ}/${carpeta}/*.h")
  foreach(fuente IN LISTS fuentes)
    file(STRINGS "${fuente}" inclusiones REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(linea IN LISTS inclusiones)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*$" "\\1" destino "${linea}")
      if(NOT DEFINED piso_${destino})
        continue()
      endif()
      # lote y render están en el mismo piso pero no se incluyen entre sí salvo lote -> render.
      if(piso_${destino} GREATER piso_${carpeta}
         OR (carpeta STREQUAL "render" AND destino STREQUAL "lote"))
        file(RELATIVE_PATH relativa "${RAIZ}" "${fuente}")
        string(APPEND fallos "  ${relativa}: ${linea} (${carpeta} no puede incluir ${destino})\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(fallos)
  message(FATAL_ERROR "Inclusiones que suben de capa:\n${fallos}")
endif()
if(MARCA)
  file(TOUCH "${MARCA}")
endif()
