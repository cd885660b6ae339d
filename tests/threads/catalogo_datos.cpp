// Contenido de los textos incorporados: catálogos DMC y ANCHOR y tabla de equivalencias.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "threads/catalogo.h"
#include "threads/datos.h"

namespace pc {
namespace {

// Números de hilo de cada columna, en el orden del catálogo.
const std::vector<std::string> kColumnasDmc = {
    "3713 761 760 3712 3328 347 353 352 351 350 349 817 3708 3706 3705 3801 666 321 304 498 816 815 814",
    "894 893 892 891 957 956 963 3716 962 961 3833 3832 3831 819 818 3326 899 335 309 326 3354 3733 3731 3350",
    "3689 3688 3687 3803 3685 225 224 223 3722 3721 221 778 3727 316 3726 315 3802 902 3743 3042 3041 3740 3836 3835 3834",
    "3806 3805 3804 605 604 603 602 601 600 3609 3608 3607 718 917 915 554 553 552 550 211 210 209 208 3837 327",
    "3747 341 340 3746 333 794 793 792 791 3807 3840 3839 3838 800 809 799 798 797 796 820 828 827 813 826 825 824",
    "3756 775 3841 3325 3755 334 322 312 311 336 823 939 3753 3752 932 931 930 3750 996 3843 995 3846 3845 3844",
    "3761 519 518 3760 517 3842 747 3766 807 3765 3811 598 597 3810 3809 3808 3849 3848 3847 964 959 958 3812",
    "3851 943 3850 993 992 3814 991 564 563 562 561 3817 3816 3815 3813 503 502 501 500 928 927 926 3768 924",
    "955 954 913 912 911 910 909 3818 966 369 368 320 367 319 890 989 988 987 986 772 3348 3347 3346 3345 895",
    "704 703 702 701 700 699 907 906 905 904 472 471 470 469 937 936 935 934 3053 3052 3051 524 523 522 520",
    "3364 3363 3362 3819 581 580 734 733 732 730 3013 3012 3011 372 371 370 834 833 832 831 830 829",
    "613 612 611 610 3047 3046 3045 677 422 3828 869 420 783 782 780 746 676 729 680 3829 3822 3821 3820 3852",
    "445 307 444 3078 727 726 725 3823 745 744 743 742 741 740 973 972 970 947 946 900 608 606 3824 3341 3340",
    "3825 722 721 720 922 921 920 919 918 3770 951 945 3856 402 3776 301 400 300 3855 3854 3853 3827 977 976 3826 975",
    "948 754 758 3778 356 3830 355 3777 3779 3859 3858 3857 3774 950 3064 407 3772 632 453 452 451 3861 3860",
    "712 739 738 437 436 435 434 433 801 898 938 3371 543 3864 3863 3862 842 841 840 839 838 3790 3781 3031",
    "-1 -2 3865 -3 822 644 642 640 3866 3033 3782 3032 3024 3023 3022 3787 3021 3072 648 647 646 645 535 844",
    "762 415 318 414 317 413 3799 310",
};

const std::vector<std::string> kColumnasAnchor = {
    "292 293 295 297 298 288 289 290 291 275 386 300 301 302 303 304 311 313 314 316 925 328 329 330 332 333 334 335 323 324 326 1003 1004 1010 1047 1048 1049 351 352",
    "305 306 307 308 309 310 891 890 901 372 373 374 375 942 943 944 361 362 363 365 1045 1046 1002 1001 347 349 355 357 366 367 368 369 370 371 358 359 360 380 381 382",
    "1011 1012 868 9575 1013 5975 1014 336 337 338 339 340 341 882 883 884 778 4146 1008 914 1007 936 1009 880 881 933 376 378 379 276 1080 1082 1084 1086 1088 1020 1021 1022 1023 1024 1025 1015",
    "6 8 9 10 11 13 31 33 35 1098 46 9046 47 19 20 22 23 24 25 26 27 28 29 1006 1005 36 38 39 40 41 42 43 44 45 1094 55 57 59",
    "48 49 50 52 54 60 62 63 65 73 74 75 76 77 78 1028 66 68 69 70 72 892 893 894 895 1027 896 897 271 1026 968 969 970 972 869 870 871 872 873",
    "1016 1017 1018 1019 85 86 87 88 89 1029 103 96 92 94 90 97 95 98 99 100 101 102 342 108 109 110 111 112 117 118 1030 119 120 121 122 123 127 175 176 177 178",
    "939 940 941 144 136 137 139 130 131 132 133 134 140 142 143 128 129 145 146 147 148 149 150 152 1031 1032 1033 1034 1035 1036 975 976 977 978 979 1090 433 1089 410",
    "1037 1096 343 920 921 922 159 161 162 164 160 9159 1038 1039 158 928 167 168 169 170 847 274 848 849 850 779 851 1060 1062 1064 1066 1068 1092 185 186 187 188 189",
    "1070 1072 1074 1076 1042 875 876 877 878 879 203 204 209 205 230 206 208 210 211 212 213 214 215 216 217 218 683 858 859 860 861 862 264 265 266 267 268 269",
    "225 226 227 228 229 923 1043 240 241 242 243 244 246 1044 238 239 245 253 254 255 256 257 258 259 260 261 262 263 278 279 280 281 924 842 843 844 845 846 681",
    "1 2 926 387 388 390 391 392 393 899 903 904 905 900 1040 8581 273 1041 852 853 854 855 856 830 831 832 898 956 945 885 886 887 888 889 1050 874 907 277 906",
    "231 232 233 234 235 236 397 398 399 400 401 403",
};

std::vector<int> numeros(const std::string& s) {
    std::istringstream in(s);
    std::vector<int> v;
    for (int n; in >> n;) v.push_back(n);
    return v;
}

// Comprueba que la tabla tiene, columna a columna y en orden, los números esperados.
void comprobar_columnas(const TablaHilos& t, const std::vector<std::string>& columnas) {
    int i = 1;
    for (std::size_t c = 0; c < columnas.size(); ++c) {
        for (int n : numeros(columnas[c])) {
            ASSERT_LE(i, t.total);
            EXPECT_EQ(t[i].numero, n) << "entrada " << i;
            EXPECT_EQ(t[i].columna, static_cast<int>(c) + 1) << "entrada " << i;
            ++i;
        }
    }
    EXPECT_EQ(i - 1, t.total);
    std::set<int> nums, colores;
    for (int k = 1; k <= t.total; ++k) {
        nums.insert(t[k].numero);
        colores.insert(t[k].color);
    }
    EXPECT_EQ(static_cast<int>(nums.size()), t.total) << "números repetidos";
    EXPECT_EQ(static_cast<int>(colores.size()), t.total) << "colores repetidos";
}

int posicion(const std::vector<std::string>& lineas, const std::string& l) {
    auto it = std::find(lineas.begin(), lineas.end(), l);
    return it == lineas.end() ? -1 : static_cast<int>(it - lineas.begin()) + 1;
}

TEST(CatalogoDatos, Dmc) {
    const auto& l = lineas_dmc_incorporado();
    ASSERT_EQ(l.size(), 488u);
    EXPECT_EQ(l[0], "; Palera de Hilos DMC sacada del catálogo de hilos DMC.");
    EXPECT_EQ(l[1], "; Año 2000. Scanner HP ScanJet Series II");
    EXPECT_EQ(l[2], "; Se han quitado los colores que HAN desaparecido en el 2001");
    EXPECT_EQ(l[3], "");
    EXPECT_EQ(l[4], ";COLUMNA 1");
    EXPECT_EQ(l[5], "3713  R:246 G:186 B:190");
    EXPECT_GT(posicion(l, "3712  R:212 G:84  B:92"), 5);
    const int b5200 = posicion(l, "-1    R:250 G:250 B:248");
    EXPECT_GT(b5200, posicion(l, ";COLUMNA 17"));
    EXPECT_EQ(posicion(l, "-2    R:252 G:251 B:248"), b5200 + 1);
    EXPECT_GT(posicion(l, "-3    R:237 G:222 B:195"), b5200 + 1);
    EXPECT_EQ(posicion(l, "762   R:212 G:212 B:212 ;Grises ARREGLADO a MANO"), posicion(l, ";COLUMNA 18") + 1);
    EXPECT_GT(posicion(l, "310   R:2   G:2   B:2   ;Grises ARREGLADO a MANO"), 0);
    EXPECT_EQ(posicion(l, ";776   R:244 G:160 B:176"), 8);
    for (const char* comentado : {";806 ", ";504 ", ";731 ", ";781 ", ";971 ", ";3773"}) {
        EXPECT_EQ(std::count_if(l.begin(), l.end(), [&](const std::string& s) { return s.rfind(comentado, 0) == 0; }),
                  1)
            << comentado;
    }
    // Los valores alineados: "R:" en la columna 7, "G:" en la 13 y "B:" en la 19.
    int entradas = 0, grises = 0;
    for (const auto& s : l) {
        if (s.empty() || s[0] == ';') continue;
        ++entradas;
        EXPECT_EQ(s.substr(6, 2), "R:") << s;
        EXPECT_EQ(s.substr(12, 2), "G:") << s;
        EXPECT_EQ(s.substr(18, 2), "B:") << s;
        EXPECT_NE(s.back(), ' ') << s;
        if (s.find(";Grises ARREGLADO a MANO") != std::string::npos) ++grises;
    }
    EXPECT_EQ(entradas, 420);
    EXPECT_EQ(grises, 8);

    TablaHilos t;
    std::array<std::string, kColumnasCatalogo + 1> titulos{};
    leer_catalogo(l, t, titulos);
    EXPECT_EQ(t.total, 420);
    comprobar_columnas(t, kColumnasDmc);
    EXPECT_EQ(titulos[1], "COLUMNA 1");
    EXPECT_EQ(titulos[18], "COLUMNA 18");
    EXPECT_EQ(titulos[19], "");
    // Los grises de la columna 18, de 30 en 30.
    for (int k = 0; k < 8; ++k) {
        const int v = 212 - 30 * k;
        EXPECT_EQ(t[413 + k].color, v + v * 256 + v * 65536);
    }
}

TEST(CatalogoDatos, Anchor) {
    const auto& l = lineas_anchor_incorporado();
    ASSERT_EQ(l.size(), 483u);
    EXPECT_EQ(l[0], ";ANCHOR escaneadas de la Tabla de HILOS (año 2001)");
    EXPECT_EQ(l[1], "");
    EXPECT_EQ(l[2], ";COLUMNA 1");
    EXPECT_EQ(l[3], "292  R:253 G:244 B:169");
    EXPECT_GT(posicion(l, "403  R:44 G:35 B:30"), posicion(l, ";COLUMNA 12"));

    TablaHilos t;
    std::array<std::string, kColumnasCatalogo + 1> titulos{};
    leer_catalogo(l, t, titulos);
    EXPECT_EQ(t.total, 444);
    comprobar_columnas(t, kColumnasAnchor);
    EXPECT_EQ(t[444].numero, 403);
    EXPECT_EQ(t[444].color, 44 + 35 * 256 + 30 * 65536);
}

TEST(CatalogoDatos, Equivalencias) {
    const auto& l = lineas_equivalencias();
    ASSERT_EQ(l.size(), 399u);
    EXPECT_EQ(l[0], ";DMC <----> ANCHOR (SEGUN CUADRO EQUIVALENCIAS ANCHOR)");
    EXPECT_EQ(l[1], "-1 1");
    EXPECT_EQ(l[2], "-2 2");
    EXPECT_EQ(l[3], "-3 387");
    EXPECT_EQ(l[4], "208 111");
    EXPECT_EQ(l.back(), "3830 5975");
    EXPECT_GT(posicion(l, "310 403"), 0);
    int vacias = 0, pares = 0;
    std::set<int> dmc;
    std::map<int, int> usos_anchor;
    int anterior = -4;
    for (std::size_t i = 1; i < l.size(); ++i) {
        if (l[i].empty()) {
            ++vacias;
            EXPECT_FALSE(l[i - 1].empty()) << "dos líneas vacías seguidas";
            continue;
        }
        const auto v = numeros(l[i]);
        ASSERT_EQ(v.size(), 2u) << l[i];
        EXPECT_EQ(l[i], std::to_string(v[0]) + " " + std::to_string(v[1]));
        ++pares;
        EXPECT_TRUE(dmc.insert(v[0]).second) << "DMC repetido " << v[0];
        if (v[0] > 0) {
            EXPECT_GT(v[0], anterior);
            anterior = v[0];
        }
        ++usos_anchor[v[1]];
    }
    EXPECT_EQ(pares, 391);
    EXPECT_EQ(vacias, 7);
    int compartidos = 0, lineas_compartidas = 0;
    for (const auto& [anchor, n] : usos_anchor) {
        if (n > 1) {
            ++compartidos;
            lineas_compartidas += n;
        }
    }
    EXPECT_EQ(compartidos, 51);
    EXPECT_EQ(lineas_compartidas, 110);
}

}  // namespace
}  // namespace pc
