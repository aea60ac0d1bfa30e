<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>HandIn</name>
    <message>
        <source>Hand in your progress to this folder</source>
        <translation>Deinen Fortschritt in diesem Ordner abgeben</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Level%1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>level%1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>Practice</source>
        <comment>a drill, where a level&apos;s name stands</comment>
        <translation>Die Übung</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error in Clock</source>
        <translation>Fehler im Spielablauf</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Speichern in %1 nicht möglich</translation>
    </message>
    <message>
        <source>Cannot open picture %1</source>
        <translation>Das Bild %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>On your keyboard layout the key for the letter %1 types nothing, so no figure comes up there.</source>
        <translation>Auf deiner Tastatur schreibt die Taste für den Buchstaben %1 nichts. Deshalb taucht dort keine Figur auf.</translation>
    </message>
    <message>
        <source>On your keyboard layout the keys for the letters %1 type nothing, so no figures come up there.</source>
        <translation>Auf deiner Tastatur schreiben die Tasten für die Buchstaben %1 nichts. Deshalb tauchen dort keine Figuren auf.</translation>
    </message>
    <message>
        <source>%1 was not a progress database and has been moved aside to %2</source>
        <translation>%1 war keine Fortschrittsdatei. Sie wurde beiseitegelegt und heißt jetzt %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>%1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Cannot read %1: a newer version of the game made it.</source>
        <translation>%1 lässt sich nicht lesen: Eine neuere Version des Spiels hat die Datei angelegt.</translation>
    </message>
    <message>
        <source>Cannot read %1: part of it is missing.</source>
        <translation>%1 lässt sich nicht lesen: Ein Teil der Datei fehlt.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>%1 lässt sich nicht laden: %2</translation>
    </message>
    <message>
        <source>Map.ini has no [Map] section</source>
        <translation>Map.ini hat keinen Abschnitt [Map]</translation>
    </message>
    <message>
        <source>Map.ini has no [Objects] section</source>
        <translation>Map.ini hat keinen Abschnitt [Objects]</translation>
    </message>
    <message>
        <source>the difficulty row %1 of Map.ini needs five fields</source>
        <translation>die Schwierigkeitszeile %1 in Map.ini braucht fünf Felder</translation>
    </message>
    <message>
        <source>a wave needs three fields: DumpTime:DumpInterval:target</source>
        <translation>eine Welle braucht drei Felder: DumpTime:DumpInterval:target</translation>
    </message>
    <message>
        <source>a wave spawns before any actor is defined</source>
        <translation>eine Welle beginnt, bevor eine Figur festgelegt ist</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for %2</source>
        <translation>„%1“ ist keine gültige ganze Zahl für %2</translation>
    </message>
    <message>
        <source>the miss penalty</source>
        <translation>die Strafzeit für Fehlschüsse</translation>
    </message>
    <message>
        <source>the civilian penalty</source>
        <translation>die Strafzeit für getroffene Bürger</translation>
    </message>
    <message>
        <source>the wave&apos;s target</source>
        <translation>die Figurenzahl der Welle</translation>
    </message>
    <message>
        <source>the wave&apos;s duration</source>
        <translation>die Dauer der Welle</translation>
    </message>
    <message>
        <source>no scene to practise in: the levels have no places</source>
        <translation>kein Bild zum Üben: Die Level haben keine Plätze</translation>
    </message>
    <message>
        <source>Cannot read picture %1</source>
        <translation>Das Bild %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Cannot read picture %1: %2</source>
        <translation>Das Bild %1 lässt sich nicht lesen: %2</translation>
    </message>
    <message>
        <source>Picture %1 is not a Windows bitmap</source>
        <translation>Das Bild %1 ist keine Windows-Bitmap</translation>
    </message>
    <message>
        <source>Picture %1 is cut short</source>
        <translation>Das Bild %1 ist unvollständig</translation>
    </message>
    <message>
        <source>Picture %1 has an unknown bitmap header</source>
        <translation>Das Bild %1 hat einen unbekannten Bitmap-Kopf</translation>
    </message>
    <message>
        <source>Picture %1 has an unsupported size</source>
        <translation>Das Bild %1 hat eine nicht unterstützte Größe</translation>
    </message>
    <message>
        <source>Picture %1 has an unsupported bitmap format</source>
        <translation>Das Bild %1 hat ein nicht unterstütztes Bitmap-Format</translation>
    </message>
    <message>
        <source>Invalid image size</source>
        <translation>Ungültige Bildgröße</translation>
    </message>
    <message>
        <source>A profile name cannot be empty.</source>
        <translation>Ein Profilname darf nicht leer sein.</translation>
    </message>
    <message>
        <source>A profile name cannot contain a line break.</source>
        <translation>Ein Profilname darf keinen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>A profile name cannot contain control characters.</source>
        <translation>Ein Profilname darf keine Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A profile name cannot contain &quot;[&quot; or &quot;]&quot;.</source>
        <translation>Ein Profilname darf weder „[“ noch „]“ enthalten.</translation>
    </message>
    <message>
        <source>A profile name cannot begin or end with a blank.</source>
        <translation>Ein Profilname darf nicht mit einem Leerzeichen beginnen oder enden.</translation>
    </message>
    <message>
        <source>The name curplayer is reserved.</source>
        <translation>Der Name curplayer ist reserviert.</translation>
    </message>
    <message>
        <source>Your desktop does not let the game read your keyboard layout, so the tags show the keys of a US keyboard. Where the desktop runs X11 programs (XWayland), the game reads the layout there and the tags show your own letters.</source>
        <translation>Dein Desktop verrät dem Spiel deine Tastaturbelegung nicht. Deshalb zeigen die Schilder die Tasten einer US-Tastatur. Wo der Desktop X11-Programme ausführt (XWayland), liest das Spiel die Belegung dort, und die Schilder zeigen deine eigenen Buchstaben.</translation>
    </message>
    <message>
        <source>Your progress is open in the game on another computer (%1). The runs you play here are kept and added to it later.</source>
        <translation>Dein Fortschritt ist im Spiel auf einem anderen Computer geöffnet (%1). Die Runden, die du hier spielst, werden aufbewahrt und später hinzugefügt.</translation>
    </message>
    <message>
        <source>Your progress is handed in as %1</source>
        <translation>Dein Fortschritt ist abgegeben als %1</translation>
    </message>
    <message>
        <source>Your teacher cannot read what you hand in to %1: the folder does not give its files to the teachers&apos; group. Please tell your teacher.</source>
        <translation>Deine Lehrkraft kann nicht lesen, was du in %1 abgibst: Der Ordner gibt seine Dateien nicht an die Gruppe der Lehrkräfte weiter. Bitte sag es deiner Lehrkraft.</translation>
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
        <translation>Wörter pro Minute</translation>
    </message>
    <message>
        <source>No practice with words yet. Words come once you practise enough keys.</source>
        <translation>Noch keine Übung mit Wörtern. Wörter kommen, sobald du genug Tasten übst.</translation>
    </message>
    <message>
        <source>1 drill</source>
        <translation>1 Übung</translation>
    </message>
    <message>
        <source>%1 drills</source>
        <translation>%1 Übungen</translation>
    </message>
    <message>
        <source>Pairs to practise</source>
        <translation>Diese Paare üben</translation>
    </message>
    <message>
        <source>Type more words to find the letter pairs that slow you down.</source>
        <translation>Tippe mehr Wörter, dann finden wir die Buchstabenpaare, die dich bremsen.</translation>
    </message>
    <message>
        <source>No letter pair is much slower than your others.</source>
        <translation>Kein Buchstabenpaar ist viel langsamer als deine anderen.</translation>
    </message>
    <message>
        <source>%1 ms, typed %2 times</source>
        <translation>%1 ms, %2-mal getippt</translation>
    </message>
    <message>
        <source>Last drill: %1 words per minute, %2 of letters right</source>
        <translation>Letzte Übung: %1 Wörter pro Minute, %2 der Buchstaben richtig</translation>
    </message>
