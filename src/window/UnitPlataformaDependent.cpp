#include "window/UnitPlataformaDependent.h"

#include "text/Missatges.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QWidget>

#include <cstdlib>
#include <optional>

namespace tracima {
namespace {

constexpr const char* ClauLlengua = "TracimaWin32/Llengua";
constexpr const char* ClauLiniesSuaus = "TracimaWin32/LiniesSuaus";
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
    // A first start (no file, or no language in it) follows the desktop's language.
    const auto delSistema = [] {
        return std::string(NomLlenguaConfiguracio(LlenguaDelSistema(
            std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"))));
    };
    if (!QFileInfo::exists(cami)) return delSistema();
    if (FitxerMalmes(cami)) return perDefecte;
    QSettings s(cami, QSettings::IniFormat);
    if (s.status() != QSettings::NoError) return perDefecte;
    const QVariant valor = s.value(QLatin1String(ClauLlengua));
    if (!valor.isValid()) return delSistema();
    if (valor.typeId() != QMetaType::QString) return perDefecte;
    return valor.toString().left(49).toStdString();
}

namespace {

// Writes one key of the settings file (a file that could not be read is replaced);
// the file is rewritten (and synced to disk) only when the value changes.
int EscriureClau(const char* clau, const QString& text) {
    const QString cami = FitxerConfiguracio();
    QDir().mkpath(QFileInfo(cami).absolutePath());
    if (FitxerMalmes(cami)) QFile::remove(cami);
    QSettings s(cami, QSettings::IniFormat);
    if (s.status() == QSettings::NoError && s.value(QLatin1String(clau)) == text) return 0;
    s.setValue(QLatin1String(clau), text);
    s.sync();
    return s.status() == QSettings::NoError ? 0 : 1;
}

} // namespace

int EscriureLlenguaConfiguracio(std::string_view valor) {
    return EscriureClau(ClauLlengua,
                        QString::fromUtf8(valor.data(), static_cast<qsizetype>(valor.size())));
}

QString PaginaGuia(Llengua llengua) {
    constexpr const char* Carpetes[] = {"ca", "es", "en"};
    const QString pagina =
        QStringLiteral("/%1/index.html").arg(QLatin1String(EnLlengua(Carpetes, llengua)));
    const QString llocs[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/../share/doc/tracima/guide"),
        QStringLiteral(TRACIMA_GUIA_INSTALLADA), QStringLiteral(TRACIMA_GUIA_FONTS)};
    for (const QString& lloc : llocs)
        if (QFileInfo::exists(lloc + pagina)) return QFileInfo(lloc + pagina).canonicalFilePath();
    return {};
}

bool LlegirLiniesSuaus() {
    const QString cami = FitxerConfiguracio();
    if (!QFileInfo::exists(cami) || FitxerMalmes(cami)) return false;
    QSettings s(cami, QSettings::IniFormat);
    return s.status() == QSettings::NoError &&
           s.value(QLatin1String(ClauLiniesSuaus)).toString() == QStringLiteral("1");
}

int EscriureLiniesSuaus(bool suaus) {
    if (LlegirLiniesSuaus() == suaus) return 0;
    return EscriureClau(ClauLiniesSuaus, suaus ? QStringLiteral("1") : QStringLiteral("0"));
}

void FixarSempreVisible(QWidget* finestra, bool sempreVisible) {
    if (finestra == nullptr) return;
    const bool visible = finestra->isVisible();
    finestra->setWindowFlag(Qt::WindowStaysOnTopHint, sempreVisible);
    if (visible) finestra->show();
}

namespace {

QString CarpetaDades() {
    QString carpeta = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (carpeta.isEmpty()) carpeta = QDir::homePath() + QStringLiteral("/.local/share");
    return carpeta;
}

QString CarpetaConfiguracio() { return QFileInfo(FitxerConfiguracio()).absolutePath(); }

QString TipusMime(std::string_view extensio) {
    Q_UNUSED(extensio);
    return QStringLiteral("application/x-tracima");
}

QString IdEntrada() { return QStringLiteral("tracima.desktop"); }

// The lines of a small text file (empty when it cannot be read).
QStringList Linies(const QString& cami) {
    QFile f(cami);
    if (!f.open(QIODevice::ReadOnly) || f.size() > MidaMaximaConfiguracio) return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
}

// The value of `clau` in section `seccio` of an INI-like file (desktop entries,
// mimeapps.list); keys may hold "/".
QString Valor(const QStringList& linies, const QString& seccio, const QString& clau) {
    bool dins = false;
    for (QString l : linies) {
        l = l.trimmed();
        if (l.startsWith(QLatin1Char('['))) {
            dins = l == QLatin1Char('[') + seccio + QLatin1Char(']');
            continue;
        }
        if (dins && l.startsWith(clau + QLatin1Char('='))) return l.mid(clau.size() + 1).trimmed();
    }
    return {};
}

bool Escriure(const QString& cami, const QByteArray& dades) {
    QDir().mkpath(QFileInfo(cami).absolutePath());
    QFile f(cami);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(dades) == dades.size();
}

} // namespace

QString ProgramaPropi() { return QFileInfo(QCoreApplication::applicationFilePath()).absoluteFilePath(); }

std::string NetejarOrdre(std::string ordre) {
    if (const std::size_t p = ordre.find('%'); p != std::string::npos) ordre.erase(p);
    if (!ordre.empty() && ordre.front() == '"') ordre.erase(0, 1);
    if (!ordre.empty() && ordre.back() == '"') ordre.pop_back();
    while (!ordre.empty() && (ordre.back() == ' ' || ordre.back() == '"')) ordre.pop_back();
    return ordre;
}

namespace {

QStringList CarpetesXdg(const char* variable, const QString& perDefecte) {
    return qEnvironmentVariable(variable, perDefecte).split(QLatin1Char(':'), Qt::SkipEmptyParts);
}

// The command a desktop entry runs, cleaned.
std::string OrdreDe(const QStringList& entrada) {
    return NetejarOrdre(
        Valor(entrada, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")).toStdString());
}

// The command of an installed desktop entry (user's first, then the system's).
std::optional<std::string> OrdreDeLEntrada(const QString& id, const QStringList& carpetesDades) {
    if (id.isEmpty() || id.contains(QLatin1Char('/'))) return std::nullopt;
    for (const QString& carpeta : carpetesDades) {
        const QString entrada = carpeta + QStringLiteral("/applications/") + id;
        if (QFileInfo::exists(entrada)) return OrdreDe(Linies(entrada));
    }
    return std::nullopt;
}

} // namespace

std::string LlegirAssociacio(std::string_view extensio) {
    // The association as the desktop resolves it: the defaults of every
    // mimeapps.list, the user's before the system's, then any installed desktop
    // entry that handles the type.
    const QString tipus = TipusMime(extensio);
    const QStringList carpetesDades =
        QStringList{CarpetaDades()} +
        CarpetesXdg("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));
    QStringList llistes{CarpetaConfiguracio() + QStringLiteral("/mimeapps.list")};
    for (const QString& c : CarpetesXdg("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")))
        llistes << c + QStringLiteral("/mimeapps.list");
    for (const QString& c : carpetesDades)
        llistes << c + QStringLiteral("/applications/mimeapps.list");
    for (const QString& llista : llistes) {
        const QString ids = Valor(Linies(llista), QStringLiteral("Default Applications"), tipus);
        for (const QString& id : ids.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (const auto ordre = OrdreDeLEntrada(id.trimmed(), carpetesDades)) return *ordre;
    }
    for (const QString& carpeta : carpetesDades) {
        const QDir aplicacions(carpeta + QStringLiteral("/applications"));
        for (const QString& id :
             aplicacions.entryList({QStringLiteral("*.desktop")}, QDir::Files, QDir::Name)) {
            const QStringList linies = Linies(aplicacions.filePath(id));
            const QStringList tipusEntrada =
                Valor(linies, QStringLiteral("Desktop Entry"), QStringLiteral("MimeType"))
                    .split(QLatin1Char(';'), Qt::SkipEmptyParts);
            if (tipusEntrada.contains(tipus)) return OrdreDe(linies);
        }
    }
    return {};
}

bool MateixPrograma(const std::string& registrat, const QString& programa) {
    QString cami = QString::fromStdString(registrat);
    if (!cami.contains(QLatin1Char('/'))) cami = QStandardPaths::findExecutable(cami);
    if (cami.isEmpty()) return false;
    const QString a = QFileInfo(cami).canonicalFilePath(), b = QFileInfo(programa).canonicalFilePath();
    return !a.isEmpty() && a == b;
}

int EscriureAssociacio(std::string_view extensio, const QString& programa) {
    const QString tipus = TipusMime(extensio);
    const QString glob = QStringLiteral("*.") + QString::fromUtf8(extensio.data(), static_cast<qsizetype>(extensio.size()));
    const QByteArray mime = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "  <mime-type type=\"%1\">\n"
        "    <comment>Tracima document</comment>\n"
        "    <comment xml:lang=\"ca\">Document del Tracima</comment>\n"
        "    <comment xml:lang=\"es\">Documento de Tracima</comment>\n"
        "    <glob pattern=\"%2\"/>\n"
        "  </mime-type>\n"
        "</mime-info>\n").arg(tipus, glob).toUtf8();
    const QString mimeDir = CarpetaDades() + QStringLiteral("/mime");
    bool be = Escriure(mimeDir + QStringLiteral("/packages/tracima.xml"), mime);
    QString exec = programa;
    if (exec.contains(QLatin1Char(' '))) exec = QLatin1Char('"') + exec + QLatin1Char('"');
    const QByteArray entrada = QStringLiteral(
        "[Desktop Entry]\nType=Application\nName=Tracima\n"
        "Comment=Study real functions of one real variable\n"
        "Comment[ca]=Estudi de funcions reals d'una variable real\n"
        "Comment[es]=Estudio de funciones reales de una variable real\n"
        "Exec=%1 %f\nIcon=tracima\nTerminal=false\nCategories=Education;Math;\nMimeType=%2;\n")
                                   .arg(exec, tipus)
                                   .toUtf8();
    be = Escriure(CarpetaDades() + QStringLiteral("/applications/") + IdEntrada(), entrada) && be;
    // mimeapps.list: the default for the type, every other line kept.
    const QString llista = CarpetaConfiguracio() + QStringLiteral("/mimeapps.list");
    QStringList linies = Linies(llista);
    while (!linies.isEmpty() && linies.last().trimmed().isEmpty()) linies.removeLast();
    const QString clau = tipus + QLatin1Char('=');
    int seccio = -1;
    for (int i = 0; i < linies.size(); ++i) {
        const QString l = linies[i].trimmed();
        if (l == QStringLiteral("[Default Applications]")) seccio = i;
        else if (seccio >= 0 && l.startsWith(QLatin1Char('['))) break;
        if (seccio >= 0 && l.startsWith(clau)) linies.removeAt(i--);
    }
    if (seccio < 0) {
        linies << QStringLiteral("[Default Applications]");
        seccio = static_cast<int>(linies.size()) - 1;
    }
    linies.insert(seccio + 1, clau + IdEntrada());
    be = Escriure(llista, (linies.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8()) && be;
    // The desktop's MIME cache, when its tool is there.
    const QString actualitzar = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (!actualitzar.isEmpty()) {
        QProcess p;
        p.start(actualitzar, {mimeDir});
        p.waitForFinished(10000);
    }
    return be ? 0 : 1;
}

bool ExecutarNouTracima() {
    return QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                   {QStringLiteral("NOABOUT")});
}

} // namespace tracima
