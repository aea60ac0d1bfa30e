<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>HandIn</name>
    <message>
        <source>Hand in your progress to this folder</source>
        <translation>Entregar tu progreso en esta carpeta</translation>
    </message>
</context>
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
    <message>
        <source>Practice</source>
        <comment>a drill, where a level&apos;s name stands</comment>
        <translation>la práctica</translation>
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
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>On your keyboard layout the key for the letter %1 types nothing, so no figure comes up there.</source>
        <translation>En tu teclado, la tecla de la letra %1 no escribe nada. Por eso allí no aparece ningún personaje.</translation>
    </message>
    <message>
        <source>On your keyboard layout the keys for the letters %1 type nothing, so no figures come up there.</source>
        <translation>En tu teclado, las teclas de las letras %1 no escriben nada. Por eso allí no aparece ningún personaje.</translation>
    </message>
    <message>
        <source>%1 was not a progress database and has been moved aside to %2</source>
        <translation>%1 no era un archivo de progreso. Se ha apartado con el nombre %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>No se puede leer %1</translation>
    </message>
    <message>
        <source>Cannot read %1: a newer version of the game made it.</source>
        <translation>No se puede leer %1: lo creó una versión más nueva del juego.</translation>
    </message>
    <message>
        <source>Cannot read %1: part of it is missing.</source>
        <translation>No se puede leer %1: falta una parte del archivo.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>No se puede cargar %1: %2</translation>
    </message>
    <message>
        <source>Map.ini has no [Map] section</source>
        <translation>Map.ini no tiene sección [Map]</translation>
    </message>
    <message>
        <source>Map.ini has no [Objects] section</source>
        <translation>Map.ini no tiene sección [Objects]</translation>
    </message>
    <message>
        <source>the difficulty row %1 of Map.ini needs five fields</source>
        <translation>la fila de dificultad %1 de Map.ini necesita cinco campos</translation>
    </message>
    <message>
        <source>a wave needs three fields: DumpTime:DumpInterval:target</source>
        <translation>una oleada necesita tres campos: DumpTime:DumpInterval:target</translation>
    </message>
    <message>
        <source>a wave spawns before any actor is defined</source>
        <translation>una oleada empieza antes de definir ningún personaje</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for %2</source>
        <translation>«%1» no es un número entero válido para %2</translation>
    </message>
    <message>
        <source>the miss penalty</source>
        <translation>la penalización por fallo</translation>
    </message>
    <message>
        <source>the civilian penalty</source>
        <translation>la penalización por disparar a un vecino</translation>
    </message>
    <message>
        <source>the wave&apos;s target</source>
        <translation>el número de personajes de la oleada</translation>
    </message>
    <message>
        <source>the wave&apos;s duration</source>
        <translation>la duración de la oleada</translation>
    </message>
    <message>
        <source>no scene to practise in: the levels have no places</source>
        <translation>no hay escenario para practicar: los niveles no tienen sitios</translation>
    </message>
    <message>
        <source>Cannot read picture %1</source>
        <translation>No se puede leer la imagen %1</translation>
    </message>
    <message>
        <source>Cannot read picture %1: %2</source>
        <translation>No se puede leer la imagen %1: %2</translation>
    </message>
    <message>
        <source>Picture %1 is not a Windows bitmap</source>
        <translation>La imagen %1 no es un mapa de bits de Windows</translation>
    </message>
    <message>
        <source>Picture %1 is cut short</source>
        <translation>La imagen %1 está cortada</translation>
    </message>
    <message>
        <source>Picture %1 has an unknown bitmap header</source>
        <translation>La imagen %1 tiene una cabecera de mapa de bits desconocida</translation>
    </message>
    <message>
        <source>Picture %1 has an unsupported size</source>
        <translation>La imagen %1 tiene un tamaño no admitido</translation>
    </message>
    <message>
        <source>Picture %1 has an unsupported bitmap format</source>
        <translation>La imagen %1 tiene un formato de mapa de bits no admitido</translation>
    </message>
    <message>
        <source>Invalid image size</source>
        <translation>Tamaño de imagen no válido</translation>
    </message>
    <message>
        <source>A profile name cannot be empty.</source>
        <translation>El nombre de un perfil no puede estar vacío.</translation>
    </message>
    <message>
        <source>A profile name cannot contain a line break.</source>
        <translation>El nombre de un perfil no puede contener saltos de línea.</translation>
    </message>
    <message>
        <source>A profile name cannot contain control characters.</source>
        <translation>El nombre de un perfil no puede contener caracteres de control.</translation>
    </message>
    <message>
        <source>A profile name cannot contain &quot;[&quot; or &quot;]&quot;.</source>
        <translation>El nombre de un perfil no puede contener «[» ni «]».</translation>
    </message>
    <message>
        <source>A profile name cannot begin or end with a blank.</source>
        <translation>El nombre de un perfil no puede empezar ni terminar con un espacio.</translation>
    </message>
    <message>
        <source>The name curplayer is reserved.</source>
        <translation>El nombre curplayer está reservado.</translation>
    </message>
    <message>
        <source>Your desktop does not let the game read your keyboard layout, so the tags show the keys of a US keyboard. Where the desktop runs X11 programs (XWayland), the game reads the layout there and the tags show your own letters.</source>
        <translation>Tu escritorio no deja que el juego lea la distribución de tu teclado. Por eso los carteles muestran las teclas de un teclado estadounidense. Donde el escritorio ejecuta programas X11 (XWayland), el juego lee allí la distribución y los carteles muestran tus propias letras.</translation>
    </message>
    <message>
        <source>Your progress is open in the game on another computer (%1). The runs you play here are kept and added to it later.</source>
        <translation>Tu progreso está abierto en el juego en otro ordenador (%1). Las partidas que juegues aquí se guardan y se añadirán más tarde.</translation>
    </message>
    <message>
        <source>Your progress is handed in as %1</source>
        <translation>Tu progreso se ha entregado como %1</translation>
    </message>
    <message>
        <source>Your teacher cannot read what you hand in to %1: the folder does not give its files to the teachers&apos; group. Please tell your teacher.</source>
        <translation>Tu profesor no puede leer lo que entregas en %1: la carpeta no da sus archivos al grupo de profesores. Avisa a tu profesor.</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>ProgressWordsPage</name>
    <message>
        <source>Words per minute</source>
        <translation>Palabras por minuto</translation>
    </message>
    <message>
        <source>No practice with words yet. Words come once you practise enough keys.</source>
        <translation>Todavía no has practicado con palabras. Las palabras llegan cuando practiques bastantes teclas.</translation>
    </message>
    <message>
        <source>1 drill</source>
        <translation>1 práctica</translation>
    </message>
    <message>
        <source>%1 drills</source>
        <translation>%1 prácticas</translation>
    </message>
    <message>
        <source>Pairs to practise</source>
        <translation>Pares para practicar</translation>
    </message>
    <message>
        <source>Type more words to find the letter pairs that slow you down.</source>
        <translation>Escribe más palabras para encontrar los pares de letras que te frenan.</translation>
    </message>
    <message>
        <source>No letter pair is much slower than your others.</source>
        <translation>Ningún par de letras es mucho más lento que los demás.</translation>
    </message>
    <message>
        <source>%1 ms, typed %2 times</source>
        <translation>%1 ms, escrito %2 veces</translation>
    </message>
    <message>
        <source>Last drill: %1 words per minute, %2 of letters right</source>
        <translation>Última práctica: %1 palabras por minuto, %2 de letras correctas</translation>
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
        <translation>Aciertos</translation>
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
        <translation>¡Necesitas un 60&#xa0;%!</translation>
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
    <name>TfmClass</name>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Up, Down: pupil   Left, Right: column   S: sort by it   Enter: open   F5: read again   Tab: buttons</source>
        <translation>Arriba, Abajo: alumno   Izquierda, Derecha: columna   S: ordenar   Intro: abrir   F5: volver a leer   Tab: botones</translation>
    </message>
    <message>
        <source>CLASS KEYS</source>
        <translation>TECLAS DE LA CLASE</translation>
    </message>
    <message>
        <source>SAVE CSV</source>
        <translation>GUARDAR CSV</translation>
    </message>
    <message>
        <source>SAVE PDF</source>
        <translation>GUARDAR PDF</translation>
    </message>
    <message>
        <source>Cannot read the class folder.</source>
        <translation>No se puede leer la carpeta de la clase.</translation>
    </message>
    <message>
        <source>1 hand-in</source>
        <translation>1 entrega</translation>
    </message>
    <message>
        <source>%1 hand-ins</source>
        <translation>%1 entregas</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>ilegibles: %1</translation>
    </message>
    <message>
        <source>totals that disagree: %1</source>
        <translation>totales que no cuadran: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Clase: %1</translation>
    </message>
    <message>
        <source>Every key shows the hits of the whole class: each pupil&apos;s last 200 tries at it, added up. Keys to practise are the keys the class misses most.</source>
        <translation>Cada tecla muestra los aciertos de toda la clase: los últimos 200 intentos de cada alumno, sumados. Las teclas para practicar son las que la clase más falla.</translation>
    </message>
    <message>
        <source>Save the class table</source>
        <translation>Guardar la tabla de la clase</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the class as PDF</source>
        <translation>Guardar la clase como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Last hand-in</source>
        <translation>Última entrega</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Tiempo de juego</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Esta semana</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Levels passed</source>
        <translation>Niveles superados</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Precisión</translation>
    </message>
    <message>
        <source>Words per minute</source>
        <translation>Palabras por minuto</translation>
    </message>
    <message>
        <source>Keys mastered</source>
        <translation>Teclas dominadas</translation>
    </message>
    <message>
        <source>Reviews due</source>
        <translation>Repasos pendientes</translation>
    </message>
    <message>
        <source>Weakest keys</source>
        <translation>Teclas más débiles</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Perfil</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveles</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>PPM</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Dominadas</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>partidas</translation>
    </message>
    <message>
        <source>time played</source>
        <translation>tiempo de juego</translation>
    </message>
    <message>
        <source>levels passed</source>
        <translation>niveles superados</translation>
    </message>
    <message>
        <source>keys mastered</source>
        <translation>teclas dominadas</translation>
    </message>
    <message>
        <source>key accuracy</source>
        <translation>precisión de las teclas</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutos esta semana</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Precisión en&#xa0;%</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>This hand-in cannot be read any more.</source>
        <translation>Esta entrega ya no se puede leer.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>Median reaction (ms)</source>
        <translation>Reacción mediana (ms)</translation>
    </message>
    <message>
        <source>Mastery</source>
        <translation>Dominio</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>no se puede abrir</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>far too large for a hand-in</source>
        <translation>demasiado grande para una entrega</translation>
    </message>
    <message>
        <source>not a hand-in</source>
        <translation>no es una entrega</translation>
    </message>
    <message>
        <source>made by a newer version of the game</source>
        <translation>creado por una versión más nueva del juego</translation>
    </message>
    <message>
        <source>damaged or cut short</source>
        <translation>dañado o incompleto</translation>
    </message>
    <message>
        <source>holds tables a hand-in does not have</source>
        <translation>contiene tablas que una entrega no tiene</translation>
    </message>
    <message>
        <source>holds figures no game writes</source>
        <translation>contiene cifras que ningún juego escribe</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation>Ilegible: %1</translation>
    </message>
    <message>
        <source>Totals disagree: %1</source>
        <translation>Los totales no cuadran: %1</translation>
    </message>
