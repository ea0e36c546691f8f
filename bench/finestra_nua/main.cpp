// The yardstick of bench/inici.sh and bench/memoria.sh: a bare Qt window with a
// menu bar of the same shape as the program's (five menus, a few items each) and
// a central widget, started and ended the same way (TRACIMA_SORTIR_DESPRES_DEL_PRIMER_FRAME
// ends it right after its first frame).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow finestra;
    for (const char* menu : {"&Arxiu", "&Opcions", "&1 funció", "&2 funcions", "&?"}) {
        QMenu* m = finestra.menuBar()->addMenu(QString::fromUtf8(menu));
        for (int i = 0; i < 8; ++i) m->addAction(QStringLiteral("Element %1").arg(i));
    }
    finestra.setCentralWidget(new QLabel(QStringLiteral("Tracima")));
    finestra.setGeometry(30, 50, 512, 403);
    finestra.show();
    if (qEnvironmentVariableIsSet("TRACIMA_SORTIR_DESPRES_DEL_PRIMER_FRAME"))
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
