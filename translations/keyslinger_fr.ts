<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>HandIn</name>
    <message>
        <source>Hand in your progress to this folder</source>
        <translation>Rendre tes progrès dans ce dossier</translation>
    </message>
</context>
<context>
    <name>Level</name>
    <message>
        <source>Level%1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>level%1</source>
        <translation>niveau %1</translation>
    </message>
    <message>
        <source>level %1</source>
        <translation>niveau %1</translation>
    </message>
    <message>
        <source>Practice</source>
        <comment>a drill, where a level&apos;s name stands</comment>
        <translation>l’entraînement</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error in Clock</source>
        <translation>Erreur pendant la partie</translation>
    </message>
    <message>
        <source>error</source>
        <translation>erreur</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>Cannot open picture %1</source>
        <translation>Impossible d’ouvrir l’image %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>On your keyboard layout the key for the letter %1 types nothing, so no figure comes up there.</source>
        <translation>Sur ton clavier, la touche de la lettre %1 n’écrit rien. Aucun personnage n’apparaît donc à cet endroit.</translation>
    </message>
    <message>
        <source>On your keyboard layout the keys for the letters %1 type nothing, so no figures come up there.</source>
        <translation>Sur ton clavier, les touches des lettres %1 n’écrivent rien. Aucun personnage n’apparaît donc à ces endroits.</translation>
    </message>
    <message>
        <source>%1 was not a progress database and has been moved aside to %2</source>
        <translation>%1 n’était pas un fichier de progrès. Il a été mis de côté sous le nom %2</translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation>Impossible de lire %1</translation>
    </message>
    <message>
        <source>Cannot read %1: a newer version of the game made it.</source>
        <translation>Impossible de lire %1&#xa0;: une version plus récente du jeu l’a créé.</translation>
    </message>
    <message>
        <source>Cannot read %1: part of it is missing.</source>
        <translation>Impossible de lire %1&#xa0;: le fichier est incomplet.</translation>
    </message>
    <message>
        <source>Cannot load %1: %2</source>
        <translation>Impossible de charger %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Map.ini has no [Map] section</source>
        <translation>Map.ini n’a pas de section [Map]</translation>
    </message>
    <message>
        <source>Map.ini has no [Objects] section</source>
        <translation>Map.ini n’a pas de section [Objects]</translation>
    </message>
    <message>
        <source>the difficulty row %1 of Map.ini needs five fields</source>
        <translation>la ligne de difficulté %1 de Map.ini doit avoir cinq champs</translation>
    </message>
    <message>
        <source>a wave needs three fields: DumpTime:DumpInterval:target</source>
        <translation>une vague doit avoir trois champs&#xa0;: DumpTime:DumpInterval:target</translation>
    </message>
    <message>
        <source>a wave spawns before any actor is defined</source>
        <translation>une vague commence avant qu’un personnage soit défini</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value for %2</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valable pour %2</translation>
    </message>
    <message>
        <source>the miss penalty</source>
        <translation>la pénalité d’un tir raté</translation>
    </message>
    <message>
        <source>the civilian penalty</source>
        <translation>la pénalité d’un civil touché</translation>
    </message>
    <message>
        <source>the wave&apos;s target</source>
        <translation>le nombre de personnages de la vague</translation>
    </message>
    <message>
        <source>the wave&apos;s duration</source>
        <translation>la durée de la vague</translation>
    </message>
    <message>
        <source>no scene to practise in: the levels have no places</source>
        <translation>aucun décor pour s’entraîner&#xa0;: les niveaux n’ont aucun emplacement</translation>
    </message>
    <message>
        <source>Cannot read picture %1</source>
        <translation>Impossible de lire l’image %1</translation>
    </message>
    <message>
        <source>Cannot read picture %1: %2</source>
        <translation>Impossible de lire l’image %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Picture %1 is not a Windows bitmap</source>
        <translation>L’image %1 n’est pas un bitmap Windows</translation>
    </message>
    <message>
        <source>Picture %1 is cut short</source>
        <translation>L’image %1 est tronquée</translation>
    </message>
    <message>
        <source>Picture %1 has an unknown bitmap header</source>
        <translation>L’image %1 a un en-tête de bitmap inconnu</translation>
    </message>
    <message>
        <source>Picture %1 has an unsupported size</source>
        <translation>L’image %1 a une taille non prise en charge</translation>
    </message>
    <message>
        <source>Picture %1 has an unsupported bitmap format</source>
        <translation>L’image %1 a un format de bitmap non pris en charge</translation>
    </message>
    <message>
        <source>Invalid image size</source>
        <translation>Taille d’image non valable</translation>
    </message>
    <message>
        <source>A profile name cannot be empty.</source>
        <translation>Un nom de profil ne peut pas être vide.</translation>
    </message>
    <message>
        <source>A profile name cannot contain a line break.</source>
        <translation>Un nom de profil ne peut pas contenir de retour à la ligne.</translation>
    </message>
    <message>
        <source>A profile name cannot contain control characters.</source>
        <translation>Un nom de profil ne peut pas contenir de caractères de contrôle.</translation>
    </message>
    <message>
        <source>A profile name cannot contain &quot;[&quot; or &quot;]&quot;.</source>
        <translation>Un nom de profil ne peut contenir ni «&#xa0;[&#xa0;» ni «&#xa0;]&#xa0;».</translation>
    </message>
    <message>
        <source>A profile name cannot begin or end with a blank.</source>
        <translation>Un nom de profil ne peut ni commencer ni finir par une espace.</translation>
    </message>
    <message>
        <source>The name curplayer is reserved.</source>
        <translation>Le nom curplayer est réservé.</translation>
    </message>
    <message>
        <source>Your desktop does not let the game read your keyboard layout, so the tags show the keys of a US keyboard. Where the desktop runs X11 programs (XWayland), the game reads the layout there and the tags show your own letters.</source>
        <translation>Ton bureau ne laisse pas le jeu lire la disposition de ton clavier. Les étiquettes montrent donc les touches d’un clavier américain. Là où le bureau fait tourner des programmes X11 (XWayland), le jeu y lit la disposition et les étiquettes montrent tes propres lettres.</translation>
    </message>
    <message>
        <source>Your progress is open in the game on another computer (%1). The runs you play here are kept and added to it later.</source>
        <translation>Tes progrès sont ouverts dans le jeu sur un autre ordinateur (%1). Les parties que tu joues ici sont gardées et ajoutées plus tard.</translation>
    </message>
    <message>
        <source>Your progress is handed in as %1</source>
        <translation>Tes progrès sont rendus sous le nom %1</translation>
    </message>
    <message>
        <source>Your teacher cannot read what you hand in to %1: the folder does not give its files to the teachers&apos; group. Please tell your teacher.</source>
        <translation>Ton enseignant ne peut pas lire ce que tu rends dans %1&#xa0;: le dossier ne donne pas ses fichiers au groupe des enseignants. Préviens ton enseignant.</translation>
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
        <translation>Mots par minute</translation>
    </message>
    <message>
        <source>No practice with words yet. Words come once you practise enough keys.</source>
        <translation>Pas encore d’exercice avec des mots. Les mots arrivent quand tu t’entraînes sur assez de touches.</translation>
    </message>
    <message>
        <source>1 drill</source>
        <translation>1 exercice</translation>
    </message>
    <message>
        <source>%1 drills</source>
        <translation>%1 exercices</translation>
    </message>
    <message>
        <source>Pairs to practise</source>
        <translation>Paires à travailler</translation>
    </message>
    <message>
        <source>Type more words to find the letter pairs that slow you down.</source>
        <translation>Tape plus de mots pour trouver les paires de lettres qui te ralentissent.</translation>
    </message>
    <message>
        <source>No letter pair is much slower than your others.</source>
        <translation>Aucune paire de lettres n’est beaucoup plus lente que les autres.</translation>
    </message>
    <message>
        <source>%1 ms, typed %2 times</source>
        <translation>%1 ms, tapée %2 fois</translation>
    </message>
    <message>
        <source>Last drill: %1 words per minute, %2 of letters right</source>
        <translation>Dernier exercice&#xa0;: %1 mots par minute, %2 des lettres justes</translation>
    </message>
