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
#include "pruefen.h"
#include "toolkit_kern.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <getopt.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

const int EXIT_FEHLER = 1;
const int EXIT_EINGABE = 2;
const int EXIT_WARNUNG = 3;
const std::size_t ZU_VIELE_GROESSE = 300;
const std::size_t WARNUNGEN_GROESSE = 1024;
const std::size_t ECHO_GROESSE = 201;  // what a message repeats of a value
const int HILFE_SPALTE = 20;
const std::size_t HILFE_BREITE = 80;   // columns of a terminal          // where the help's descriptions begin

// Options after the inputs of the table; the inputs are 0 .. Eingaben_Anzahl() - 1.
enum { AUSGABE = 100, PRUEFEN, STRENG, VON, HILFE = 'h', VERSION = 'V' };

struct Aufruf {
    Eingabewerte e;
    const char *szAusgabe = nullptr;
    const char *szVon = nullptr;  // --from
    bool bPruefen = false, bStreng = false, bAuto = false;
    std::vector<bool> gegeben;
};

// The long options: one per input of the table, then the program's own.
std::vector<option> Optionen()
{
    std::vector<option> o;
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        o.push_back({Eingaben_Feld(i)->szOption, required_argument, nullptr, i});
    o.push_back({"output", required_argument, nullptr, AUSGABE});
    o.push_back({"strict", no_argument, nullptr, STRENG});
    o.push_back({"check", no_argument, nullptr, PRUEFEN});
    o.push_back({"from", required_argument, nullptr, VON});
    o.push_back({"help", no_argument, nullptr, HILFE});
    o.push_back({"version", no_argument, nullptr, VERSION});
    o.push_back({nullptr, 0, nullptr, 0});
    return o;
}

std::string Zeitbasen()
{
    std::string s;
    for (int i = 0; i < Zeitbasis_Anzahl(); ++i)
        s += std::string(i ? " " : "") + Zeitbasis_Label(i);
    return s;
}

std::string Zahl(double d)
{
    char sz[32];
    std::snprintf(sz, sizeof sz, "%g", d);
    return sz;
}

// What an input takes, for its help line and for a message.
std::string Bereich(const Eingabefeld *f)
{
    if (f->iArt == EINGABEN_ZEITBASIS)
        return CLI_TEXT_EINE_ZEITBASIS + Zeitbasen() + ")";
    if (f->iArt == EINGABEN_KURVE)
        return CLI_TEXT_EINE_KURVE + Zahl(f->dMin) + CLI_TEXT_BIS + Zahl(f->dMax);
    char sz[80];
    Eingaben_Bereich(f, sz, sizeof sz);
    return std::string(CLI_TEXT_EINE_ZAHL) + (Eingaben_Begrenzt(f) ? CLI_TEXT_VON : "(") + sz + (Eingaben_Begrenzt(f) ? "" : ")");
}

std::string Vorgabe(const Eingabefeld *f)
{
    if (f->iArt == EINGABEN_ZEITBASIS)
        return Zeitbasis_Label(static_cast<int>(f->dVorgabe) - 1);
    return Zahl(f->dVorgabe);
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
        for (std::string rest = Bereich(f) + CLI_TEXT_VORGABE + Vorgabe(f); !rest.empty();) {
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
    }
    s += CLI_TEXT_HILFE_FUSS;
    return std::fputs(s.c_str(), stdout) >= 0;
}

// A message on standard error, always starting with the program's name.
int Melden(int iExit, const std::string &text)
{
    std::fprintf(stderr, "%s: %s\n", CLI_PROGRAMM, text.c_str());
    if (iExit == EXIT_EINGABE)
        std::fprintf(stderr, "%s%s --help\n", CLI_TEXT_HILFE_VERWEIS, CLI_PROGRAMM);
    return iExit;
}

// A given value as a message repeats it: in quotes, cut at a character
// boundary when it is long.
std::string Echo(const char *szWert)
{
    char szEcho[ECHO_GROESSE];
    const std::size_t n = TK_TextKopieren(szEcho, sizeof szEcho, szWert);
    return "\"" + std::string(szEcho) + (n < std::strlen(szWert) ? "…" : "") + "\"";
}

