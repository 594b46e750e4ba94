// The real window under random keyboard and mouse play: keys, shortcuts and
// mnemonics, typed texts (numbers, units, nonsense), ring choices, wheel
// notches, menu items, clicks and hovering anywhere in the window. File
// dialogs answer from a list of paths that includes ones that block (a
// FIFO, /proc/kmsg, /dev/zero) and ones that are no file; popups are
// recorded; a menu or list left open is closed as a person would with
// Escape. The run fails when the window stops answering: a watchdog thread
// sees no action finish for WLR7_AFFE_FRIST seconds (default 5) and ends
// the program, naming the seed and the action. A crash or a sanitizer
// report ends it anyway. WLR7_AFFE_SEKUNDEN sets the length of the run
// (default 20), WLR7_AFFE_SAAT the seed (default 1; 0: from the clock).
#include "Sinuserzeugung_gui.h"
#include "bedienung.h"
#include "fenster_fixture.h"
#include "intern_gui.h"

#include <QApplication>
#include <QMenu>
#include <QWindow>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

const int STANDARD_SEKUNDEN = 20;
const int STANDARD_FRIST = 5;
const int AUFRAEUMEN_MS = 200;  // how often an open menu or list is closed

long Umgebung(const char *name, long standard)
{
    const char *s = std::getenv(name);
    return s && *s ? std::strtol(s, nullptr, 10) : standard;
}

// What the main thread is doing, for the watchdog to name.
std::atomic<long> gFertig{0};
char gAktion[256];
std::atomic<bool> gAus{false};

const char *const TASTEN[] = {
    "Tab", "Shift+Tab", "Return", "Escape", "Up", "Down", "Left", "Right", "PgUp", "PgDown", "Home", "End", "Space",
    "Backspace", "Delete", "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Y", "Ctrl+S", "Ctrl+O", "F1", "Shift+F1", "Alt+Down",
    "Alt+A", "Alt+B", "Alt+D", "Alt+E", "Alt+F", "Alt+H", "Alt+K", "Alt+O", "Alt+P", "Alt+R", "Alt+S", "Alt+W",
    "Alt+Z", "Ctrl+A", "Ctrl+C", "Ctrl+V", "Ctrl+X",
};
// ASCII only: Qt Test types no other characters as keys.
const char *const TEXTE[] = {
    "5", "0", "-3", "2,5k", "7 Vss", "1e308", "-1e308", "1e-300", "nan", "inf", "abc", "", "16358", "0.0004",
    "0.06113", "10m", "3 Veff", "50u", "1std", "1s", "20000", "20001", "99999999999999999999", "1.2.3",
    "   ", "12 Hz", "8", "125", "2.5", "1000", "0,5", "-0", "4", "5m", "1min",
};
const int NUMERISCH[] = {WLR7UMAX, AMPLITUDEDACH, AMPLITUDEEFF, OFFSET, FREQUENZ, PERIODENDAUER, ANZAHLPERIODEN};
const int RINGE[] = {ZEITBASIS, KURVENNUMMER};
// Every item but Beenden, which would end the run.
const int MENUS[] = {EXPORTIEREN, GRAFIKSPEICHERN, RUECKGAENGIG, WIEDERHOLEN, GANZEKURVE, BEDIENUNG, KURVEOEFFNEN,
                     REFERENZENTFERNEN, ZEITACHSE, UEBER, EINGABENAUSKURVE, EINGABENAUSREFERENZ, ZEITBASISANPASSEN};

template <typename T, size_t N> const T &Eines(std::mt19937 &z, const T (&a)[N])
{
    return a[std::uniform_int_distribution<size_t>(0, N - 1)(z)];
}

QPoint Punkt(std::mt19937 &z, const QWidget *w)
{
    return {std::uniform_int_distribution<int>(0, w->width() - 1)(z), std::uniform_int_distribution<int>(0, w->height() - 1)(z)};
}

