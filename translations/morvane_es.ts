<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Accessibility</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Calls in order</source>
        <translation>Llamadas en orden</translation>
    </message>
</context>
<context>
    <name>CallAnnouncer</name>
    <message>
        <source>Speech is not available: no speech service was found on this desktop.</source>
        <translation>La voz no está disponible: no se encontró ningún servicio de voz en este escritorio.</translation>
    </message>
    <message>
        <source>The speech service does not answer, so Speak Calls has been turned off. The calls go on without speech.</source>
        <translation>El servicio de voz no responde, así que se ha desactivado Anunciar las llamadas. Las llamadas siguen sin voz.</translation>
    </message>
</context>
<context>
    <name>CallList</name>
    <message>
        <source>The call list is too long to print on one page: %1 entries need %2 columns, and &quot;%3&quot; would print smaller than %4 points</source>
        <translation>La lista de llamadas es demasiado larga para una página: %1 entradas necesitan %2 columnas y «%3» se imprimiría con menos de %4 puntos</translation>
    </message>
</context>
<context>
    <name>CallRandom</name>
    <message>
        <source>The system&apos;s random source cannot be read</source>
        <translation>No se puede leer la fuente aleatoria del sistema</translation>
    </message>
</context>
<context>
    <name>CallTexts</name>
    <message>
        <source>Call %1 of %2</source>
        <translation>Llamada %1 de %2</translation>
    </message>
    <message>
        <source>card %1 (call %2)</source>
        <translation>tarjeta %1 (llamada %2)</translation>
    </message>
    <message>
        <source>Bingo: </source>
        <translation>Bingo: </translation>
    </message>
    <message>
        <source>both diagonals</source>
        <translation>ambas diagonales</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>diagonal</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>the nearest line</source>
        <translation>la línea más cercana</translation>
    </message>
    <message>
        <source>four corners</source>
        <translation>cuatro esquinas</translation>
    </message>
    <message>
        <source>a full card</source>
        <translation>una tarjeta completa</translation>
    </message>
    <message>
        <source>This game has no cards to check.</source>
        <translation>Esta partida no tiene tarjetas que comprobar.</translation>
    </message>
    <message>
        <source>There is no card %1 in this game: its cards are numbered 1 to %2.</source>
        <translation>No hay tarjeta %1 en esta partida: sus tarjetas van numeradas del 1 al %2.</translation>
    </message>
    <message>
        <source>Card %1: bingo on %2</source>
        <translation>Tarjeta %1: bingo en %2</translation>
    </message>
    <message numerus="yes">
        <source>Card %1: no bingo yet, %n cell(s) short of %2</source>
        <translation>
            <numerusform>Tarjeta %1: aún sin bingo, a %n casilla de %2</numerusform>
            <numerusform>Tarjeta %1: aún sin bingo, a %n casillas de %2</numerusform>
        </translation>
    </message>
    <message>
        <source>Call %1 was not saved in %2: %3</source>
        <translation>La llamada %1 no se guardó en %2: %3</translation>
    </message>
    <message>
        <source>Calls %1 to %2 (%3 calls) were not saved in %4: %5</source>
        <translation>Las llamadas %1 a %2 (%3 llamadas) no se guardaron en %4: %5</translation>
    </message>
    <message>
        <source>The call taken back was not saved, and is still in %1: %2</source>
        <translation>La llamada retirada no se guardó y sigue en %1: %2</translation>
    </message>
    <message>
        <source>The %1 calls taken back were not saved, and are still in %2: %3</source>
        <translation>Las %1 llamadas retiradas no se guardaron y siguen en %2: %3</translation>
    </message>
    <message numerus="yes">
        <source> and %Ln more card(s)</source>
        <translation>
            <numerusform> y %Ln tarjeta más</numerusform>
            <numerusform> y %Ln tarjetas más</numerusform>
        </translation>
    </message>
    <message>
        <source>card %1 (%2, call %3)</source>
        <translation>tarjeta %1 (%2, llamada %3)</translation>
    </message>
    <message>
        <source> and 1 more card</source>
        <translation> y 1 tarjeta más</translation>
    </message>
    <message>
        <source> and %1 more cards</source>
        <translation> y %1 tarjetas más</translation>
    </message>
    <message>
        <source>All stages won</source>
        <translation>Todas las fases ganadas</translation>
    </message>
    <message>
        <source>Stage %1 of %2: %3</source>
        <translation>Fase %1 de %2: %3</translation>
    </message>
    <message>
        <source>%1 won at call %2</source>
        <translation>%1 se ganó en la llamada %2</translation>
    </message>
    <message>
        <source>There is no ticket %1 in this game: its tickets are numbered 1 to %2.</source>
        <translation>No hay ningún cartón %1 en esta partida: sus cartones van numerados del 1 al %2.</translation>
    </message>
    <message>
        <source>Ticket %1 holds no prize yet</source>
        <translation>El cartón %1 aún no tiene premio</translation>
    </message>
    <message>
        <source>Card %1 holds no prize yet</source>
        <translation>La tarjeta %1 aún no tiene premio</translation>
    </message>
    <message>
        <source>%1 (won at call %2)</source>
        <translation>%1 (ganado en la llamada %2)</translation>
    </message>
    <message>
        <source>%1 (since call %2)</source>
        <translation>%1 (desde la llamada %2)</translation>
    </message>
    <message>
        <source>Ticket %1 holds %2</source>
        <translation>El cartón %1 tiene %2</translation>
    </message>
    <message>
        <source>Card %1 holds %2</source>
        <translation>La tarjeta %1 tiene %2</translation>
    </message>
    <message>
        <source>ticket %1 (call %2)</source>
        <translation>cartón %1 (llamada %2)</translation>
    </message>
    <message>
        <source>ticket %1 (%2, call %3)</source>
        <translation>cartón %1 (%2, llamada %3)</translation>
    </message>
    <message>
        <source> and 1 more ticket</source>
        <translation> y 1 cartón más</translation>
    </message>
    <message>
        <source> and %1 more tickets</source>
        <translation> y %1 cartones más</translation>
    </message>
