// Un error fatal de Qt en la herramienta por lotes (sin complemento de plataforma, por ejemplo)
// se dice en castellano y sale con 1; los demás avisos de Qt no salen.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QtGlobal>
#include <string>

#include "render/mensajes_qt.h"

namespace pc {
namespace {

TEST(MensajesQt, LosAvisosNoSalenYUnErrorFatalSeDiceEnCastellano) {
    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        ::dup2(tubo[1], STDERR_FILENO);
        callar_avisos_qt();
        qWarning("QStandardPaths: XDG_RUNTIME_DIR not set");
        qFatal("could not connect to display");
        ::_exit(7);
    }
    ::close(tubo[1]);
    std::string err;
    char b[256];
    for (ssize_t n; (n = ::read(tubo[0], b, sizeof b)) > 0;) err.append(b, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), 1);
    EXPECT_EQ(err, "No se puede iniciar la parte gráfica: could not connect to display\n");
}

}  // namespace
}  // namespace pc
