// Writing a checked plan: each file formed and written exactly as a single
// export does, its SHA-256 taken from the very bytes written, and at the end
// the manifest of the files that were written, through the same safe writer.
// A series told to stop (SIGTERM, SIGINT, SIGHUP) finishes the file under
// way, writes the manifest of the files written so far and ends with
// 128 + the signal's number.
#include "plan.h"

#include "Sinusschritt.h"
#include "cli_texte.h"
#include "optionen.h"
#include "pruefsumme.h"
#include "toolkit_kern.h"

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unistd.h>

namespace {

const int FORTSCHRITT_AB = 50;              // lines of a plan that is long enough to show progress
const double FORTSCHRITT_TAKT_S = 0.1;      // at most ten updates a second
const int STELLEN_MAX = 17;                 // significant digits that give every double back
const std::size_t ZAHL_GROESSE = 40;
const std::size_t ABGEBROCHEN_GROESSE = 256;
const char *const STANDARDAUSGABE = "-";
const int HALT_SIGNALE[] = {SIGTERM, SIGINT, SIGHUP};
const int EXIT_SIGNAL_BASIS = 128;  // the shell's exit code of a process ended by a signal

volatile sig_atomic_t s_haltSignal = 0;  // the stop signal that came, 0 none

void HaltVormerken(int sig) { s_haltSignal = sig; }

// The stop signals are noted instead of ending the process; an ignored one
// stays ignored. Gives the previous actions back in @p vorher.
void HaltAbfangen(struct sigaction (&vorher)[3])
{
    s_haltSignal = 0;
    for (int i = 0; i < 3; ++i) {
        struct sigaction neu = {};
        neu.sa_handler = HaltVormerken;
        sigemptyset(&neu.sa_mask);
        neu.sa_flags = SA_RESTART;
        if (::sigaction(HALT_SIGNALE[i], nullptr, &vorher[i]) == 0 && vorher[i].sa_handler != SIG_IGN)
            ::sigaction(HALT_SIGNALE[i], &neu, nullptr);
    }
}

void HaltFreigeben(const struct sigaction (&vorher)[3])
{
    for (int i = 0; i < 3; ++i)
        ::sigaction(HALT_SIGNALE[i], &vorher[i], nullptr);
}

// @p d in the fewest significant digits that read back as @p d, written out
// without an exponent, so that the manifest's values are the exact inputs.
std::string Zahl(double d)
{
    char sz[ZAHL_GROESSE];
    for (int p = 1; p <= STELLEN_MAX; ++p) {
        std::snprintf(sz, sizeof sz, "%.*e", p - 1, d);
        if (std::strtod(sz, nullptr) == d)
            break;
    }
    // "-d.ddde+XX": sign, digits and exponent.
    std::string ziffern, vorzeichen = sz[0] == '-' ? "-" : "";
    const char *q = sz + vorzeichen.size();
    for (; *q && *q != 'e'; ++q)
        if (*q != '.')
            ziffern += *q;
    const int iExponent = std::atoi(q + 1);
    // No trailing zeros: with one digit fewer the same value would have read back.
    const int iStellen = static_cast<int>(ziffern.size());
    if (iExponent < 0)
        return vorzeichen + "0." + std::string(static_cast<std::size_t>(-iExponent - 1), '0') + ziffern;
    if (iExponent + 1 >= iStellen)
        return vorzeichen + ziffern + std::string(static_cast<std::size_t>(iExponent + 1 - iStellen), '0');
    return vorzeichen + ziffern.substr(0, static_cast<std::size_t>(iExponent + 1)) + "." +
           ziffern.substr(static_cast<std::size_t>(iExponent + 1));
}

// The plan's name on one line of the manifest's header.
std::string Einzeilig(std::string s)
{
    for (char &c : s)
        if (static_cast<unsigned char>(c) < ' ')
            c = '?';
    return s;
}

// The start phase has its column just before the checksum, and only in
// the manifest of a plan that starts a curve elsewhere than at 0: the
// columns readers count (the inputs, the frequency, the checksum last) stay
// where they always stood, and a plan without a phase writes the manifest
// it always wrote.
bool MitPhase(const Plan &plan)
{
    for (const Planzeile &z : plan.zeilen)
        if (z.e.dPhase != 0.0)
            return true;
    return false;
}

bool InSpalten(const Eingabefeld *f)
{
    return f->iId != EINGABE_PHASE;
}

// The manifest's header: version, plan, and the names of its columns.
std::string Kopf(const Plan &plan, const char *szVersion)
{
    std::string s = std::string("# ") + CLI_PROGRAMM + " " + szVersion + "\n" + CLI_TEXT_MANIFEST_PLAN +
                    Einzeilig(plan.name == STANDARDAUSGABE ? CLI_TEXT_STANDARDEINGABE : plan.name) + "\noutput";
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        if (InSpalten(Eingaben_Feld(i)))
            s += std::string("\t") + Eingaben_Feld(i)->szOption;
    s += "\tdatenzeilen\tfrequenz_datei\twarnungen";
    if (MitPhase(plan))
        s += std::string("\t") + Eingaben_Feld(EINGABE_PHASE)->szOption;
    return s + "\tsha256\n";
}

// One line of the manifest: the file, every input, what the file holds, its checksum.
std::string Manifestzeile(const Planzeile &z, bool bPhase, const char *szSha)
{
    std::string s = z.ausgabe;
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (!InSpalten(f))
            continue;
        Eingabewerte e = z.e;
        s += "\t";
        if (f->iArt == EINGABEN_ZEITBASIS)
            s += e.szZeitbasis;
        else if (f->iArt == EINGABEN_KURVE)
            s += std::to_string(e.iKurvennummer);
        else
            s += Zahl(*Eingaben_Zahl(&e, f));
    }
    s += "\t" + std::to_string(z.iDatenzeilen) + "\t" + (z.dFrequenz > 0.0 ? Zahl(z.dFrequenz) : "") + "\t";
    for (std::size_t k = 0; k < z.warnungen.size(); ++k)
        s += (k ? CLI_TEXT_WARNUNGEN_TRENNER : "") + z.warnungen[k];
    if (bPhase)
        s += "\t" + Zahl(z.e.dPhase + 0.0);  // "-0" typed is a phase of 0
    return s + "\t" + szSha + "\n";
}

