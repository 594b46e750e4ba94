// wlr7sinus-export: writes, without a window, the curve file that the panel
// exports after the same inputs are committed. Its curve options, their
// ranges, defaults and help lines come from the panel's input table.
#include "Sinusanalyse.h"
#include "Sinusentwurf.h"
#include "Sinuseingaben.h"
#include "Sinuserzeugung_Main.h"
#include "Sinusschritt.h"
#include "ZEM_errorV3.h"
#include "cli_texte.h"
#include "kurvendatei.h"
#include "optionen.h"
#include "plan.h"
#include "pruefen.h"
#include "toolkit_kern.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <getopt.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

const int HILFE_SPALTE = 20;          // where the help's descriptions begin
const std::size_t HILFE_BREITE = 80;  // columns of a terminal

// Options after the inputs of the table; the inputs are 0 .. Eingaben_Anzahl() - 1.
enum { AUSGABE = 200, PLAN, MANIFEST, VON, PRUEFEN, STRENG, SATZ, HILFE = 'h', VERSION = 'V' };

struct Aufruf {
    Eingabesatz s;
    const char *szAusgabe = nullptr, *szPlan = nullptr, *szManifest = nullptr, *szVon = nullptr;
    bool bPruefen = false, bStreng = false, bSatz = false;
};

// The options that take a file name, with where the name goes.
struct Dateioption {
    int iOption;
    const char *szName;
    const char *Aufruf::*pZiel;
};
const Dateioption DATEIOPTIONEN[] = {{AUSGABE, "output", &Aufruf::szAusgabe},
                                     {PLAN, "plan", &Aufruf::szPlan},
                                     {MANIFEST, "manifest", &Aufruf::szManifest},
                                     {VON, "from", &Aufruf::szVon}};

const Dateioption *Dateiopt(int c)
{
    for (const Dateioption &d : DATEIOPTIONEN)
        if (d.iOption == c)
            return &d;
    return nullptr;
}

// The long options: one per input of the table, then the program's own.
std::vector<option> Optionen()
{
    std::vector<option> o;
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        o.push_back({Eingaben_Feld(i)->szOption, required_argument, nullptr, i});
    for (const Dateioption &d : DATEIOPTIONEN)
        o.push_back({d.szName, required_argument, nullptr, d.iOption});
    o.push_back({"strict", no_argument, nullptr, STRENG});
    o.push_back({"check", no_argument, nullptr, PRUEFEN});
    o.push_back({"set", no_argument, nullptr, SATZ});
    o.push_back({"help", no_argument, nullptr, HILFE});
    o.push_back({"version", no_argument, nullptr, VERSION});
    o.push_back({nullptr, 0, nullptr, 0});
    return o;
}

std::string Vorgabe(const Eingabefeld *f)
{
    if (f->iArt == EINGABEN_ZEITBASIS)
        return Zeitbasis_Label(static_cast<int>(f->dVorgabe) - 1);
    return Optionen_Zahl(f->dVorgabe);
}

bool Hilfe()
{
    const std::string einzug(HILFE_SPALTE, ' ');
    std::string s = CLI_TEXT_HILFE_KOPF;
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        std::string links = std::string("  --") + f->szOption + " " + f->szWertname;
        links.resize(HILFE_SPALTE, ' ');
        // The range on its own lines, broken between words before the margin.
        s += links + f->szBeschreibung + "\n";
        std::string zeile = einzug;
        for (std::string rest = Optionen_Bereich(i) + CLI_TEXT_VORGABE + Vorgabe(f); !rest.empty();) {
            const std::size_t ende = rest.find(' ');
            const std::string wort = rest.substr(0, ende);
            rest.erase(0, ende == std::string::npos ? rest.size() : ende + 1);
            if (zeile.size() + 1 + wort.size() > HILFE_BREITE && zeile.size() > einzug.size()) {
                s += zeile + "\n";
                zeile = einzug;
            }
            zeile += (zeile.size() > einzug.size() ? " " : "") + wort;
        }
        s += zeile + "\n";
        if (*f->szHinweis)
            s += einzug + f->szHinweis + "\n";
        if (f->iEinheiten > 0)
            s += einzug + CLI_TEXT_EINHEITEN + Optionen_Einheiten(i) + "\n";
    }
    s += CLI_TEXT_HILFE_FUSS;
    return std::fputs(s.c_str(), stdout) >= 0;
}