std::string Erwartet(int iOption)
{
    if (iOption == AUSGABE)
        return CLI_TEXT_AUSGABE_ERWARTET;
    const Eingabefeld *f = Eingaben_Feld(iOption);
    return std::string("--") + f->szOption + CLI_TEXT_ERWARTET + Bereich(f);
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
            return CLI_TEXT_MEHRDEUTIG + Echo(szArgument) + CLI_TEXT_GEMEINT + passend + ".";
    }
    return CLI_TEXT_UNBEKANNT + Echo(szArgument) + ".";
}

// Reads the options into @p a; returns -1 to go on, or the exit code.
int Lesen(int argc, char *argv[], Aufruf &a)
{
    const std::vector<option> optionen = Optionen();
    a.gegeben.assign(static_cast<std::size_t>(Eingaben_Anzahl()) + 1, false);
    opterr = 0;  // the messages below say it in German
    int c;
    while ((c = getopt_long(argc, argv, ":hV", optionen.data(), nullptr)) != -1) {
        if (c == HILFE)
            return Hilfe() && std::fflush(stdout) == 0 ? 0 : Melden(EXIT_FEHLER, CLI_TEXT_AUSGABE_FEHLT);
        if (c == VERSION)
            return std::printf("%s %s\n", CLI_PROGRAMM, WLR7_VERSION) > 0 && std::fflush(stdout) == 0
                       ? 0
                       : Melden(EXIT_FEHLER, CLI_TEXT_AUSGABE_FEHLT);
        if (c == PRUEFEN || c == STRENG) {
            bool &bGesetzt = c == PRUEFEN ? a.bPruefen : a.bStreng;
            if (bGesetzt)
                return Melden(EXIT_EINGABE, std::string(c == PRUEFEN ? "--check" : "--strict") + CLI_TEXT_MEHRFACH);
            bGesetzt = true;
            continue;
        }
        if (c == VON) {
            if (a.szVon)
                return Melden(EXIT_EINGABE, std::string("--from") + CLI_TEXT_MEHRFACH);
            a.szVon = optarg;
            continue;
        }
        if (c == ':')
            return Melden(EXIT_EINGABE, Erwartet(optopt) + CLI_TEXT_WERT_FEHLT);
        if (c == '?')
            return Melden(EXIT_EINGABE, Unbekannt(argv[optind - 1], optionen));
        const std::size_t k = c == AUSGABE ? a.gegeben.size() - 1 : static_cast<std::size_t>(c);
        if (a.gegeben[k])
            return Melden(EXIT_EINGABE, std::string("--") + (c == AUSGABE ? "output" : Eingaben_Feld(c)->szOption) +
                                            CLI_TEXT_MEHRFACH);
        a.gegeben[k] = true;
        const bool bAuto = c != AUSGABE && Eingaben_Feld(c)->iArt == EINGABEN_ZEITBASIS && std::strcmp(optarg, CLI_TEXT_AUTO) == 0;
        a.bAuto = a.bAuto || bAuto;
        const bool ok = c == AUSGABE ? *optarg != '\0' : bAuto || Eingaben_Uebernehmen(&a.e, Eingaben_Feld(c), optarg);
        if (!ok)
            return Melden(EXIT_EINGABE, Erwartet(c) + CLI_TEXT_NICHT + Echo(optarg) + ".");
        if (c == AUSGABE)
            a.szAusgabe = optarg;
    }
    if (a.bPruefen) {
        if (a.szVon)
            return Melden(EXIT_EINGABE, std::string(CLI_TEXT_NUR_DATEIEN) + "from" + CLI_TEXT_NICHT_DAZU);
        for (std::size_t k = 0; k < a.gegeben.size(); ++k)
            if (a.gegeben[k] || a.bStreng)
                return Melden(EXIT_EINGABE, std::string(CLI_TEXT_NUR_DATEIEN) +
                                                (a.bStreng ? "strict"
                                                 : k + 1 == a.gegeben.size()
                                                     ? "output"
                                                     : Eingaben_Feld(static_cast<int>(k))->szOption) +
                                                CLI_TEXT_NICHT_DAZU);
        return Pruefen_Ausfuehren(argc - optind, argv + optind);
    }
    if (optind < argc)
        return Melden(EXIT_EINGABE, CLI_TEXT_ARGUMENT + Echo(argv[optind]) + CLI_TEXT_NUR_OPTIONEN);
    return -1;
}

