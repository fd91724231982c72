<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GeneralPreferencesDialog</name>
    <message>
        <source>Pipwick General Preferences</source>
        <translation>Preferências gerais do Pipwick</translation>
    </message>
    <message>
        <source>Domino Set</source>
        <translation>Jogo de pedras</translation>
    </message>
    <message>
        <source>Domino set</source>
        <translation>Jogo de pedras</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Própria</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Cor de fundo</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Verm.:</translation>
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
        <translation>Comprar/Passar com clique duplo</translation>
    </message>
    <message>
        <source>Show where tiles can go</source>
        <translation>Mostrar onde as pedras entram</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Time between plays</source>
        <translation>Tempo entre jogadas</translation>
    </message>
    <message>
        <source>Seconds:</source>
        <translation>Segundos:</translation>
    </message>
    <message>
        <source>Domino Size</source>
        <translation>Tamanho das pedras</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>Pequeno</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>Grande</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Game:</source>
        <translation>Jogo:</translation>
    </message>
    <message>
        <source>Play to:</source>
        <translation>Jogar até:</translation>
    </message>
    <message>
        <source>Partners (four players)</source>
        <translation>Duplas (quatro jogadores)</translation>
    </message>
</context>
<context>
    <name>Pipwick</name>
    <message>
        <source>Shuffling...</source>
        <translation>Embaralhando as pedras...</translation>
    </message>
    <message>
        <source>%1&apos;s down</source>
        <translation>%1 sai</translation>
    </message>
    <message>
        <source>%1&apos;s turn</source>
        <translation>Vez de %1</translation>
    </message>
    <message>
        <source>%1 scores</source>
        <translation>%1 marca</translation>
    </message>
    <message>
        <source>%1 dominoes.</source>
        <translation>%1 bateu.</translation>
    </message>
    <message>
        <source>%1 dominoes, scores</source>
        <translation>%1 bateu e marca</translation>
    </message>
    <message>
        <source>%1 passes</source>
        <translation>%1 passa</translation>
    </message>
    <message>
        <source>%1 passed.  %2&apos;s turn</source>
        <translation>%1 passou.  Vez de %2</translation>
    </message>
    <message>
        <source>A tile fits: in Block you must play it</source>
        <translation>Uma pedra cabe: no Bloqueio você tem que jogá-la</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Fim de partida</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>branco</translation>
    </message>
    <message>
        <source>one</source>
        <translation>um</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dois</translation>
    </message>
    <message>
        <source>three</source>
        <translation>três</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatro</translation>
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
        <translation>carroça de %1</translation>
    </message>
    <message>
        <source>%1-%2</source>
        <translation>%1-%2</translation>
    </message>
    <message>
        <source>%1 end: %2</source>
        <translation>ponta %1: %2</translation>
    </message>
    <message>
        <source>%1 end: double %2</source>
        <translation>ponta %1: carroça de %2</translation>
    </message>
    <message>
        <source>, does not fit</source>
        <translation>, não entra</translation>
    </message>
    <message>
        <source>, scores nothing</source>
        <translation>, não marca nada</translation>
    </message>
    <message>
        <source>, scores %1</source>
        <translation>, marca %1</translation>
    </message>
    <message>
        <source>%1 leads %2</source>
        <translation>%1 sai com %2</translation>
    </message>
    <message>
        <source>%1 leads %2, scores %4</source>
        <translation>%1 sai com %2, marca %4</translation>
    </message>
    <message>
        <source>%1 plays %2 on the %3 end</source>
        <translation>%1 joga %2 na ponta %3</translation>
    </message>
    <message>
        <source>%1 plays %2 on the %3 end, scores %4</source>
        <translation>%1 joga %2 na ponta %3, marca %4</translation>
    </message>
    <message>
        <source>%1 draws %2</source>
        <translation>%1 compra %2</translation>
    </message>
    <message>
        <source>%1 draws a tile</source>
        <translation>%1 compra uma pedra</translation>
    </message>
    <message>
        <source>The hand is over: nobody wins</source>
        <translation>A mão acabou: ninguém ganha</translation>
    </message>
    <message>
        <source>The hand is over: %1 wins %2</source>
        <translation>A mão acabou: %1 ganha %2</translation>
    </message>
    <message>
        <source>The game is over: %1 wins</source>
        <translation>A partida acabou: %1 venceu</translation>
    </message>
    <message>
        <source>face down</source>
        <translation>virada para baixo</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Mesa</translation>
    </message>
    <message>
        <source>Your tiles</source>
        <translation>Suas pedras</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Situação</translation>
    </message>
    <message>
        <source>Left, Right, Home, End: move between your tiles