</context>
<context>
    <name>CardKind</name>
    <message>
        <source>One Line</source>
        <translation>Una línea</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Dos líneas</translation>
    </message>
    <message>
        <source>Full House</source>
        <translation>Cartón lleno</translation>
    </message>
    <message>
        <source>Early Five</source>
        <translation>Cinco primeros</translation>
    </message>
    <message>
        <source>Top Line</source>
        <translation>Línea superior</translation>
    </message>
    <message>
        <source>Middle Line</source>
        <translation>Línea central</translation>
    </message>
    <message>
        <source>Bottom Line</source>
        <translation>Línea inferior</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Esquinas</translation>
    </message>
    <message>
        <source>Lines and Full House</source>
        <translation>Líneas y cartón lleno</translation>
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
        <translation>La lista tiene más de %1 entradas, el máximo que Morvane puede abrir</translation>
    </message>
</context>
<context>
    <name>CardPrintJob</name>
    <message numerus="yes">
        <source>These entries make only %n different card(s). Print anyway, repeating some cards?</source>
        <translation>
            <numerusform>Estas entradas solo dan %n tarjeta distinta. ¿Imprimir de todos modos, repitiendo algunas tarjetas?</numerusform>
            <numerusform>Estas entradas solo dan %n tarjetas distintas. ¿Imprimir de todos modos, repitiendo algunas tarjetas?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CardRange</name>
    <message>
        <source>There is no card %1 in this game: its cards are numbered 1 to %2.</source>
        <translation>No hay tarjeta %1 en esta partida: sus tarjetas van numeradas del 1 al %2.</translation>
    </message>
    <message>
        <source>Type the numbers of the cards, for example 17, 20-25.</source>
        <translation>Escriba los números de las tarjetas, por ejemplo 17, 20-25.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card number: type numbers and ranges such as 17, 20-25.</source>
        <translation>«%1» no es un número de tarjeta: escriba números y rangos como 17, 20-25.</translation>
    </message>
</context>
<context>
    <name>CardSettings</name>
    <message>
        <source>Free Space</source>
        <translation>Casilla libre</translation>
    </message>
</context>
<context>
    <name>CommandGuard</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
    </message>
</context>
<context>
    <name>CommandLineText</name>
    <message>
        <source>Make the cards of LIST.mrv into the PDF file OUT.pdf, without a window; an existing file is replaced.</source>
        <translation>Convierte las tarjetas de LIST.mrv en el archivo PDF OUT.pdf, sin ventana; un archivo existente se sustituye.</translation>
    </message>
    <message>
        <source>How many cards to make, 1 to 99999 (default 1). Every page is printed full, so the last page may bring a few more.</source>
        <translation>Cuántas tarjetas hacer, de 1 a 99999 (por omisión 1). Cada página se imprime llena, así que la última puede traer algunas más.</translation>
    </message>
    <message>
        <source>Cards on each page: 1, 2 or 4 (default 1).</source>
        <translation>Tarjetas en cada página: 1, 2 o 4 (por omisión 1).</translation>
    </message>
    <message>
        <source>The paper: A4, Letter, Legal, A5 or A3 (default: Letter where the language settings measure in inches, else A4).</source>
        <translation>El papel: A4, Letter, Legal, A5 o A3 (por omisión: Letter donde la configuración regional mide en pulgadas; si no, A4).</translation>
    </message>
    <message>
        <source>Make a numbered game: every card carries its number and the game&apos;s code, the game is recorded for calling, and its code is printed on standard output.</source>
        <translation>Crea una partida numerada: cada tarjeta lleva su número y el código de la partida, la partida se registra para cantarla y su código se escribe en la salida estándar.</translation>
    </message>
    <message>
        <source>Print even when the entries make fewer different cards than the export prints, repeating some. Without it such an export is refused, as the window&apos;s question is answered by its default button, No.</source>
        <translation>Imprime aunque las entradas den menos tarjetas distintas de las que imprime la exportación, repitiendo algunas. Sin esta opción, esa exportación se rechaza, porque la pregunta de la ventana se responde con su botón predeterminado: No.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y termina.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y termina.</translation>
    </message>
    <message>
        <source>%1 goes with --export.</source>
        <translation>%1 solo va con --export.</translation>
    </message>
    <message>
        <source>--export needs the name of the PDF file to write.</source>
        <translation>--export necesita el nombre del archivo PDF que se escribirá.</translation>
    </message>
    <message>
        <source>Name the card list to export after the options.</source>
        <translation>Indique la lista de tarjetas que se exportará después de las opciones.</translation>
    </message>
    <message>
        <source>Only one card list can be exported at a time.</source>
        <translation>Solo se puede exportar una lista de tarjetas a la vez.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cards per page cannot be printed: use 1, 2 or 4.</source>
        <translation>No se pueden imprimir &apos;%1&apos; tarjetas por página: use 1, 2 o 4.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a paper Morvane knows: use A4, Letter, Legal, A5 or A3.</source>
        <translation>&apos;%1&apos; no es un papel que Morvane conozca: use A4, Letter, Legal, A5 o A3.</translation>
    </message>
    <message>
        <source>Usage: %1 [LIST.mrv]
       %1 --export OUT.pdf [options] LIST.mrv
       %1 --help | --version
</source>
        <translation>Uso: %1 [LIST.mrv]
     %1 --export OUT.pdf [opciones] LIST.mrv
     %1 --help | --version