// An option that getopt_long did not take: unknown, or the start of several.
std::string Unbekannt(const char *szArgument, const std::vector<option> &optionen)
{
    std::string name = szArgument;
    if (name.rfind("--", 0) == 0) {
        name = name.substr(2, name.find('=') == std::string::npos ? std::string::npos : name.find('=') - 2);
        std::string passend;
        int iPassend = 0;
        for (const option &o : optionen)
            if (o.name && std::strncmp(o.name, name.c_str(), name.size()) == 0) {
                passend += std::string(iPassend++ ? ", --" : "--") + o.name;
            }
        if (!name.empty() && iPassend > 1)
            return CLI_TEXT_MEHRDEUTIG + Optionen_Echo(szArgument) + CLI_TEXT_GEMEINT + passend + ".";
    }
    return CLI_TEXT_UNBEKANNT + Optionen_Echo(szArgument) + ".";
}

// What a file option expects, for the message when its value is missing or empty.
std::string DateiErwartet(const Dateioption *d)
{
    return std::string("--") + d->szName + CLI_TEXT_DATEI_ERWARTET;
}

// Which options do not go together; "" when the call is consistent.
std::string Unvereinbar(const Aufruf &a)
{
    if (a.bPruefen && a.bSatz)
        return CLI_TEXT_PRUEFEN_ODER_SATZ;
    if (a.bPruefen || a.bSatz) {
        const std::string nur = a.bSatz ? CLI_TEXT_SATZ_NUR_DATEIEN : CLI_TEXT_NUR_DATEIEN;
        for (std::size_t k = 0; k < a.s.gegeben.size(); ++k)
            if (a.s.gegeben[k])
                return nur + Eingaben_Feld(static_cast<int>(k))->szOption + CLI_TEXT_NICHT_DAZU;
        for (const Dateioption &d : DATEIOPTIONEN)
            if (a.*d.pZiel)
                return nur + d.szName + CLI_TEXT_NICHT_DAZU;
        if (a.bStreng)
            return nur + "strict" + CLI_TEXT_NICHT_DAZU;
    }
    if (a.szPlan && a.szAusgabe)
        return CLI_TEXT_PLAN_OHNE_AUSGABE;
    if (a.szManifest && !a.szPlan)
        return CLI_TEXT_MANIFEST_OHNE_PLAN;
    if (a.szVon && a.szPlan && std::strcmp(a.szVon, "-") == 0 && std::strcmp(a.szPlan, "-") == 0)
        return CLI_TEXT_ZWEIMAL_EINGABE;
    return "";
}

// Reads the options into @p a; returns -1 to go on, or the exit code.
int Lesen(int argc, char *argv[], Aufruf &a)
{
    const std::vector<option> optionen = Optionen();
    opterr = 0;  // the messages below say it in German
    int c;
    while ((c = getopt_long(argc, argv, ":hV", optionen.data(), nullptr)) != -1) {
        if (c == HILFE)
            return Hilfe() && std::fflush(stdout) == 0 ? 0 : Optionen_Melden(CLI_EXIT_FEHLER, CLI_TEXT_AUSGABE_FEHLT);
        if (c == VERSION)
            return std::printf("%s %s\n", CLI_PROGRAMM, WLR7_VERSION) > 0 && std::fflush(stdout) == 0
                       ? 0
                       : Optionen_Melden(CLI_EXIT_FEHLER, CLI_TEXT_AUSGABE_FEHLT);
        if (c == PRUEFEN || c == STRENG || c == SATZ) {
            bool &bGesetzt = c == PRUEFEN ? a.bPruefen : c == SATZ ? a.bSatz : a.bStreng;
            if (bGesetzt)
                return Optionen_Melden(CLI_EXIT_EINGABE,
                                       std::string(c == PRUEFEN ? "--check" : c == SATZ ? "--set" : "--strict") +
                                           CLI_TEXT_MEHRFACH);
            bGesetzt = true;
            continue;
        }
        if (c == ':') {
            const Dateioption *d = Dateiopt(optopt);
            return Optionen_Melden(CLI_EXIT_EINGABE,
                                   (d ? DateiErwartet(d) : Optionen_Erwartet(optopt, OPTIONEN_AUFRUF)) +
                                       CLI_TEXT_WERT_FEHLT);
        }
        if (c == '?')
            return Optionen_Melden(CLI_EXIT_EINGABE, Unbekannt(argv[optind - 1], optionen));
        if (const Dateioption *d = Dateiopt(c)) {
            if (a.*d->pZiel)
                return Optionen_Melden(CLI_EXIT_EINGABE, std::string("--") + d->szName + CLI_TEXT_MEHRFACH);
            if (*optarg == '\0')
                return Optionen_Melden(CLI_EXIT_EINGABE,
                                       DateiErwartet(d) + CLI_TEXT_NICHT + Optionen_Echo(optarg) + ".");
            a.*d->pZiel = optarg;
            continue;
        }
        if (a.s.gegeben[static_cast<std::size_t>(c)])
            return Optionen_Melden(CLI_EXIT_EINGABE, Optionen_Name(c, OPTIONEN_AUFRUF) + CLI_TEXT_MEHRFACH);
        std::string fehler;
        if (const int iExit = Optionen_Setzen(a.s, c, optarg, OPTIONEN_AUFRUF, fehler))
            return Optionen_Melden(iExit, fehler);
    }
    const std::string unvereinbar = Unvereinbar(a);
    if (!unvereinbar.empty())
        return Optionen_Melden(CLI_EXIT_EINGABE, unvereinbar);
    if (a.bPruefen)
        return Pruefen_Ausfuehren(argc - optind, argv + optind);
    if (a.bSatz)
        return Pruefen_Satz(argc - optind, argv + optind);
    if (optind < argc)
        return Optionen_Melden(CLI_EXIT_EINGABE,
                               CLI_TEXT_ARGUMENT + Optionen_Echo(argv[optind]) + CLI_TEXT_NUR_OPTIONEN);
    return -1;
}

