#!/usr/bin/env python3
"""Genera los textos incorporados de threads/datos/ (catálogos DMC y ANCHOR y la tabla de
equivalencias DMC-ANCHOR) a partir de las tablas de colores en TSV.

Uso: herramientas/catalogos.py CARPETA_TSV [CARPETA_SALIDA]

CARPETA_TSV contiene dmc.tsv (columna numero r g b comentado) y anchor.tsv (columna numero r g b).
La salida por defecto es threads/datos/ junto a este script. Los ficheros se escriben en UTF-8
con un salto de línea al final de cada línea.
"""
import csv
import os
import sys

# Líneas en blanco entre dos columnas del catálogo y al final del texto (para que cada
# catálogo tenga su número de líneas de siempre: DMC 488, ANCHOR 483).
BLANCOS_ENTRE_COLUMNAS = 2
BLANCOS_FINALES_DMC = 5
BLANCOS_FINALES_ANCHOR = 3

CABECERA_DMC = [
    "; Palera de Hilos DMC sacada del catálogo de hilos DMC.",
    "; Año 2000. Scanner HP ScanJet Series II",
    "; Se han quitado los colores que HAN desaparecido en el 2001",
]
CABECERA_ANCHOR = [";ANCHOR escaneadas de la Tabla de HILOS (año 2001)"]
COMENTARIO_GRISES = ";Grises ARREGLADO a MANO"
COLUMNA_GRISES = 18

CABECERA_EQUIVALENCIAS = ";DMC <----> ANCHOR (SEGUN CUADRO EQUIVALENCIAS ANCHOR)"

# Pares DMC ANCHOR del cuadro de equivalencias, en su orden.
EQUIVALENCIAS = [
    "-1 1", "-2 2", "-3 387", "208 111", "209 109", "210 108", "211 342", "221 897", "223 895", "224 893",
    "225 1026", "300 352", "301 1049", "304 1006", "307 289", "309 42", "310 403", "311 148", "312 979", "315 1019",
    "316 1017", "317 400", "318 399", "319 218", "320 215", "321 9046", "322 978", "326 59", "327 100", "333 119",
    "334 977", "335 38", "336 150", "340 118", "341 117", "347 1025", "349 13", "350 11", "351 10", "352 9",
    "353 6", "355 1014", "356 5975", "367 217", "368 214", "369 1043", "370 855", "371 854", "372 853", "400 351",
    "402 1047", "407 914", "413 401", "414 235", "415 398", "420 374", "422 943", "433 371", "434 310", "435 1046",
    "436 1045", "437 362", "444 290", "445 288", "451 233", "452 232", "453 231", "469 267", "470 267", "471 266",
    "472 253", "498 1005", "500 683", "501 878", "502 876", "503 875", "504 1042", "517 162", "518 1039", "519 1038",
    "520 862", "522 860", "523 859", "524 858", "535 1041", "543 933", "550 101", "552 99", "553 98", "554 96",
    "561 212", "562 210", "563 208", "564 206", "580 281", "581 280", "597 168", "598 167", "600 78", "601 63",
    "602 57", "603 62", "604 55", "605 50", "606 335", "608 332", "610 889", "611 898", "612 832", "613 831",
    "632 936", "640 903", "642 392", "644 830", "645 273", "646 8581", "647 1040", "648 900", "666 46", "676 891",
    "677 886", "680 901", "699 923", "700 228", "701 227", "702 226", "703 238", "704 256", "712 926", "718 88",
    "720 326", "721 324", "722 323", "725 305", "726 295", "727 293", "729 890", "730 845", "731 924", "732 281",
    "733 280", "734 279", "738 361", "739 366", "740 316", "741 304", "742 303", "743 302", "744 301", "745 300",
    "746 275", "747 158", "754 1012", "758 9575", "760 1022", "761 1021", "762 234", "772 259", "775 128", "776 24",
    "778 968", "780 310", "781 309", "782 308", "783 307", "791 178", "792 941", "793 176", "794 175", "796 133",
    "797 132", "798 131", "799 136", "800 144", "801 359", "806 168", "807 168", "809 130", "813 161", "814 45",
    "815 43", "816 1005", "817 13", "818 23", "819 271", "820 134", "822 390", "823 152", "824 164", "825 162",
    "826 161", "827 160", "828 9159", "829 906", "830 277", "831 277", "832 907", "833 907", "834 874", "838 380",
    "839 360", "840 379", "841 378", "842 376", "844 1041", "869 944", "890 683", "891 35", "892 28", "893 41",
    "894 26", "895 1044", "898 360", "899 52", "900 333", "902 897", "904 258", "905 257", "906 256", "907 255",
    "909 923", "910 230", "911 205", "912 209", "913 204", "915 1029", "917 89", "918 341", "919 340", "920 1004",
    "921 884", "922 1003", "924 851", "926 850", "927 848", "928 274", "930 1035", "931 1034", "932 1033", "934 862",
    "935 861", "936 846", "937 268", "938 381", "939 152", "943 188", "945 881", "946 332", "947 330", "948 1011",
    "950 4146", "951 1010", "954 203", "955 206", "956 54", "957 50", "958 187", "959 186", "961 76", "962 75",
    "963 73", "964 185", "966 206", "970 316", "971 316", "972 298", "973 297", "975 355", "976 1001", "977 1002",
    "986 246", "987 244", "988 243", "989 242", "991 189", "992 187", "993 186", "995 410", "996 433", "3011 845",
    "3012 844", "3013 842", "3021 905", "3022 8581", "3023 899", "3024 397", "3031 360", "3032 903", "3033 391", "3041 871",
    "3042 870", "3045 888", "3046 887", "3047 852", "3051 681", "3052 859", "3053 858", "3064 883", "3072 847", "3078 292",
    "3325 129", "3326 36", "3328 1024", "3340 329", "3341 328", "3345 268", "3346 267", "3347 266", "3348 264", "3350 65",
    "3354 74", "3362 263", "3363 262", "3364 260", "3371 382", "3607 87", "3608 86", "3609 85", "3685 1028", "3687 68",
    "3688 66", "3689 49", "3705 35", "3706 33", "3708 31", "3712 1023", "3713 1020", "3716 25", "3721 896", "3722 1027",
    "3726 1018", "3727 1016", "3731 76", "3733 75", "3740 873", "3743 869", "3746 1030", "3747 120", "3750 1036", "3752 1032",
    "3753 1031", "3755 140", "3756 1037", "3760 169", "3761 928", "3765 169", "3766 167", "3768 779", "3770 1009", "3772 1007",
    "3773 1008", "3774 778", "3776 1048", "3777 1015", "3778 1013", "3779 868", "3781 1050", "3782 388", "3787 393", "3790 393",
    "3799 236", "3801 1098", "3802 1019", "3803 69", "3804 63", "3805 62", "3806 62", "3807 122", "3808 1068", "3809 1066",
    "3810 1066", "3811 1060", "3812 188", "3813 875", "3814 1074", "3815 877", "3816 876", "3817 875", "3818 923", "3819 278",
    "3820 306", "3821 305", "3822 295", "3823 386", "3824 8", "3825 323", "3826 1049", "3827 311", "3828 373", "3829 901",
    "3830 5975",
]


