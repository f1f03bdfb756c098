#pragma once

#include <QString>

#include <cstdint>

// The code a numbered game is known by: six characters of Crockford's base
// 32 (digits and capitals without I, L, O and U, so it reads aloud and
// types back without doubt), taken from 30 bits of a hash of the game's
// seed. The seed decides the code, so a record whose code and seed disagree
// was changed by hand.
QString gameCode(std::uint64_t seed);

// Six characters of that alphabet, capitals only.
bool isGameCode(const QString &text);