// Writes the manifest through the export files' safe writer: all or nothing.
int ManifestAblegen(const char *szPfad, const std::string &text)
{
    const int iDatei = CVI_OpenFile(szPfad, 2, 0, 1);
    bool bOk = iDatei != -1;
    if (bOk) {
        const int n = static_cast<int>(text.size());
        bOk = TK_DateiReservieren(iDatei, static_cast<long long>(n)) == 0 &&
              TK_ZeilenSchreiben(iDatei, text.data(), n) == n;
        bOk = CVI_CloseFile(iDatei) == 0 && bOk;
    }
    if (bOk)
        return 0;
    char szGrund[TK_DATEIGRUND_GROESSE];
    return Optionen_Melden(CLI_EXIT_FEHLER, std::string(CLI_TEXT_MANIFEST_FEHLER) +
                                                TK_DateiGrund(szGrund, sizeof szGrund) + ": " +
                                                (std::strcmp(szPfad, STANDARDAUSGABE) == 0 ? CLI_TEXT_STANDARDAUSGABE
                                                                                          : szPfad));
}

double Sekunden()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// Progress on a terminal: "Datei 120 von 1000", overwritten in place.
struct Fortschritt {
    bool bAn = false, bSichtbar = false;
    double dZuletzt = 0.0;
    int iGesamt = 0;

