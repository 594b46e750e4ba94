// Start-up and the event loop.
#include "intern_gui.h"
#include "texte_gui.h"

#include <QApplication>
#include <QEventLoop>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int s_argc = 0;
char s_name[] = "programm";  // where the caller names no program
char *s_ersatz[] = {s_name, nullptr};
QEventLoop *s_schleife = nullptr;
const char *s_programm = s_name;
QtMessageHandler s_vorher = nullptr;
int s_fehlerausgabe = -1;  // standard error while platform plugins may write to it

// Platform plugins and the libraries below them write their own English
// lines straight to standard error while they look for a display
// (Wayland's "error: XDG_RUNTIME_DIR is invalid ..."). Until the
// application object stands, standard error goes into a temporary file;
// afterwards it is restored and what was held back follows, so a working
// start still shows every note.
void fehlerausgabeHalten()
{
    std::fflush(stderr);
    FILE *puffer = std::tmpfile();
    if (!puffer)
        return;
    s_fehlerausgabe = dup(STDERR_FILENO);
    if (s_fehlerausgabe >= 0)
        dup2(fileno(puffer), STDERR_FILENO);
    std::fclose(puffer);  // the descriptor 2 keeps the unnamed file open
}

// Restores standard error; @p weitergeben copies what was held back to it.
void fehlerausgabeZurueck(bool weitergeben)
{
    if (s_fehlerausgabe < 0)
        return;
    std::fflush(stderr);
    const int puffer = dup(STDERR_FILENO);
    dup2(s_fehlerausgabe, STDERR_FILENO);
    close(s_fehlerausgabe);
    s_fehlerausgabe = -1;
    if (puffer < 0)
        return;
    char block[4096];
    ssize_t n;
    lseek(puffer, 0, SEEK_SET);
    while (weitergeben && (n = read(puffer, block, sizeof block)) > 0)
        if (write(STDERR_FILENO, block, static_cast<size_t>(n)) != n)
            break;
    close(puffer);
}

// While the application object is made, Qt picks its platform the way it
// always does (-platform, QT_QPA_PLATFORM with its fallback list, -display,
// the session type). Where it finds no display it can use, Qt would abort;
// instead the program ends here with -1 and one German line, no window.
[[noreturn]] void ohneAnzeigeEnden()
{
    fehlerausgabeZurueck(false);
    std::fprintf(stderr, "%s: %s\n", s_programm, TK_TEXT_KEINE_ANZEIGE);
    std::_Exit(255);
}

void beimStart(QtMsgType typ, const QMessageLogContext &, const QString &)
{
    if (typ == QtFatalMsg)
        ohneAnzeigeEnden();
    // Qt's English notes on the way there stay unsaid
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
    while (argv[s_argc])
        ++s_argc;
    const char *schnitt = std::strrchr(argv[0], '/');
    s_programm = schnitt ? schnitt + 1 : argv[0];

    // German whatever the environment says: dates, sizes and Qt's own texts.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    s_vorher = qInstallMessageHandler(beimStart);
    fehlerausgabeHalten();
    auto *app = new QApplication(s_argc, argv);
    // A platform without a single screen (a frame buffer that is not
    // there) could show no window either.
    if (!QGuiApplication::primaryScreen())
        ohneAnzeigeEnden();
    fehlerausgabeZurueck(true);
    qInstallMessageHandler(s_vorher);
    app->setQuitOnLastWindowClosed(false);
    TK_MeldungsanzeigeSetzen(tk::meldungZeigen);
    tk::zugangEinrichten();
    // Qt sets the locale from the environment; printf-style formatting of the
    // export lines must keep the decimal point.
    std::setlocale(LC_NUMERIC, "C");
    auto *uebersetzung = new QTranslator(app);
    if (uebersetzung->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app->installTranslator(uebersetzung);
    return 1;
}

int PostDeferredCall(void (*function)(void *), void *data)
{
    if (!qApp || !function)
        return TK_FEHLER_NICHT_GESTARTET;
    QTimer::singleShot(0, qApp, [=] { function(data); });
    return 0;
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
