/**
 * @file pruefsumme.h
 * @brief SHA-256 of bytes in memory, for a series' manifest: the checksum
 *        that `sha256sum` gives for the same file, taken with nettle.
 */
#ifndef CLI_PRUEFSUMME_H
#define CLI_PRUEFSUMME_H

#include <cstddef>

/** Hex digits of a SHA-256 and their NUL. */
const std::size_t PRUEFSUMME_HEX_GROESSE = 65;

/**
 * The SHA-256 of @p iAnzahl bytes at @p pDaten into @p szHex: 64 lower-case
 * hex digits and a NUL. It cannot fail.
 */
void Pruefsumme_Sha256(const void *pDaten, std::size_t iAnzahl, char szHex[PRUEFSUMME_HEX_GROESSE]);

#endif