</context>
<context>
    <name>TFirstStart</name>
    <message>
        <source>Level of Difficulty</source>
        <translation>Difficulté</translation>
    </message>
    <message>
        <source>EASY</source>
        <translation>FACILE</translation>
    </message>
    <message>
        <source>NORMAL</source>
        <translation>NORMAL</translation>
    </message>
    <message>
        <source>HARD</source>
        <translation>DIFFICILE</translation>
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
        <translation>RECOMMENCER</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>CONTINUER</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>MENU</translation>
    </message>
</context>
<context>
    <name>TFmPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>ADD</source>
        <translation>AJOUTER</translation>
    </message>
    <message>
        <source>DELETE</source>
        <translation>EFFACER</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Point</source>
        <translation>Touchés</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Ratés</translation>
    </message>
    <message>
        <source>Civilian</source>
        <translation>Civils</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Take more 60%</source>
        <translation>Il te faut 60&#xa0;%&#xa0;!</translation>
    </message>
    <message>
        <source>CONTINUE</source>
        <translation>CONTINUER</translation>
    </message>
    <message>
        <source>TRY AGAIN</source>
        <translation>REJOUER</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>MENU</translation>
    </message>
</context>
<context>
    <name>TfmAbout</name>
    <message>
        <source>Game and levels:</source>
        <translation>Jeu et niveaux&#xa0;:</translation>
    </message>
    <message>
        <source>the Keyslinger team.</source>
        <translation>l’équipe Keyslinger.</translation>
    </message>
    <message>
        <source>Pictures and sounds made</source>
        <translation>Images et sons créés</translation>
    </message>
    <message>
        <source>for this game.</source>
        <translation>pour ce jeu.</translation>
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
        <translation>Classe</translation>
    </message>
    <message>
        <source>Up, Down: pupil   Left, Right: column   S: sort by it   Enter: open   F5: read again   Tab: buttons</source>
        <translation>Haut, Bas&#xa0;: élève   Gauche, Droite&#xa0;: colonne   S&#xa0;: trier   Entrée&#xa0;: ouvrir   F5&#xa0;: relire   Tab&#xa0;: boutons</translation>
    </message>
    <message>
        <source>CLASS KEYS</source>
        <translation>TOUCHES DE LA CLASSE</translation>
    </message>
    <message>
        <source>SAVE CSV</source>
        <translation>ENREGISTRER CSV</translation>
    </message>
    <message>
        <source>SAVE PDF</source>
        <translation>ENREGISTRER PDF</translation>
    </message>
    <message>
        <source>Cannot read the class folder.</source>
        <translation>Impossible de lire le dossier de la classe.</translation>
    </message>
    <message>
        <source>1 hand-in</source>
        <translation>1 remise</translation>
    </message>
    <message>
        <source>%1 hand-ins</source>
        <translation>%1 remises</translation>
    </message>
    <message>
        <source>unreadable: %1</source>
        <translation>illisibles&#xa0;: %1</translation>
    </message>
    <message>
        <source>totals that disagree: %1</source>
        <translation>totaux incohérents&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Classe&#xa0;: %1</translation>
    </message>
    <message>
        <source>Every key shows the hits of the whole class: each pupil&apos;s last 200 tries at it, added up. Keys to practise are the keys the class misses most.</source>
        <translation>Chaque touche montre les coups réussis de toute la classe&#xa0;: les 200 derniers essais de chaque élève, additionnés. Les touches à travailler sont celles que la classe rate le plus.</translation>
    </message>
    <message>
        <source>Save the class table</source>
        <translation>Enregistrer le tableau de la classe</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save the class as PDF</source>
        <translation>Enregistrer la classe en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>Last hand-in</source>
        <translation>Dernière remise</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>This week</source>
        <translation>Cette semaine</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Levels passed</source>
        <translation>Niveaux réussis</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>Words per minute</source>
        <translation>Mots par minute</translation>
    </message>
    <message>
        <source>Keys mastered</source>
        <translation>Touches maîtrisées</translation>
    </message>
    <message>
        <source>Reviews due</source>
        <translation>Révisions à faire</translation>
    </message>
    <message>
        <source>Weakest keys</source>
        <translation>Touches les plus faibles</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>Pupil</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Profile</source>
        <translation>Profil</translation>
    </message>
    <message>
        <source>Levels</source>
        <translation>Niveaux</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>MPM</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Maîtrisées</translation>
    </message>
    <message>
        <source>runs</source>
        <translation>parties</translation>
    </message>
    <message>
        <source>time played</source>
        <translation>temps de jeu</translation>
    </message>
    <message>
        <source>levels passed</source>
        <translation>niveaux réussis</translation>
    </message>
    <message>
        <source>keys mastered</source>
        <translation>touches maîtrisées</translation>
    </message>
    <message>
        <source>key accuracy</source>
        <translation>précision des touches</translation>
    </message>
    <message>
        <source>Minutes this week</source>
        <translation>Minutes cette semaine</translation>
    </message>
    <message>
        <source>Accuracy (%)</source>
        <translation>Précision en&#xa0;%</translation>
    </message>
    <message>
        <source>Trend</source>
        <translation>Tendance</translation>
    </message>
    <message>
        <source>This hand-in cannot be read any more.</source>
        <translation>Cette remise ne peut plus être lue.</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Tries</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>Median reaction (ms)</source>
        <translation>Réaction médiane (ms)</translation>
    </message>
    <message>
        <source>Mastery</source>
        <translation>Maîtrise</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>cannot be opened</source>
        <translation>impossible à ouvrir</translation>
    </message>
    <message>
        <source>not a file</source>
        <translation>pas un fichier</translation>
    </message>
    <message>
        <source>far too large for a hand-in</source>
        <translation>bien trop grand pour une remise</translation>
    </message>
    <message>
        <source>not a hand-in</source>
        <translation>pas une remise</translation>
    </message>
    <message>
        <source>made by a newer version of the game</source>
        <translation>créé par une version plus récente du jeu</translation>
    </message>
    <message>
        <source>damaged or cut short</source>
        <translation>endommagé ou tronqué</translation>
    </message>
    <message>
        <source>holds tables a hand-in does not have</source>
        <translation>contient des tables qu’une remise n’a pas</translation>
    </message>
    <message>
        <source>holds figures no game writes</source>
        <translation>contient des chiffres qu’aucun jeu n’écrit</translation>
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
        <translation>Illisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>Totals disagree: %1</source>
        <translation>Totaux incohérents&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>TfmGame</name>
    <message>
        <source>Point</source>
        <translation>Touchés</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Ratés</translation>
    </message>
    <message>
        <source>Civilian</source>
        <translation>Civils</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TfmHelp</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Keys: the arrows or Tab choose a button, Space presses it. Enter goes on, Esc goes back or closes. F1 shows this help. In a level type the letters; Esc pauses, F11 switches full screen.</source>
        <translation>Touches&#xa0;: les flèches ou Tab choisissent un bouton, Espace appuie dessus. Entrée continue, Échap revient ou ferme. F1 montre cette aide. Dans un niveau, tape les lettres&#xa0;; Échap met en pause, F11 passe en plein écran.</translation>
    </message>