bool Gegeben(const Aufruf &a, int iControl)
{
    for (int i = 0; i < Eingaben_Anzahl(); ++i)
        if (Eingaben_Feld(i)->iControl == iControl)
            return a.gegeben[static_cast<std::size_t>(i)];
    return false;
}

// Both forms of one quantity are refused; the one given sets its partner
// as the panel's coupling does, and a partner that is no finite number is
// refused as the window refuses it.
int Koppeln(Aufruf &a)
{
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (!a.gegeben[static_cast<std::size_t>(i)])
            continue;
        Eingabewerte vorher = a.e;
        const int iPartner = Eingaben_Koppeln(&a.e, f->iControl);
        if (iPartner == 0)
            continue;
        if (iPartner < 0)
            return Melden(EXIT_EINGABE, std::string("--") + f->szOption + " " +
                                            Zahl(*Eingaben_Zahl(&vorher, f)) + CLI_TEXT_PARTNER_UNENDLICH);
        if (Gegeben(a, iPartner))
            return Melden(EXIT_EINGABE, std::string("--") + f->szOption + " und --" +
                                            Eingaben_ZuControl(iPartner)->szOption + CLI_TEXT_DOPPELT);
    }
    return -1;
}

// The partner of a coupled input, or 0.
int Partner(const Eingabefeld *f)
{
    Eingabewerte probe = {};
    Eingaben_Vorgaben(&probe);
    const int iPartner = Eingaben_Koppeln(&probe, f->iControl);
    return iPartner > 0 ? iPartner : 0;
}

