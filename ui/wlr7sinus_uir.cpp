/* The handle of the loaded main panel: set once by main, read by every part
   that writes to the panel. */
#include "wlr7sinus_uir.h"

int gPanelMain = 0;
