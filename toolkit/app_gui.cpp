// Start-up and the event loop.
#include "intern_gui.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QTranslator>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

int s_argc = 0;
char s_name[] = "wlr7sinus";
char *s_ersatz[] = {s_name, nullptr};
QEventLoop *s_schleife = nullptr;

// The platform plugin Qt will use: "-platform X" on the command line, else
// QT_QPA_PLATFORM, else the X11 one.
QByteArray plattform(char *argv[])
{
    for (int i = 0; argv[i]; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 && argv[i + 1])
            return argv[i + 1];
    QByteArray env = qgetenv("QT_QPA_PLATFORM");
    return env.isEmpty() ? QByteArray("xcb") : env;
}

// Qt aborts the process when its display cannot be opened; find that out
// first, so that start-up can fail with a result instead.
bool anzeigeErreichbar(const QByteArray &name)
{
    if (name.startsWith("xcb")) {
        xcb_connection_t *c = xcb_connect(nullptr, nullptr);
        bool ok = xcb_connection_has_error(c) == 0;
        xcb_disconnect(c);
        return ok;
    }
    if (name.startsWith("wayland"))
        return !qgetenv("WAYLAND_DISPLAY").isEmpty();
    return true;
}

}  // namespace

namespace tk {
bool gestartet() { return qApp != nullptr; }
}  // namespace tk

int InitCVIRTEEx(void *, char *argv[], void *)
{
    if (qApp)
        return 1;
    if (!argv || !argv[0])
        argv = s_ersatz;
    if (!anzeigeErreichbar(plattform(argv)))
        return 0;
    while (argv[s_argc])
        ++s_argc;
    auto *app = new QApplication(s_argc, argv);
    app->setQuitOnLastWindowClosed(false);
    TK_MeldungsanzeigeSetzen(tk::meldungZeigen);
    // Qt sets the locale from the environment; printf-style formatting of the
    // export lines must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    // Qt's own dialogs (file selection, overwrite question) speak German.
    auto *uebersetzung = new QTranslator(app);
    if (uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app->installTranslator(uebersetzung);
    return 1;
}

int RunUserInterface(void)
{
    if (!qApp)
        return TK_FEHLER_NICHT_GESTARTET;
    QEventLoop schleife;
    QEventLoop *vorher = s_schleife;
    s_schleife = &schleife;
    int code = schleife.exec();
    s_schleife = vorher;
    return code;
}

int QuitUserInterface(int code)
{
    if (s_schleife)
        s_schleife->exit(code);
    return 0;
}

int SetSystemAttribute(int, int)
{
    return 0;
}
