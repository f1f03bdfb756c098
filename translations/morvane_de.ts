<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>Calls in order</source>
        <translation>Aufrufe der Reihe nach</translation>
    </message>
</context>
<context>
    <name>CallAnnouncer</name>
    <message>
        <source>Speech is not available: no speech service was found on this desktop.</source>
        <translation>Sprachausgabe nicht verfügbar: Auf diesem Desktop wurde kein Sprachdienst gefunden.</translation>
    </message>
    <message>
        <source>The speech service does not answer, so Speak Calls has been turned off. The calls go on without speech.</source>
        <translation>Der Sprachdienst antwortet nicht, daher wurde „Aufrufe ansagen“ ausgeschaltet. Die Aufrufe gehen ohne Sprachausgabe weiter.</translation>
    </message>
</context>
<context>
    <name>CallList</name>
    <message>
        <source>The call list is too long to print on one page: %1 entries need %2 columns, and &quot;%3&quot; would print smaller than %4 points</source>
        <translation>Die Aufrufliste ist zu lang für eine Seite: %1 Einträge brauchen %2 Spalten, und „%3“ würde kleiner als %4 Punkt gedruckt</translation>
    </message>
</context>
<context>
    <name>CallRandom</name>
    <message>
        <source>The system&apos;s random source cannot be read</source>
        <translation>Die Zufallsquelle des Systems kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>CallTexts</name>
    <message>
        <source>Call %1 of %2</source>
        <translation>Aufruf %1 von %2</translation>
    </message>
    <message>
        <source>card %1 (call %2)</source>
        <translation>Karte %1 (Aufruf %2)</translation>
    </message>
    <message>
        <source>Bingo: </source>
        <translation>Bingo: </translation>
    </message>
    <message>
        <source>both diagonals</source>
        <translation>beiden Diagonalen</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>the nearest line</source>
        <translation>die nächste Reihe</translation>
    </message>
    <message>
        <source>four corners</source>
        <translation>vier Ecken</translation>
    </message>
    <message>
        <source>a full card</source>
        <translation>eine volle Karte</translation>
    </message>
    <message>
        <source>This game has no cards to check.</source>
        <translation>Dieses Spiel hat keine Karten zum Prüfen.</translation>
    </message>
    <message>
        <source>There is no card %1 in this game: its cards are numbered 1 to %2.</source>
        <translation>In diesem Spiel gibt es keine Karte %1: Seine Karten sind von 1 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>Card %1: bingo on %2</source>
        <translation>Karte %1: Bingo mit %2</translation>
    </message>
    <message numerus="yes">
        <source>Card %1: no bingo yet, %n cell(s) short of %2</source>
        <translation>
            <numerusform>Karte %1: noch kein Bingo, %n Feld zu wenig für %2</numerusform>
            <numerusform>Karte %1: noch kein Bingo, %n Felder zu wenig für %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Call %1 was not saved in %2: %3</source>
        <translation>Aufruf %1 wurde nicht in %2 gespeichert: %3</translation>
    </message>
    <message>
        <source>Calls %1 to %2 (%3 calls) were not saved in %4: %5</source>
        <translation>Die Aufrufe %1 bis %2 (%3 Aufrufe) wurden nicht in %4 gespeichert: %5</translation>
    </message>
    <message>
        <source>The call taken back was not saved, and is still in %1: %2</source>
        <translation>Der zurückgenommene Aufruf wurde nicht gespeichert und steht noch in %1: %2</translation>
    </message>
    <message>
        <source>The %1 calls taken back were not saved, and are still in %2: %3</source>
        <translation>Die %1 zurückgenommenen Aufrufe wurden nicht gespeichert und stehen noch in %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> and %Ln more card(s)</source>
        <translation>
            <numerusform> und %Ln weitere Karte</numerusform>
            <numerusform> und %Ln weitere Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>card %1 (%2, call %3)</source>
        <translation>Karte %1 (%2, Aufruf %3)</translation>
    </message>
    <message>
        <source> and 1 more card</source>
        <translation> und 1 weitere Karte</translation>
    </message>
    <message>
        <source> and %1 more cards</source>
        <translation> und %1 weitere Karten</translation>
    </message>
    <message>
        <source>All stages won</source>
        <translation>Alle Stufen gewonnen</translation>
    </message>
    <message>
        <source>Stage %1 of %2: %3</source>
        <translation>Stufe %1 von %2: %3</translation>
    </message>
    <message>
        <source>%1 won at call %2</source>
        <translation>%1 bei Aufruf %2 gewonnen</translation>
    </message>
    <message>
        <source>There is no ticket %1 in this game: its tickets are numbered 1 to %2.</source>
        <translation>In diesem Spiel gibt es keinen Schein %1: Seine Scheine sind von 1 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>Ticket %1 holds no prize yet</source>
        <translation>Schein %1 hat noch keinen Gewinn</translation>
    </message>
    <message>
        <source>Card %1 holds no prize yet</source>
        <translation>Karte %1 hat noch keinen Gewinn</translation>
    </message>
    <message>
        <source>%1 (won at call %2)</source>
        <translation>%1 (gewonnen bei Aufruf %2)</translation>
    </message>
    <message>
        <source>%1 (since call %2)</source>
        <translation>%1 (seit Aufruf %2)</translation>
    </message>
    <message>
        <source>Ticket %1 holds %2</source>
        <translation>Schein %1 hat %2</translation>
    </message>
    <message>
        <source>Card %1 holds %2</source>
        <translation>Karte %1 hat %2</translation>
    </message>
    <message>
        <source>ticket %1 (call %2)</source>
        <translation>Schein %1 (Aufruf %2)</translation>
    </message>
    <message>
        <source>ticket %1 (%2, call %3)</source>
        <translation>Schein %1 (%2, Aufruf %3)</translation>
    </message>
    <message>
        <source> and 1 more ticket</source>
        <translation> und 1 weiterer Schein</translation>
    </message>
    <message>
        <source> and %1 more tickets</source>
        <translation> und %1 weitere Scheine</translation>
    </message>