</context>
<context>
    <name>TFirstStart</name>
    <message>
        <source>Level of Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>EASY</source>
        <translation>LEICHT</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <translation>SCHWER</translation>
    </message>
</context>
<context>
    <name>TFmPause</name>
    <message>
        <source>PAUSE</source>
        <translation>PAUSE</translation>
    </message>
    <message>
        <source>RESTART</source>
        <translation>NEUSTART</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>HAUPTMENÜ</translation>
    </message>
</context>
<context>
    <name>TFmPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>NEU</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>LÖSCHEN</translation>
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
        <translation>Name</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Civilian</source>
        <translation>Bürger</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Take more 60%</source>
        <translation>Du brauchst 60&#xa0;%!</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>WEITER</translation>
    </message>
    <message>
        <source>TRY AGAIN</source>
        <translation>NOCHMAL</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>HAUPTMENÜ</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <source>Game and levels:</source>
        <translation>Spiel und Level:</translation>
    </message>
    <message>
        <source>the Keyslinger team.</source>
        <translation>das Keyslinger-Team.</translation>
    </message>
    <message>
        <source>Pictures and sounds made</source>
        <translation>Bilder und Töne eigens</translation>
    </message>
    <message>
        <source>for this game.</source>
        <translation>für dieses Spiel gemacht.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
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
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Up, Down: pupil   Left, Right: column   S: sort by it   Enter: open   F5: read again   Tab: buttons</source>
        <translation>Hoch, Runter: Schüler   Links, Rechts: Spalte   S: danach sortieren   Enter: öffnen   F5: neu lesen   Tab: Knöpfe</translation>
    </message>
    <message>
        <source>CLASS KEYS</source>
        <translation>TASTEN DER KLASSE</translation>
    </message>
    <message>
        <source>SAVE CSV</source>
        <translation>ALS CSV SPEICHERN</translation>
    </message>
    <message>
        <source>SAVE PDF</source>
        <translation>ALS PDF SPEICHERN</translation>
    </message>
    <message>
        <source>Cannot read the class folder.</source>
        <translation>Der Klassenordner lässt sich nicht lesen.</translation>
    </message>
    <message>
        <source>1 hand-in</source>
        <translation>1 Abgabe</translation>
    </message>
    <message>
        <source>%1 hand-ins</source>
        <translation>%1 Abgaben</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>nicht lesbar: %1</translation>
    </message>
    <message>
        <source>totals that disagree: %1</source>
        <translation>widersprüchliche Summen: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Klasse: %1</translation>
    </message>
    <message>
        <source>Every key shows the hits of the whole class: each pupil&apos;s last 200 tries at it, added up. Keys to practise are the keys the class misses most.</source>
        <translation>Jede Taste zeigt die Treffer der ganzen Klasse: die letzten 200 Versuche jedes Schülers an ihr, zusammengezählt. Die Tasten zum Üben sind die, die die Klasse am häufigsten verfehlt.</translation>
    </message>
    <message>
        <source>Save the class table</source>
        <translation>Klassentabelle speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Save the class as PDF</source>
        <translation>Klasse als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Anmeldename</translation>
    </message>
    <message>
        <source>Last hand-in</source>
        <translation>Letzte Abgabe</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Diese Woche</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>Levels passed</source>
        <translation>Level geschafft</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>Words per minute</source>
        <translation>Wörter pro Minute</translation>
    </message>
    <message>
        <source>Keys mastered</source>
        <translation>Tasten gemeistert</translation>
    </message>
    <message>
        <source>Reviews due</source>
        <translation>Fällige Wiederholungen</translation>
    </message>
    <message>
        <source>Weakest keys</source>
        <translation>Schwächste Tasten</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>W/MIN</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Gemeistert</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>levels passed</source>
        <translation>geschaffte Level</translation>
    </message>
    <message>
        <source>keys mastered</source>
        <translation>gemeisterte Tasten</translation>
    </message>
    <message>
        <source>key accuracy</source>
        <translation>Genauigkeit der Tasten</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minuten diese Woche</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Genauigkeit in&#xa0;%</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>This hand-in cannot be read any more.</source>
        <translation>Diese Abgabe lässt sich nicht mehr lesen.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>Median reaction (ms)</source>
        <translation>Mittlere Reaktion (ms)</translation>
    </message>
    <message>
        <source>Mastery</source>
        <translation>Beherrschung</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>keine Datei</translation>
    </message>
    <message>
        <source>far too large for a hand-in</source>
        <translation>viel zu groß für eine Abgabe</translation>
    </message>
    <message>
        <source>not a hand-in</source>
        <translation>keine Abgabe</translation>
    </message>
    <message>
        <source>made by a newer version of the game</source>
        <translation>von einer neueren Version des Spiels angelegt</translation>
    </message>
    <message>
        <source>damaged or cut short</source>
        <translation>beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>holds tables a hand-in does not have</source>
        <translation>enthält Tabellen, die eine Abgabe nicht hat</translation>
    </message>
    <message>
        <source>holds figures no game writes</source>
        <translation>enthält Zahlen, die kein Spiel schreibt</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 Std. %2 Min.</translation>
    </message>
    <message>
        <source>Unreadable: %1</source>
        <translation>Nicht lesbar: %1</translation>
    </message>
    <message>
        <source>Totals disagree: %1</source>
        <translation>Summen passen nicht: %1</translation>
    </message>