</translation>
    </message>
    <message>
        <source>With --export, it makes the bingo cards of LIST.mrv into a PDF file without a window or a display, as File &gt; Export PDF... does, with the card options and the font the window keeps in Options.ini. Progress shows on standard error when the export runs long.</source>
        <translation>Con --export, convierte las tarjetas de bingo de LIST.mrv en un archivo PDF sin ventana ni pantalla, como Archivo &gt; Exportar PDF..., con las opciones de tarjeta y la fuente que la ventana guarda en Options.ini. Si la exportación tarda, el progreso se muestra en la salida de error estándar.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Exit status: 0 when the cards are made, 1 when the export is refused or fails (the message says why, in the window&apos;s words), 2 for a command line that is not understood, 130 when interrupted.</source>
        <translation>Estado de salida: 0 cuando se hacen las tarjetas, 1 cuando la exportación se rechaza o falla (el mensaje dice por qué, con las palabras de la ventana), 2 si no se entiende la línea de órdenes, 130 si se interrumpe.</translation>
    </message>
    <message>
        <source>Try &apos;%1 --help&apos; for more information.</source>
        <translation>Pruebe &apos;%1 --help&apos; para más información.</translation>
    </message>
    <message>
        <source>Yes (--force).</source>
        <translation>Sí (--force).</translation>
    </message>
    <message>
        <source>No: --force answers Yes.</source>
        <translation>No: --force responde Sí.</translation>
    </message>
    <message>
        <source>The number of cards must be from %1 to %2.</source>
        <translation>El número de tarjetas debe estar entre %1 y %2.</translation>
    </message>
    <message>
        <source>Interrupted: nothing was written.</source>
        <translation>Interrumpido: no se escribió nada.</translation>
    </message>
    <message numerus="yes">
        <source>Printing: %1 of %n page(s)</source>
        <translation>
            <numerusform>Imprimiendo: %1 de %n página</numerusform>
            <numerusform>Imprimiendo: %1 de %n páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>What to make: cards, from the list, or tickets, 90-ball tickets of the numbers 1 to 90 in strips of six, whatever the list holds; --cards then counts tickets and --per-page strips (1 or 2). Default: the kind chosen in the window.</source>
        <translation>Qué hacer: cards, tarjetas a partir de la lista, o tickets, cartones de 90 bolas con los números del 1 al 90 en tiras de seis, tenga lo que tenga la lista; entonces --cards cuenta cartones y --per-page, tiras (1 o 2). Por omisión: el tipo elegido en la ventana.</translation>
    </message>
    <message>
        <source>Unknown option %1</source>
        <translation>Opción desconocida %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no kind Morvane makes: use cards or tickets.</source>
        <translation>&apos;%1&apos; no es un tipo que Morvane haga: use cards o tickets.</translation>
    </message>
    <message>
        <source>Without options, Morvane opens its window, and in it the card list LIST.mrv when one is given. Put -- before a list whose name starts with a dash.</source>
        <translation>Sin opciones, Morvane abre su ventana y, en ella, la lista de tarjetas LIST.mrv si se indica una. Ponga -- delante de una lista cuyo nombre empiece por un guion.</translation>
    </message>
    <message>
        <source>Cannot read the list &quot;%1&quot;: %2</source>
        <translation>No se puede leer la lista «%1»: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; strips per page cannot be printed: use 1 or 2.</source>
        <translation>No se pueden imprimir &apos;%1&apos; tiras por página: use 1 o 2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the card list being exported: the cards cannot be written over it.</source>
        <translation>«%1» es la lista de tarjetas que se exporta: las tarjetas no se pueden escribir encima de ella.</translation>
    </message>
</context>
<context>
    <name>EntryCheck</name>
    <message>
        <source>Your bingo card needs %1 words at least, please add more words, then try to print it again.</source>
        <translation>Su tarjeta de bingo necesita al menos %1 palabras; añada más y vuelva a intentar imprimirla.</translation>
    </message>
</context>
<context>
    <name>EntryRules</name>
    <message>
        <source>Please don&apos;t add an empty string.</source>
        <translation>No añada un texto vacío, por favor.</translation>
    </message>
    <message>
        <source>The word &apos;%1&apos; has already been added into the list, do you want to add it again?</source>
        <translation>La palabra &apos;%1&apos; ya está en la lista. ¿Quiere añadirla otra vez?</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Invalid filename</source>
        <translation>Nombre de archivo no válido</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>No se encontró el archivo</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Demasiados archivos abiertos</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Acceso al archivo denegado</translation>
    </message>
    <message>
        <source>Disk full</source>
        <translation>Disco lleno</translation>
    </message>
    <message>
        <source>I/O error %1</source>
        <translation>Error de E/S %1</translation>
    </message>
</context>
<context>
    <name>GameFile</name>
    <message>
        <source>%1 is not a Morvane game.</source>
        <translation>%1 no es una partida de Morvane.</translation>
    </message>
    <message>
        <source>%1 was made by a newer version of Morvane and cannot be opened here.</source>
        <translation>%1 se creó con una versión más reciente de Morvane y no se puede abrir aquí.</translation>
    </message>
    <message>
        <source>%1 is incomplete: the file was cut short.</source>
        <translation>%1 está incompleto: el archivo se cortó.</translation>
    </message>
    <message>
        <source>%1 was changed outside Morvane: its cards can no longer be made again.</source>
        <translation>%1 se modificó fuera de Morvane: sus tarjetas ya no se pueden volver a generar.</translation>
    </message>
    <message>
        <source>%1 is too large to be a Morvane game.</source>
        <translation>%1 es demasiado grande para ser una partida de Morvane.</translation>
    </message>
    <message>
        <source>The game %1 cannot be read: %2.</source>
        <translation>No se puede leer la partida %1: %2.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made.</source>
        <translation>No se puede crear la carpeta %1.</translation>
    </message>
    <message>
        <source>%1 was changed outside Morvane: its calls are no longer the calls made.</source>
        <translation>%1 se modificó fuera de Morvane: sus llamadas ya no son las que se hicieron.</translation>
    </message>
    <message>
        <source>The end of %1 was damaged, most likely by a save that was cut short: the damaged end was left out, and the first %2 calls were kept.</source>
        <translation>El final de %1 estaba dañado, probablemente por un guardado interrumpido: se descartó el final dañado y se conservaron las primeras %2 llamadas.</translation>
    </message>
    <message>
        <source>The game %1 cannot be saved: %2.</source>
        <translation>No se puede guardar la partida %1: %2.</translation>
    </message>
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No new game code is free</source>
        <translation>No queda ningún código de partida libre</translation>
    </message>
    <message>
        <source>The games folder %1 is not a folder, so no game can be listed</source>
        <translation>La carpeta de partidas %1 no es una carpeta, así que no se puede listar ninguna partida</translation>
    </message>
    <message>
        <source>The games folder %1 cannot be read, so no game can be listed</source>
        <translation>No se puede leer la carpeta de partidas %1, así que no se puede listar ninguna partida</translation>
    </message>