</context>
<context>
    <name>TfmMain</name>
    <message>
        <source>SOUND ON</source>
        <translation>SON ACTIVÉ</translation>
    </message>
    <message>
        <source>SOUND OFF</source>
        <translation>SON COUPÉ</translation>
    </message>
    <message>
        <source>keyslinger manual</source>
        <translation>manuel de Keyslinger</translation>
    </message>
    <message>
        <source>Typing tutor:</source>
        <translation>Apprends à taper&#xa0;:</translation>
    </message>
    <message>
        <source>Drifter:</source>
        <translation>Joueur&#xa0;:</translation>
    </message>
    <message>
        <source>START GAME</source>
        <translation>JOUER</translation>
    </message>
    <message>
        <source>CHANGE PROFILE</source>
        <translation>CHANGER DE PROFIL</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>À PROPOS</translation>
    </message>
    <message>
        <source>PROGRESS</source>
        <translation>PROGRÈS</translation>
    </message>
    <message>
        <source>EXIT</source>
        <translation>QUITTER</translation>
    </message>
    <message>
        <source>No program is set up to open the manual. Open this file in a web browser:
%1</source>
        <translation>Aucun programme n’est prévu pour ouvrir le manuel. Ouvre ce fichier dans un navigateur web&#xa0;:
%1</translation>
    </message>
    <message>
        <source>CLASS</source>
        <translation>CLASSE</translation>
    </message>
