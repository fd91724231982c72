<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>GeneralPreferencesDialog</name>
    <message>
        <source>Pipwick General Preferences</source>
        <translation>Preferencias generales de Pipwick</translation>
    </message>
    <message>
        <source>Domino Set</source>
        <translation>Juego de fichas</translation>
    </message>
    <message>
        <source>Domino set</source>
        <translation>Juego de fichas</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Propio</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rojo:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Verde:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Azul:</translation>
    </message>
    <message>
        <source>Draw/Pass on mouse double click</source>
        <translation>Robar/Pasar con doble clic</translation>
    </message>
    <message>
        <source>Show where tiles can go</source>
        <translation>Mostrar dónde van las fichas</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Time between plays</source>
        <translation>Tiempo entre jugadas</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Segundos:</translation>
    </message>
    <message>
        <source>Domino Size</source>
        <translation>Tamaño de las fichas</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeño</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediano</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Game:</source>
        <translation>Juego:</translation>
    </message>
    <message>
        <source>Play to:</source>
        <translation>Jugar a:</translation>
    </message>
    <message>
        <source>Partners (four players)</source>
        <translation>Parejas (cuatro jugadores)</translation>
    </message>
</context>
<context>
    <name>Pipwick</name>
    <message>
        <source>Shuffling...</source>
        <translation>Revolviendo las fichas...</translation>
    </message>
    <message>
        <source>%1&apos;s down</source>
        <translation>Sale %1</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Turno de %1</translation>
    </message>
    <message>
        <source>%1 scores</source>
        <translation>%1 anota</translation>
    </message>
    <message>
        <source>%1 dominoes.</source>
        <translation>%1 dominó.</translation>
    </message>
    <message>
        <source>%1 dominoes, scores</source>
        <translation>%1 dominó y anota</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 pasa</translation>
    </message>
    <message>
        <source>%1 passed.  %2&apos;s turn</source>
        <translation>%1 pasó.  Turno de %2</translation>
    </message>
    <message>
        <source>A tile fits: in Block you must play it</source>
        <translation>Hay una ficha que encaja: en el Bloqueo tienes que ponerla</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>blanca</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>double %1</source>
        <translation>doble %1</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>%1 end: %2</source>
        <translation>punta %1: %2</translation>
    </message>
    <message>
        <source>%1 end: double %2</source>
        <translation>punta %1: doble %2</translation>
    </message>
    <message>
        <source>, does not fit</source>
        <translation>, no entra</translation>
    </message>
    <message>
        <source>, scores nothing</source>
        <translation>, no anota nada</translation>
    </message>
    <message>
        <source>, scores %1</source>
        <translation>, anota %1</translation>
    </message>
    <message>
        <source>%1 leads %2</source>
        <translation>%1 sale con %2</translation>
    </message>
    <message>
        <source>%1 leads %2, scores %4</source>
        <translation>%1 sale con %2, anota %4</translation>
    </message>
    <message>
        <source>%1 plays %2 on the %3 end</source>
        <translation>%1 juega %2 en la punta %3</translation>
    </message>
    <message>
        <source>%1 plays %2 on the %3 end, scores %4</source>
        <translation>%1 juega %2 en la punta %3, anota %4</translation>
    </message>
    <message>
        <source>%1 draws %2</source>
        <translation>%1 roba %2</translation>
    </message>
    <message>
        <source>%1 draws a tile</source>
        <translation>%1 roba una ficha</translation>
    </message>
    <message>
        <source>The hand is over: nobody wins</source>
        <translation>Se acabó la mano: nadie gana</translation>
    </message>
    <message>
        <source>The hand is over: %1 wins %2</source>
        <translation>Se acabó la mano: %1 gana %2</translation>
    </message>
    <message>
        <source>The game is over: %1 wins</source>
        <translation>Se acabó la partida: gana %1</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>boca abajo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Your tiles</source>
        <translation>Tus fichas</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Left, Right, Home, End: move between your tiles
Space or Enter: pick up the tile (or lead it), then play it
With a tile picked up, the arrow keys or 1-4 choose the end
  (1 right, 2 top, 3 left, 4 bottom)
Escape: put the tile down    Ctrl+A: draw or pass
H: hint    Ctrl+Z: undo</source>
        <translation>Izquierda, Derecha, Inicio, Fin: moverse entre tus fichas
