/**
 * @file seam.h
 * @brief The core's test hook: tests answer message popups instead of
 *        showing them, so that nothing blocks. Program code never includes
 *        this.
 */
#ifndef TOOLKIT_SEAM_H
#define TOOLKIT_SEAM_H

#include "toolkit_kern.h"

/** Answers a message popup instead of showing it. */
typedef TK_Meldungsausgabe TK_MeldungsAntwort;

/** Routes MessagePopup() to @p answer; null shows messages again. */
void TK_MeldungenAbfangen(TK_MeldungsAntwort answer);

#endif
