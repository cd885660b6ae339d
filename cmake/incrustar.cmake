# Convierte un fichero de texto en un literal de C++ (definido como const char SIMBOLO[]).
file(READ "${ENTRADA}" contenido)
set(delimitador "PCDATOS")
file(WRITE "${SALIDA}" "// Generado a partir de ${ENTRADA}: no editar.\nextern const char ${SIMBOLO}[];\nconst char ${SIMBOLO}[] = R\"${delimitador}(${contenido})${delimitador}\";\n")