</context>
<context>
    <name>GameListDialog</name>
    <message>
        <source>Recorded games</source>
        <translation>Partidas registradas</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Código</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>List Size</source>
        <translation>Tamaño de la lista</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Tamaño de tarjeta</translation>
    </message>
</context>
<context>
    <name>GameLock</name>
    <message>
        <source>The game %1 is being called in another Caller window, so it cannot be called here at the same time</source>
        <translation>La partida %1 se está cantando en otra ventana del cantor, así que no se puede cantar aquí a la vez</translation>
    </message>
    <message>
        <source>The game %1 is being called in another Caller window (Morvane process %2 on %3), so it cannot be called here at the same time</source>
        <translation>La partida %1 se está cantando en otra ventana del cantor (proceso %2 de Morvane en %3), así que no se puede cantar aquí a la vez</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>No program could be started to open this address. You can copy it from here into a browser or a mail program:

%1</source>
        <translation>No se pudo iniciar ningún programa para abrir esta dirección. Puede copiarla desde aquí en un navegador o un programa de correo:

%1</translation>
    </message>
    <message>
        <source>Morvane Help</source>
        <translation>Ayuda de Morvane</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>The help file %1 is missing. Please re-install the software.</source>
        <translation>Falta el archivo de ayuda %1. Vuelva a instalar el programa.</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>locked</source>
        <translation>bloqueado</translation>
    </message>
</context>
<context>
    <name>NumberLine</name>
    <message>
        <source>Card %1 · Game %2</source>
        <translation>Tarjeta %1 · Partida %2</translation>
    </message>
    <message>
        <source>Ticket %1 · Strip %2 · Game %3</source>
        <translation>Cartón %1 · Tira %2 · Partida %3</translation>
    </message>
</context>
<context>
    <name>NumberedGame</name>
    <message>
        <source>These entries are too many or too long for a numbered game: with its calls kept, its record would grow too large to be opened again. Print the cards without numbers, or use fewer or shorter entries.</source>
        <translation>Estas entradas son demasiadas o demasiado largas para una partida numerada: con sus llamadas guardadas, su registro crecería demasiado para volver a abrirse. Imprima las tarjetas sin números o use menos entradas o más cortas.</translation>
    </message>
</context>
<context>
    <name>PdfFilePrintService</name>
    <message>
        <source>There is no file to write the cards to</source>
        <translation>No hay ningún archivo en el que escribir las tarjetas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: the cards can only be written to a new file or over an earlier file.</source>
        <translation>«%1» no es un archivo normal: las tarjetas solo se pueden escribir en un archivo nuevo o sobre uno anterior.</translation>
    </message>
</context>
<context>
    <name>PlayPanel</name>
    <message>
        <source>Cannot listen for phones on port %1.</source>
        <translation>No se puede escuchar a los móviles en el puerto %1.</translation>
    </message>
    <message>
        <source>Hand Out Cards</source>
        <translation>Repartir tarjetas</translation>
    </message>
    <message>
        <source>Players who open the room&apos;s address get the next free card. Clear it to close the room to newcomers.</source>
        <translation>Los jugadores que abran la dirección de la sala reciben la siguiente tarjeta libre. Desmárquelo para cerrar la sala a los recién llegados.</translation>
    </message>
    <message>
        <source>any free port</source>
        <translation>cualquier puerto libre</translation>
    </message>
    <message>
        <source>Used the next time the room opens.</source>
        <translation>Se usa la próxima vez que se abra la sala.</translation>
    </message>
    <message>
        <source>Cards per phone:</source>
        <translation>Tarjetas por móvil:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message numerus="yes">
        <source>%n phone(s) connected, %1 card(s) held</source>
        <translation>
            <numerusform>%n móvil conectado, tarjetas en juego: %1</numerusform>
            <numerusform>%n móviles conectados, tarjetas en juego: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>No claims.</source>
        <translation>No hay reclamaciones.</translation>
    </message>
    <message numerus="yes">
        <source>Claims to check: %n</source>
        <translation>
            <numerusform>Reclamaciones por comprobar: %n</numerusform>
            <numerusform>Reclamaciones por comprobar: %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 · card %2</source>
        <translation>%1 · tarjeta %2</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Reject</source>
        <translation>Rechazar</translation>
    </message>
    <message>
        <source>card %1</source>
        <translation>tarjeta %1</translation>
    </message>
</context>
<context>
    <name>PlayServer</name>
    <message>
        <source>This card is not in the room.</source>
        <translation>Esta tarjeta no está en la sala.</translation>
    </message>
    <message numerus="yes">
        <source>Wait %n seconds before you claim again.</source>
        <translation>
            <numerusform>Espere %n segundo antes de volver a reclamar.</numerusform>
            <numerusform>Espere %n segundos antes de volver a reclamar.</numerusform>
        </translation>
    </message>
    <message>
        <source>Claim sent: the caller is checking your card.</source>
        <translation>Reclamación enviada: el cantor está comprobando su tarjeta.</translation>
    </message>
    <message>
        <source>Bingo! The caller confirmed your win.</source>
        <translation>¡Bingo! El cantor ha confirmado su premio.</translation>
    </message>
    <message>
        <source>Not a bingo yet: the caller turned the claim down.</source>
        <translation>Aún no es bingo: el cantor ha rechazado la reclamación.</translation>
    </message>