</context>
<context>
    <name>TfmGame</name>
    <message>
        <source>Point</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Civilian</source>
        <translation>Bürger</translation>
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
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Keys: the arrows or Tab choose a button, Space presses it. Enter goes on, Esc goes back or closes. F1 shows this help. In a level type the letters; Esc pauses, F11 switches full screen.</source>
        <translation>Tasten: Pfeile oder Tab wählen einen Knopf, die Leertaste drückt ihn. Enter geht weiter, Esc zurück oder schließt. F1 zeigt diese Hilfe. Im Level tippst du die Buchstaben; Esc hält an, F11 schaltet auf Vollbild.</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <source>SOUND ON</source>
        <translation>TON AN</translation>
    </message>
    <message>
        <source>SOUND OFF</source>
        <translation>TON AUS</translation>
    </message>
    <message>
        <source>keyslinger manual</source>
        <translation>Keyslinger-Handbuch</translation>
    </message>
    <message>
        <source>Typing tutor:</source>
        <translation>Tipptrainer:</translation>
    </message>
    <message>
        <source>Drifter:</source>
        <translation>Spieler:</translation>
    </message>
    <message>
        <source>START GAME</source>
        <translation>SPIEL STARTEN</translation>
    </message>
    <message>
        <source>CHANGE PROFILE</source>
        <translation>PROFIL WECHSELN</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>ÜBER DAS SPIEL</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <translation>FORTSCHRITT</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>BEENDEN</translation>
    </message>
    <message>
        <source>No program is set up to open the manual. Open this file in a web browser:
%1</source>
        <translation>Es ist kein Programm eingerichtet, das das Handbuch öffnet. Öffne diese Datei in einem Webbrowser:
%1</translation>
    </message>
    <message>
        <source>CLASS</source>
        <translation>KLASSE</translation>
    </message>
</context>
<context>
    <name>TfmPracticeCard</name>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>ZURÜCK</translation>
    </message>
    <message>
        <source>START</source>
        <translation>LOS</translation>
    </message>
    <message>
        <source>Target reaction: %1 ms</source>
        <translation>Zielzeit: %1 ms</translation>
    </message>
    <message>
        <source>Targets: your time to shoot a figure and to type each letter of a word. + more time, − less.</source>
        <translation>Zielzeiten: fürs Treffen einer Figur und für jeden Buchstaben eines Worts. + mehr Zeit, − weniger.</translation>
    </message>
    <message>
        <source>median %1 ms, typing %2 ms</source>
        <translation>Median %1 ms, Tippen %2 ms</translation>
    </message>
    <message>
        <source>typing %1 ms</source>
        <translation>Tippen %1 ms</translation>
    </message>
    <message>
        <source>Focus: a key you have not tried yet</source>
        <translation>Zum Üben: eine Taste, die du noch nicht getippt hast</translation>
    </message>
    <message>
        <source>%1 of your last %2 right (%3)</source>
        <translation>%1 von deinen letzten %2 richtig (%3)</translation>
    </message>
    <message>
        <source>median %1 ms</source>
        <translation>Median %1 ms</translation>
    </message>
    <message>
        <source>no hit yet</source>
        <translation>noch kein Treffer</translation>
    </message>
    <message>
        <source>Focus, due for review: %1, %2</source>
        <translation>Zum Wiederholen: %1, %2</translation>
    </message>
    <message>
        <source>Focus, your weakest key: %1, %2</source>
        <translation>Deine schwächste Taste: %1, %2</translation>
    </message>
    <message>
        <source>No new key this time</source>
        <translation>Diesmal keine neue Taste</translation>
    </message>
    <message>
        <source>Finger: %1</source>
        <translation>Finger: %1</translation>
    </message>
    <message>
        <source>Left out on this keyboard: %1</source>
        <translation>Auf dieser Tastatur weggelassen: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Focus key</source>
        <translation>Zum Üben</translation>
    </message>
    <message>
        <source>New key</source>
        <translation>Neue Taste</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>Zum Wiederholen</translation>
    </message>
    <message>
        <source>Your keys: mastery</source>
        <translation>Deine Tasten: wie gut du sie kannst</translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>linker kleiner Finger</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>linker Ringfinger</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>linker Mittelfinger</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>linker Zeigefinger</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>rechter Zeigefinger</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>rechter Mittelfinger</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>rechter Ringfinger</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>rechter kleiner Finger</translation>
    </message>
    <message>
        <source>No word list is installed: the words are made up of your keys. Real words come with the package %1.</source>
        <translation>Keine Wortliste installiert: Die Wörter sind aus deinen Tasten erfunden. Echte Wörter bringt das Paket %1.</translation>
    </message>
    <message>
        <source>No word list of your language is installed (package %1): the words are English.</source>
        <translation>Für deine Sprache ist keine Wortliste installiert (Paket %1): Die Wörter sind englisch.</translation>
    </message>
    <message>
        <source>Target typing: %1 ms</source>
        <translation>Zielzeit beim Tippen: %1 ms</translation>
    </message>
    <message>
        <source>You are much slower than the target at this key. Try a slower target with +.</source>
        <translation>An dieser Taste bist du viel langsamer als die Zielzeit. Nimm mit + eine längere Zielzeit.</translation>
    </message>