</context>
<context>
    <name>TfmGame</name>
    <message>
        <source>Point</source>
        <translation>Aciertos</translation>
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
        <source>%1: %2</source>
        <translation>%1: %2</translation>
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
    <message>
        <source>CLASS</source>
        <translation>CLASE</translation>
    </message>
</context>
<context>
    <name>TfmPracticeCard</name>
    <message>
        <source>Practice</source>
        <translation>Práctica</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>VOLVER</translation>
    </message>
    <message>
        <source>START</source>
        <translation>EMPEZAR</translation>
    </message>
    <message>
        <source>Target reaction: %1 ms</source>
        <translation>Tiempo objetivo: %1 ms</translation>
    </message>
    <message>
        <source>Targets: your time to shoot a figure and to type each letter of a word. + more time, − less.</source>
        <translation>Tiempos objetivo: para disparar a una figura y para cada letra de una palabra. + más tiempo, − menos.</translation>
    </message>
    <message>
        <source>median %1 ms, typing %2 ms</source>
        <translation>mediana %1 ms, tecleo %2 ms</translation>
    </message>
    <message>
        <source>typing %1 ms</source>
        <translation>tecleo %1 ms</translation>
    </message>
    <message>
        <source>Focus: a key you have not tried yet</source>
        <translation>Tecla clave: una tecla que aún no has probado</translation>
    </message>
    <message>
        <source>%1 of your last %2 right (%3)</source>
        <translation>%1 correctas de tus últimos %2 intentos (%3)</translation>
    </message>
    <message>
        <source>median %1 ms</source>
        <translation>mediana %1 ms</translation>
    </message>
    <message>
        <source>no hit yet</source>
        <translation>aún sin acierto</translation>
    </message>
    <message>
        <source>Focus, due for review: %1, %2</source>
        <translation>Para repasar: %1, %2</translation>
    </message>
    <message>
        <source>Focus, your weakest key: %1, %2</source>
        <translation>Tu tecla más débil: %1, %2</translation>
    </message>
    <message>
        <source>No new key this time</source>
        <translation>Esta vez no hay tecla nueva</translation>
    </message>
    <message>
        <source>Finger: %1</source>
        <translation>Dedo: %1</translation>
    </message>
    <message>
        <source>Left out on this keyboard: %1</source>
        <translation>Omitidas en este teclado: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Focus key</source>
        <translation>Tecla clave</translation>
    </message>
    <message>
        <source>New key</source>
        <translation>Tecla nueva</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>Para repasar</translation>
    </message>
    <message>
        <source>Your keys: mastery</source>
        <translation>Tus teclas: dominio</translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>meñique izquierdo</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>anular izquierdo</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>corazón izquierdo</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>índice izquierdo</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>índice derecho</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>corazón derecho</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>anular derecho</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>meñique derecho</translation>
    </message>
    <message>
        <source>No word list is installed: the words are made up of your keys. Real words come with the package %1.</source>
        <translation>No hay ninguna lista de palabras instalada: las palabras son inventadas con tus teclas. El paquete %1 trae palabras reales.</translation>
    </message>
    <message>
        <source>No word list of your language is installed (package %1): the words are English.</source>
        <translation>No hay ninguna lista de palabras de tu idioma instalada (paquete %1): las palabras están en inglés.</translation>
    </message>
    <message>
        <source>Target typing: %1 ms</source>
        <translation>Tiempo objetivo al teclear: %1 ms</translation>
    </message>
    <message>
        <source>You are much slower than the target at this key. Try a slower target with +.</source>
        <translation>En esta tecla vas mucho más lento que el tiempo objetivo. Prueba un tiempo objetivo más largo con +.</translation>
    </message>