Space or Enter: pick up the tile (or lead it), then play it
With a tile picked up, the arrow keys or 1-4 choose the end
  (1 right, 2 top, 3 left, 4 bottom)
Escape: put the tile down    Ctrl+A: draw or pass
H: hint    Ctrl+Z: undo</source>
        <translation>Esquerda, Direita, Home, End: andar entre suas pedras
Espaço ou Enter: pegar a pedra (ou sair com ela) e depois jogá-la
Com uma pedra na mão, as setas ou 1-4 escolhem a ponta
  (1 direita, 2 cima, 3 esquerda, 4 baixo)
Esc: soltar a pedra    Ctrl+A: comprar ou passar
H: dica    Ctrl+Z: desfazer</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 fits no end</source>
        <translation>%1 não entra em nenhuma ponta</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Pontos: %1</translation>
    </message>
    <message>
        <source>That domino won&apos;t play there!</source>
        <translation>Essa pedra não entra aí!</translation>
    </message>
    <message>
        <source>        This hand is over.</source>
        <translation>        A mão acabou.</translation>
    </message>
    <message>
        <source>This game is over.  %1 is the winner.</source>
        <translation>A partida acabou.  %1 venceu.</translation>
    </message>
    <message>
        <source>Congratulations!  You won the game!</source>
        <translation>Parabéns!  Você ganhou a partida!</translation>
    </message>
    <message>
        <source>Open a saved Domino Game</source>
        <translation>Abrir uma partida de dominó salva</translation>
    </message>
    <message>
        <source>Save this Domino Game</source>
        <translation>Salvar esta partida de dominó</translation>
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
        <translation>Não foi possível abrir a partida!</translation>
    </message>
    <message>
        <source>Can&apos;t save game!</source>
        <translation>Não foi possível salvar a partida!</translation>
    </message>
    <message>
        <source>Game opened</source>
        <translation>Partida aberta</translation>
    </message>
    <message>
        <source>Last game resumed</source>
        <translation>Última partida retomada</translation>
    </message>
    <message>
        <source>Can&apos;t get memory....can&apos;t load dominoes</source>
        <translation>Sem memória... não foi possível carregar as pedras</translation>
    </message>
    <message>
        <source>Changing the number of players requires starting a new game.
Start a new game?</source>
        <translation>Para mudar o número de jogadores é preciso começar uma partida nova.
