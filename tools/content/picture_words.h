// SPDX-License-Identifier: GPL-3.0-or-later
// The words written into the screen pictures, one set per language the game speaks. A new
// language adds its set here (and its .ts file under translations/).
#pragma once
#include <array>

struct PictureWords {
  const char* language;  // "en" pictures lie in pictures/, the others in pictures/<language>/
  // The end screen: the closing title and three lines under it.
  const char* theEnd;
  const char* theEndText;
  // The help page: its title and five rules, each a paragraph with a star.
  const char* helpTitle;
  std::array<const char*, 5> helpLines;
};

inline constexpr PictureWords kPictureWords[] = {
    {"en", "THE END",
     "The last outlaw is gone and the town sleeps in peace.\n"
     "Your hands were the quickest in the West.\n"
     "The drifter rides on into the sunset.",
     "HOW TO PLAY",
     {"Bandits pop up in windows, doors and on the roofs. "
      "Type the letter on the plaque under a bandit to shoot him: "
      "the quicker the shot, the more it scores.",
      "Don't shoot the townsfolk! A hit on a civilian costs you time.",
      "A key that hits nobody is a miss and costs time too.",
      "Esc or a click on the picture pauses the game.",
      "Score 60 percent or more to pass the level."}},
    {"de", "ENDE",
     "Der letzte Bandit ist fort, und die Stadt schläft in Frieden.\n"
     "Deine Hände waren die schnellsten im ganzen Westen.\n"
     "Der Reiter zieht weiter in den Sonnenuntergang.",
     "SO WIRD GESPIELT",
     {"Banditen tauchen in Fenstern, Türen und auf Dächern auf. "
      "Tippe den Buchstaben auf dem Schild unter einem Banditen: "
      "Je schneller der Schuss, desto mehr Punkte.",
      "Schieß nicht auf die Bürger! Das kostet dich Zeit.",
      "Eine Taste, die niemanden trifft, ist ein Fehler und kostet Zeit.",
      "Esc oder ein Klick auf das Bild hält das Spiel an.",
      "Ab 60 Prozent hast du das Level geschafft."}},
    {"fr", "FIN",
     "Le dernier bandit est parti et la ville dort en paix.\n"
     "Tes mains étaient les plus rapides de tout l’Ouest.\n"
     "Le cavalier s’en va vers le soleil couchant.",
     "COMMENT JOUER",
     {"Des bandits surgissent aux fenêtres, aux portes et sur les toits. "
      "Tape la lettre de la plaque sous un bandit pour le toucher\u00a0: "
      "plus le tir est rapide, plus il rapporte.",
      "Ne tire pas sur les civils\u00a0! Toucher un civil te coûte du temps.",
      "Une touche qui ne touche personne est ratée et coûte aussi du temps.",
      "Échap ou un clic sur l’image met le jeu en pause.",
      "Fais 60 pour cent ou plus pour réussir le niveau."}},
    {"es", "FIN",
     "El último bandido se ha ido y el pueblo duerme en paz.\n"
     "Tus manos fueron las más rápidas del Oeste.\n"
     "El jinete se aleja hacia la puesta de sol.",
     "CÓMO SE JUEGA",
     {"Los bandidos aparecen en ventanas, puertas y tejados. "
      "Teclea la letra del cartel bajo un bandido para dispararle: "
      "cuanto antes, más puntos.",
      "¡No dispares a los vecinos! Te cuesta tiempo.",
      "Una tecla que no acierta a nadie es un fallo y cuesta tiempo.",
      "Esc o un clic en la imagen pone el juego en pausa.",
      "Con un 60 por ciento o más superas el nivel."}},
};