</context>
<context>
    <name>TfmPracticeCard</name>
    <message>
        <source>Practice</source>
        <translation>Entraînement</translation>
    </message>
    <message>
        <source>BACK</source>
        <translation>RETOUR</translation>
    </message>
    <message>
        <source>START</source>
        <translation>COMMENCER</translation>
    </message>
    <message>
        <source>Target reaction: %1 ms</source>
        <translation>Temps visé&#xa0;: %1 ms</translation>
    </message>
    <message>
        <source>Targets: your time to shoot a figure and to type each letter of a word. + more time, − less.</source>
        <translation>Temps visés&#xa0;: pour tirer sur une figure et pour chaque lettre d’un mot. + plus de temps, − moins.</translation>
    </message>
    <message>
        <source>median %1 ms, typing %2 ms</source>
        <translation>médiane %1 ms, frappe %2 ms</translation>
    </message>
    <message>
        <source>typing %1 ms</source>
        <translation>frappe %1 ms</translation>
    </message>
    <message>
        <source>Focus: a key you have not tried yet</source>
        <translation>À travailler&#xa0;: une touche que tu n’as pas encore essayée</translation>
    </message>
    <message>
        <source>%1 of your last %2 right (%3)</source>
        <translation>%1 justes sur tes %2 derniers essais (%3)</translation>
    </message>
    <message>
        <source>median %1 ms</source>
        <translation>médiane %1 ms</translation>
    </message>
    <message>
        <source>no hit yet</source>
        <translation>pas encore touchée</translation>
    </message>
    <message>
        <source>Focus, due for review: %1, %2</source>
        <translation>À revoir&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>Focus, your weakest key: %1, %2</source>
        <translation>Ta touche la plus faible&#xa0;: %1, %2</translation>
    </message>
    <message>
        <source>No new key this time</source>
        <translation>Pas de nouvelle touche cette fois</translation>
    </message>
    <message>
        <source>Finger: %1</source>
        <translation>Doigt&#xa0;: %1</translation>
    </message>
    <message>
        <source>Left out on this keyboard: %1</source>
        <translation>Laissées de côté sur ce clavier&#xa0;: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Focus key</source>
        <translation>À travailler</translation>
    </message>
    <message>
        <source>New key</source>
        <translation>Nouvelle touche</translation>
    </message>
    <message>
        <source>Due for review</source>
        <translation>À revoir</translation>
    </message>
    <message>
        <source>Your keys: mastery</source>
        <translation>Tes touches&#xa0;: maîtrise</translation>
    </message>
    <message>
        <source>left little finger</source>
        <translation>auriculaire gauche</translation>
    </message>
    <message>
        <source>left ring finger</source>
        <translation>annulaire gauche</translation>
    </message>
    <message>
        <source>left middle finger</source>
        <translation>majeur gauche</translation>
    </message>
    <message>
        <source>left index finger</source>
        <translation>index gauche</translation>
    </message>
    <message>
        <source>right index finger</source>
        <translation>index droit</translation>
    </message>
    <message>
        <source>right middle finger</source>
        <translation>majeur droit</translation>
    </message>
    <message>
        <source>right ring finger</source>
        <translation>annulaire droit</translation>
    </message>
    <message>
        <source>right little finger</source>
        <translation>auriculaire droit</translation>
    </message>
    <message>
        <source>No word list is installed: the words are made up of your keys. Real words come with the package %1.</source>
        <translation>Aucune liste de mots n’est installée&#xa0;: les mots sont inventés avec tes touches. Le paquet %1 apporte de vrais mots.</translation>
    </message>
    <message>
        <source>No word list of your language is installed (package %1): the words are English.</source>
        <translation>Aucune liste de mots de ta langue n’est installée (paquet %1)&#xa0;: les mots sont en anglais.</translation>
    </message>
    <message>
        <source>Target typing: %1 ms</source>
        <translation>Temps visé pour taper&#xa0;: %1 ms</translation>
    </message>
    <message>
        <source>You are much slower than the target at this key. Try a slower target with +.</source>
        <translation>Sur cette touche, tu es bien plus lent que le temps visé. Essaie un temps visé plus long avec +.</translation>
    </message>