// The partner of a coupled input, or -1.
int Partner(const Eingabefeld *f)
{
    Eingabewerte probe = {};
    Eingaben_Vorgaben(&probe);
    const int iPartner = Eingaben_Koppeln(&probe, f->iId);
    return iPartner >= 0 ? iPartner : -1;
}

bool Gegeben(const Aufruf &a, int iEingabe)
{
    return iEingabe >= 0 && a.s.gegeben[static_cast<std::size_t>(iEingabe)];
}

// --from: the inputs that export the file's values again, for every input
// neither given nor coupled to one given; said on standard error where the
// file leaves a choice or the inputs cannot write it byte for byte.
int VonDatei(Aufruf &a)
{
    const bool bEingabe = std::strcmp(a.szVon, "-") == 0;
    const int iDatei = bEingabe ? STDIN_FILENO : TK_LesenOeffnen(a.szVon);
    if (iDatei < 0)
        return Optionen_Melden(CLI_EXIT_EINGABE,
                               std::string("--from ") + Optionen_Echo(a.szVon) + ": " +
                                   (iDatei == -ENOENT ? CLI_TEXT_NICHT_GEFUNDEN : TK_FehlerGrund(-iDatei)));
    static Kurvendatei datei;
    const int iGelesen = Kurvendatei_Lesen(iDatei, &datei);
    if (!bEingabe)
        close(iDatei);
    // A file with findings gives no design: they are named as --check names them.
    if (iGelesen >= 0)
        Kurvendatei_WertePruefen(&datei, nullptr);
    if (iGelesen >= 0 && datei.iBefunde > 0) {
        const int iGenannt = datei.iBefunde < KURVENDATEI_MAX_BEFUNDE ? datei.iBefunde : KURVENDATEI_MAX_BEFUNDE;
        for (int i = 0; i < iGenannt; ++i)
            std::fprintf(stderr, "%s:%d: %s\n", a.szVon, datei.aBefunde[i].iZeile, datei.aBefunde[i].szText);
        return Optionen_Melden(CLI_EXIT_EINGABE, std::string("--from ") + Optionen_Echo(a.szVon) +
                                                     CLI_TEXT_VON_BEFUNDE);
    }
    if (iGelesen < 0 || datei.iWerte == 0 || datei.iWerte != datei.iDatenzeilen || !datei.szZeitbasis[0])
        return Optionen_Melden(CLI_EXIT_EINGABE, std::string("--from ") + Optionen_Echo(a.szVon) +
                                                     CLI_TEXT_VON_KEINE_KURVE);
    Eingabewerte entwurf = a.s.e;
    Entwurfsbericht bericht;
    if (!Entwurf_AusDatei(&datei, a.s.e.dUmax, &entwurf, &bericht))
        return Optionen_Melden(CLI_EXIT_EINGABE, std::string("--from ") + Optionen_Echo(a.szVon) +
                                                     (bericht.bKeinerMoeglich ? CLI_TEXT_VON_KEIN_ENTWURF
                                                                              : CLI_TEXT_VON_NICHT_GEFUNDEN));
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (a.s.gegeben[static_cast<std::size_t>(i)] || Gegeben(a, Partner(f)))
            continue;
        if (f->iArt == EINGABEN_ZAHL)
            *Eingaben_Zahl(&a.s.e, f) = *Eingaben_Zahl(&entwurf, f);
        else if (f->iArt == EINGABEN_ZEITBASIS)
            a.s.e.iZeitbasisIndex = entwurf.iZeitbasisIndex,
            TK_TextKopieren(a.s.e.szZeitbasis, sizeof a.s.e.szZeitbasis, entwurf.szZeitbasis);
        else
            a.s.e.iKurvennummer = entwurf.iKurvennummer;
    }
    char sz[64];
    if (!bericht.bEindeutig) {
        std::snprintf(sz, sizeof sz, "%.10g ms", entwurf.dPeriodendauer);
        std::fprintf(stderr, "%s: %s--from %s%s%s\n", CLI_PROGRAMM, CLI_TEXT_HINWEIS, a.szVon, CLI_TEXT_VON_OFFEN, sz);
    }
    if (bericht.iAbweichendAb > 0)
        std::fprintf(stderr, "%s: %s--from %s%s%d anders\n", CLI_PROGRAMM, CLI_TEXT_HINWEIS, a.szVon,
                     CLI_TEXT_VON_ABWEICHEND, static_cast<int>(bericht.iAbweichendAb));
    return -1;
}

}  // namespace

