#include "app/UnitPlataformaDependent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QWidget>

namespace tracima {
namespace {

constexpr const char* ClauLlengua = "TracimaWin32/Llengua";
constexpr qint64 MidaMaximaConfiguracio = 64 * 1024;

// True when the file exists but is not a settings text this program can trust:
// unreadable, too large, with a NUL byte or not UTF-8.
bool FitxerMalmes(const QString& cami) {
    QFile f(cami);
    if (!f.exists()) return false;
    if (!f.open(QIODevice::ReadOnly) || f.size() > MidaMaximaConfiguracio) return true;
    const QByteArray dades = f.readAll();
    if (dades.contains('\0')) return true;
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)utf8.decode(dades);
    return utf8.hasError();
}

} // namespace

QString FitxerConfiguracio() {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (carpeta.isEmpty()) carpeta = QDir::homePath() + QStringLiteral("/.config");
    return carpeta + QStringLiteral("/TracimaWin32.ini");
}

std::string LlegirLlenguaConfiguracio() {
    const std::string perDefecte = "Catala";
    const QString cami = FitxerConfiguracio();
    if (!QFileInfo::exists(cami) || FitxerMalmes(cami)) return perDefecte;
    QSettings s(cami, QSettings::IniFormat);
    if (s.status() != QSettings::NoError) return perDefecte;
    const QVariant valor = s.value(QLatin1String(ClauLlengua));
    if (!valor.isValid() || valor.typeId() != QMetaType::QString) return perDefecte;
    return valor.toString().left(49).toStdString();
}

int EscriureLlenguaConfiguracio(std::string_view valor) {
    const QString cami = FitxerConfiguracio();
    QDir().mkpath(QFileInfo(cami).absolutePath());
    if (FitxerMalmes(cami)) QFile::remove(cami);
    QSettings s(cami, QSettings::IniFormat);
    s.setValue(QLatin1String(ClauLlengua),
               QString::fromUtf8(valor.data(), static_cast<qsizetype>(valor.size())));
    s.sync();
    return s.status() == QSettings::NoError ? 0 : 1;
}

void FixarSempreVisible(QWidget* finestra, bool sempreVisible) {
    if (finestra == nullptr) return;
    const bool visible = finestra->isVisible();
    finestra->setWindowFlag(Qt::WindowStaysOnTopHint, sempreVisible);
    if (visible) finestra->show();
}

bool ExecutarNouTracima() {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   {QStringLiteral("NOABOUT")});
}

} // namespace tracima
