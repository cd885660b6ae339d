#include "ventana/dialogos_qt.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <algorithm>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QStyle>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStringList>

#include "ventana/preferencias.h"
#include "ventana/textos_ui.h"
#include "app/opciones_impresion.h"

namespace pc::ui {
namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
QString u(const char* s) { return QString::fromUtf8(s); }

// Diálogo de ficheros de Qt (no el del sistema) con los rótulos en castellano, puestos después
// del modo (que cambia el botón de aceptar); `aceptar` es el texto de ese botón.
void rotular(QFileDialog& dlg, const char* aceptar) {
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setLabelText(QFileDialog::LookIn, u(texto::kBuscarEn));
    dlg.setLabelText(QFileDialog::FileName, u(texto::kNombreFichero));
    dlg.setLabelText(QFileDialog::FileType, u(texto::kTipoFichero));
    dlg.setLabelText(QFileDialog::Accept, u(aceptar));
    dlg.setLabelText(QFileDialog::Reject, u(texto::kCancelarDialogo));
}

// Diálogo de ficheros con los rótulos en castellano, abierto en la última carpeta usada para
// esa clase de fichero; vacío si se cancela.
QString elegir_fichero(QWidget* padre, const std::string& filtro, const std::string& extension, bool guardar) {
    const QString clase = clase_de_fichero(extension);
    QFileDialog dlg(padre, QString(), carpeta_de(clase));
    dlg.setAcceptMode(guardar ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(guardar ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dlg.setNameFilter(filtro_qt(filtro));
    rotular(dlg, guardar ? texto::kGuardar : texto::kAbrir);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return QString();
    const QString elegido = dlg.selectedFiles().constFirst();
    recordar_carpeta(clase, elegido);
    return elegido;
}

std::string sin_comodin(const std::string& extension) {
    std::size_t i = 0;
    while (i < extension.size() && (extension[i] == '*' || extension[i] == '.')) ++i;
    return extension.substr(i);
}

}  // namespace

QString filtro_qt(const std::string& filtro) {
    const QStringList partes = q(filtro).split(QLatin1Char('|'));
    QStringList salida;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        QStringList patrones = partes[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patrones) {
            p = p.trimmed();
            if (p == QLatin1String("*.*")) p = QStringLiteral("*");
        }
        const QString descripcion = partes[i].trimmed();
        const QString entre = QStringLiteral("(") + patrones.join(QLatin1Char(' ')) + QStringLiteral(")");
        // "Bitmaps (*.bmp)|*.bmp" ya lleva el patrón en la descripción.
        salida << (descripcion.endsWith(entre) ? descripcion : descripcion + QLatin1Char(' ') + entre);
    }
    return salida.join(QStringLiteral(";;"));
}

std::string con_extension(const std::string& fichero, const std::string& extension) {
    const std::string ext = sin_comodin(extension);
    if (fichero.empty() || ext.empty()) return fichero;
    if (!QFileInfo(q(fichero)).suffix().isEmpty()) return fichero;
    std::string resultado = fichero;
    if (resultado.back() != '.') resultado += '.';
    return resultado + ext;
}

std::string DialogosQt::entrada(const std::string& titulo, const std::string& texto,
                                const std::string& defecto) {
    QInputDialog dlg(padre_);
    dlg.setWindowTitle(q(titulo));
    dlg.setLabelText(q(texto));
    dlg.setTextValue(q(defecto));
    dlg.setOkButtonText(u(texto::kAceptar));
    dlg.setCancelButtonText(u(texto::kCancelarDialogo));
    // Lo bastante ancha para leer el título entero (con los botones de la barra) y el texto.
    const QFontMetrics fm(dlg.font());
    const int ancho = std::max({fm.horizontalAdvance(q(titulo)) + 160, fm.horizontalAdvance(q(texto)) + 60, 300});
    // El diálogo se ajusta a su contenido: se ensancha su campo de texto.
    if (auto* campo = dlg.findChild<QLineEdit*>()) campo->setMinimumWidth(ancho - 2 * dlg.style()->pixelMetric(QStyle::PM_LayoutLeftMargin));
    return dlg.exec() == QDialog::Accepted ? dlg.textValue().toStdString() : defecto;
}

namespace {
void caja_aviso(QWidget* padre, QMessageBox::Icon icono, const std::string& texto) {
    QMessageBox caja(icono, u(texto::kPrograma), q(texto), QMessageBox::Ok, padre);
    caja.button(QMessageBox::Ok)->setText(u(texto::kAceptar));
    caja.exec();
}
}  // namespace

void DialogosQt::mensaje(const std::string& texto) { caja_aviso(padre_, QMessageBox::Information, texto); }

bool DialogosQt::pregunta(const std::string& titulo, const std::string& texto) {
    QMessageBox caja(QMessageBox::Question, q(titulo), q(texto), QMessageBox::Yes | QMessageBox::No, padre_);
    caja.button(QMessageBox::Yes)->setText(u(texto::kSi));
    caja.button(QMessageBox::No)->setText(u(texto::kNo));
    caja.setDefaultButton(QMessageBox::Yes);
    return caja.exec() == QMessageBox::Yes;
}

RespuestaSalir DialogosQt::pregunta_con_grabar(const std::string& titulo, const std::string& texto,
                                               BotonesGrabar botones) {
    if (botones == BotonesGrabar::kReemplazar) {
        // Los botones de siempre de esta pregunta, en el orden del escritorio.
        QMessageBox caja(QMessageBox::Warning, q(titulo), q(texto),
                         QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, padre_);
        caja.button(QMessageBox::Save)->setText(u(texto::kGrabar));
        caja.button(QMessageBox::Discard)->setText(u(texto::kNoGrabar));
        caja.button(QMessageBox::Cancel)->setText(u(texto::kCancelarDialogo));
        caja.setDefaultButton(QMessageBox::Save);
        caja.setEscapeButton(QMessageBox::Cancel);
        switch (caja.exec()) {
            case QMessageBox::Save: return RespuestaSalir::kGrabar;
            case QMessageBox::Discard: return RespuestaSalir::kSi;
            default: return RespuestaSalir::kNo;
        }
    }
    QMessageBox caja(QMessageBox::Question, q(titulo), q(texto), QMessageBox::Yes | QMessageBox::No, padre_);
    caja.button(QMessageBox::Yes)->setText(u(texto::kSi));
    caja.button(QMessageBox::No)->setText(u(texto::kNo));
    QPushButton* grabar = caja.addButton(u(texto::kGrabar), QMessageBox::AcceptRole);
    caja.setDefaultButton(grabar);
    const int r = caja.exec();
    if (caja.clickedButton() == grabar) return RespuestaSalir::kGrabar;
    return r == QMessageBox::Yes ? RespuestaSalir::kSi : RespuestaSalir::kNo;
}

int DialogosQt::pregunta_botones(const std::string& titulo, const std::string& texto,
                                 const std::vector<std::string>& botones) {
    QMessageBox caja(QMessageBox::Question, q(titulo), q(texto), QMessageBox::NoButton, padre_);
    std::vector<QPushButton*> b;
    for (const std::string& t : botones) b.push_back(caja.addButton(q(t), QMessageBox::ActionRole));
    if (!b.empty()) {
        caja.setDefaultButton(b.front());
        caja.setEscapeButton(b.back());
    }
    caja.exec();
    for (std::size_t i = 0; i < b.size(); ++i)
        if (caja.clickedButton() == b[i]) return static_cast<int>(i);
    return -1;
}

std::optional<std::string> DialogosQt::abrir(const std::string& filtro, const std::string& extension) {
    const QString f = elegir_fichero(padre_, filtro, extension, false);
    if (f.isEmpty()) return std::nullopt;
    const std::string nombre = f.toStdString();
    // Como al teclear un nombre sin extensión: si no existe tal cual, se prueba con la de defecto.
    if (!QFileInfo::exists(f)) return con_extension(nombre, extension);
    return nombre;
}

std::optional<std::string> DialogosQt::guardar(const std::string& filtro, const std::string& extension) {
    const QString f = elegir_fichero(padre_, filtro, extension, true);
    if (f.isEmpty()) return std::nullopt;
    return con_extension(f.toStdString(), extension);
}

std::optional<DestinoImpresion> DialogosQt::dialogo_impresion(const std::string& filtro_pdf) {
    if (QPrinterInfo::availablePrinterNames().isEmpty()) return Dialogos::dialogo_impresion(filtro_pdf);
    QPrinter impresora(QPrinter::HighResolution);
    QPrintDialog dlg(&impresora, padre_);
    if (dlg.exec() != QDialog::Accepted) return std::nullopt;
    DestinoImpresion d;
    d.impresora = impresora.printerName().toStdString();
    if (impresora.outputFormat() == QPrinter::PdfFormat) d.fichero_pdf = impresora.outputFileName().toStdString();
    // El papel, la orientación y las copias que se eligieron.
    const QPageLayout pagina = impresora.pageLayout();
    const QSizeF mm = pagina.pageSize().size(QPageSize::Millimeter);
    d.papel = pagina.pageSize().name().toStdString();
    d.papel_ancho_mm = mm.width();
    d.papel_alto_mm = mm.height();
    d.apaisado = pagina.orientation() == QPageLayout::Landscape;
    d.copias = impresora.copyCount();
    return d;
}

std::optional<std::string> DialogosQt::elegir_carpeta(const std::string& titulo, const std::string& inicial) {
    QFileDialog dlg(padre_, q(titulo), q(inicial));
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    rotular(dlg, texto::kElegir);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
    return dlg.selectedFiles().constFirst().toStdString();
}

void DialogosQt::error(const std::string& texto) { caja_aviso(padre_, QMessageBox::Critical, texto); }

}  // namespace pc::ui