Espacio o Intro: levantar la ficha (o salir con ella) y luego jugarla
Con una ficha levantada, las flechas o 1-4 eligen la punta
  (1 derecha, 2 arriba, 3 izquierda, 4 abajo)
Esc: soltar la ficha    Ctrl+A: robar o pasar
H: pista    Ctrl+Z: deshacer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 fits no end</source>
        <translation>%1 no entra en ninguna punta</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>That domino won&apos;t play there!</source>
        <translation>¡Esa ficha no va ahí!</translation>
    </message>
    <message>
        <source>        This hand is over.</source>
        <translation>        Se acabó la mano.</translation>
    </message>
    <message>
        <source>This game is over.  %1 is the winner.</source>
        <translation>Se acabó la partida.  Ganó %1.</translation>
    </message>
    <message>
        <source>Congratulations!  You won the game!</source>
        <translation>¡Felicidades!  ¡Ganaste la partida!</translation>
    </message>
    <message>
        <source>Open a saved Domino Game</source>
        <translation>Abrir una partida de dominó guardada</translation>
    </message>
    <message>
        <source>Save this Domino Game</source>
        <translation>Guardar esta partida de dominó</translation>
    </message>
    <message>
        <source>Domino Games (*.dom)</source>
        <translation>Partidas de dominó (*.dom)</translation>
    </message>
    <message>
        <source>Pipwick game</source>
        <translation>Partida de Pipwick</translation>
    </message>
    <message>
        <source>Pipwick game %1</source>
        <translation>Partida de Pipwick %1</translation>
    </message>
    <message>
        <source>Can&apos;t open game!</source>
        <translation>¡No se puede abrir la partida!</translation>
    </message>
    <message>
        <source>Can&apos;t save game!</source>
        <translation>¡No se puede guardar la partida!</translation>
    </message>
    <message>
        <source>Game opened</source>
        <translation>Partida abierta</translation>
    </message>
    <message>
        <source>Last game resumed</source>
        <translation>Última partida retomada</translation>
    </message>
    <message>
        <source>Can&apos;t get memory....can&apos;t load dominoes</source>
        <translation>No hay memoria... no se pueden cargar las fichas</translation>
    </message>
    <message>
        <source>Changing the number of players requires starting a new game.
Start a new game?</source>
        <translation>Para cambiar el número de jugadores hay que empezar una partida nueva.
¿Empezar una partida nueva?</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nueva	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>&amp;Abrir	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Guardar	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;General preferences	Ctrl+G</source>
        <translation>Preferencias &amp;generales	Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Player preferences	Ctrl+P</source>
        <translation>Preferencias de &amp;jugadores	Ctrl+P</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jugadores</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 jugadores</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 jugadores</translation>
    </message>
    <message>
        <source>&amp;Resume Last Game</source>
        <translation>&amp;Retomar la última partida</translation>
    </message>
    <message>
        <source>Score &amp;Sheet	Ctrl+T</source>
        <translation>&amp;Hoja de puntos	Ctrl+T</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>Es&amp;tadísticas</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+X</source>
        <translation>&amp;Salir	Alt+X</translation>
    </message>
    <message>
        <source>Help Contents	F1</source>
        <translation>Contenido de la ayuda	F1</translation>
    </message>
    <message>
        <source>About &amp;Pipwick	Ctrl+D</source>
        <translation>Acerca de &amp;Pipwick	Ctrl+D</translation>
    </message>
    <message>
        <source>Check for new version</source>
        <translation>Buscar una versión nueva</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Deshacer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Hint	H</source>
        <translation>P&amp;ista	H</translation>
    </message>
    <message>
        <source>Dr&amp;aw</source>
        <translation>&amp;Robar</translation>
    </message>
    <message>
        <source>P&amp;ass</source>
        <translation>Pa&amp;sar</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>top</source>
        <translation>de arriba</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>de abajo</translation>
    </message>
    <message>
        <source>Play %1 on the %2 end</source>
        <translation>Juega %1 en la punta %2</translation>
    </message>
    <message>
        <source>Play %1 on the %2 end for %3</source>
        <translation>Juega %1 en la punta %2: %3</translation>
    </message>
    <message>
        <source>Lead %1</source>
        <translation>Sal con %1</translation>
    </message>
    <message>
        <source>Lead %1 for %2</source>
        <translation>Sal con %1 y anota %2</translation>
    </message>
    <message>
        <source>Draw from the bone pile</source>
        <translation>Roba del pozo</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Pasa</translation>
    </message>
    <message>
        <source>%1 here scores nothing</source>
        <translation>%1 aquí no anota nada</translation>
    </message>
    <message>
        <source>%1 here scores %2</source>
        <translation>%1 aquí anota %2</translation>
    </message>
    <message>
        <source>Show where tiles can go</source>
        <translation>Mostrar dónde van las fichas</translation>
    </message>
    <message>
        <source>Pipwick is kept up to date by your system&apos;s package manager.</source>
        <translation>El gestor de paquetes de tu sistema mantiene Pipwick al día.</translation>
    </message>
    <message>
        <source>Cannot check for new version during game!</source>
        <translation>¡No se puede buscar una versión nueva durante la partida!</translation>
    </message>
    <message>
        <source>Can&apos;t connect!</source>
        <translation>¡No se puede conectar!</translation>
    </message>
    <message>
        <source>Site open error!</source>
        <translation>¡Error al abrir el sitio!</translation>
    </message>
    <message>
        <source>No new version found.</source>
        <translation>No hay ninguna versión nueva.</translation>
    </message>
    <message>
        <source>New version available!