</context>
<context>
    <name>CardKind</name>
    <message>
        <source>One Line</source>
        <translation>Eine Reihe</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Zwei Reihen</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Volles Haus</translation>
    </message>
    <message>
        <source>Early Five</source>
        <translation>Schnelle Fünf</translation>
    </message>
    <message>
        <source>Top Line</source>
        <translation>Obere Reihe</translation>
    </message>
    <message>
        <source>Middle Line</source>
        <translation>Mittlere Reihe</translation>
    </message>
    <message>
        <source>Bottom Line</source>
        <translation>Untere Reihe</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>Lines and Full House</source>
        <translation>Reihen und volles Haus</translation>
    </message>
    <message>
        <source>Tambola</source>
        <translation>Tambola</translation>
    </message>
</context>
<context>
    <name>CardListDocument</name>
    <message>
        <source>The card list has more than %1 entries, the most Morvane can open</source>
        <translation>Die Kartenliste hat mehr als %1 Einträge, die Höchstzahl, die Morvane öffnen kann</translation>
    </message>
</context>
<context>
    <name>CardPrintJob</name>
    <message numerus="yes">
        <source>These entries make only %n different card(s). Print anyway, repeating some cards?</source>
        <translation>
            <numerusform>Diese Einträge ergeben nur %n verschiedene Karte. Trotzdem drucken und einige Karten wiederholen?</numerusform>
            <numerusform>Diese Einträge ergeben nur %n verschiedene Karten. Trotzdem drucken und einige Karten wiederholen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardRange</name>
    <message>
        <source>There is no card %1 in this game: its cards are numbered 1 to %2.</source>
        <translation>In diesem Spiel gibt es keine Karte %1: Seine Karten sind von 1 bis %2 nummeriert.</translation>
    </message>
    <message>
        <source>Type the numbers of the cards, for example 17, 20-25.</source>
        <translation>Geben Sie die Nummern der Karten ein, zum Beispiel 17, 20-25.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card number: type numbers and ranges such as 17, 20-25.</source>
        <translation>„%1“ ist keine Kartennummer: Geben Sie Nummern und Bereiche wie 17, 20-25 ein.</translation>
    </message>
</context>
<context>
    <name>CardSettings</name>
    <message>
        <source>Free Space</source>
        <translation>Freifeld</translation>
    </message>
</context>
<context>
    <name>CommandGuard</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Arbeitsspeicher</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source>Make the cards of LIST.mrv into the PDF file OUT.pdf, without a window; an existing file is replaced.</source>
        <translation>Die Karten von LIST.mrv ohne Fenster in die PDF-Datei OUT.pdf schreiben; eine vorhandene Datei wird ersetzt.</translation>
    </message>
    <message>
        <source>How many cards to make, 1 to 99999 (default 1). Every page is printed full, so the last page may bring a few more.</source>
        <translation>Wie viele Karten erstellt werden, 1 bis 99999 (Vorgabe 1). Jede Seite wird voll gedruckt, daher kann die letzte Seite einige mehr enthalten.</translation>
    </message>
    <message>
        <source>Cards on each page: 1, 2 or 4 (default 1).</source>
        <translation>Karten pro Seite: 1, 2 oder 4 (Vorgabe 1).</translation>
    </message>
    <message>
        <source>The paper: A4, Letter, Legal, A5 or A3 (default: Letter where the language settings measure in inches, else A4).</source>
        <translation>Das Papier: A4, Letter, Legal, A5 oder A3 (Vorgabe: Letter, wo die Spracheinstellungen in Zoll messen, sonst A4).</translation>
    </message>
    <message>
        <source>Make a numbered game: every card carries its number and the game&apos;s code, the game is recorded for calling, and its code is printed on standard output.</source>
        <translation>Ein nummeriertes Spiel erstellen: Jede Karte trägt ihre Nummer und den Code des Spiels, das Spiel wird zum Ausrufen gespeichert und sein Code auf der Standardausgabe ausgegeben.</translation>
    </message>
    <message>
        <source>Print even when the entries make fewer different cards than the export prints, repeating some. Without it such an export is refused, as the window&apos;s question is answered by its default button, No.</source>
        <translation>Auch dann drucken, wenn die Einträge weniger verschiedene Karten ergeben, als der Export druckt, und einige wiederholen. Ohne diese Option wird ein solcher Export abgelehnt, da die Frage des Fensters mit ihrer Standardschaltfläche beantwortet wird: Nein.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>%1 goes with --export.</source>
        <translation>%1 gehört zu --export.</translation>
    </message>
    <message>
        <source>--export needs the name of the PDF file to write.</source>
        <translation>--export braucht den Namen der zu schreibenden PDF-Datei.</translation>
    </message>
    <message>
        <source>Name the card list to export after the options.</source>
        <translation>Geben Sie die zu exportierende Kartenliste nach den Optionen an.</translation>
    </message>
    <message>
        <source>Only one card list can be exported at a time.</source>
        <translation>Es kann jeweils nur eine Kartenliste exportiert werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cards per page cannot be printed: use 1, 2 or 4.</source>
        <translation>&apos;%1&apos; Karten pro Seite können nicht gedruckt werden: Verwenden Sie 1, 2 oder 4.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a paper Morvane knows: use A4, Letter, Legal, A5 or A3.</source>
        <translation>&apos;%1&apos; ist kein Papier, das Morvane kennt: Verwenden Sie A4, Letter, Legal, A5 oder A3.</translation>
    </message>
    <message>
        <source>Usage: %1 [LIST.mrv]
       %1 --export OUT.pdf [options] LIST.mrv
       %1 --help | --version