</context>
<context>
    <name>PreviewPageView</name>
    <message>
        <source>Ticket %1</source>
        <translation>Cartón %1</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Tarjeta %1</translation>
    </message>
</context>
<context>
    <name>PrintMessages</name>
    <message>
        <source>There is no default printer currently selected</source>
        <translation>No hay ninguna impresora predeterminada seleccionada</translation>
    </message>
    <message>
        <source>Printer selected is not valid</source>
        <translation>La impresora seleccionada no es válida</translation>
    </message>
    <message>
        <source>Printing in progress</source>
        <translation>Impresión en curso</translation>
    </message>
    <message>
        <source>The printer could not take the job: %1</source>
        <translation>La impresora no pudo aceptar el trabajo: %1</translation>
    </message>
    <message>
        <source>The printable area of this printer is too small for this layout.</source>
        <translation>El área imprimible de esta impresora es demasiado pequeña para esta disposición.</translation>
    </message>
</context>
<context>
    <name>PrintService</name>
    <message>
        <source>Cannot create the print file: %1</source>
        <translation>No se puede crear el archivo de impresión: %1</translation>
    </message>
    <message>
        <source>Cannot write the print file: %1</source>
        <translation>No se puede escribir el archivo de impresión: %1</translation>
    </message>
    <message>
        <source>Cannot start the print document</source>
        <translation>No se puede iniciar el documento de impresión</translation>
    </message>
    <message>
        <source>Cannot write the print document</source>
        <translation>No se puede escribir el documento de impresión</translation>
    </message>
</context>
<context>
    <name>QtCallerWindows</name>
    <message>
        <source>The caller window is not part of this build</source>
        <translation>La ventana del cantor no forma parte de esta versión</translation>
    </message>
</context>
<context>
    <name>QtProgress</name>
    <message>
        <source>Exporting</source>
        <translation>Exportando</translation>
    </message>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 of %n page(s)</source>
        <translation>
            <numerusform>%1: %2 de %n página</numerusform>
            <numerusform>%1: %2 de %n páginas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RawFile</name>
    <message>
        <source>File too large</source>
        <translation>Archivo demasiado grande</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>wins %1 at call %2</source>
        <translation>gana %1 en la llamada %2</translation>
    </message>
    <message numerus="yes">
        <source>not yet: %n numbers missing</source>
        <translation>
            <numerusform>aún no: falta %n número</numerusform>
            <numerusform>aún no: faltan %n números</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not yet: %n entries missing</source>
        <translation>
            <numerusform>aún no: falta %n entrada</numerusform>
            <numerusform>aún no: faltan %n entradas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RoomJournal</name>
    <message>
        <source>Cannot read the room file %1: %2</source>
        <translation>No se puede leer el archivo de la sala %1: %2</translation>
    </message>
    <message>
        <source>The room file %1 is too large.</source>
        <translation>El archivo de la sala %1 es demasiado grande.</translation>
    </message>
    <message>
        <source>Cannot write the room file %1: %2</source>
        <translation>No se puede escribir el archivo de la sala %1: %2</translation>
    </message>
</context>
<context>
    <name>SavedPatterns</name>
    <message>
        <source>There is no folder to keep patterns in.</source>
        <translation>No hay ninguna carpeta en la que guardar patrones.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be made.</source>
        <translation>No se puede crear la carpeta «%1».</translation>
    </message>
</context>
<context>
    <name>SecureSeed</name>
    <message>
        <source>The system gave no random numbers (%1)</source>
        <translation>El sistema no dio números aleatorios (%1)</translation>
    </message>
</context>
<context>
    <name>SquarePrizes</name>
    <message>
        <source>Any Line</source>
        <translation>Cualquier línea</translation>
    </message>
    <message>
        <source>Two Lines</source>
        <translation>Dos líneas</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Cuatro esquinas</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>Postage Stamp</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Full Card</source>
        <translation>Tarjeta completa</translation>
    </message>
</context>
<context>
    <name>TFrmAbout</name>
    <message>
        <source>About Morvane</source>
        <translation>Acerca de Morvane</translation>
    </message>
    <message>
        <source>Website: </source>
        <translation>Sitio web: </translation>
    </message>
    <message>
        <source>Support Email: </source>
        <translation>Correo de soporte: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
