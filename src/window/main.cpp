// Program entry: the main window, the language of the settings file, the event
// loop until the main window closes.
#include "window/UnitFormPrincipal.h"
#include "window/UnitPlataformaDependent.h"
#include "engine/UnitTools.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

bool TePantalla() {
    const char* plataforma = std::getenv("QT_QPA_PLATFORM");
    if (plataforma != nullptr && *plataforma != '\0' && std::strncmp(plataforma, "xcb", 3) != 0 &&
        std::strncmp(plataforma, "wayland", 7) != 0)
        return true; // offscreen, vnc, ...: the platform needs no display
    for (const char* nom : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* valor = std::getenv(nom);
        if (valor != nullptr && *valor != '\0') return true;
    }
    return false;
}

const char* const MissatgeSensePantalla =
    "tracima: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set; "
    "run it on a desktop or under xvfb-run)\n";

// While the application connects to the display: a display that is named but
// cannot be opened ends the program with one line, not with the platform
// plugin's warnings and abort.
void GestorMissatgesInici(QtMsgType tipus, const QMessageLogContext&, const QString&) {
    if (tipus != QtFatalMsg) return;
    const char* display = std::getenv("DISPLAY");
    std::fprintf(stderr, "tracima: cannot open the window: the display \"%s\" cannot be reached\n",
                 display ? display : "");
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
    if (!TePantalla()) {
        std::fputs(MissatgeSensePantalla, stderr);
        return 1;
    }
    qInstallMessageHandler(GestorMissatgesInici);
    QApplication app(argc, argv);
    qInstallMessageHandler(nullptr);
    QApplication::setApplicationName(QStringLiteral("Tracima"));

    tracima::ServeisQt serveis;
    tracima::TFormPrincipal finestra(serveis);
    finestra.IniciarLlengua(tracima::LlegirLlenguaConfiguracio());
    finestra.Iniciar(QApplication::arguments().mid(1));
    // For the start-up measurement (bench/inici.sh): end as soon as the first
    // frame has been painted (the window then skips its later start-up steps).
    if (qEnvironmentVariableIsSet("TRACIMA_SORTIR_DESPRES_DEL_PRIMER_FRAME"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