</source>
        <translation>Aufruf: %1 [LIST.mrv]
        %1 --export OUT.pdf [Optionen] LIST.mrv
        %1 --help | --version
</translation>
    </message>
    <message>
        <source>With --export, it makes the bingo cards of LIST.mrv into a PDF file without a window or a display, as File &gt; Export PDF... does, with the card options and the font the window keeps in Options.ini. Progress shows on standard error when the export runs long.</source>
        <translation>Mit --export schreibt es die Bingokarten von LIST.mrv ohne Fenster und ohne Bildschirm in eine PDF-Datei, wie Datei &gt; PDF exportieren..., mit den Kartenoptionen und der Schrift, die das Fenster in Options.ini speichert. Dauert der Export länger, erscheint der Fortschritt auf der Standardfehlerausgabe.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Exit status: 0 when the cards are made, 1 when the export is refused or fails (the message says why, in the window&apos;s words), 2 for a command line that is not understood, 130 when interrupted.</source>
        <translation>Rückgabewert: 0, wenn die Karten erstellt sind, 1, wenn der Export abgelehnt wird oder fehlschlägt (die Meldung sagt warum, mit den Worten des Fensters), 2 bei einer unverständlichen Befehlszeile, 130 bei Abbruch.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Weitere Informationen mit &apos;%1 --help&apos;.</translation>
    </message>
    <message>
        <source>Yes (--force).</source>
        <translation>Ja (--force).</translation>
    </message>
    <message>
        <source>No: --force answers Yes.</source>
        <translation>Nein: --force antwortet mit Ja.</translation>
    </message>
    <message>
        <source>The number of cards must be from %1 to %2.</source>
        <translation>Die Anzahl der Karten muss zwischen %1 und %2 liegen.</translation>
    </message>
    <message>
        <source>Interrupted: nothing was written.</source>
        <translation>Abgebrochen: Es wurde nichts geschrieben.</translation>
    </message>
    <message numerus="yes">
        <source>Printing: %1 of %n page(s)</source>
        <translation>
            <numerusform>Drucken: %1 von %n Seite</numerusform>
            <numerusform>Drucken: %1 von %n Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>What to make: cards, from the list, or tickets, 90-ball tickets of the numbers 1 to 90 in strips of six, whatever the list holds; --cards then counts tickets and --per-page strips (1 or 2). Default: the kind chosen in the window.</source>
        <translation>Was erstellt wird: cards (Karten aus der Liste) oder tickets (90-Ball-Scheine mit den Zahlen 1 bis 90 in Streifen zu sechs, gleich, was die Liste enthält); --cards zählt dann Scheine und --per-page Streifen (1 oder 2). Vorgabe: die im Fenster gewählte Art.</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Unbekannte Option %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no kind Morvane makes: use cards or tickets.</source>
        <translation>&apos;%1&apos; ist keine Art, die Morvane erstellt: Verwenden Sie cards oder tickets.</translation>
    </message>
    <message>
        <source>Without options, Morvane opens its window, and in it the card list LIST.mrv when one is given. Put -- before a list whose name starts with a dash.</source>
        <translation>Ohne Optionen öffnet Morvane sein Fenster und darin die Kartenliste LIST.mrv, wenn eine angegeben ist. Vor eine Liste, deren Name mit einem Bindestrich beginnt, gehört --.</translation>
    </message>
    <message>
        <source>Cannot read the list &quot;%1&quot;: %2</source>
        <translation>Die Liste „%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; strips per page cannot be printed: use 1 or 2.</source>
        <translation>&apos;%1&apos; Streifen pro Seite können nicht gedruckt werden: Verwenden Sie 1 oder 2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the card list being exported: the cards cannot be written over it.</source>
        <translation>„%1“ ist die Kartenliste, die exportiert wird: Die Karten können nicht darüber geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to print it again.</source>
        <translation>Ihre Bingokarte braucht mindestens %1 Einträge. Bitte fügen Sie weitere hinzu und drucken Sie dann noch einmal.</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>Please don&apos;t add an empty string.</source>
        <translation>Bitte fügen Sie keinen leeren Text hinzu.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; has already been added into the list, do you want to add it again?</source>
        <translation>Das Wort &apos;%1&apos; steht schon in der Liste. Möchten Sie es noch einmal hinzufügen?</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Invalid filename</source>
        <translation>Ungültiger Dateiname</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Zu viele offene Dateien</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>E/A-Fehler %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1 is not a Morvane game.</source>
        <translation>%1 ist kein Morvane-Spiel.</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of Morvane and cannot be opened here.</source>
        <translation>%1 wurde mit einer neueren Version von Morvane erstellt und kann hier nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>%1 is incomplete: the file was cut short.</source>
        <translation>%1 ist unvollständig: Die Datei wurde abgeschnitten.</translation>
    </message>
    <message>
        <source>%1 was changed outside Morvane: its cards can no longer be made again.</source>
        <translation>%1 wurde außerhalb von Morvane geändert: Seine Karten lassen sich nicht mehr neu erstellen.</translation>
    </message>
    <message>
        <source>%1 is too large to be a Morvane game.</source>
        <translation>%1 ist zu groß für ein Morvane-Spiel.</translation>
    </message>
    <message>
        <source>The game %1 cannot be read: %2.</source>
        <translation>Das Spiel %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>%1 was changed outside Morvane: its calls are no longer the calls made.</source>
        <translation>%1 wurde außerhalb von Morvane geändert: Seine Aufrufe sind nicht mehr die tatsächlich gemachten Aufrufe.</translation>
    </message>
    <message>
        <source>The end of %1 was damaged, most likely by a save that was cut short: the damaged end was left out, and the first %2 calls were kept.</source>
        <translation>Das Ende von %1 war beschädigt, vermutlich durch ein abgebrochenes Speichern: Das beschädigte Ende wurde weggelassen, die ersten %2 Aufrufe wurden behalten.</translation>
    </message>
    <message>
        <source>The game %1 cannot be saved: %2.</source>
        <translation>Das Spiel %1 kann nicht gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No new game code is free</source>
        <translation>Kein neuer Spielcode ist frei</translation>
    </message>
    <message>
        <source>The games folder %1 is not a folder, so no game can be listed</source>
        <translation>Der Spieleordner %1 ist kein Ordner, daher kann kein Spiel aufgelistet werden</translation>
    </message>
    <message>
        <source>The games folder %1 cannot be read, so no game can be listed</source>
        <translation>Der Spieleordner %1 kann nicht gelesen werden, daher kann kein Spiel aufgelistet werden</translation>
    </message>