</context>
<context>
    <name>TFrmCaller</name>
    <message>
        <source>Any Line</source>
        <translation>Cualquier línea</translation>
    </message>
    <message>
        <source>Four Corners</source>
        <translation>Cuatro esquinas</translation>
    </message>
    <message>
        <source>Full Card</source>
        <translation>Tarjeta completa</translation>
    </message>
    <message>
        <source>Calls in order</source>
        <translation>Llamadas en orden</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Pattern</source>
        <translation>P&amp;atrón</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Cantor</translation>
    </message>
    <message>
        <source>Press Space to make the first call</source>
        <translation>Pulse Espacio para hacer la primera llamada</translation>
    </message>
    <message>
        <source>No cards in this game: winners are not checked.</source>
        <translation>Esta partida no tiene tarjetas: no se comprueban ganadores.</translation>
    </message>
    <message>
        <source>No bingo yet.</source>
        <translation>Aún no hay bingo.</translation>
    </message>
    <message>
        <source>No game is open.</source>
        <translation>No hay ninguna partida abierta.</translation>
    </message>
    <message>
        <source>Start a new game? The calls made so far will be cleared.</source>
        <translation>¿Empezar una partida nueva? Se borrarán las llamadas hechas hasta ahora.</translation>
    </message>
    <message>
        <source>&amp;Call Next</source>
        <translation>&amp;Siguiente llamada</translation>
    </message>
    <message>
        <source>&amp;Undo Last Call</source>
        <translation>&amp;Deshacer la última llamada</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>C&amp;heck Card...</source>
        <translation>&amp;Comprobar tarjeta...</translation>
    </message>
    <message>
        <source>&amp;Print Card...</source>
        <translation>&amp;Imprimir tarjeta...</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>&amp;Any Line</source>
        <translation>C&amp;ualquier línea</translation>
    </message>
    <message>
        <source>&amp;Four Corners</source>
        <translation>Cuatro &amp;esquinas</translation>
    </message>
    <message>
        <source>F&amp;ull Card</source>
        <translation>&amp;Tarjeta completa</translation>
    </message>
    <message>
        <source>&amp;Speak Calls</source>
        <translation>&amp;Anunciar las llamadas</translation>
    </message>
    <message>
        <source>&amp;Full Screen</source>
        <translation>&amp;Pantalla completa</translation>
    </message>
    <message>
        <source>Pa&amp;ttern:</source>
        <translation>Pa&amp;trón:</translation>
    </message>
    <message>
        <source>Call &amp;Next</source>
        <translation>&amp;Siguiente llamada</translation>
    </message>
    <message>
        <source>&amp;Check Card...</source>
        <translation>&amp;Comprobar tarjeta...</translation>
    </message>
    <message>
        <source>&amp;Repeat Call</source>
        <translation>Re&amp;petir llamada</translation>
    </message>
    <message>
        <source>&amp;Auto Call</source>
        <translation>Llamada &amp;automática</translation>
    </message>
    <message>
        <source>Auto Call &amp;Interval...</source>
        <translation>In&amp;tervalo de llamada automática...</translation>
    </message>
    <message>
        <source>Prize &amp;Stages...</source>
        <translation>&amp;Fases de premio...</translation>
    </message>
    <message>
        <source>Show Call &amp;Names</source>
        <translation>Mostrar &amp;nombres de las llamadas</translation>
    </message>
    <message>
        <source>&amp;Room Display</source>
        <translation>Pantalla de la &amp;sala</translation>
    </message>
    <message>
        <source>Auto Call</source>
        <translation>Llamada automática</translation>
    </message>
    <message>
        <source>Seconds between calls (%1 to %2):</source>
        <translation>Segundos entre llamadas (%1 a %2):</translation>
    </message>
    <message>
        <source>Calls not saved</source>
        <translation>Llamadas sin guardar</translation>
    </message>
    <message>
        <source>Pla&amp;y on Phones...</source>
        <translation>&amp;Jugar en móviles...</translation>
    </message>
    <message>
        <source>Player &amp;Links...</source>
        <translation>En&amp;laces de jugadores...</translation>
    </message>
    <message>
        <source>Open the other game without saving?</source>
        <translation>¿Abrir la otra partida sin guardar?</translation>
    </message>
    <message numerus="yes">
        <source>%Ln of the call(s) kept in the game file named no entry of the game, or repeated an earlier call, and were left out.</source>
        <translation>
            <numerusform>%Ln de las llamadas guardadas en el archivo de la partida no correspondía a ninguna entrada de la partida o repetía una llamada anterior, y se descartó.</numerusform>
            <numerusform>%Ln de las llamadas guardadas en el archivo de la partida no correspondían a ninguna entrada de la partida o repetían una llamada anterior, y se descartaron.</numerusform>
        </translation>
    </message>
    <message>
        <source>Call the word list without saving?</source>
        <translation>¿Cantar la lista de palabras sin guardar?</translation>
    </message>
    <message numerus="yes">
        <source>Game %1 · %Ln card(s) · %2 x %2</source>
        <translation>
            <numerusform>Partida %1 · %Ln tarjeta · %2 x %2</numerusform>
            <numerusform>Partida %1 · %Ln tarjetas · %2 x %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Word list · %Ln entry(s), no cards</source>
        <translation>
            <numerusform>Lista de palabras · %Ln entrada, sin tarjetas</numerusform>
            <numerusform>Lista de palabras · %Ln entradas, sin tarjetas</numerusform>
        </translation>
    </message>
    <message>
        <source>The game file &quot;%1&quot; was deleted while the Caller was open. Make it again with the calls so far?</source>
        <translation>El archivo de la partida «%1» se borró mientras la ventana del cantor estaba abierta. ¿Volver a crearlo con las llamadas hechas hasta ahora?</translation>
    </message>
    <message>
        <source>The file was deleted</source>
        <translation>El archivo se borró</translation>
    </message>
    <message>
        <source>No further call is made until it is saved: press Space to try again.</source>
        <translation>No se hará ninguna llamada más hasta que se guarde: pulse Espacio para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Take back call %1, %2? The call after it moves up one place, and the winners are worked out again.</source>
        <translation>¿Retirar la llamada %1, %2? La llamada siguiente sube un puesto y se vuelven a calcular los ganadores.</translation>
    </message>
    <message>
        <source>Take back call %1, %2? The %3 calls after it move up one place, and the winners are worked out again.</source>
        <translation>¿Retirar la llamada %1, %2? Las %3 llamadas siguientes suben un puesto y se vuelven a calcular los ganadores.</translation>
    </message>
    <message>
        <source>Close the Caller without saving?</source>
        <translation>¿Cerrar la ventana del cantor sin guardar?</translation>
    </message>
    <message>
        <source>Play on Phones starts a small web server inside Morvane, on this computer&apos;s local network. Players open its address (or scan its QR code) on their phones and get a card of this game; nothing is sent to the internet. Your firewall may ask whether to let phones connect.

Start the web server?</source>
        <translation>Jugar en móviles inicia un pequeño servidor web dentro de Morvane, en la red local de este ordenador. Los jugadores abren su dirección (o escanean su código QR) en sus móviles y reciben una tarjeta de esta partida; no se envía nada a internet. Puede que el cortafuegos pregunte si deja conectarse a los móviles.