Começar uma partida nova?</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partida</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;New	Ctrl+N</source>
        <translation>&amp;Nova	Ctrl+N</translation>
    </message>
    <message>
        <source>&amp;Open	Ctrl+O</source>
        <translation>&amp;Abrir	Ctrl+O</translation>
    </message>
    <message>
        <source>&amp;Save	Ctrl+S</source>
        <translation>&amp;Salvar	Ctrl+S</translation>
    </message>
    <message>
        <source>&amp;General preferences	Ctrl+G</source>
        <translation>Preferências &amp;gerais	Ctrl+G</translation>
    </message>
    <message>
        <source>&amp;Player preferences	Ctrl+P</source>
        <translation>Preferências de &amp;jogadores	Ctrl+P</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jogadores</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 jogadores</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 jogadores</translation>
    </message>
    <message>
        <source>&amp;Resume Last Game</source>
        <translation>&amp;Retomar a última partida</translation>
    </message>
    <message>
        <source>Score &amp;Sheet	Ctrl+T</source>
        <translation>&amp;Folha de pontos	Ctrl+T</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>Es&amp;tatísticas</translation>
    </message>
    <message>
        <source>E&amp;xit	Alt+X</source>
        <translation>Sa&amp;ir	Alt+X</translation>
    </message>
    <message>
        <source>Help Contents	F1</source>
        <translation>Conteúdo da ajuda	F1</translation>
    </message>
    <message>
        <source>About &amp;Pipwick	Ctrl+D</source>
        <translation>Sobre o &amp;Pipwick	Ctrl+D</translation>
    </message>
    <message>
        <source>Check for new version</source>
        <translation>Procurar uma versão nova</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>&amp;Desfazer	Ctrl+Z</translation>
    </message>
    <message>
        <source>&amp;Hint	H</source>
        <translation>Di&amp;ca	H</translation>
    </message>
    <message>
        <source>Dr&amp;aw</source>
        <translation>&amp;Comprar</translation>
    </message>
    <message>
        <source>P&amp;ass</source>
        <translation>Pa&amp;ssar</translation>
    </message>
    <message>
        <source>right</source>
        <translation>direita</translation>
    </message>
    <message>
        <source>top</source>
        <translation>de cima</translation>
    </message>
    <message>
        <source>left</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>bottom</source>
        <translation>de baixo</translation>
    </message>
    <message>
        <source>Play %1 on the %2 end</source>
        <translation>Jogue %1 na ponta %2</translation>
    </message>
    <message>
        <source>Play %1 on the %2 end for %3</source>
        <translation>Jogue %1 na ponta %2: %3</translation>
    </message>
    <message>
        <source>Lead %1</source>
        <translation>Saia com %1</translation>
    </message>
    <message>
        <source>Lead %1 for %2</source>
        <translation>Saia com %1 e marque %2</translation>
    </message>
    <message>
        <source>Draw from the bone pile</source>
        <translation>Compre do dorme</translation>
    </message>
    <message>
        <source>Pass</source>
        <translation>Passe</translation>
    </message>
    <message>
        <source>%1 here scores nothing</source>
        <translation>%1 aqui não marca nada</translation>
    </message>
    <message>
        <source>%1 here scores %2</source>
        <translation>%1 aqui marca %2</translation>
    </message>
    <message>
        <source>Show where tiles can go</source>
        <translation>Mostrar onde as pedras entram</translation>
    </message>
    <message>
        <source>Pipwick is kept up to date by your system&apos;s package manager.</source>
        <translation>O gerenciador de pacotes do seu sistema mantém o Pipwick atualizado.</translation>
    </message>
    <message>
        <source>Cannot check for new version during game!</source>
        <translation>Não dá para procurar uma versão nova durante a partida!</translation>
    </message>
    <message>
        <source>Can&apos;t connect!</source>
        <translation>Não foi possível conectar!</translation>
    </message>
    <message>
        <source>Site open error!</source>
        <translation>Erro ao abrir o site!</translation>
    </message>
    <message>
        <source>No new version found.</source>
        <translation>Não há nenhuma versão nova.</translation>
    </message>
    <message>
        <source>New version available!
Install new version?</source>
        <translation>Há uma versão nova!