</context>
<context>
    <name>GameListDialog</name>
    <message>
        <source>Recorded games</source>
        <translation>Gespeicherte Spiele</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>List Size</source>
        <translation>Listengröße</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Kartengröße</translation>
    </message>
</context>
<context>
    <name>GameLock</name>
    <message>
        <source>The game %1 is being called in another Caller window, so it cannot be called here at the same time</source>
        <translation>Das Spiel %1 wird in einem anderen Ausruferfenster ausgerufen und kann daher hier nicht gleichzeitig ausgerufen werden</translation>
    </message>
    <message>
        <source>The game %1 is being called in another Caller window (Morvane process %2 on %3), so it cannot be called here at the same time</source>
        <translation>Das Spiel %1 wird in einem anderen Ausruferfenster ausgerufen (Morvane-Prozess %2 auf %3) und kann daher hier nicht gleichzeitig ausgerufen werden</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>No program could be started to open this address. You can copy it from here into a browser or a mail program:

%1</source>
        <translation>Es konnte kein Programm zum Öffnen dieser Adresse gestartet werden. Sie können sie von hier in einen Browser oder ein E-Mail-Programm kopieren:

%1</translation>
    </message>
    <message>
        <source>Morvane Help</source>
        <translation>Morvane-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>The help file %1 is missing. Please re-install the software.</source>
        <translation>Die Hilfedatei %1 fehlt. Bitte installieren Sie das Programm neu.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>gesperrt</translation>
    </message>
</context>
<context>
    <name>NumberLine</name>
    <message>
        <source>Card %1 · Game %2</source>
        <translation>Karte %1 · Spiel %2</translation>
    </message>
    <message>
        <source>Ticket %1 · Strip %2 · Game %3</source>
        <translation>Schein %1 · Streifen %2 · Spiel %3</translation>
    </message>
</context>
<context>
    <name>NumberedGame</name>
    <message>
        <source>These entries are too many or too long for a numbered game: with its calls kept, its record would grow too large to be opened again. Print the cards without numbers, or use fewer or shorter entries.</source>
        <translation>Diese Einträge sind zu viele oder zu lang für ein nummeriertes Spiel: Mit seinen Aufrufen würde seine Aufzeichnung zu groß, um wieder geöffnet zu werden. Drucken Sie die Karten ohne Nummern oder verwenden Sie weniger oder kürzere Einträge.</translation>
    </message>
</context>
<context>
    <name>PdfFilePrintService</name>
    <message>
        <source>There is no file to write the cards to</source>
        <translation>Es gibt keine Datei, in die die Karten geschrieben werden können</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: the cards can only be written to a new file or over an earlier file.</source>
        <translation>„%1“ ist keine reguläre Datei: Die Karten können nur in eine neue Datei oder über eine frühere Datei geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>PlayPanel</name>
    <message>
        <source>Cannot listen for phones on port %1.</source>
        <translation>Port %1 kann nicht für Handys geöffnet werden.</translation>
    </message>
    <message>
        <source>Hand Out Cards</source>
        <translation>Karten ausgeben</translation>
    </message>
    <message>
        <source>Players who open the room&apos;s address get the next free card. Clear it to close the room to newcomers.</source>
        <translation>Spieler, die die Adresse des Raums öffnen, erhalten die nächste freie Karte. Entfernen Sie das Häkchen, um den Raum für Neuankömmlinge zu schließen.</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>beliebiger freier Port</translation>
    </message>
    <message>
        <source>Used the next time the room opens.</source>
        <translation>Gilt ab dem nächsten Öffnen des Raums.</translation>
    </message>
    <message>
        <source>Cards per phone:</source>
        <translation>Karten pro Handy:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s) connected, %1 card(s) held</source>
        <translation>
            <numerusform>%n Handy verbunden, %1 Karte(n) vergeben</numerusform>
            <numerusform>%n Handys verbunden, %1 Karte(n) vergeben</numerusform>
        </translation>
    </message>
    <message>
        <source>No claims.</source>
        <translation>Keine Bingo-Meldungen.</translation>
    </message>
    <message numerus="yes">
        <source>Claims to check: %n</source>
        <translation>
            <numerusform>Zu prüfende Meldungen: %n</numerusform>
            <numerusform>Zu prüfende Meldungen: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · card %2</source>
        <translation>%1 · Karte %2</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Reject</source>
        <translation>Ablehnen</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>PlayServer</name>
    <message>
        <source>This card is not in the room.</source>
        <translation>Diese Karte ist nicht in diesem Raum.</translation>
    </message>
    <message numerus="yes">
        <source>Wait %n seconds before you claim again.</source>
        <translation>
            <numerusform>Warten Sie %n Sekunde, bevor Sie erneut Bingo melden.</numerusform>
            <numerusform>Warten Sie %n Sekunden, bevor Sie erneut Bingo melden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Claim sent: the caller is checking your card.</source>
        <translation>Meldung gesendet: Der Ausrufer prüft Ihre Karte.</translation>
    </message>
    <message>
        <source>Bingo! The caller confirmed your win.</source>
        <translation>Bingo! Der Ausrufer hat Ihren Gewinn bestätigt.</translation>
    </message>
    <message>
        <source>Not a bingo yet: the caller turned the claim down.</source>
        <translation>Noch kein Bingo: Der Ausrufer hat die Meldung abgelehnt.</translation>
    </message>