¿Iniciar el servidor web?</translation>
    </message>
    <message>
        <source>Game %1 · 90-ball tickets: %2</source>
        <translation>Partida %1 · cartones de 90 bolas: %2</translation>
    </message>
</context>
<context>
    <name>TFrmCheckCard</name>
    <message>
        <source>Check Card</source>
        <translation>Comprobar tarjeta</translation>
    </message>
    <message>
        <source>Card &amp;number:</source>
        <translation>&amp;Número de tarjeta:</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Type the number of a card, then press Check.</source>
        <translation>Escriba el número de una tarjeta y pulse Comprobar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a card number: type its digits alone, such as 17.</source>
        <translation>«%1» no es un número de tarjeta: escriba solo sus cifras, como 17.</translation>
    </message>
    <message>
        <source>&amp;Ticket number:</source>
        <translation>&amp;Número de cartón:</translation>
    </message>
    <message>
        <source>Ticket</source>
        <translation>Cartón</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Comprobar</translation>
    </message>
    <message>
        <source>C&amp;lose</source>
        <translation>C&amp;errar</translation>
    </message>
</context>
<context>
    <name>TFrmDrawPattern</name>
    <message>
        <source>Draw a Pattern</source>
        <translation>Dibujar un patrón</translation>
    </message>
    <message>
        <source>Click the cells a card must cover to win this prize.</source>
        <translation>Pulse las casillas que una tarjeta debe cubrir para ganar este premio.</translation>
    </message>
    <message>
        <source>Row %1, column %2</source>
        <translation>Fila %1, columna %2</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
</context>
<context>
    <name>TFrmFont</name>
    <message>
        <source>Font Options</source>
        <translation>Opciones de fuente</translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Nombre de la fuente</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Tamaño de la fuente</translation>
    </message>
    <message>
        <source>Font Test</source>
        <translation>Prueba de fuente</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Fuentes</translation>
    </message>
    <message>
        <source>&amp;Name: </source>
        <translation>&amp;Nombre: </translation>
    </message>
    <message>
        <source>&amp;Size: </source>
        <translation>&amp;Tamaño: </translation>
    </message>
    <message>
        <source>Shown smaller to fit: %1 %</source>
        <translation>Reducido para que quepa: %1 %</translation>
    </message>
