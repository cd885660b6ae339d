#!/bin/sh
# Elige los símbolos de letra del cuadernillo (print/simbolos_letra.cpp) de la lista de
# candidatos, en su orden: quita los que no están en la letra del programa, los de un grupo de
# parecidos con uno ya elegido y los que se parecen a uno ya elegido (girados, reflejados, a otro
# tamaño). Escribe lo que quita y por qué, y al final la lista que queda.
# Uso: herramientas/simbolos_letra.sh [CARPETA_DE_COMPILACION]
set -e
raiz=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$raiz/build}
PC_CANDIDATOS="$raiz/herramientas/simbolos_letra_candidatos.txt" QT_QPA_PLATFORM=offscreen \
    "$build/pruebas_render" --gtest_also_run_disabled_tests --gtest_filter=SimbolosLetra.DISABLED_Candidatos | sed -n '/^FALTA\|^GRUPO\|^PARECE\|^QUEDAN/,$p' | grep -v '^\[\|^$'