</context>
<context>
    <name>PreviewPageView</name>
    <message>
        <source>Ticket %1</source>
        <translation>Schein %1</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Karte %1</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>Derzeit ist kein Standarddrucker ausgewählt</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>Der gewählte Drucker ist nicht gültig</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Druckvorgang läuft</translation>
    </message>
    <message>
        <source>The printer could not take the job: %1</source>
        <translation>Der Drucker konnte den Auftrag nicht annehmen: %1</translation>
    </message>
    <message>
        <source>The printable area of this printer is too small for this layout.</source>
        <translation>Der bedruckbare Bereich dieses Druckers ist für dieses Layout zu klein.</translation>
    </message>
</context>
<context>
    <name>PrintService</name>
    <message>
        <source>Cannot create the print file: %1</source>
        <translation>Die Druckdatei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>Cannot write the print file: %1</source>
        <translation>Die Druckdatei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Cannot start the print document</source>
        <translation>Das Druckdokument kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>Cannot write the print document</source>
        <translation>Das Druckdokument kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>QtCallerWindows</name>
    <message>
        <source>The caller window is not part of this build</source>
        <translation>Das Ausruferfenster ist in dieser Version nicht enthalten</translation>
    </message>
</context>
<context>
    <name>QtProgress</name>
    <message>
        <source>Exporting</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n page(s)</source>
        <translation>
            <numerusform>%1: %2 von %n Seite</numerusform>
            <numerusform>%1: %2 von %n Seiten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RawFile</name>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>wins %1 at call %2</source>
        <translation>gewinnt %1 bei Aufruf %2</translation>
    </message>
    <message numerus="yes">
        <source>not yet: %n numbers missing</source>
        <translation>
            <numerusform>noch nicht: %n Zahl fehlt</numerusform>
            <numerusform>noch nicht: %n Zahlen fehlen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not yet: %n entries missing</source>
        <translation>
            <numerusform>noch nicht: %n Eintrag fehlt</numerusform>
            <numerusform>noch nicht: %n Einträge fehlen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomJournal</name>
    <message>
        <source>Cannot read the room file %1: %2</source>
        <translation>Die Raumdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The room file %1 is too large.</source>
        <translation>Die Raumdatei %1 ist zu groß.</translation>
    </message>
    <message>
        <source>Cannot write the room file %1: %2</source>
        <translation>Die Raumdatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>SavedPatterns</name>
    <message>
        <source>There is no folder to keep patterns in.</source>
        <translation>Es gibt keinen Ordner, in dem Muster gespeichert werden können.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>SecureSeed</name>
    <message>
        <source>The system gave no random numbers (%1)</source>
        <translation>Das System lieferte keine Zufallszahlen (%1)</translation>
    </message>
</context>
<context>
    <name>SquarePrizes</name>
    <message>
        <source>Any Line</source>
        <translation>Beliebige Reihe</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Zwei Reihen</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Vier Ecken</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Briefmarke</translation>
    </message>
    <message>
        <source>Full Card</source>
        <translation>Volle Karte</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <source>About Morvane</source>
        <translation>Über Morvane</translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Webseite: </translation>
    </message>
    <message>
        <source>Support Email: </source>
        <translation>Support-E-Mail: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