    void Zeigen(int iFertig, bool bImmer)
    {
        if (!bAn || (!bImmer && Sekunden() - dZuletzt < FORTSCHRITT_TAKT_S))
            return;
        std::fprintf(stderr, CLI_TEXT_FORTSCHRITT, CLI_PROGRAMM, iFertig, iGesamt);
        std::fflush(stderr);
        dZuletzt = Sekunden();
        bSichtbar = true;
    }
    // Ends the progress line, before any other message or at the end.
    void Beenden()
    {
        if (bSichtbar)
            std::fputc('\n', stderr);
        bSichtbar = false;
    }
};

}  // namespace

int Plan_Schreiben(const Plan &plan, const char *szManifest, const char *szVersion)
{
    Fortschritt fortschritt;
    fortschritt.iGesamt = static_cast<int>(plan.zeilen.size());
    fortschritt.bAn = fortschritt.iGesamt >= FORTSCHRITT_AB && isatty(STDERR_FILENO);
    std::string manifest = Kopf(plan, szVersion);
    const bool bPhase = MitPhase(plan);
    Sinuskurve kurve = {};
    int iExit = 0, iFertig = 0;
    struct sigaction vorher[3];
    HaltAbfangen(vorher);
    // Each file's bytes are synced before its rename; the folders' syncs,
    // which make the renames last, come once for the whole series.
    TK_OrdnerSyncAufschieben(1);
    for (const Planzeile &z : plan.zeilen) {
        if (s_haltSignal)
            break;
        fortschritt.Zeigen(iFertig, iFertig == 0);
        // The checked inputs step again (the plan keeps no samples) and the
        // file goes out as a single export writes it.
        Exporttext text = {};
        Exportgrund grund = {};
        int iCode = Sinus_Schritt(&z.e, &kurve, nullptr, nullptr);
        if (iCode == 0)
            iCode = Sinus_ExportBilden(z.ausgabe.c_str(), &z.e, &kurve, &text, &grund);
        char szSha[PRUEFSUMME_HEX_GROESSE] = "";
        if (iCode == 0) {
            Pruefsumme_Sha256(text.pBytes, text.iLaenge, szSha);
            iCode = Sinus_ExportAblegen(z.ausgabe.c_str(), &text, &grund);
        }
        Sinus_ExportTextFreigeben(&text);
        if (iCode != 0) {
            fortschritt.Beenden();
            std::fprintf(stderr, "%s:%d: %s\n", plan.name.c_str(), z.iZeile,
                         Optionen_Fehlertext(iCode, grund.szText).c_str());
            char sz[ABGEBROCHEN_GROESSE];
            std::snprintf(sz, sizeof sz, CLI_TEXT_PLAN_ABGEBROCHEN, iFertig, fortschritt.iGesamt);
            iExit = Optionen_Melden(CLI_EXIT_FEHLER, sz);
            break;
        }
        manifest += Manifestzeile(z, bPhase, szSha);
        ++iFertig;
    }
    Sinus_KurveFreigeben(&kurve);
    TK_OrdnerSyncAufschieben(0);
    if (TK_OrdnerSyncen() != 0 && iExit == 0) {
        fortschritt.Beenden();
        char szGrund[TK_DATEIGRUND_GROESSE];
        iExit = Optionen_Melden(CLI_EXIT_FEHLER,
                                std::string(CLI_TEXT_ORDNER_SYNC) + TK_DateiGrund(szGrund, sizeof szGrund));
    }
    fortschritt.Zeigen(iFertig, true);
    fortschritt.Beenden();
    const int iSignal = s_haltSignal;
    if (iSignal && iExit == 0) {
        char sz[ABGEBROCHEN_GROESSE];
        std::snprintf(sz, sizeof sz, CLI_TEXT_PLAN_ANGEHALTEN, iFertig, fortschritt.iGesamt, sigabbrev_np(iSignal));
        iExit = EXIT_SIGNAL_BASIS + iSignal;
        Optionen_Melden(iExit, sz);
    }
    // Last: the manifest names exactly the files now whole on disk. A
    // further stop signal waits until it is in place.
    if (szManifest && ManifestAblegen(szManifest, manifest) != 0 && iExit == 0)
        iExit = CLI_EXIT_FEHLER;
    HaltFreigeben(vorher);
    return iExit;
}
