// Curve files as the window reads them: regular files only, read with the
// checker's reader, a file that cannot be read said in a message.
#include "Sinuserzeugung_gui.h"

#include "Fenstertexte.h"
#include "kurvendatei.h"
#include "toolkit_gui.h"
#include "zustand.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
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

int Fenster_KurvendateiLesen(const char *szPfad, Kurvendatei *pDatei)
{
    const int iDatei = Fenster_KurvendateiOeffnen(szPfad);
    const int iGelesen = iDatei < 0 ? iDatei : Kurvendatei_Lesen(iDatei, pDatei);
    if (iDatei >= 0)
        close(iDatei);
    if (iGelesen < 0) {
        static char szText[FENSTER_PFAD_GROESSE + FENSTER_HINWEIS_GROESSE];
        std::snprintf(szText, sizeof szText, "%s\n%s: %s", FENSTER_TEXT_REFERENZ_UNLESBAR, Fenster_LeseGrund(-iGelesen),
                      szPfad);
        MessagePopup(SINUS_TEXT_FEHLER, szText);
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