</context>
<context>
    <name>TFrmMain</name>
    <message>
        <source>Save Bingo Card</source>
        <translation>Guardar tarjeta de bingo</translation>
    </message>
    <message>
        <source>Morvane File (*.mrv);;All Files (*)</source>
        <translation>Archivo de Morvane (*.mrv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Select Bingo Card</source>
        <translation>Seleccionar tarjeta de bingo</translation>
    </message>
    <message>
        <source>Morvane File(*.mrv);;All Files (*)</source>
        <translation>Archivo de Morvane (*.mrv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Do you want to save current bingo card?</source>
        <translation>¿Quiere guardar la tarjeta de bingo actual?</translation>
    </message>
    <message>
        <source>The sample bingo card doesn&apos;t exist, please re-install the software and try it again.</source>
        <translation>La tarjeta de bingo de ejemplo no existe; vuelva a instalar el programa e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Export Bingo Cards</source>
        <translation>Exportar tarjetas de bingo</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Tarjeta de muestra</translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Tamaño de tarjeta</translation>
    </message>
    <message>
        <source>Free space text</source>
        <translation>Texto de la casilla libre</translation>
    </message>
    <message>
        <source>Column heading text</source>
        <translation>Texto del encabezado de columna</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printer To Use</source>
        <translation>Impresora que se usará</translation>
    </message>
    <message>
        <source>Number of Bingo Card</source>
        <translation>Número de tarjetas de bingo</translation>
    </message>
    <message>
        <source>Bingo Cards Per Page</source>
        <translation>Tarjetas de bingo por página</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print &amp;Call List</source>
        <translation>Imprimir &amp;lista de llamadas</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Fuente</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Ejemplos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Homepage</source>
        <translation>&amp;Página web</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Please select the string you want to delete firstly.</source>
        <translation>Seleccione primero la entrada que quiere borrar.</translation>
    </message>
    <message>
        <source>There is no folder to record numbered games in</source>
        <translation>No hay ninguna carpeta en la que registrar partidas numeradas</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
        <source>&amp;Number Cards</source>
        <translation>&amp;Numerar tarjetas</translation>
    </message>
    <message>
        <source>&amp;Large Print</source>
        <translation>Letra &amp;grande</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Open Game...</source>
        <translation>&amp;Abrir partida...</translation>
    </message>
    <message>
        <source>&amp;Call Game...</source>
        <translation>&amp;Cantar partida...</translation>
    </message>
    <message>
        <source>Tip: To make your own card list, please type words in the text box, then press Enter or Add button. If you want to delete a word, please select it from the dropdown list and click Delete button. When all words are added, please click Print button in the toolbar to print it.</source>
        <translation>Consejo: para hacer su propia lista, escriba palabras en el cuadro de texto y pulse Intro o el botón Añadir. Para borrar una palabra, selecciónela en la lista desplegable y pulse el botón Borrar. Cuando haya añadido todas las palabras, pulse el botón Imprimir de la barra de herramientas.</translation>
    </message>
    <message>
        <source>No numbered games are recorded yet. Tick Options, Number Cards, then print or export the cards of a game.</source>
        <translation>Aún no hay partidas numeradas registradas. Marque Opciones, Numerar tarjetas y luego imprima o exporte las tarjetas de una partida.</translation>
    </message>
    <message>
        <source>Open Game</source>
        <translation>Abrir partida</translation>
    </message>
    <message>
        <source>Call Game</source>
        <translation>Cantar partida</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Cantar</translation>
    </message>
    <message>
        <source>There is nothing to call yet, please add words to the list, then try again.</source>
        <translation>Todavía no hay nada que cantar; añada palabras a la lista y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Alt+E</source>
        <comment>access key of the entry box</comment>
        <translation>Alt+D</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Añad&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Sample &amp;Card:</source>
        <translation>Tarjeta de m&amp;uestra:</translation>
    </message>
    <message>
        <source>Card Si&amp;ze: </source>
        <translation>Ta&amp;maño: </translation>
    </message>
    <message>
        <source>Use F&amp;ree Space </source>
        <translation>&amp;Casilla libre </translation>
    </message>
    <message>
        <source>&amp;Text: </source>
        <translation>Te&amp;xto: </translation>
    </message>
    <message>
        <source>Use Co&amp;lumn Heading</source>
        <translation>Encabe&amp;zado de columna</translation>
    </message>
    <message>
        <source>Te&amp;xt: </source>
        <translation>&amp;Texto: </translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>A&amp;juste de línea</translation>
    </message>
    <message>
        <source>&amp;Printer To Use: </source>
        <translation>Impre&amp;sora: </translation>
    </message>
    <message>
        <source>&amp;Number of Bingo Card: </source>
        <translation>&amp;Número de tarjetas: </translation>
    </message>
    <message>
        <source>B&amp;ingo Cards Per Page: </source>
        <translation>Tarjetas po&amp;r página: </translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>1 strip (6 tickets)</source>
        <translation>1 tira (6 cartones)</translation>
    </message>
    <message>
        <source>2 strips (12 tickets)</source>
        <translation>2 tiras (12 cartones)</translation>
    </message>
    <message>
        <source>Card &amp;Kind</source>
        <translation>&amp;Tipo de tarjeta</translation>
    </message>
    <message>
        <source>&amp;Word Cards</source>
        <translation>Tarjetas de &amp;palabras</translation>
    </message>
    <message>
        <source>&amp;90-Ball Tickets</source>
        <translation>Cartones de &amp;90 bolas</translation>
    </message>
</context>
<context>
    <name>TFrmPlayerLinks</name>
    <message>
        <source>Player Links</source>
        <translation>Enlaces de jugadores</translation>
    </message>
    <message>
        <source>&amp;Make Links</source>
        <translation>Generar &amp;enlaces</translation>
    </message>
    <message>
        <source>Card</source>
        <translation>Tarjeta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>&amp;Save CSV...</source>
        <translation>&amp;Guardar CSV...</translation>
    </message>
    <message>
        <source>Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Save Player Links</source>
        <translation>Guardar enlaces de jugadores</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>TFrmPrintCard</name>
    <message>
        <source>Print Card</source>
        <translation>Imprimir tarjeta</translation>
    </message>
    <message>
        <source>P&amp;rint</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Cards (1 to %1):</source>
        <translation>&amp;Tarjetas (1 a %1):</translation>
    </message>
    <message>
        <source>&amp;Printer To Use:</source>
        <translation>I&amp;mpresora:</translation>
    </message>
    <message>
        <source>Each card is printed as the game printed it, in its place on the page, with its number line.</source>
        <translation>Cada tarjeta se imprime tal como la imprimió la partida, en su lugar de la página y con su línea de número.</translation>
    </message>
    <message>
        <source>Export Bingo Cards</source>
        <translation>Exportar tarjetas de bingo</translation>
    </message>
    <message>
        <source>PDF File (*.pdf)</source>
        <translation>Archivo PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>TFrmPrintPreview</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;First</source>
        <translation>&amp;Primera</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Anterior</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>Page </source>
        <translation>Página </translation>
    </message>
    <message>
        <source> of %1</source>
        <translation> de %1</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Last</source>
        <translation>Ú&amp;ltima</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>Page Width</source>
        <translation>Ancho de página</translation>
    </message>
    <message>
        <source>&amp;Zoom:</source>
        <translation>&amp;Zoom:</translation>
    </message>
    <message>
        <source>Printer: %1</source>
        <translation>Impresora: %1</translation>
    </message>
    <message>
        <source>PDF export</source>
        <translation>Exportación a PDF</translation>
    </message>
    <message>
        <source>Export p&amp;aper:</source>
        <translation>Papel de e&amp;xportación:</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Orientación:</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Export PDF...</source>
        <translation>&amp;Exportar PDF...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 x %2 mm, printable %3 x %4 mm, %5 dpi</source>
        <translation>%1 x %2 mm, imprimible %3 x %4 mm, %5 ppp</translation>
    </message>
    <message>
        <source>Pa&amp;ges for:</source>
        <translation>Páginas pa&amp;ra:</translation>
    </message>
</context>
<context>
    <name>TFrmRoomDisplay</name>
    <message>
        <source>Room Display</source>
        <translation>Pantalla de la sala</translation>
    </message>
</context>
<context>
    <name>TFrmStages</name>
    <message>
        <source>Prize Stages</source>
        <translation>Fases de premio</translation>
    </message>
    <message>
        <source>P&amp;rizes:</source>
        <translation>P&amp;remios:</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order played:</source>
        <translation>&amp;Fases, en orden de juego:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>Añad&amp;ir</translation>
    </message>
    <message>
        <source>&amp;Draw a Pattern...</source>
        <translation>&amp;Dibujar un patrón...</translation>
    </message>
    <message>
        <source>R&amp;emove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>S&amp;ubir</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>&amp;Bajar</translation>
    </message>
    <message>
        <source>Prize se&amp;t:</source>
        <translation>Con&amp;junto de premios:</translation>
    </message>
    <message>
        <source>App&amp;ly Set</source>
        <translation>&amp;Aplicar conjunto</translation>
    </message>
</context>
<context>
    <name>WholeNumber</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>WinPattern</name>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>columna %1</translation>
    </message>
    <message>
        <source>diagonal</source>
        <translation>diagonal</translation>
    </message>
    <message>
        <source>four corners</source>
        <translation>cuatro esquinas</translation>
    </message>
    <message>
        <source>full card</source>
        <translation>tarjeta completa</translation>
    </message>
</context>
</TS>