class Affe : public FensterTest {
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        ordner = TestOrdner();
        const std::string fifo = ordner + "/rohr";
        ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
        DateiSchreiben(ordner + "/fremd.txt", "kein Kurvenformat\n");
        pfade = {ordner + "/kurve.txt", ordner + "/bild.png", ordner + "/bild.svg", ordner + "/fremd.txt", fifo,
                 "/proc/kmsg", "/dev/zero", ordner, "/gibt/es/nicht.txt", ordner + "/neu/x.txt"};
    }

    // The next file dialog's answer: cancelled, an existing file or a new one.
    void DialogVorbereiten(std::mt19937 &z)
    {
        gDateiauswahl.pfad = pfade[std::uniform_int_distribution<size_t>(0, pfade.size() - 1)(z)];
        gDateiauswahl.ergebnis = std::uniform_int_distribution<int>(0, 2)(z);
        gDateiauswahl.titel.clear();
    }

    void Aktion(std::mt19937 &z)
    {
        QWidget *fenster = tk::panel(gPanelMain)->fenster;
        // A menu, list or tip an action left open goes first, as Escape
        // would close it: the keyboard driver waits for the window itself.
        while (QWidget *p = QApplication::activePopupWidget())
            p->close();
        if (fenster->windowHandle() && !fenster->windowHandle()->isActive()) {
            fenster->windowHandle()->requestActivate();
            QApplication::processEvents();
        }
        const int art = std::uniform_int_distribution<int>(0, 9)(z);
        DialogVorbereiten(z);
        switch (art) {
        case 0:
        case 1: {
            const char *t = Eines(z, TASTEN);
            Merken("Taste %s (Dialog: %s, %d)", t, gDateiauswahl.pfad.c_str(), gDateiauswahl.ergebnis);
            TK_Tasten(gPanelMain, t);
            break;
        }
        case 2: {
            const char *t = Eines(z, TEXTE);
            Merken("Text \"%s\"", t);
            TK_TextTippen(gPanelMain, t);
            break;
        }
        case 3: {
            const int c = Eines(z, NUMERISCH);
            const char *t = Eines(z, TEXTE);
            Merken("Feld %d: \"%s\"", c, t);
            TK_Tippen(gPanelMain, c, t);
            break;
        }
        case 4: {
            const int c = Eines(z, RINGE), i = std::uniform_int_distribution<int>(0, 16)(z);
            Merken("Ring %d: %d", c, i);
            TK_RingWaehlen(gPanelMain, c, i);
            break;
        }
        case 5: {
            const int c = std::uniform_int_distribution<int>(WLR7UMAX, WARNZEILE)(z);
            const int n = std::uniform_int_distribution<int>(-3, 3)(z);
            Merken("Rad %d: %d", c, n);
            TK_Rad(gPanelMain, c, n);
            break;
        }
        case 6: {
            const int m = Eines(z, MENUS);
            Merken("Menü %d (Dialog: %s, %d)", m, gDateiauswahl.pfad.c_str(), gDateiauswahl.ergebnis);
            TK_MenuWaehlen(gPanelMain, m);
            break;
        }
        case 7:
            Merken("Exportieren (Dialog: %s, %d)", gDateiauswahl.pfad.c_str(), gDateiauswahl.ergebnis);
            TK_Klicken(gPanelMain, SPEICHERN);
            break;
        case 8: {  // a click anywhere in the window
            const QPoint p = Punkt(z, fenster);
            const Qt::MouseButton k = std::uniform_int_distribution<int>(0, 3)(z) == 0 ? Qt::RightButton : Qt::LeftButton;
            Merken("Klick %d,%d %s", p.x(), p.y(), k == Qt::LeftButton ? "links" : "rechts");
            QWidget *ziel = fenster->childAt(p);
            if (!ziel)
                ziel = fenster;
            QTest::mouseClick(ziel, k, Qt::NoModifier, ziel->mapFrom(fenster, p));
            break;
        }
        default: {  // hovering over the graph reads a value
            QWidget *g = tk::control(gPanelMain, GRAPH);
            const QPoint p = Punkt(z, g);
            Merken("Maus über der Grafik %d,%d", p.x(), p.y());
            QTest::mouseMove(g, p);
            break;
        }
        }
        QApplication::processEvents();
        gFertig.fetch_add(1);
    }

    template <typename... A> static void Merken(const char *format, A... a)
    {
        std::snprintf(gAktion, sizeof gAktion, format, a...);
    }

    std::string ordner;
    std::vector<std::string> pfade;
};

}  // namespace

TEST_F(Affe, ZufaelligeBedienungOhneAbsturzUndOhneStillstand)
{
    const long sekunden = Umgebung("WLR7_AFFE_SEKUNDEN", STANDARD_SEKUNDEN);
    const long frist = Umgebung("WLR7_AFFE_FRIST", STANDARD_FRIST);
    // A fixed seed in CI, so that a run fails only for a change; 0 draws one from the clock.
    long gesetzt = Umgebung("WLR7_AFFE_SAAT", 1);
    if (gesetzt == 0)
        gesetzt = static_cast<long>(std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    const unsigned saat = static_cast<unsigned>(gesetzt);
    std::printf("Saat %u (WLR7_AFFE_SAAT=%u wiederholt den Lauf), %ld s, Frist %ld s\n", saat, saat, sekunden, frist);
    std::fflush(stdout);
    std::mt19937 zufall(saat);

    // A menu, list or dialog left open is closed, as Escape would.
    QTimer aufraeumen;
    QObject::connect(&aufraeumen, &QTimer::timeout, [] {
        if (QWidget *p = QApplication::activePopupWidget())
            p->close();
        if (QWidget *m = QApplication::activeModalWidget())
            m->close();
    });
    aufraeumen.start(AUFRAEUMEN_MS);

    std::thread wache([frist, saat] {
        long zuletzt = -1;
        auto seit = std::chrono::steady_clock::now();
        while (!gAus.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            const long jetzt = gFertig.load();
            if (jetzt != zuletzt) {
                zuletzt = jetzt, seit = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - seit > std::chrono::seconds(frist)) {
                std::fprintf(stderr, "STILLSTAND: keine Antwort seit %ld s, Saat %u, Aktion %ld: %s\n", frist, saat,
                             jetzt + 1, gAktion);
                std::fflush(stderr);
                std::abort();
            }
        }
    });

    const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(sekunden);
    long aktionen = 0;
    while (std::chrono::steady_clock::now() < ende) {
        Aktion(zufall);
        ++aktionen;
    }
    gAus = true;
    wache.join();
    aufraeumen.stop();
    std::printf("%ld Aktionen, %zu Meldungen\n", aktionen, gMeldungen.size());

    // Still the window it was: it shows a status and takes a commit.
    gDateiauswahl = Dateiauswahl();
    TK_Tippen(gPanelMain, ANZAHLPERIODEN, "1");
    EXPECT_FALSE(A(STATUSZEILE).empty()) << "Saat " << saat;
    EXPECT_EQ(W(ANZAHLPERIODEN), gEingabe.dAnzahlPerioden) << "Saat " << saat;
}