</context>
<context>
    <name>TFrmCaller</name>
    <message>
        <source>Any Line</source>
        <translation>Beliebige Reihe</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Vier Ecken</translation>
    </message>
    <message>
        <source>Full Card</source>
        <translation>Volle Karte</translation>
    </message>
    <message>
        <source>Calls in order</source>
        <translation>Aufrufe der Reihe nach</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation>&amp;Muster</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Ausrufer</translation>
    </message>
    <message>
        <source>Press Space to make the first call</source>
        <translation>Drücken Sie die Leertaste für den ersten Aufruf</translation>
    </message>
    <message>
        <source>No cards in this game: winners are not checked.</source>
        <translation>Keine Karten in diesem Spiel: Gewinner werden nicht geprüft.</translation>
    </message>
    <message>
        <source>No bingo yet.</source>
        <translation>Noch kein Bingo.</translation>
    </message>
    <message>
        <source>No game is open.</source>
        <translation>Kein Spiel geöffnet.</translation>
    </message>
    <message>
        <source>Start a new game? The calls made so far will be cleared.</source>
        <translation>Ein neues Spiel beginnen? Die bisherigen Aufrufe werden gelöscht.</translation>
    </message>
    <message>
        <source>&amp;Call Next</source>
        <translation>&amp;Nächster Aufruf</translation>
    </message>
    <message>
        <source>&amp;Undo Last Call</source>
        <translation>Letzten Aufruf &amp;zurücknehmen</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>Neues Sp&amp;iel</translation>
    </message>
    <message>
        <source>C&amp;heck Card...</source>
        <translation>Karte &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Print Card...</source>
        <translation>Karte &amp;drucken...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Any Line</source>
        <translation>&amp;Beliebige Reihe</translation>
    </message>
    <message>
        <source>&amp;Four Corners</source>
        <translation>&amp;Vier Ecken</translation>
    </message>
    <message>
        <source>F&amp;ull Card</source>
        <translation>V&amp;olle Karte</translation>
    </message>
    <message>
        <source>&amp;Speak Calls</source>
        <translation>Aufrufe &amp;ansagen</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>Mus&amp;ter:</translation>
    </message>
    <message>
        <source>Call &amp;Next</source>
        <translation>&amp;Nächster Aufruf</translation>
    </message>
    <message>
        <source>&amp;Check Card...</source>
        <translation>Karte &amp;prüfen...</translation>
    </message>
    <message>
        <source>&amp;Repeat Call</source>
        <translation>Aufruf &amp;wiederholen</translation>
    </message>
    <message>
        <source>&amp;Auto Call</source>
        <translation>Automatisch a&amp;usrufen</translation>
    </message>
    <message>
        <source>Auto Call &amp;Interval...</source>
        <translation>Aufrufin&amp;tervall...</translation>
    </message>
    <message>
        <source>Prize &amp;Stages...</source>
        <translation>&amp;Gewinnstufen...</translation>
    </message>
    <message>
        <source>Show Call &amp;Names</source>
        <translation>Aufruf&amp;namen anzeigen</translation>
    </message>
    <message>
        <source>&amp;Room Display</source>
        <translation>&amp;Raumanzeige</translation>
    </message>
    <message>
        <source>Auto Call</source>
        <translation>Automatisch ausrufen</translation>
    </message>
    <message>
        <source>Seconds between calls (%1 to %2):</source>
        <translation>Sekunden zwischen Aufrufen (%1 bis %2):</translation>
    </message>
    <message>
        <source>Calls not saved</source>
        <translation>Aufrufe nicht gespeichert</translation>
    </message>
    <message>
        <source>Pla&amp;y on Phones...</source>
        <translation>Auf &amp;Handys spielen...</translation>
    </message>
    <message>
        <source>Player &amp;Links...</source>
        <translation>Spieler-&amp;Links...</translation>
    </message>
    <message>
        <source>Open the other game without saving?</source>
        <translation>Das andere Spiel öffnen, ohne zu speichern?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the call(s) kept in the game file named no entry of the game, or repeated an earlier call, and were left out.</source>
        <translation>
            <numerusform>%Ln der in der Spieldatei gespeicherten Aufrufe nannte keinen Eintrag des Spiels oder wiederholte einen früheren Aufruf und wurde weggelassen.</numerusform>
            <numerusform>%Ln der in der Spieldatei gespeicherten Aufrufe nannten keinen Eintrag des Spiels oder wiederholten einen früheren Aufruf und wurden weggelassen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Call the word list without saving?</source>
        <translation>Die Wortliste ausrufen, ohne zu speichern?</translation>
    </message>
    <message numerus="yes">
        <source>Game %1 · %Ln card(s) · %2 x %2</source>
        <translation>
            <numerusform>Spiel %1 · %Ln Karte · %2 x %2</numerusform>
            <numerusform>Spiel %1 · %Ln Karten · %2 x %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Word list · %Ln entry(s), no cards</source>
        <translation>
            <numerusform>Wortliste · %Ln Eintrag, keine Karten</numerusform>
            <numerusform>Wortliste · %Ln Einträge, keine Karten</numerusform>
        </translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; was deleted while the Caller was open. Make it again with the calls so far?</source>
        <translation>Die Spieldatei „%1“ wurde gelöscht, während der Ausrufer geöffnet war. Mit den bisherigen Aufrufen neu anlegen?</translation>
    </message>
    <message>
        <source>The file was deleted</source>
        <translation>Die Datei wurde gelöscht</translation>
    </message>
    <message>
        <source>No further call is made until it is saved: press Space to try again.</source>
        <translation>Bis zum Speichern erfolgt kein weiterer Aufruf: Drücken Sie die Leertaste, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Take back call %1, %2? The call after it moves up one place, and the winners are worked out again.</source>
        <translation>Aufruf %1, %2, zurücknehmen? Der folgende Aufruf rückt einen Platz vor, und die Gewinner werden neu ermittelt.</translation>
    </message>
    <message>
        <source>Take back call %1, %2? The %3 calls after it move up one place, and the winners are worked out again.</source>
        <translation>Aufruf %1, %2, zurücknehmen? Die %3 folgenden Aufrufe rücken einen Platz vor, und die Gewinner werden neu ermittelt.</translation>
    </message>
    <message>
        <source>Close the Caller without saving?</source>
        <translation>Den Ausrufer schließen, ohne zu speichern?</translation>
    </message>
    <message>
        <source>Play on Phones starts a small web server inside Morvane, on this computer&apos;s local network. Players open its address (or scan its QR code) on their phones and get a card of this game; nothing is sent to the internet. Your firewall may ask whether to let phones connect.