</context>
<context>
    <name>TfmPracticeResults</name>
    <message>
        <source>Practice results</source>
        <translation>Résultats de l’entraînement</translation>
    </message>
    <message>
        <source>MAIN MENU</source>
        <translation>MENU</translation>
    </message>
    <message>
        <source>PRACTISE AGAIN</source>
        <translation>ENCORE</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en cours</translation>
    </message>
    <message>
        <source>New key %1 joins your keys. Finger: %2</source>
        <translation>La touche %1 rejoint tes touches. Doigt&#xa0;: %2</translation>
    </message>
    <message>
        <source>Reviews passed: %1</source>
        <translation>Révisions réussies&#xa0;: %1</translation>
    </message>
    <message>
        <source>Reviews to practise again: %1</source>
        <translation>À retravailler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Mastered now: %1</source>
        <translation>Maîtrisées maintenant&#xa0;: %1</translation>
    </message>
    <message>
        <source>Words per minute: %1</source>
        <translation>Mots par minute&#xa0;: %1</translation>
    </message>
    <message>
        <source>Hits: %1   Misses: %2</source>
        <translation>Touchés&#xa0;: %1   Ratés&#xa0;: %2</translation>
    </message>
    <message>
        <source>before</source>
        <translation>avant</translation>
    </message>
    <message>
        <source>after</source>
        <translation>après</translation>
    </message>
    <message>
        <source>next review</source>
        <translation>à revoir le</translation>
    </message>
    <message>
        <source>Letters right in words: %1</source>
        <translation>Lettres justes dans les mots&#xa0;: %1</translation>
    </message>
    <message>
        <source>Townsfolk shot: %1   Enemies lost: %2   Accuracy: %3</source>
        <translation>Civils touchés&#xa0;: %1   Bandits échappés&#xa0;: %2   Précision&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>TfmProgress</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Drifter: %1</source>
        <translation>Joueur&#xa0;: %1</translation>
    </message>
    <message>
        <source>50% or less</source>
        <translation>50&#xa0;% ou moins</translation>
    </message>
    <message>
        <source>under 10 tries</source>
        <translation>moins de 10 essais</translation>
    </message>
    <message>
        <source>Hits of the last 200 tries at each key; small number: median reaction in ms</source>
        <translation>Réussite sur les 200 derniers essais&#xa0;; en petit&#xa0;: réaction médiane en ms</translation>
    </message>
    <message>
        <source>Keys to practise</source>
        <translation>Touches à travailler</translation>
    </message>
    <message>
        <source>Keys show here once each has had 10 tries. Play a few levels!</source>
        <translation>Les touches s’affichent ici après 10 essais chacune. Joue quelques niveaux&#xa0;!</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>All levels</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Level %1</source>
        <translation>Niveau %1</translation>
    </message>
    <message>
        <source>60% pass</source>
        <translation>60&#xa0;% requis</translation>
    </message>
    <message>
        <source>No finished runs yet</source>
        <translation>Aucune partie terminée</translation>
    </message>
    <message>
        <source>1 run</source>
        <translation>1 partie</translation>
    </message>
    <message>
        <source>%1 runs</source>
        <translation>%1 parties</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Time played</source>
        <translation>Temps de jeu</translation>
    </message>
    <message>
        <source>Levels passed</source>
        <translation>Niveaux réussis</translation>
    </message>
    <message>
        <source>Best streak</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>streak: passed runs in a row</source>
        <translation>série&#xa0;: réussites d’affilée</translation>
    </message>
    <message>
        <source>Cannot read Progress.db: a newer version of the game made it.</source>
        <translation>Impossible de lire Progress.db&#xa0;: une version plus récente du jeu l’a créé.</translation>
    </message>
    <message>
        <source>Cannot read Progress.db: part of it is missing.</source>
        <translation>Impossible de lire Progress.db&#xa0;: le fichier est incomplet.</translation>
    </message>
    <message>
        <source>Cannot read all of Progress.db.</source>
        <translation>Impossible de lire tout Progress.db.</translation>
    </message>
    <message>
        <source>PRACTICE</source>
        <translation>S’ENTRAÎNER</translation>
    </message>
    <message>
        <source>Words ▸</source>
        <translation>Mots ▸</translation>
    </message>
    <message>
        <source>◂ Keys</source>
        <translation>◂ Touches</translation>
    </message>
    <message>
        <source>practice</source>
        <translation>entraînement</translation>
    </message>
    <message>
        <source>Updating your progress records…</source>
        <translation>Mise à jour de tes progrès en cours…</translation>
    </message>
    <message>
        <source>Your progress records are open on another computer.</source>
        <translation>Tes progrès sont ouverts sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>HAND IN</source>
        <translation>RENDRE</translation>
    </message>
    <message>
        <source>typing %1 ms</source>
        <translation>frappe %1 ms</translation>
    </message>
</context>
</TS>