// --from: the inputs that export the file's values again, for every input
// neither given nor coupled to one given; said on standard error where the
// file leaves a choice or the inputs cannot write it byte for byte.
int VonDatei(Aufruf &a)
{
    const bool bEingabe = std::strcmp(a.szVon, "-") == 0;
    const int iDatei = bEingabe ? STDIN_FILENO : open(a.szVon, O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (iDatei < 0)
        return Melden(EXIT_EINGABE, std::string("--from ") + Echo(a.szVon) + ": " +
                                        (errno == ENOENT ? CLI_TEXT_NICHT_GEFUNDEN : TK_FehlerGrund(errno)));
    static Kurvendatei datei;
    const int iGelesen = Kurvendatei_Lesen(iDatei, &datei);
    if (!bEingabe)
        close(iDatei);
    if (iGelesen < 0 || datei.iWerte == 0 || datei.iWerte != datei.iDatenzeilen || !datei.szZeitbasis[0])
        return Melden(EXIT_EINGABE, std::string("--from ") + Echo(a.szVon) + CLI_TEXT_VON_KEINE_KURVE);
    Eingabewerte entwurf = a.e;
    Entwurfsbericht bericht;
    if (!Entwurf_AusDatei(&datei, a.e.dUmax, &entwurf, &bericht))
        return Melden(EXIT_EINGABE, std::string("--from ") + Echo(a.szVon) + CLI_TEXT_VON_KEIN_ENTWURF);
    for (int i = 0; i < Eingaben_Anzahl(); ++i) {
        const Eingabefeld *f = Eingaben_Feld(i);
        if (a.gegeben[static_cast<std::size_t>(i)] || (Partner(f) && Gegeben(a, Partner(f))))
            continue;
        if (f->iArt == EINGABEN_ZAHL)
            *Eingaben_Zahl(&a.e, f) = *Eingaben_Zahl(&entwurf, f);
        else if (f->iArt == EINGABEN_ZEITBASIS)
            a.e.iZeitbasisIndex = entwurf.iZeitbasisIndex,
            TK_TextKopieren(a.e.szZeitbasis, sizeof a.e.szZeitbasis, entwurf.szZeitbasis);
        else
            a.e.iKurvennummer = entwurf.iKurvennummer;
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

// --timebase auto: the exact time base with the most points, else the closest; named as a note.
int AutoZeitbasis(Aufruf &a)
{
    Zeitbasisrat r;
    if (!Analyse_Zeitbasis(a.e.dPeriodendauer, a.e.dAnzahlPerioden, -1, 1, &r))
        return Melden(EXIT_EINGABE, CLI_TEXT_AUTO_KEINE);
    a.e.iZeitbasisIndex = r.iZeitbasis;
    TK_TextKopieren(a.e.szZeitbasis, sizeof a.e.szZeitbasis, Zeitbasis_Label(r.iZeitbasis));
    if (r.bGenau)
        std::fprintf(stderr, "%s: %s--timebase auto: %s, genau (%d Punkte je Periode)\n", CLI_PROGRAMM,
                     CLI_TEXT_HINWEIS, a.e.szZeitbasis, static_cast<int>(r.iPunkte));
    else
        std::fprintf(stderr, "%s: %s--timebase auto: %s, am nächsten: %+.4f %% (%d Punkte je Periode)\n",
                     CLI_PROGRAMM, CLI_TEXT_HINWEIS, a.e.szZeitbasis, r.dAbweichung, static_cast<int>(r.iPunkte));
    return -1;
}

}  // namespace

int main(int argc, char *argv[])
{
    Aufruf a;
    Eingaben_Vorgaben(&a.e);
    int iExit = Lesen(argc, argv, a);
    if (iExit < 0 && a.szVon)
        iExit = VonDatei(a);
    if (iExit < 0)
        iExit = Koppeln(a);
    if (iExit < 0 && a.bAuto)
        iExit = AutoZeitbasis(a);
    if (iExit >= 0)
        return iExit;
    if (!a.szAusgabe)
        return Melden(EXIT_EINGABE, CLI_TEXT_OHNE_AUSGABE);

    // The window's step on records of the exporter's own.
    static Sinuskurve kurve;
    static Kurvenanalyse analyse;
    Schrittbericht bericht;
    int iCode = Sinus_Schritt(&a.e, &kurve, &analyse, &bericht);
    if (iCode == SCHRITT_NICHT_ENDLICH || iCode == SCHRITT_ZU_VIELE_PUNKTE) {
        // The window's refusal with its count, on one line.
        char szText[ZU_VIELE_GROESSE];
        Sinus_SchrittText(&bericht, szText, sizeof szText);
        TK_TextEineZeile(szText);
        return Melden(iCode == SCHRITT_NICHT_ENDLICH ? EXIT_EINGABE : EXIT_FEHLER, szText);
    }
    if (iCode == 0) {
        // What the rig will play where it differs from what was asked:
        // said on standard error; under --strict nothing is written.
        char szWarnungen[WARNUNGEN_GROESSE];
        const int iWarnungen = Analyse_Warnungen(&analyse, szWarnungen, sizeof szWarnungen);
        for (char *p = std::strtok(szWarnungen, "\n"); p && iWarnungen > 0; p = std::strtok(nullptr, "\n"))
            std::fprintf(stderr, "%s: %s%s\n", CLI_PROGRAMM, CLI_TEXT_WARNUNG, p);
        if (iWarnungen > 0 && a.bStreng) {
            Sinus_KurveFreigeben(&kurve);
            return EXIT_WARNUNG;
        }
        iCode = Sinus_ExportSchreiben(a.szAusgabe, &a.e, &kurve);
    }
    Sinus_KurveFreigeben(&kurve);
    if (iCode != 0) {
        // The catalogue's text first, then the reason and the path.
        std::string text = ZEM_Fehlermeldung(iCode);
        const std::size_t umbruch = text.find('\n');
        if (umbruch != std::string::npos)
            text.replace(umbruch, 1, " – ");
        return Melden(EXIT_FEHLER, CLI_TEXT_FEHLER_NR + std::to_string(-static_cast<long long>(iCode)) + ": " + text);
    }
    return 0;
}
