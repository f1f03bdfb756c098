<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CallAnnouncer</name>
    <message>
        <source>Speech is not available: no speech service was found on this desktop.</source>
        <translation>La voz no está disponible: no se encontró ningún servicio de voz en este escritorio.</translation>
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
        <source> and 1 more card</source>
        <translation> y 1 tarjeta más</translation>
    </message>
    <message>
        <source> and %1 more cards</source>
        <translation> y %1 tarjetas más</translation>
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
    <message>
        <source>Card %1: no bingo yet, %2 %3 short of %4</source>
        <translation>Tarjeta %1: aún sin bingo, faltan %2 %3 para %4</translation>
    </message>
    <message>
        <source>cell</source>
        <translation>casilla</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>casillas</translation>
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
    <message>
        <source>These entries make only %1 different cards. Print anyway, repeating some cards?</source>
        <translation>Estas entradas solo dan %1 tarjetas distintas. ¿Imprimir de todos modos, repitiendo algunas tarjetas?</translation>
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
    <name>CommandGuard</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria insuficiente</translation>
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
        <source>The word &apos;</source>
        <translation>La entrada «</translation>
    </message>
    <message>
        <source> has already been added into the list, do you want to add it again?</source>
        <translation> ya está en la lista. ¿Quiere añadirla otra vez?</translation>
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
</context>
<context>
    <name>GameFolder</name>
    <message>
        <source>No new game code is free</source>
        <translation>No queda ningún código de partida libre</translation>
    </message>
</context>
<context>
    <name>IniFile</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
</context>
<context>
    <name>NumberLine</name>
    <message>
        <source>Card %1 · Game %2</source>
        <translation>Tarjeta %1 · Partida %2</translation>
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
        <source>%1: %2 of %3 pages</source>
        <translation>%1: %2 de %3 páginas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
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
    <name>SecureSeed</name>
    <message>
        <source>The system gave no random numbers (%1)</source>
        <translation>El sistema no dio números aleatorios (%1)</translation>
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
        <source>Call Next</source>
        <translation>Siguiente llamada</translation>
    </message>
    <message>
        <source>Undo Last Call</source>
        <translation>Deshacer la última llamada</translation>
    </message>
    <message>
        <source>Check Card...</source>
        <translation>Comprobar tarjeta...</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Print Card...</source>
        <translation>Imprimir tarjeta...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <source>Speak Calls</source>
        <translation>Anunciar las llamadas</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Caller</source>
        <translation>Cantor</translation>
    </message>
    <message>
        <source>%1 of the calls kept in the game file named no entry of the game, or repeated an earlier call, and were left out.</source>
        <translation>%1 de las llamadas guardadas en el archivo de la partida no nombraban ninguna entrada de la partida o repetían una llamada anterior, y se omitieron.</translation>
    </message>
    <message>
        <source>Game %1 · %2 cards · %3 x %3</source>
        <translation>Partida %1 · %2 tarjetas · %3 x %3</translation>
    </message>
    <message>
        <source>Word list · %1 entries, no cards</source>
        <translation>Lista de palabras · %1 entradas, sin tarjetas</translation>
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
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TFrmFont</name>
    <message>
        <source>Font Options</source>
        <translation>Opciones de fuente</translation>
    </message>
    <message>
        <source>Name: </source>
        <translation>Nombre: </translation>
    </message>
    <message>
        <source>Font name</source>
        <translation>Nombre de la fuente</translation>
    </message>
    <message>
        <source>Size: </source>
        <translation>Tamaño: </translation>
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
        <source>Sample Card:</source>
        <translation>Tarjeta de muestra:</translation>
    </message>
    <message>
        <source>Sample card</source>
        <translation>Tarjeta de muestra</translation>
    </message>
    <message>
        <source>Card Size: </source>
        <translation>Tamaño: </translation>
    </message>
    <message>
        <source>Card Size</source>
        <translation>Tamaño de tarjeta</translation>
    </message>
    <message>
        <source>Use Free Space </source>
        <translation>Casilla libre </translation>
    </message>
    <message>
        <source>Text: </source>
        <translation>Texto: </translation>
    </message>
    <message>
        <source>Free space text</source>
        <translation>Texto de la casilla libre</translation>
    </message>
    <message>
        <source>Use Column Heading</source>
        <translation>Encabezado de columna</translation>
    </message>
    <message>
        <source>Column heading text</source>
        <translation>Texto del encabezado de columna</translation>
    </message>
    <message>
        <source>Word Wrap</source>
        <translation>Ajuste de línea</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Printer To Use: </source>
        <translation>Impresora: </translation>
    </message>
    <message>
        <source>Printer To Use</source>
        <translation>Impresora que se usará</translation>
    </message>
    <message>
        <source>Number of Bingo Card: </source>
        <translation>Número de tarjetas: </translation>
    </message>
    <message>
        <source>Number of Bingo Card</source>
        <translation>Número de tarjetas de bingo</translation>
    </message>
    <message>
        <source>Bingo Cards Per Page: </source>
        <translation>Tarjetas por página: </translation>
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
