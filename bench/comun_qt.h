// El arranque de las mediciones que dibujan con Qt: una aplicación de Qt sin pantalla y las
// mediciones registradas.
#pragma once
#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace pc::medir {

inline int medir_con_qt(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

}  // namespace pc::medir