def bloque_equivalencia(dmc):
    """Bloque de la tabla al que va un número DMC: especiales y 200, luego por centenas."""
    if dmc < 300:
        return 0
    if dmc < 400:
        return 1
    if dmc < 600:
        return 2
    if dmc < 1000:
        return dmc // 100 - 3  # 600 -> 3, 700 -> 4, 800 -> 5, 900 -> 6
    return 7


def leer_tsv(ruta):
    with open(ruta, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f, delimiter="\t"))


def linea_dmc(numero, r, g, b, columna):
    linea = f"{numero:<6}R:{r:<4}G:{g:<4}B:"
    if columna == COLUMNA_GRISES:
        return linea + f"{b:<4}" + COMENTARIO_GRISES
    return linea + str(b)


def linea_anchor(numero, r, g, b):
    return f"{numero}  R:{r} G:{g} B:{b}"


def por_columnas(filas, hacer_linea):
    """Devuelve las líneas de las columnas: marca de columna y entradas, con blancos entre columnas."""
    lineas = []
    actual = None
    for fila in filas:
        columna = int(fila["columna"])
        if columna != actual:
            if actual is not None:
                lineas += [""] * BLANCOS_ENTRE_COLUMNAS
            lineas.append(f";COLUMNA {columna}")
            actual = columna
        lineas.append(hacer_linea(fila, columna))
    return lineas


def texto_dmc(filas):
    def hacer(fila, columna):
        linea = linea_dmc(int(fila["numero"]), int(fila["r"]), int(fila["g"]), int(fila["b"]), columna)
        return ";" + linea if fila["comentado"] == "si" else linea

    return CABECERA_DMC + [""] + por_columnas(filas, hacer) + [""] * BLANCOS_FINALES_DMC


def texto_anchor(filas):
    def hacer(fila, _columna):
        return linea_anchor(int(fila["numero"]), int(fila["r"]), int(fila["g"]), int(fila["b"]))

    return CABECERA_ANCHOR + [""] + por_columnas(filas, hacer) + [""] * BLANCOS_FINALES_ANCHOR


def texto_equivalencias():
    lineas = [CABECERA_EQUIVALENCIAS]
    anterior = None
    for par in EQUIVALENCIAS:
        bloque = bloque_equivalencia(int(par.split()[0]))
        if anterior is not None and bloque != anterior:
            lineas.append("")
        lineas.append(par)
        anterior = bloque
    return lineas


def escribir(ruta, lineas, esperadas):
    if len(lineas) != esperadas:
        sys.exit(f"{ruta}: {len(lineas)} líneas, se esperaban {esperadas}")
    with open(ruta, "w", encoding="utf-8", newline="\n") as f:
        f.write("".join(l + "\n" for l in lineas))


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    entrada = sys.argv[1]
    salida = sys.argv[2] if len(sys.argv) > 2 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "threads", "datos")
    escribir(os.path.join(salida, "dmc.dat"), texto_dmc(leer_tsv(os.path.join(entrada, "dmc.tsv"))), 488)
    escribir(os.path.join(salida, "anchor.dat"), texto_anchor(leer_tsv(os.path.join(entrada, "anchor.tsv"))), 483)
    escribir(os.path.join(salida, "equivalencias.dat"), texto_equivalencias(), 399)


if __name__ == "__main__":
    main()
