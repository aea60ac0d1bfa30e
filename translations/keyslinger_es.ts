<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Level</name>
    <message>
        <source>Level%1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>level%1</source>
        <translation>nivel %1</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>nivel %1</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error in Clock</source>
        <translation>Error durante la partida</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Cannot open picture %1</source>
        <translation>No se puede abrir la imagen %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFirstStart</name>
    <message>
        <source>Level of Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>EASY</source>
        <translation>FÁCIL</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <translation>DIFÍCIL</translation>
    </message>
</context>
<context>
    <name>TFmPause</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSA</translation>
    </message>
    <message>
        <source>RESTART</source>
        <translation>REINICIAR</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>MENÚ</translation>
    </message>
</context>
<context>
    <name>TFmPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AÑADIR</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>BORRAR</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TFmScore</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Civilian</source>
        <translation>Vecinos</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Take more 60%</source>
        <translation>¡Necesitas un 60%!</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>SEGUIR</translation>
    </message>
    <message>
        <source>TRY AGAIN</source>
        <translation>REPETIR</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>MENÚ</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <source>Game and levels:</source>
        <translation>Juego y niveles:</translation>
    </message>
    <message>
        <source>the Keyslinger team.</source>
        <translation>el equipo Keyslinger.</translation>
    </message>
    <message>
        <source>Pictures and sounds made</source>
        <translation>Imágenes y sonidos hechos</translation>
    </message>
    <message>
        <source>for this game.</source>
        <translation>para este juego.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfmGame</name>
    <message>
        <source>Point</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Civilian</source>
        <translation>Vecinos</translation>
    </message>
</context>
<context>
    <name>TfmHelp</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Keys: the arrows or Tab choose a button, Space presses it. Enter goes on, Esc goes back or closes. F1 shows this help. In a level type the letters; Esc pauses, F11 switches full screen.</source>
        <translation>Teclas: las flechas o Tab eligen un botón, Espacio lo pulsa. Intro sigue, Esc vuelve o cierra. F1 muestra esta ayuda. En un nivel escribe las letras; Esc pausa, F11 cambia a pantalla completa.</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <source>SOUND ON</source>
        <translation>SONIDO ACTIVADO</translation>
    </message>
    <message>
        <source>SOUND OFF</source>
        <translation>SONIDO DESACTIVADO</translation>
    </message>
    <message>
        <source>keyslinger manual</source>
        <translation>manual de Keyslinger</translation>
    </message>
    <message>
        <source>Typing tutor:</source>
        <translation>Aprende a teclear:</translation>
    </message>
    <message>
        <source>Drifter:</source>
        <translation>Jugador:</translation>
    </message>
    <message>
        <source>START GAME</source>
        <translation>JUGAR</translation>
    </message>
    <message>
        <source>CHANGE PROFILE</source>
        <translation>CAMBIAR DE PERFIL</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>ACERCA DEL JUEGO</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <translation>PROGRESO</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>SALIR</translation>
    </message>
    <message>
        <source>No program is set up to open the manual. Open this file in a web browser:
%1</source>
        <translation>No hay ningún programa para abrir el manual. Abre este archivo en un navegador web:
%1</translation>
    </message>
</context>
<context>
    <name>TfmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Drifter: %1</source>
        <translation>Jugador: %1</translation>
    </message>
    <message>
        <source>50% or less</source>
        <translation>50% o menos</translation>
    </message>
    <message>
        <source>under 10 tries</source>
        <translation>menos de 10 intentos</translation>
    </message>
    <message>
        <source>Hits of the last 200 tries at each key; small number: median reaction in ms</source>
        <translation>Aciertos en los últimos 200 intentos; en pequeño: reacción media en ms</translation>
    </message>
    <message>
        <source>Keys to practise</source>
        <translation>Teclas para practicar</translation>
    </message>
    <message>
        <source>Keys show here once each has had 10 tries. Play a few levels!</source>
        <translation>Las teclas salen aquí cuando cada una tiene 10 intentos. ¡Juega unos niveles!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>60% pass</source>
        <translation>Meta 60%</translation>
    </message>
    <message>
        <source>No finished runs yet</source>
        <translation>Aún no hay partidas terminadas</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 partida</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 partidas</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>Levels passed</source>
        <translation>Niveles superados</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>streak: passed runs in a row</source>
        <translation>racha: aprobadas seguidas</translation>
    </message>
    <message>
        <source>Cannot read Progress.db: a newer version of the game made it.</source>
        <translation>No se puede leer Progress.db: lo creó una versión más nueva del juego.</translation>
    </message>
    <message>
        <source>Cannot read Progress.db: part of it is missing.</source>
        <translation>No se puede leer Progress.db: falta una parte.</translation>
    </message>
    <message>
        <source>Cannot read all of Progress.db.</source>
        <translation>No se puede leer todo Progress.db.</translation>
    </message>
    <message>
        <source>Updating your progress records…</source>
        <translation>Estamos actualizando tus progresos…</translation>
    </message>
</context>
</TS>