Install new version?</source>
        <translation>¡Hay una versión nueva!
¿Instalar la versión nueva?</translation>
    </message>
    <message>
        <source>Downloading the new version...</source>
        <translation>Descargando la versión nueva...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Can&apos;t open the help page %1</source>
        <translation>No se puede abrir la página de ayuda %1</translation>
    </message>
    <message>
        <source>About Pipwick</source>
        <translation>Acerca de Pipwick</translation>
    </message>
    <message>
        <source>Pipwick   -  Version %1</source>
        <translation>Pipwick   -  Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Hoja de puntos</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mano</translation>
    </message>
    <message>
        <source>Won by</source>
        <translation>Ganó</translation>
    </message>
    <message>
        <source>Last play</source>
        <translation>Últ. jugada</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Tantos</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>en juego</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>nadie</translation>
    </message>
    <message>
        <source>Chart of the scores</source>
        <translation>Gráfico de los puntos</translation>
    </message>
    <message>
        <source>Games played, won and lost</source>
        <translation>Partidas jugadas, ganadas y perdidas</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jugadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganadas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% ganadas</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonos</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas las partidas</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jugadores</translation>
    </message>
    <message>
        <source>Strongest opponent Beginner</source>
        <translation>Rival más fuerte: Novato</translation>
    </message>
    <message>
        <source>Strongest opponent Advanced</source>
        <translation>Rival más fuerte: Avanzado</translation>
    </message>
    <message>
        <source>Strongest opponent Expert</source>
        <translation>Rival más fuerte: Experto</translation>
    </message>
    <message>
        <source>Best final score</source>
        <translation>Mejor puntuación final</translation>
    </message>
    <message>
        <source>Average final score</source>
        <translation>Puntuación final media</translation>
    </message>
    <message>
        <source>Highest scoring play</source>
        <translation>Jugada de más puntos</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Racha de victorias más larga</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Racha de victorias actual</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Manos jugadas</translation>
    </message>
    <message>
        <source>Hands blocked</source>
        <translation>Manos trancadas</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>The statistics file was damaged: it was set aside as %1 and statistics start afresh.</source>
        <translation>El archivo de estadísticas estaba dañado: se apartó como %1 y las estadísticas empiezan de cero.</translation>
    </message>
    <message>
        <source>The statistics file %1 is damaged and could not be set aside: statistics are not kept.</source>
        <translation>El archivo de estadísticas %1 está dañado y no se pudo apartar: no se guardan estadísticas.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a readable file of at most 1 MB: it was left as it is and the game starts with the default settings, which are not saved.</source>
        <translation>El archivo de configuración %1 no es un archivo legible de 1 MB como máximo: se dejó como está y el juego empieza con la configuración predeterminada, que no se guarda.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>The hand is over: %1 win %2</source>
        <translation>Se acabó la mano: %1 ganan %2</translation>
    </message>
    <message>
        <source>The game is over: %1 win</source>
        <translation>Se acabó la partida: ganan %1</translation>
    </message>
    <message>
        <source>Congratulations!  You and %1 won the game!</source>
        <translation>¡Felicidades!  ¡Tú y %1 ganaron la partida!</translation>
    </message>
    <message>
        <source>This game is over.  %1 are the winners.</source>
        <translation>Se acabó la partida.  Ganaron %1.</translation>
    </message>
    <message>
        <source>%1 goes here</source>
        <translation>%1 va aquí</translation>
    </message>
    <message>
        <source>All Fives</source>
        <translation>Cincos</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Robado</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloqueo</translation>
    </message>
    <message>
        <source>Fives and Threes</source>
        <translation>Cincos y Treses</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>%1, partners</source>
        <translation>%1, en parejas</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 reached %2</source>
        <translation>%1 llegó a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>¿Abandonar esta partida?</translation>
    </message>
    <message>
        <source>carried over</source>
        <translation>de antes</translation>
    </message>
    <message>
        <source>Clear all statistics?  The present ones are kept as a backup until the next Reset.</source>
        <translation>¿Borrar todas las estadísticas?  Las actuales se guardan como copia hasta el siguiente borrado.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the folder or the file may not be written</source>
        <translation>no se puede escribir en la carpeta o en el archivo</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>en su lugar hay algo que no es un archivo</translation>
    </message>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>otra copia del juego lo mantenía bloqueado</translation>
    </message>
    <message>
        <source>the system refused to write it</source>
        <translation>el sistema no permitió escribirlo</translation>
    </message>
    <message>
        <source>The statistics could not be saved: %1. The file keeps what it held.</source>
        <translation>No se pudieron guardar las estadísticas: %1. El archivo conserva lo que tenía.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1. They hold until the game ends.</source>
        <translation>No se pudo guardar la configuración: %1. Vale hasta que se cierre el juego.</translation>
    </message>
    <message>
        <source>The game could not be kept for Resume Last Game: %1.</source>
        <translation>No se pudo conservar la partida para Retomar la última partida: %1.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1.</source>
        <translation>No se pudo guardar la partida: %1.</translation>
    </message>
    <message>
        <source>Another copy of the game has kept its game for Resume Last Game. Keep this game in its place?</source>
        <translation>Otra copia del juego conservó su partida para Retomar la última partida. ¿Conservar esta partida en su lugar?</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partida guardada</translation>
    </message>
    <message>
        <source>%1 ▸ %2 deals</source>
        <translation>%1 ▸ %2 reparte</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Host &amp;a Table...</source>
        <translation>A&amp;brir una mesa...</translation>
    </message>
    <message>
        <source>&amp;Join a Table...</source>
        <translation>&amp;Unirse a una mesa...</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Abrir una mesa</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Unirse a una mesa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Play to</source>
        <translation>Jugar a</translation>
    </message>
    <message>
        <source>Chair %1</source>
        <translation>Silla %1</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Una persona</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Ordenador, principiante</translation>
    </message>
    <message>
        <source>Computer, Advanced</source>
        <translation>Ordenador, avanzado</translation>
    </message>
    <message>
        <source>Computer, Expert</source>
        <translation>Ordenador, experto</translation>
    </message>
    <message>
        <source>Open the table</source>
        <translation>Abrir la mesa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>This computer&apos;s addresses</source>
        <translation>Direcciones de este ordenador</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>Table code</source>
        <translation>Código de la mesa</translation>
    </message>
    <message>
        <source>Certificate fingerprint</source>
        <translation>Huella del certificado</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Chair %1: %2</source>
        <translation>Silla %1: %2</translation>
    </message>
    <message>
        <source>Chair %1: waiting for a player</source>
        <translation>Silla %1: esperando a un jugador</translation>
    </message>
    <message>
        <source>Chair %1: a computer player</source>
        <translation>Silla %1: un jugador del ordenador</translation>
    </message>
    <message>
        <source>The table could not be opened: %1</source>
        <translation>No se pudo abrir la mesa: %1</translation>
    </message>
    <message>
        <source>Joining the table...</source>
        <translation>Uniéndose a la mesa...</translation>
    </message>
    <message>
        <source>You sit in chair %1; the game starts when the host starts it.</source>
        <translation>Te sientas en la silla %1; la partida empieza cuando el anfitrión la inicie.</translation>
    </message>
    <message>
        <source>The table plays another version of the game.</source>
        <translation>La mesa juega con otra versión del juego.</translation>
    </message>
    <message>
        <source>That is not the table&apos;s code.</source>
        <translation>Ese no es el código de la mesa.</translation>
    </message>
    <message>
        <source>The table is full.</source>
        <translation>La mesa está llena.</translation>
    </message>
    <message>
        <source>A player of that name is at the table already.</source>
        <translation>Ya hay un jugador con ese nombre en la mesa.</translation>
    </message>
    <message>
        <source>No connection to the table: %1</source>
        <translation>Sin conexión con la mesa: %1</translation>
    </message>
    <message>
        <source>No game is under way at the table.</source>
        <translation>No hay ninguna partida en curso en la mesa.</translation>
    </message>
    <message>
        <source>It is not your turn.</source>
        <translation>No es tu turno.</translation>
    </message>
    <message>
        <source>That domino is not in your hand.</source>
        <translation>Esa ficha no está en tu mano.</translation>
    </message>
    <message>
        <source>There is no such end.</source>
        <translation>No existe ese extremo.</translation>
    </message>
    <message>
        <source>You have a domino that plays: play it.</source>
        <translation>Tienes una ficha que se puede jugar: juégala.</translation>
    </message>
    <message>
        <source>%1 has gone: a computer player keeps the chair.</source>
        <translation>%1 se ha ido: un jugador del ordenador ocupa la silla.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 ha vuelto.</translation>
    </message>
    <message>
        <source>The table has ended: %1</source>
        <translation>La mesa ha terminado: %1</translation>
    </message>
    <message>
        <source>The host has closed the table.</source>
        <translation>El anfitrión ha cerrado la mesa.</translation>
    </message>
    <message>
        <source>No fingerprint was given, so nothing shows that this table is the host&apos;s. Compare its certificate fingerprint with the one the host&apos;s dialog shows:

