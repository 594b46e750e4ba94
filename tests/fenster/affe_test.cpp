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

namespace {

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
    "Tab", "Shift+Tab", "Return", "Escape", "Up", "Down", "PgUp", "Space", "Backspace", "Ctrl+Z", "Ctrl+Shift+Z",
    "Ctrl+S", "Ctrl+O", "F1", "Shift+F1", "Alt+Down", "Alt+A", "Alt+E", "Alt+F", "Alt+K", "Alt+O", "Alt+P", "Alt+S",
};
// ASCII only: Qt Test types no other characters as keys.
const char *const TEXTE[] = {
    "5", "0", "-3", "2,5k", "7 Vss", "1e308", "-1e308", "1e-300", "nan", "inf", "abc", "", "16358", "0.0004",
    "10m", "3 Veff", "50u", "1std", "20001", "1.2.3", "   ", "12 Hz", "8", "125",
};
const int NUMERISCH[] = {WLR7UMAX, AMPLITUDEDACH, AMPLITUDEEFF, OFFSET, FREQUENZ, PERIODENDAUER, ANZAHLPERIODEN};
// Every item but Beenden, which would end the run.
const int MENUS[] = {EXPORTIEREN, GRAFIKSPEICHERN, RUECKGAENGIG, WIEDERHOLEN, GANZEKURVE, BEDIENUNG, KURVEOEFFNEN,
                     REFERENZENTFERNEN, ZEITACHSE, UEBER, EINGABENAUSKURVE, EINGABENAUSREFERENZ, ZEITBASISANPASSEN};

class Affe : public FensterTest {
protected:
    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall); }
    template <typename T, size_t N> const T &Eines(const T (&a)[N]) { return a[Zahl(0, int(N) - 1)]; }
    template <typename... A> static void Merken(const char *format, A... a)
    {
        std::snprintf(gAktion, sizeof gAktion, format, a...);
    }

    void Aktion(const std::vector<std::string> &pfade)
    {
        QWidget *fenster = tk::panel(gPanelMain)->fenster;
        // A menu, list or tip an action left open goes first, as Escape
        // would close it: the keyboard driver waits for the window itself.
        while (QWidget *p = QApplication::activePopupWidget())
            p->close();
        // The next file dialog's answer: cancelled, an existing file or a new one.
        gDateiauswahl = {pfade[size_t(Zahl(0, int(pfade.size()) - 1))], Zahl(0, 2), {}};
        const char *dialog = gDateiauswahl.pfad.c_str();
        switch (Zahl(0, 9)) {
        case 0:
        case 1: {
            const char *t = Eines(TASTEN);
            Merken("Taste %s (Dialog: %s, %d)", t, dialog, gDateiauswahl.ergebnis);
            TK_Tasten(gPanelMain, t);
            break;
        }
        case 2: {
            const char *t = Eines(TEXTE);
            Merken("Text \"%s\"", t);
            TK_TextTippen(gPanelMain, t);
            break;
        }
        case 3: {
            const int c = Eines(NUMERISCH);
            const char *t = Eines(TEXTE);
            Merken("Feld %d: \"%s\"", c, t);
            TK_Tippen(gPanelMain, c, t);
            break;
        }
        case 4: {
            const int c = Zahl(0, 1) ? ZEITBASIS : KURVENNUMMER, i = Zahl(0, 16);
            Merken("Ring %d: %d", c, i);
            TK_RingWaehlen(gPanelMain, c, i);
            break;
        }
        case 5: {
            const int c = Zahl(WLR7UMAX, WARNZEILE), n = Zahl(-3, 3);
            Merken("Rad %d: %d", c, n);
            TK_Rad(gPanelMain, c, n);
            break;
        }
        case 6: {
            const int m = Eines(MENUS);
            Merken("Menü %d (Dialog: %s, %d)", m, dialog, gDateiauswahl.ergebnis);
            TK_MenuWaehlen(gPanelMain, m);
            break;
        }
        case 7:
            Merken("Exportieren (Dialog: %s, %d)", dialog, gDateiauswahl.ergebnis);
            TK_Klicken(gPanelMain, SPEICHERN);
            break;
        case 8: {  // a click anywhere in the window
            const QPoint p(Zahl(0, fenster->width() - 1), Zahl(0, fenster->height() - 1));
            const bool rechts = Zahl(0, 3) == 0;
            Merken("Klick %d,%d %s", p.x(), p.y(), rechts ? "rechts" : "links");
            QWidget *ziel = fenster->childAt(p) ? fenster->childAt(p) : fenster;
            QTest::mouseClick(ziel, rechts ? Qt::RightButton : Qt::LeftButton, Qt::NoModifier, ziel->mapFrom(fenster, p));
            break;
        }
        default: {  // hovering over the graph reads a value
            QWidget *g = tk::control(gPanelMain, GRAPH);
            const QPoint p(Zahl(0, g->width() - 1), Zahl(0, g->height() - 1));
            Merken("Maus über der Grafik %d,%d", p.x(), p.y());
            QTest::mouseMove(g, p);
            break;
        }
        }
        QApplication::processEvents();
        gFertig.fetch_add(1);
    }

    std::mt19937 zufall;
};

}  // namespace

TEST_F(Affe, ZufaelligeBedienungOhneAbsturzUndOhneStillstand)
{
    const long sekunden = Umgebung("WLR7_AFFE_SEKUNDEN", 20), frist = Umgebung("WLR7_AFFE_FRIST", 5);
    // A fixed seed in CI, so that a run fails only for a change; 0 draws one from the clock.
    long gesetzt = Umgebung("WLR7_AFFE_SAAT", 1);
    if (gesetzt == 0)
        gesetzt = static_cast<long>(std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    const unsigned saat = static_cast<unsigned>(gesetzt);
    std::printf("Saat %u (WLR7_AFFE_SAAT=%u wiederholt den Lauf), %ld s, Frist %ld s\n", saat, saat, sekunden, frist);
    std::fflush(stdout);
    zufall.seed(saat);
    const std::string ordner = TestOrdner(), fifo = ordner + "/rohr";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    DateiSchreiben(ordner + "/fremd.txt", "kein Kurvenformat\n");
    const std::vector<std::string> pfade = {ordner + "/kurve.txt", ordner + "/bild.png", ordner + "/bild.svg",
                                            ordner + "/fremd.txt", fifo, "/proc/kmsg", "/dev/zero", ordner,
                                            "/gibt/es/nicht.txt", ordner + "/neu/x.txt"};

    // A menu, list or dialog left open is closed, as Escape would.
    QTimer aufraeumen;
    QObject::connect(&aufraeumen, &QTimer::timeout, [] {
        if (QWidget *p = QApplication::activePopupWidget()) p->close();
        if (QWidget *m = QApplication::activeModalWidget()) m->close();
    });
    aufraeumen.start(AUFRAEUMEN_MS);

    std::thread wache([frist, saat] {
        long zuletzt = -1;
        auto seit = std::chrono::steady_clock::now();
        while (!gAus.load()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (const long jetzt = gFertig.load(); jetzt != zuletzt) {
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
    for (; std::chrono::steady_clock::now() < ende; ++aktionen) Aktion(pfade);
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
