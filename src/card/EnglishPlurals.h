#pragma once

class QCoreApplication;

// Texts that count are written "%n card(s)"; the English catalogue gives
// them their singular and plural ("1 card", "2 cards"). Installed first, so
// that a catalogue of the user's language installed after it wins. False
// when the catalogue is missing from the build.
bool installEnglishPlurals(QCoreApplication &app);