Instalar a versão nova?</translation>
    </message>
    <message>
        <source>Downloading the new version...</source>
        <translation>Baixando a versão nova...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>File error!</source>
        <translation>Erro de arquivo!</translation>
    </message>
    <message>
        <source>Can&apos;t open the help page %1</source>
        <translation>Não foi possível abrir a página de ajuda %1</translation>
    </message>
    <message>
        <source>About Pipwick</source>
        <translation>Sobre o Pipwick</translation>
    </message>
    <message>
        <source>Pipwick   -  Version %1</source>
        <translation>Pipwick   -  Versão %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Score Sheet</source>
        <translation>Folha de pontos</translation>
    </message>
    <message>
        <source>Hand</source>
        <translation>Mão</translation>
    </message>
    <message>
        <source>Won by</source>
        <translation>Ganhou</translation>
    </message>
    <message>
        <source>Last play</source>
        <translation>Últ. jogada</translation>
    </message>
    <message>
        <source>Pips</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>in play</source>
        <translation>em jogo</translation>
    </message>
    <message>
        <source>nobody</source>
        <translation>ninguém</translation>
    </message>
    <message>
        <source>Chart of the scores</source>
        <translation>Gráfico dos pontos</translation>
    </message>
    <message>
        <source>Games played, won and lost</source>
        <translation>Partidas jogadas, ganhas e perdidas</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estatísticas</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Played</source>
        <translation>Jogadas</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganhas</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Perdidas</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>% ganhas</translation>
    </message>
    <message>
        <source>Abandoned</source>
        <translation>Abandonos</translation>
    </message>
    <message>
        <source>All games</source>
        <translation>Todas as partidas</translation>
    </message>
    <message>
        <source>%1 players</source>
        <translation>%1 jogadores</translation>
    </message>
    <message>
        <source>Strongest opponent Beginner</source>
        <translation>Rival mais forte: Iniciante</translation>
    </message>
    <message>
        <source>Strongest opponent Advanced</source>
        <translation>Rival mais forte: Avançado</translation>
    </message>
    <message>
        <source>Strongest opponent Expert</source>
        <translation>Rival mais forte: Mestre</translation>
    </message>
    <message>
        <source>Best final score</source>
        <translation>Melhor pontuação final</translation>
    </message>
    <message>
        <source>Average final score</source>
        <translation>Pontuação final média</translation>
    </message>
    <message>
        <source>Highest scoring play</source>
        <translation>Jogada de mais pontos</translation>
    </message>
    <message>
        <source>Longest winning streak</source>
        <translation>Maior sequência de vitórias</translation>
    </message>
    <message>
        <source>Current winning streak</source>
        <translation>Sequência de vitórias atual</translation>
    </message>
    <message>
        <source>Hands played</source>
        <translation>Mãos jogadas</translation>
    </message>
    <message>
        <source>Hands blocked</source>
        <translation>Mãos trancadas</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Zerar</translation>
    </message>
    <message>
        <source>The statistics file was damaged: it was set aside as %1 and statistics start afresh.</source>
        <translation>O arquivo de estatísticas estava danificado: foi guardado à parte como %1 e as estatísticas recomeçam do zero.</translation>
    </message>
    <message>
        <source>The statistics file %1 is damaged and could not be set aside: statistics are not kept.</source>
        <translation>O arquivo de estatísticas %1 está danificado e não pôde ser guardado à parte: as estatísticas não são registradas.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a readable file of at most 1 MB: it was left as it is and the game starts with the default settings, which are not saved.</source>
        <translation>O arquivo de configurações %1 não é um arquivo legível de no máximo 1 MB: ele ficou como está e o jogo começa com as configurações padrão, que não são salvas.</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>The hand is over: %1 win %2</source>
        <translation>A mão acabou: %1 ganham %2</translation>
    </message>
    <message>
        <source>The game is over: %1 win</source>
        <translation>A partida acabou: %1 venceram</translation>
    </message>
    <message>
        <source>Congratulations!  You and %1 won the game!</source>
        <translation>Parabéns!  Você e %1 ganharam a partida!</translation>
    </message>
    <message>
        <source>This game is over.  %1 are the winners.</source>
        <translation>A partida acabou.  %1 venceram.</translation>
    </message>
    <message>
        <source>%1 goes here</source>
        <translation>%1 vai aqui</translation>
    </message>
    <message>
        <source>All Fives</source>
        <translation>Cinco em cinco</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Compra</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Bloqueio</translation>
    </message>
    <message>
        <source>Fives and Threes</source>
        <translation>Cinco e Três</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 até %2</translation>
    </message>
    <message>
        <source>%1, partners</source>
        <translation>%1, em duplas</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>%1 reached %2</source>
        <translation>%1 chegou a %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>Abandon this game?</source>
        <translation>Abandonar esta partida?</translation>
    </message>
    <message>
        <source>carried over</source>
        <translation>vindo de antes</translation>
    </message>
    <message>
        <source>Clear all statistics?  The present ones are kept as a backup until the next Reset.</source>
        <translation>Zerar todas as estatísticas?  As atuais ficam guardadas como cópia até o próximo Zerar.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the folder or the file may not be written</source>
        <translation>não é permitido gravar na pasta ou no arquivo</translation>
    </message>
    <message>
        <source>something other than a file is in its place</source>
        <translation>há algo que não é um arquivo no lugar dele</translation>
    </message>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>outra cópia do jogo o manteve bloqueado</translation>
    </message>
    <message>
        <source>the system refused to write it</source>
        <translation>o sistema recusou a gravação</translation>
    </message>
    <message>
        <source>The statistics could not be saved: %1. The file keeps what it held.</source>
        <translation>Não foi possível salvar as estatísticas: %1. O arquivo mantém o que tinha.</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1. They hold until the game ends.</source>
        <translation>Não foi possível salvar as configurações: %1. Elas valem até o jogo ser fechado.</translation>
    </message>
    <message>
        <source>The game could not be kept for Resume Last Game: %1.</source>
        <translation>Não foi possível guardar a partida para Retomar a última partida: %1.</translation>
    </message>
    <message>
        <source>The game could not be saved: %1.</source>
        <translation>Não foi possível salvar a partida: %1.</translation>
    </message>
    <message>
        <source>Another copy of the game has kept its game for Resume Last Game. Keep this game in its place?</source>
        <translation>Outra cópia do jogo guardou a partida dela para Retomar a última partida. Guardar esta partida no lugar dela?</translation>
    </message>
    <message>
        <source>Game saved</source>
        <translation>Partida salva</translation>
    </message>
    <message>
        <source>%1 ▸ %2 deals</source>
        <translation>%1 ▸ %2 distribui</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Host &amp;a Table...</source>
        <translation>A&amp;brir uma mesa...</translation>
    </message>
    <message>
        <source>&amp;Join a Table...</source>
        <translation>&amp;Entrar em uma mesa...</translation>
    </message>
    <message>
        <source>Host a Table</source>
        <translation>Abrir uma mesa</translation>
    </message>
    <message>
        <source>Join a Table</source>
        <translation>Entrar em uma mesa</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jogadores</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>Partners</source>
        <translation>Duplas</translation>
    </message>
    <message>
        <source>Play to</source>
        <translation>Jogar até</translation>
    </message>
    <message>
        <source>Chair %1</source>
        <translation>Cadeira %1</translation>
    </message>
    <message>
        <source>A person</source>
        <translation>Uma pessoa</translation>
    </message>
    <message>
        <source>Computer, Beginner</source>
        <translation>Computador, iniciante</translation>
    </message>
    <message>
        <source>Computer, Advanced</source>
        <translation>Computador, avançado</translation>
    </message>
    <message>
        <source>Computer, Expert</source>
        <translation>Computador, especialista</translation>
    </message>
    <message>
        <source>Open the table</source>
        <translation>Abrir a mesa</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Começar</translation>
    </message>
    <message>
        <source>This computer&apos;s addresses</source>
        <translation>Endereços deste computador</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Porta</translation>
    </message>
    <message>
        <source>Table code</source>
        <translation>Código da mesa</translation>
    </message>
    <message>
        <source>Certificate fingerprint</source>
        <translation>Impressão digital do certificado</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Endereço</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Chair %1: %2</source>
        <translation>Cadeira %1: %2</translation>
    </message>
    <message>
        <source>Chair %1: waiting for a player</source>
        <translation>Cadeira %1: esperando um jogador</translation>
    </message>
    <message>
        <source>Chair %1: a computer player</source>
        <translation>Cadeira %1: um jogador do computador</translation>
    </message>
    <message>
        <source>The table could not be opened: %1</source>
        <translation>Não foi possível abrir a mesa: %1</translation>
    </message>
    <message>
        <source>Joining the table...</source>
        <translation>Entrando na mesa...</translation>
    </message>
    <message>
        <source>You sit in chair %1; the game starts when the host starts it.</source>
        <translation>Você está na cadeira %1; o jogo começa quando o anfitrião o iniciar.</translation>
    </message>
    <message>
        <source>The table plays another version of the game.</source>
        <translation>A mesa usa outra versão do jogo.</translation>
    </message>
    <message>
        <source>That is not the table&apos;s code.</source>
        <translation>Esse não é o código da mesa.</translation>
    </message>
    <message>
        <source>The table is full.</source>
        <translation>A mesa está cheia.</translation>
    </message>
    <message>
        <source>A player of that name is at the table already.</source>
        <translation>Já há um jogador com esse nome na mesa.</translation>
    </message>
    <message>
        <source>No connection to the table: %1</source>
        <translation>Sem conexão com a mesa: %1</translation>
    </message>
    <message>
        <source>No game is under way at the table.</source>
        <translation>Não há jogo em andamento na mesa.</translation>
    </message>
    <message>
        <source>It is not your turn.</source>
        <translation>Não é a sua vez.</translation>
    </message>
    <message>
        <source>That domino is not in your hand.</source>
        <translation>Essa peça não está na sua mão.</translation>
    </message>
    <message>
        <source>There is no such end.</source>
        <translation>Essa ponta não existe.</translation>
    </message>
    <message>
        <source>You have a domino that plays: play it.</source>
        <translation>Você tem uma peça que pode jogar: jogue-a.</translation>
    </message>
    <message>
        <source>%1 has gone: a computer player keeps the chair.</source>
        <translation>%1 saiu: um jogador do computador ocupa a cadeira.</translation>
    </message>
    <message>
        <source>%1 is back.</source>
        <translation>%1 voltou.</translation>
    </message>
    <message>
        <source>The table has ended: %1</source>
        <translation>A mesa terminou: %1</translation>
    </message>
    <message>
        <source>The host has closed the table.</source>
        <translation>O anfitrião fechou a mesa.</translation>
    </message>
    <message>
        <source>No fingerprint was given, so nothing shows that this table is the host&apos;s. Compare its certificate fingerprint with the one the host&apos;s dialog shows:

%1</source>
        <translation>Nenhuma impressão digital foi informada, então nada mostra que esta mesa é a do anfitrião. Compare a impressão digital do certificado dela com a que a janela do anfitrião mostra:

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
        <translation>Preferências de jogadores do Pipwick</translation>
    </message>
    <message>
        <source>Computer players</source>
        <translation>Jogadores do computador</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Gender:</source>
        <translation>Voz:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
    <message>
        <source>Left player&apos;s name</source>
        <translation>Nome do jogador da esquerda</translation>
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
        <translation>Iniciante</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>Avançado</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Mestre</translation>
    </message>
    <message>
        <source>Top player&apos;s name</source>
        <translation>Nome do jogador de cima</translation>
    </message>
    <message>
        <source>Right player&apos;s name</source>
        <translation>Nome do jogador da direita</translation>
    </message>
    <message>
        <source>Human player</source>
        <translation>Jogador humano</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The table&apos;s certificate could not be made (is openssl installed?).</source>
        <translation>Não foi possível criar o certificado da mesa (o openssl está instalado?).</translation>
    </message>
    <message>
        <source>The table&apos;s certificate or its key cannot be read.</source>
        <translation>Não é possível ler o certificado da mesa ou a sua chave.</translation>
    </message>
    <message>
        <source>The table&apos;s certificate or its key is not a PEM file.</source>
        <translation>O certificado da mesa ou a sua chave não é um arquivo PEM.</translation>
    </message>
</context>
<context>
    <name>pipwick::TableConnection</name>
    <message>
        <source>The table sent a message that is not text.</source>
        <translation>A mesa enviou uma mensagem que não é texto.</translation>
    </message>
    <message>
        <source>The table&apos;s certificate is not the one whose fingerprint was given.</source>
        <translation>O certificado da mesa não é aquele cuja impressão digital foi informada.</translation>
    </message>
    <message>
        <source>The table sent a message that cannot be read: %1</source>
        <translation>A mesa enviou uma mensagem que não pode ser lida: %1</translation>
    </message>
</context>
</TS>
