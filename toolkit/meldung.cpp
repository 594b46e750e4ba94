// Message popups: the window installs its modal box at start-up; a program
// without a window writes the message to standard error; tests answer them.
#include "seam.h"

#include <cstdio>

namespace {

TK_Meldungsausgabe s_anzeige = nullptr;
TK_MeldungsAntwort s_antwort = nullptr;

}  // namespace

void TK_MeldungsanzeigeSetzen(TK_Meldungsausgabe anzeige) { s_anzeige = anzeige; }
void TK_MeldungenAbfangen(TK_MeldungsAntwort answer) { s_antwort = answer; }

int MessagePopup(const char *title, const char *message)
{
    if (!title)
        title = "";
    if (!message)
        message = "";
    if (s_antwort)
        s_antwort(title, message);
    else if (s_anzeige)
        s_anzeige(title, message);
    else
        std::fprintf(stderr, "%s: %s\n", title, message);
    return 0;
}