%1</source>
        <translation>No se indicó ninguna huella, así que nada muestra que esta mesa sea la del anfitrión. Compara la huella de su certificado con la que muestra el diálogo del anfitrión:

%1</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
</context>
<context>
    <name>PlayerPreferencesDialog</name>
    <message>
        <source>Pipwick Player Preferences</source>
        <translation>Preferencias de jugadores de Pipwick</translation>
    </message>
    <message>
        <source>Computer players</source>
        <translation>Jugadores de la computadora</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Left player&apos;s name</source>
        <translation>Nombre del jugador de la izquierda</translation>
    </message>
    <message>
        <source>Male</source>
        <translation>Masc.</translation>
    </message>
    <message>
        <source>Female</source>
        <translation>Fem.</translation>
    </message>
    <message>
        <source>Beginner</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avanzado</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
    <message>
        <source>Top player&apos;s name</source>
        <translation>Nombre del jugador de arriba</translation>
    </message>
    <message>
        <source>Right player&apos;s name</source>
        <translation>Nombre del jugador de la derecha</translation>
    </message>
    <message>
        <source>Human player</source>
        <translation>Jugador humano</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The table&apos;s certificate could not be made (is openssl installed?).</source>
        <translation>No se pudo crear el certificado de la mesa (¿está instalado openssl?).</translation>
    </message>
    <message>
        <source>The table&apos;s certificate or its key cannot be read.</source>
        <translation>No se puede leer el certificado de la mesa o su clave.</translation>
    </message>
    <message>
        <source>The table&apos;s certificate or its key is not a PEM file.</source>
        <translation>El certificado de la mesa o su clave no es un archivo PEM.</translation>
    </message>
</context>
<context>
    <name>pipwick::TableConnection</name>
    <message>
        <source>The table sent a message that is not text.</source>
        <translation>La mesa envió un mensaje que no es texto.</translation>
    </message>
    <message>
        <source>The table&apos;s certificate is not the one whose fingerprint was given.</source>
        <translation>El certificado de la mesa no es aquel cuya huella se indicó.</translation>
    </message>
    <message>
        <source>The table sent a message that cannot be read: %1</source>
        <translation>La mesa envió un mensaje que no se puede leer: %1</translation>
    </message>
</context>
</TS>