</context>
<context>
    <name>TfmPracticeResults</name>
    <message>
        <source>Practice results</source>
        <translation>Übungsergebnis</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>HAUPTMENÜ</translation>
    </message>
    <message>
        <source>PRACTISE AGAIN</source>
        <translation>NOCHMAL ÜBEN</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>wird geübt</translation>
    </message>
    <message>
        <source>New key %1 joins your keys. Finger: %2</source>
        <translation>Neue Taste %1 kommt dazu. Finger: %2</translation>
    </message>
    <message>
        <source>Reviews passed: %1</source>
        <translation>Wiederholungen geschafft: %1</translation>
    </message>
    <message>
        <source>Reviews to practise again: %1</source>
        <translation>Nochmal üben: %1</translation>
    </message>
    <message>
        <source>Mastered now: %1</source>
        <translation>Jetzt sicher: %1</translation>
    </message>
    <message>
        <source>Words per minute: %1</source>
        <translation>Wörter pro Minute: %1</translation>
    </message>
    <message>
        <source>Hits: %1   Misses: %2</source>
        <translation>Treffer: %1   Fehler: %2</translation>
    </message>
    <message>
        <source>before</source>
        <translation>vorher</translation>
    </message>
    <message>
        <source>after</source>
        <translation>nachher</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>Wiederholung</translation>
    </message>
    <message>
        <source>Letters right in words: %1</source>
        <translation>Buchstaben richtig in Wörtern: %1</translation>
    </message>
    <message>
        <source>Townsfolk shot: %1   Enemies lost: %2   Accuracy: %3</source>
        <translation>Bürger getroffen: %1   Banditen entkommen: %2   Genauigkeit: %3</translation>
    </message>
