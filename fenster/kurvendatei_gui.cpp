// Curve files as the window reads them: regular files only, read with the
// checker's reader, a file that cannot be read said in a message.
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "Kurvenformat.h"
#include "kurvendatei.h"
#include "toolkit_gui.h"
#include "zustand.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

int Fenster_KurvendateiOeffnen(const char *szPfad)
{
    const int iDatei = open(szPfad, O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (iDatei < 0)
        return -errno;
    struct stat st;
    if (fstat(iDatei, &st) != 0 || !S_ISREG(st.st_mode)) {
        close(iDatei);
        return -EINVAL;
    }
    return iDatei;
}

namespace {

// More than the longest file the reader takes: its data lines at their
// longest, a header and a few lines beyond the limit, where it stops.
const std::size_t KOPIE_MAX =
    static_cast<std::size_t>(KURVENDATEI_MAX_DATENZEILEN + 64) * (KURVENFORMAT_ZEILE_MAX + 2);
const std::size_t KOPIE_BLOCK = 65536;

// The bytes of @p iQuelle, at most KOPIE_MAX of them, into a file in memory
// read from its start: its descriptor, or minus the errno.
int Kopieren(int iQuelle)
{
    const int iKopie = memfd_create("wlr7-referenz", MFD_CLOEXEC);
    if (iKopie < 0)
        return -errno;
    static char block[KOPIE_BLOCK];
    std::size_t iGesamt = 0;
    while (iGesamt < KOPIE_MAX) {
        const ssize_t n = read(iQuelle, block, std::min(sizeof block, KOPIE_MAX - iGesamt));
        if (n < 0 && errno == EINTR)
            continue;
        const int iFehler = n < 0 ? errno : 0;
        if (n < 0 || (n > 0 && write(iKopie, block, static_cast<std::size_t>(n)) != n)) {
            close(iKopie);
            return -(iFehler ? iFehler : ENOMEM);
        }
        if (n == 0)
            break;
        iGesamt += static_cast<std::size_t>(n);
    }
    lseek(iKopie, 0, SEEK_SET);
    return iKopie;
}

void Unlesbar(const char *szPfad, int iErrno)
{
    static char szText[FENSTER_PFAD_GROESSE + FENSTER_HINWEIS_GROESSE];
    std::snprintf(szText, sizeof szText, "%s\n%s: %s", FENSTER_TEXT_REFERENZ_UNLESBAR, Fenster_LeseGrund(iErrno),
                  szPfad);
    MessagePopup(SINUS_TEXT_FEHLER, szText);
}

}  // namespace

int Fenster_KurvendateiKopieren(const char *szPfad, Kurvendatei *pDatei)
{
    const int iDatei = Fenster_KurvendateiOeffnen(szPfad);
    const int iKopie = iDatei < 0 ? iDatei : Kopieren(iDatei);
    if (iDatei >= 0)
        close(iDatei);
    const int iGelesen = iKopie < 0 ? iKopie : Kurvendatei_Lesen(iKopie, pDatei);
    if (iGelesen < 0) {
        if (iKopie >= 0)
            close(iKopie);
        Unlesbar(szPfad, -iGelesen);
        return -1;
    }
    return iKopie;
}

int Fenster_KurvendateiLesen(const char *szPfad, Kurvendatei *pDatei)
{
    const int iDatei = Fenster_KurvendateiOeffnen(szPfad);
    const int iGelesen = iDatei < 0 ? iDatei : Kurvendatei_Lesen(iDatei, pDatei);
    if (iDatei >= 0)
        close(iDatei);
    if (iGelesen < 0) {
        Unlesbar(szPfad, -iGelesen);
        return 0;
    }
    return 1;
}

const char *Fenster_LeseGrund(int iErrno)
{
    // The toolkit's reasons speak of writing, where a missing name means a missing folder.
    if (iErrno == ENOENT)
        return FENSTER_TEXT_NICHT_GEFUNDEN;
    // A file opened without waiting that has nothing to give now (/proc/kmsg): never waited for.
    if (iErrno == EAGAIN)
        return FENSTER_TEXT_KEINE_DATEN;
    return TK_FehlerGrund(iErrno);
}

const char *Fenster_Dateiname(const char *szPfad)
{
    const char *p = std::strrchr(szPfad, '/');
    return p ? p + 1 : szPfad;
}