Start the web server?</source>
        <translation>„Auf Handys spielen“ startet einen kleinen Webserver in Morvane, im lokalen Netzwerk dieses Computers. Die Spieler öffnen seine Adresse (oder scannen seinen QR-Code) auf ihren Handys und erhalten eine Karte dieses Spiels; nichts wird ins Internet gesendet. Ihre Firewall fragt möglicherweise, ob sich Handys verbinden dürfen.

Den Webserver starten?</translation>
    </message>
    <message>
        <source>Game %1 · 90-ball tickets: %2</source>
        <translation>Spiel %1 · 90-Ball-Scheine: %2</translation>
    </message>
</context>
<context>
    <name>TFrmCheckCard</name>
    <message>
        <source>Check Card</source>
        <translation>Karte prüfen</translation>
    </message>
    <message>
        <source>Card &amp;number:</source>
        <translation>Karten&amp;nummer:</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Type the number of a card, then press Check.</source>
        <translation>Geben Sie die Nummer einer Karte ein und drücken Sie dann Prüfen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card number: type its digits alone, such as 17.</source>
        <translation>„%1“ ist keine Kartennummer: Geben Sie nur die Ziffern ein, zum Beispiel 17.</translation>
    </message>
    <message>
        <source>&amp;Ticket number:</source>
        <translation>&amp;Scheinnummer:</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Schein</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Prüfen</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>Sch&amp;ließen</translation>
    </message>
</context>
<context>
    <name>TFrmDrawPattern</name>
    <message>
        <source>Draw a Pattern</source>
        <translation>Muster zeichnen</translation>
    </message>
    <message>
        <source>Click the cells a card must cover to win this prize.</source>
        <translation>Klicken Sie die Felder an, die eine Karte für diesen Gewinn abdecken muss.</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Reihe %1, Spalte %2</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
