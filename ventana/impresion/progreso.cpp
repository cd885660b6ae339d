#include "ventana/impresion/progreso.h"

#include <QProgressDialog>

#include "ventana/textos_ui.h"

namespace pc::ui {

ProgresoDibujo::ProgresoDibujo(QWidget* padre, const QString& texto)
    : dlg_(std::make_unique<QProgressDialog>(texto, QString::fromUtf8(texto::kCancelarDialogo), 0, 1, padre)) {
    dlg_->setObjectName(QStringLiteral("ProgresoDibujo"));
    dlg_->setWindowTitle(QString::fromUtf8(texto::kPrograma));
    dlg_->setWindowModality(Qt::WindowModal);
    dlg_->setMinimumDuration(kEsperaMs);
    dlg_->setAutoReset(false);
    dlg_->setAutoClose(false);
    dlg_->setValue(0);
}

ProgresoDibujo::~ProgresoDibujo() = default;

Avance ProgresoDibujo::avance() {
    return [this](int hechas, int total) {
        if (dlg_->maximum() != total) dlg_->setMaximum(std::max(total, 1));
        dlg_->setValue(std::min(hechas, dlg_->maximum()));
        return !dlg_->wasCanceled();
    };
}

bool ProgresoDibujo::cancelado() const { return dlg_->wasCanceled(); }

}  // namespace pc::ui