</context>
<context>
    <name>TfmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Drifter: %1</source>
        <translation>Spieler: %1</translation>
    </message>
    <message>
        <source>50% or less</source>
        <translation>50&#xa0;% oder weniger</translation>
    </message>
    <message>
        <source>under 10 tries</source>
        <translation>unter 10 Versuchen</translation>
    </message>
    <message>
        <source>Hits of the last 200 tries at each key; small number: median reaction in ms</source>
        <translation>Treffer der letzten 200 Versuche je Taste; klein: Median der Reaktionszeit in ms</translation>
    </message>
    <message>
        <source>Keys to practise</source>
        <translation>Diese Tasten üben</translation>
    </message>
    <message>
        <source>Keys show here once each has had 10 tries. Play a few levels!</source>
        <translation>Hier stehen Tasten, sobald jede 10 Versuche hatte. Spiel ein paar Level!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Runden</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Alle Level</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>60% pass</source>
        <translation>Ziel 60&#xa0;%</translation>
    </message>
    <message>
        <source>No finished runs yet</source>
        <translation>Noch keine Runde beendet</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 Runde</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 Runden</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Spielzeit</translation>
    </message>
    <message>
        <source>Levels passed</source>
        <translation>Level geschafft</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Beste Serie</translation>
    </message>
    <message>
        <source>streak: passed runs in a row</source>
        <translation>Serie: Erfolge am Stück</translation>
    </message>
    <message>
        <source>Cannot read Progress.db: a newer version of the game made it.</source>
        <translation>Progress.db lässt sich nicht lesen: Eine neuere Version des Spiels hat sie angelegt.</translation>
    </message>
    <message>
        <source>Cannot read Progress.db: part of it is missing.</source>
        <translation>Progress.db lässt sich nicht lesen: Ein Teil davon fehlt.</translation>
    </message>
    <message>
        <source>Cannot read all of Progress.db.</source>
        <translation>Progress.db lässt sich nicht ganz lesen.</translation>
    </message>
    <message>
        <source>PRACTICE</source>
        <translation>ÜBEN</translation>
    </message>
    <message>
        <source>Words ▸</source>
        <translation>Wörter ▸</translation>
    </message>
    <message>
        <source>◂ Keys</source>
        <translation>◂ Tasten</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Updating your progress records…</source>
        <translation>Deine Fortschritte werden aktualisiert…</translation>
    </message>
    <message>
        <source>Your progress records are open on another computer.</source>
        <translation>Deine Fortschritte sind auf einem anderen Computer geöffnet.</translation>
    </message>
    <message>
        <source>HAND IN</source>
        <translation>ABGEBEN</translation>
    </message>
    <message>
        <source>typing %1 ms</source>
        <translation>Tippen %1 ms</translation>
    </message>
</context>
</TS>
