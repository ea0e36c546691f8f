// The main of the window tests: an offscreen platform, a temporary home and the C
// locale, so no window is shown, no file of the user is read or written, and a
// first start is in Catalan whatever the desktop's language.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir casa;
    if (!casa.isValid()) return 2;
    const QByteArray arrel = casa.path().toLocal8Bit();
    for (const auto& [nom, valor] : {std::pair{"QT_QPA_PLATFORM", QByteArray("offscreen")}, {"HOME", arrel},
                                     {"XDG_CONFIG_HOME", arrel + "/config"}, {"XDG_DATA_HOME", arrel + "/data"}, {"XDG_RUNTIME_DIR", arrel}})
        setenv(nom, valor.constData(), 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    setenv("LANG", "C", 1);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