int main(int argc, char *argv[])
{
    Aufruf a;
    Optionen_Beginnen(a.s);
    int iExit = Lesen(argc, argv, a);
    if (iExit < 0 && a.szVon)
        iExit = VonDatei(a);
    if (iExit >= 0)
        return iExit;
    std::string grund;
    if (const int iKoppeln = Optionen_Koppeln(a.s, OPTIONEN_AUFRUF, grund))
        return Optionen_Melden(iKoppeln, grund);
    // A plan resolves "auto" line by line, each with its own period.
    if (a.szPlan)
        return Plan_Ausfuehren(a.szPlan, a.szManifest, a.s, a.bStreng, WLR7_VERSION);
    std::string hinweis;
    if (const int iAuto = Optionen_AutoZeitbasis(a.s, OPTIONEN_AUFRUF, hinweis, grund))
        return Optionen_Melden(iAuto, grund);
    if (!hinweis.empty())
        std::fprintf(stderr, "%s: %s%s\n", CLI_PROGRAMM, CLI_TEXT_HINWEIS, hinweis.c_str());
    if (!a.szAusgabe)
        return Optionen_Melden(CLI_EXIT_EINGABE, CLI_TEXT_OHNE_AUSGABE);

    // The window's step on records of the exporter's own.
    static Sinuskurve kurve;
    static Kurvenanalyse analyse;
    Schrittbericht bericht;
    Exportgrund exportgrund = {};
    int iCode = Sinus_Schritt(&a.s.e, &kurve, &analyse, &bericht);
    if (iCode == SCHRITT_NICHT_ENDLICH || iCode == SCHRITT_ZU_VIELE_PUNKTE)
        return Optionen_Melden(iCode == SCHRITT_NICHT_ENDLICH ? CLI_EXIT_EINGABE : CLI_EXIT_FEHLER,
                               Optionen_Abgelehnt(bericht));
    if (iCode == 0) {
        // What the rig will play where it differs from what was asked:
        // said on standard error; under --strict nothing is written.
        const std::vector<std::string> warnungen = Optionen_Warnungen(analyse);
        for (const std::string &w : warnungen)
            std::fprintf(stderr, "%s: %s%s\n", CLI_PROGRAMM, CLI_TEXT_WARNUNG, w.c_str());
        if (!warnungen.empty() && a.bStreng) {
            Sinus_KurveFreigeben(&kurve);
            return CLI_EXIT_WARNUNG;
        }
        iCode = Sinus_ExportSchreiben(a.szAusgabe, &a.s.e, &kurve, &exportgrund);
    }
    Sinus_KurveFreigeben(&kurve);
    if (iCode != 0)
        return Optionen_Melden(CLI_EXIT_FEHLER, Optionen_Fehlertext(iCode, exportgrund.szText));
    return 0;
}