</context>
<context>
    <name>TfmPracticeResults</name>
    <message>
        <source>Practice results</source>
        <translation>Resultados de la práctica</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>PRACTISE AGAIN</source>
        <translation>OTRA VEZ</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>aprendiendo</translation>
    </message>
    <message>
        <source>New key %1 joins your keys. Finger: %2</source>
        <translation>La tecla %1 se une a tus teclas. Dedo: %2</translation>
    </message>
    <message>
        <source>Reviews passed: %1</source>
        <translation>Repasos superados: %1</translation>
    </message>
    <message>
        <source>Reviews to practise again: %1</source>
        <translation>Para practicar otra vez: %1</translation>
    </message>
    <message>
        <source>Mastered now: %1</source>
        <translation>Dominadas ahora: %1</translation>
    </message>
    <message>
        <source>Words per minute: %1</source>
        <translation>Palabras por minuto: %1</translation>
    </message>
    <message>
        <source>Hits: %1   Misses: %2</source>
        <translation>Aciertos: %1   Fallos: %2</translation>
    </message>
    <message>
        <source>before</source>
        <translation>antes</translation>
    </message>
    <message>
        <source>after</source>
        <translation>después</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>próximo repaso</translation>
    </message>
    <message>
        <source>Letters right in words: %1</source>
        <translation>Letras correctas en las palabras: %1</translation>
    </message>
    <message>
        <source>Townsfolk shot: %1   Enemies lost: %2   Accuracy: %3</source>
        <translation>Vecinos alcanzados: %1   Bandidos escapados: %2   Precisión: %3</translation>
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
        <translation>50&#xa0;% o menos</translation>
    </message>
    <message>
        <source>under 10 tries</source>
        <translation>menos de 10 intentos</translation>
    </message>
    <message>
        <source>Hits of the last 200 tries at each key; small number: median reaction in ms</source>
        <translation>Aciertos en los últimos 200 intentos; en pequeño: reacción mediana en ms</translation>
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
        <translation>Meta 60&#xa0;%</translation>
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
        <source>PRACTICE</source>
        <translation>PRACTICAR</translation>
    </message>
    <message>
        <source>Words ▸</source>
        <translation>Palabras ▸</translation>
    </message>
    <message>
        <source>◂ Keys</source>
        <translation>◂ Teclas</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>práctica</translation>
    </message>
    <message>
        <source>Updating your progress records…</source>
        <translation>Estamos actualizando tus progresos…</translation>
    </message>
    <message>
        <source>Your progress records are open on another computer.</source>
        <translation>Tu progreso está abierto en otro ordenador.</translation>
    </message>
    <message>
        <source>HAND IN</source>
        <translation>ENTREGAR</translation>
    </message>
    <message>
        <source>typing %1 ms</source>
        <translation>tecleo %1 ms</translation>
    </message>
</context>
</TS>