</context>
<context>
    <name>TFrmFont</name>
    <message>
        <source>Font Options</source>
        <translation>Schriftoptionen</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Schriftname</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Font Test</source>
        <translation>Schriftprobe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Schriften</translation>
    </message>
    <message>
        <source>&amp;Name: </source>
        <translation>&amp;Name: </translation>
    </message>
    <message>
        <source>&amp;Size: </source>
        <translation>&amp;Größe: </translation>
    </message>
    <message>
        <source>Shown smaller to fit: %1 %</source>
        <translation>Verkleinert angezeigt: %1 %</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Save Bingo Card</source>
        <translation>Bingokarte speichern</translation>
    </message>
    <message>
        <source>Morvane File (*.mrv);;All Files (*)</source>
        <translation>Morvane-Datei (*.mrv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Select Bingo Card</source>
        <translation>Bingokarte auswählen</translation>
    </message>
    <message>
        <source>Morvane File(*.mrv);;All Files (*)</source>
        <translation>Morvane-Datei (*.mrv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Do you want to save current bingo card?</source>
        <translation>Möchten Sie die aktuelle Bingokarte speichern?</translation>
    </message>
    <message>
        <source>The sample bingo card doesn&apos;t exist, please re-install the software and try it again.</source>
        <translation>Die Beispiel-Bingokarte ist nicht vorhanden. Bitte installieren Sie das Programm neu und versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Export Bingo Cards</source>
        <translation>Bingokarten exportieren</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Beispielkarte</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Free space text</source>
        <translation>Text des Freifelds</translation>
    </message>
    <message>
        <source>Column heading text</source>
        <translation>Text der Spaltenüberschrift</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printer To Use</source>
        <translation>Zu verwendender Drucker</translation>
    </message>
    <message>
        <source>Number of Bingo Card</source>
        <translation>Anzahl der Bingokarten</translation>
    </message>
    <message>
        <source>Bingo Cards Per Page</source>
        <translation>Bingokarten pro Seite</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Print &amp;Call List</source>
        <translation>&amp;Aufrufliste drucken</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Beispiele</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Homepage</source>
        <translation>&amp;Webseite</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Please select the string you want to delete firstly.</source>
        <translation>Bitte wählen Sie zuerst den Eintrag aus, den Sie löschen möchten.</translation>
    </message>
    <message>
        <source>There is no folder to record numbered games in</source>
        <translation>Es gibt keinen Ordner, in dem nummerierte Spiele gespeichert werden können</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Number Cards</source>
        <translation>Karten &amp;nummerieren</translation>
    </message>
    <message>
        <source>&amp;Large Print</source>
        <translation>&amp;Großdruck</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>Spiel ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Call Game...</source>
        <translation>Spiel &amp;ausrufen...</translation>
    </message>
    <message>
        <source>Tip: To make your own card list, please type words in the text box, then press Enter or Add button. If you want to delete a word, please select it from the dropdown list and click Delete button. When all words are added, please click Print button in the toolbar to print it.</source>
        <translation>Tipp: Für eine eigene Kartenliste geben Sie Wörter in das Textfeld ein und drücken dann die Eingabetaste oder die Schaltfläche Hinzufügen. Um ein Wort zu löschen, wählen Sie es in der Liste aus und klicken auf Löschen. Wenn alle Wörter eingegeben sind, klicken Sie in der Werkzeugleiste auf Drucken.</translation>
    </message>
    <message>
        <source>No numbered games are recorded yet. Tick Options, Number Cards, then print or export the cards of a game.</source>
        <translation>Es sind noch keine nummerierten Spiele gespeichert. Kreuzen Sie Optionen, Karten nummerieren an und drucken oder exportieren Sie dann die Karten eines Spiels.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Spiel öffnen</translation>
    </message>
    <message>
        <source>Call Game</source>
        <translation>Spiel ausrufen</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ausrufen</translation>
    </message>
    <message>
        <source>There is nothing to call yet, please add words to the list, then try again.</source>
        <translation>Es gibt noch nichts auszurufen. Bitte fügen Sie der Liste Wörter hinzu und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <comment>access key of the entry box</comment>
        <translation>Alt+E</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Sample &amp;Card:</source>
        <translation>Beispiel&amp;karte:</translation>
    </message>
    <message>
        <source>Card Si&amp;ze: </source>
        <translation>&amp;Größe: </translation>
    </message>
    <message>
        <source>Use F&amp;ree Space </source>
        <translation>&amp;Freifeld </translation>
    </message>
    <message>
        <source>&amp;Text: </source>
        <translation>&amp;Text: </translation>
    </message>
    <message>
        <source>Use Co&amp;lumn Heading</source>
        <translation>S&amp;paltenüberschrift</translation>
    </message>
    <message>
        <source>Te&amp;xt: </source>
        <translation>Te&amp;xt: </translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>Zeilen&amp;umbruch</translation>
    </message>
    <message>
        <source>&amp;Printer To Use: </source>
        <translation>D&amp;rucker: </translation>
    </message>
    <message>
        <source>&amp;Number of Bingo Card: </source>
        <translation>&amp;Anzahl Bingokarten: </translation>
    </message>
    <message>
        <source>B&amp;ingo Cards Per Page: </source>
        <translation>Bingokarten pro Se&amp;ite: </translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>1 strip (6 tickets)</source>
        <translation>1 Streifen (6 Scheine)</translation>
    </message>
    <message>
        <source>2 strips (12 tickets)</source>
        <translation>2 Streifen (12 Scheine)</translation>
    </message>
    <message>
        <source>Card &amp;Kind</source>
        <translation>Kartent&amp;yp</translation>
    </message>
    <message>
        <source>&amp;Word Cards</source>
        <translation>&amp;Wortkarten</translation>
    </message>
    <message>
        <source>&amp;90-Ball Tickets</source>
        <translation>&amp;90-Ball-Scheine</translation>
    </message>
</context>
<context>
    <name>TFrmPlayerLinks</name>
    <message>
        <source>Player Links</source>
        <translation>Spieler-Links</translation>
    </message>
    <message>
        <source>&amp;Make Links</source>
        <translation>Links &amp;erstellen</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Karte</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>CSV &amp;speichern...</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Karten</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Save Player Links</source>
        <translation>Spieler-Links speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TFrmPrintCard</name>
    <message>
        <source>Print Card</source>
        <translation>Karte drucken</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Cards (1 to %1):</source>
        <translation>&amp;Karten (1 bis %1):</translation>
    </message>
    <message>
        <source>&amp;Printer To Use:</source>
        <translation>D&amp;rucker:</translation>
    </message>
    <message>
        <source>Each card is printed as the game printed it, in its place on the page, with its number line.</source>
        <translation>Jede Karte wird so gedruckt, wie das Spiel sie gedruckt hat: an ihrem Platz auf der Seite, mit ihrer Nummernzeile.</translation>
    </message>
    <message>
        <source>Export Bingo Cards</source>
        <translation>Bingokarten exportieren</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>PDF-Datei (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TFrmPrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <translation>&amp;Erste</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Vorherige</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Seite </translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> von %1</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Nächste</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>&amp;Letzte</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Drucker: %1</translation>
    </message>
    <message>
        <source>PDF export</source>
        <translation>PDF-Export</translation>
    </message>
    <message>
        <source>Export p&amp;aper:</source>
        <translation>Export-&amp;Papier:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Ausrichtung:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>PDF e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 x %2 mm, printable %3 x %4 mm, %5 dpi</source>
        <translation>%1 x %2 mm, bedruckbar %3 x %4 mm, %5 dpi</translation>
    </message>
    <message>
        <source>Pa&amp;ges for:</source>
        <translation>Seiten &amp;für:</translation>
    </message>
</context>
<context>
    <name>TFrmRoomDisplay</name>
    <message>
        <source>Room Display</source>
        <translation>Raumanzeige</translation>
    </message>
</context>
<context>
    <name>TFrmStages</name>
    <message>
        <source>Prize Stages</source>
        <translation>Gewinnstufen</translation>
    </message>
    <message>
        <source>P&amp;rizes:</source>
        <translation>&amp;Gewinne:</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order played:</source>
        <translation>&amp;Stufen in Spielreihenfolge:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Draw a Pattern...</source>
        <translation>&amp;Muster zeichnen...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Prize se&amp;t:</source>
        <translation>Gewinnsa&amp;tz:</translation>
    </message>
    <message>
        <source>App&amp;ly Set</source>
        <translation>Satz &amp;anwenden</translation>
    </message>
</context>
<context>
    <name>WholeNumber</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>WinPattern</name>
    <message>
        <source>row %1</source>
        <translation>Reihe %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>Diagonale</translation>
    </message>
    <message>
        <source>four corners</source>
        <translation>vier Ecken</translation>
    </message>
    <message>
        <source>full card</source>
        <translation>volle Karte</translation>
    </message>
</context>
</TS>
