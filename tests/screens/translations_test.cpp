// SPDX-License-Identifier: GPL-3.0-or-later
// The screens in German, French and Spanish: each shows its language, every text fits its place
// without touching another, the translation files keep every placeholder and use one word for
// one thing, and English stays as it is written in the code.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <optional>
#include <set>

#include "platform/qt/qt_message_boxes.h"
#include "language_scope.h"
#include "words/words_language.h"
#include "platform/qt/qt_translations.h"
#include "profiles/ui/about_form.h"
#include "profiles/ui/first_start_form.h"
#include "profiles/ui/help_form.h"
#include "profiles/ui/main_menu_form.h"
#include "profiles/ui/player_form.h"
#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"
#include "screens/ui/pause_form.h"
#include "widgets/qt_fonts.h"
#include "screens/ui/score_form.h"

namespace {

const char* kPlayerIni =
    "[Bob]\nlevels=16\ncurlevel=16\nup=Hard\nfirststart=1\n16=57:12:3:1\n[curplayer]\nname=Bob\n";

struct AllScreens {
  explicit AllScreens(ScreenWorld& world)
      : menu(world.app), player(world.app), firstStart(world.app), about(world.app), help(world.app),
        pause(world.app), score(world.app) {
    world.app.screens.fmMain = &menu;
    world.level->StartLevel("Level16");
    score.FormShow();
  }
  TfmMain menu;
  TFmPlayer player;
  TFirstStart firstStart;
  TfmAbout about;
  TfmHelp help;
  TFmPause pause;
  TFmScore score;
};

// What a control's text covers on its screen: a label or a link as wide as its text, any other
// control its whole box.
QRect TextBox(QWidget* screen, QWidget* control) {
  const QPoint at = control->mapTo(screen, QPoint(0, 0));
  if (auto* label = qobject_cast<QLabel*>(control))
    return QRect(at, QSize(label->fontMetrics().horizontalAdvance(label->text()), label->height()));
  return QRect(at, control->size());
}

// How far texts reach into other controls in English, the layout as it is written: a translation
// may reach no further.
std::map<std::string, int>& EnglishOverlaps() {
  static std::map<std::string, int> overlaps;
  return overlaps;
}

// Every text on a screen fits its control, lies inside the screen and touches no other control
// (more than the English text does).
void ExpectTextsFitAndApart(QWidget* screen, const std::string& screenName, const std::string& language) {
  const std::string name = language + " " + screenName;
  SCOPED_TRACE(name);
  std::vector<QWidget*> controls;
  for (QLabel* label : screen->findChildren<QLabel*>())
    if (!label->text().isEmpty() && label->isVisibleTo(screen)) controls.push_back(label);
  for (TVtxSpdButton* button : screen->findChildren<TVtxSpdButton*>()) {
    if (!button->isVisibleTo(screen) || button->text().isEmpty()) continue;
    SCOPED_TRACE(button->text().toStdString());
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 2);
    controls.push_back(button);
  }
  for (QComboBox* box : screen->findChildren<QComboBox*>()) {
    // The drop-down arrow and the frame take about 20 pixels.
    for (int i = 0; i < box->count(); ++i)
      EXPECT_LE(box->fontMetrics().horizontalAdvance(box->itemText(i)), box->width() - 20)
          << box->itemText(i).toStdString();
    controls.push_back(box);
  }
  for (QWidget* w : screen->findChildren<QLineEdit*>()) controls.push_back(w);
  for (QWidget* w : screen->findChildren<QListWidget*>()) controls.push_back(w);
  for (QTableWidget* table : screen->findChildren<QTableWidget*>()) {
    for (int c = 0; c < table->columnCount(); ++c) {
      const QString text = table->item(0, c)->text();
      EXPECT_LE(QFontMetrics(table->font()).horizontalAdvance(text), table->columnWidth(c) - 2) << text.toStdString();
    }
    controls.push_back(table);
  }
  for (size_t i = 0; i < controls.size(); ++i) {
    const QRect box = TextBox(screen, controls[i]);
    EXPECT_TRUE(screen->rect().contains(box)) << controls[i]->objectName().toStdString() << " "
                                              << (qobject_cast<QLabel*>(controls[i])
                                                      ? qobject_cast<QLabel*>(controls[i])->text().toStdString()
                                                      : std::string());
    for (size_t j = i + 1; j < controls.size(); ++j) {
      if (controls[j]->isAncestorOf(controls[i]) || controls[i]->isAncestorOf(controls[j])) continue;
      const std::string pair = screenName + ":" + std::to_string(i) + ":" + std::to_string(j);
      const int overlap = box.intersected(TextBox(screen, controls[j])).width();
      if (language == "en") EnglishOverlaps()[pair] = overlap;
      EXPECT_LE(overlap, EnglishOverlaps()[pair])
          << (qobject_cast<QLabel*>(controls[i]) ? qobject_cast<QLabel*>(controls[i])->text().toStdString() : "")
          << " / "
          << (qobject_cast<QLabel*>(controls[j]) ? qobject_cast<QLabel*>(controls[j])->text().toStdString() : "");
    }
  }
}

TEST(Translations, EveryLanguageLoadsAndTheLocaleChoosesAmongThem) {
  QStringList available = AvailableUiLanguages();
  available.sort();
  EXPECT_EQ(available, (QStringList{"de", "es", "fr"}));
  for (const QString& language : available) {
    LanguageScope scope(language.toStdString());
    EXPECT_TRUE(scope.ok) << language.toStdString();
    EXPECT_EQ(UiLanguageCode(), language);
    // Its pictures with words, drawn apart from the English ones, and its manual page.
    for (const char* name : {"help_page.png", "the_end.png"}) {
      const QImage own(QStringLiteral(":/pictures/") + language + "/" + name);
      EXPECT_FALSE(own.isNull()) << name;
      EXPECT_EQ(ScreenPicture(QString::fromLatin1(name), 1, 1).Load().toImage().convertToFormat(own.format()), own) << name;
      EXPECT_NE(own, QImage(QStringLiteral(":/pictures/") + name).convertToFormat(own.format())) << name;
    }
    EXPECT_TRUE(QFile::exists(QStringLiteral(SOURCE_DIR "/docs/index.") + language + ".html"));
  }
  EXPECT_EQ(UiLanguageCode(), QStringLiteral("en"));
  EXPECT_FALSE(InstallUiLanguage(QStringLiteral("xx")));
  EXPECT_EQ(UiLanguageCode(), QStringLiteral("en"));
}

// The screens' language and the drills' words come from the same variables by one rule: English
// under the C or POSIX locale whatever LANGUAGE says (as gettext has it), English for a language
// the game does not speak.
TEST(Translations, ScreensAndWordsPickTheSameLanguage) {
  const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
  std::map<std::string, std::optional<QByteArray>> saved;
  for (const char* name : names)
    saved[name] = qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt;
  const struct {
    std::map<std::string, std::string> environment;
    const char* language;
  } cases[] = {
      {{{"LANG", "C"}, {"LANGUAGE", "fr:de"}}, "en"},
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "es"}}, "en"},
      {{{"LC_ALL", "POSIX"}, {"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "de"}}, "en"},
      {{{"LANGUAGE", "fr:de"}}, "en"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "fr:de"}}, "fr"},
      {{{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "it:pt"}}, "de"},
      {{{"LANG", "pt_BR.UTF-8"}}, "en"},
      {{{"LANG", "pt_BR.UTF-8"}, {"LANGUAGE", "pt_BR:es"}}, "es"},
      {{{"LC_ALL", "es_ES.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "es"},
      {{{"LC_MESSAGES", "de_AT.UTF-8"}, {"LANG", "fr_FR.UTF-8"}}, "de"},
      {{{"LANG", "fr_CA.UTF-8"}}, "fr"},
      {{}, "en"},
  };
  for (const auto& c : cases) {
    std::string what;
    for (const char* name : names) {
      const auto it = c.environment.find(name);
      if (it == c.environment.end()) {
        qunsetenv(name);
      } else {
        qputenv(name, QByteArray::fromStdString(it->second));
        what += std::string(name) + "=" + it->second + " ";
      }
    }
    SCOPED_TRACE(what);
    InstallUiLanguageFromEnvironment();
    const WordLanguage words = LanguageFromLocale([](const char* name) { return std::getenv(name); });
    EXPECT_EQ(UiLanguageCode().toStdString(), c.language);
    EXPECT_STREQ(LanguageInfo(words).code, c.language);
  }
  for (const auto& [name, value] : saved) {
    if (value) qputenv(name.c_str(), *value);
    else qunsetenv(name.c_str());
  }
  InstallUiLanguage(QStringLiteral("en"));
}

TEST(Translations, EveryScreenShowsTheChosenLanguage) {
  const struct {
    const char* language;
    const char* start;
    const char* level;
    const char* resume;
    const char* hits;
    const char* hard;
    const char* help;
    const char* writeError;
  } cases[] = {
      {"en", "START GAME", "level16", "CONTINUE", "Point", "Hard", "Help", "Unable to write to /x/Player.ini"},
      {"de", "SPIEL STARTEN", "Level 16", "WEITER", "Treffer", "Schwer", "Hilfe", "Speichern in /x/Player.ini nicht möglich"},
      {"fr", "JOUER", "niveau 16", "CONTINUER", "Touchés", "Difficile", "Aide", "Impossible d’écrire dans /x/Player.ini"},
      {"es", "JUGAR", "nivel 16", "SEGUIR", "Aciertos", "Difícil", "Ayuda", "No se puede escribir en /x/Player.ini"},
  };
  ASSERT_EQ(UiLanguageCode(), QStringLiteral("en"));
  const QString englishKeys = TfmHelp::KeysText();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    LanguageScope scope(c.language);
    ASSERT_TRUE(scope.ok);
    ScreenWorld world(kPlayerIni);
    AllScreens screens(world);
    screens.player.show();
    EXPECT_EQ(screens.menu.BtnStartGame()->text(), QString::fromUtf8(c.start));
    QStringList labels;
    for (QLabel* label : screens.menu.findChildren<QLabel*>()) labels << label->text();
    EXPECT_TRUE(labels.contains(QString::fromUtf8(c.level))) << labels.join('|').toStdString();
    EXPECT_EQ(screens.pause.BtnContinue()->text(), QString::fromUtf8(c.resume));
    EXPECT_EQ(screens.score.BtnContinue()->text(), QString::fromUtf8(c.resume));
    EXPECT_EQ(screens.score.findChild<QTableWidget*>()->item(0, 2)->text(), QString::fromUtf8(c.hits));
    EXPECT_EQ(screens.player.findChild<QComboBox*>()->currentText(), QString::fromUtf8(c.hard));
    EXPECT_EQ(screens.help.windowTitle(), QString::fromUtf8(c.help));
    // Help lists the keys in the language: every key named, in words of that language.
    const QString keys = screens.help.KeysLabel()->text();
    for (const char* key : {"Tab", "F1", "F11"}) EXPECT_TRUE(keys.contains(QLatin1String(key))) << key;
    if (std::string(c.language) != "en") {
      EXPECT_NE(keys, englishKeys);
    }
    EXPECT_EQ(TranslatedMessage("Unable to write to /x/Player.ini"), QString::fromUtf8(c.writeError));
    screens.player.hide();
  }
}

TEST(Translations, EnglishIsTheTextAsWritten) {
  // No translation loaded: the rules' own English, level names and messages untouched.
  ASSERT_EQ(UiLanguageCode(), QStringLiteral("en"));
  const struct {
    std::string rules;
    const char* shown;
  } cases[] = {{"level1", "level1"}, {"level 12", "level 12"}, {"Level3", "Level3"}, {"level", "level"},
               {"Bob", "Bob"}, {"levels", "levels"}};
  for (const auto& c : cases) EXPECT_EQ(TranslatedLevelText(c.rules), QString::fromUtf8(c.shown)) << c.rules;
  EXPECT_EQ(TranslatedMessage("Error in Clock"), QStringLiteral("Error in Clock"));
  EXPECT_EQ(TranslatedMessage("Map.ini has no [Map] section"), QStringLiteral("Map.ini has no [Map] section"));
  EXPECT_EQ(PercentText(62), QStringLiteral("62%"));
  LanguageScope german("de");
  EXPECT_EQ(TranslatedLevelText("level 12"), QStringLiteral("Level 12"));
  EXPECT_EQ(TranslatedLevelText("Level3"), QStringLiteral("Level 3"));
  EXPECT_EQ(TranslatedMessage("Error in Clock"), QStringLiteral("Fehler im Spielablauf"));
  EXPECT_EQ(TranslatedMessage("Map.ini has no [Map] section"), QStringLiteral("Map.ini hat keinen Abschnitt [Map]"));
  // A text without an entry is shown as written.
  EXPECT_EQ(TranslatedMessage("Something unforeseen"), QStringLiteral("Something unforeseen"));
}

// Messages the rules make from arguments are worded in the player's language around those
// arguments, and in English exactly as the rules word them; the message box shows that wording.
TEST(Translations, NoticesMadeFromArgumentsShowInTheLanguage) {
  const PlayerNotice oneKey{PlayerNotice::Kind::UntypableKeys, {";"}};
  const PlayerNotice threeKeys{PlayerNotice::Kind::UntypableKeys, {"Y", "I", "O"}};
  const PlayerNotice movedAside{PlayerNotice::Kind::ProgressMovedAside, {"/p/Progress.db", "/p/Progress.db.corrupt-1"}};
  const PlayerNotice elsewhere{PlayerNotice::Kind::ProgressOpenElsewhere, {"pc-12"}};
  const struct {
    const char* language;
    const char* oneKey;
    const char* threeKeys;
    const char* movedAside;
    const char* elsewhere;
  } cases[] = {
      {"en", "On your keyboard layout the key for the letter ; types nothing, so no figure comes up there.",
       "On your keyboard layout the keys for the letters Y, I and O type nothing, so no figures come up there.",
       "/p/Progress.db was not a progress database and has been moved aside to /p/Progress.db.corrupt-1",
       "Your progress is open in the game on another computer (pc-12). The runs you play here are kept and added to "
       "it later."},
      {"de", "Auf deiner Tastatur schreibt die Taste für den Buchstaben ; nichts. Deshalb taucht dort keine Figur auf.",
       "Auf deiner Tastatur schreiben die Tasten für die Buchstaben Y, I und O nichts. Deshalb tauchen dort keine "
       "Figuren auf.",
       "/p/Progress.db war keine Fortschrittsdatei. Sie wurde beiseitegelegt und heißt jetzt /p/Progress.db.corrupt-1",
       "Dein Fortschritt ist im Spiel auf einem anderen Computer geöffnet (pc-12). Die Runden, die du hier spielst, "
       "werden aufbewahrt und später hinzugefügt."},
      {"fr", "Sur ton clavier, la touche de la lettre ; n’écrit rien. Aucun personnage n’apparaît donc à cet endroit.",
       "Sur ton clavier, les touches des lettres Y, I et O n’écrivent rien. Aucun personnage n’apparaît donc à ces "
       "endroits.",
       "/p/Progress.db n’était pas un fichier de progrès. Il a été mis de côté sous le nom /p/Progress.db.corrupt-1",
       "Tes progrès sont ouverts dans le jeu sur un autre ordinateur (pc-12). Les parties que tu joues ici sont "
       "gardées et ajoutées plus tard."},
      {"es", "En tu teclado, la tecla de la letra ; no escribe nada. Por eso allí no aparece ningún personaje.",
       "En tu teclado, las teclas de las letras Y, I y O no escriben nada. Por eso allí no aparece ningún personaje.",
       "/p/Progress.db no era un archivo de progreso. Se ha apartado con el nombre /p/Progress.db.corrupt-1",
       "Tu progreso está abierto en el juego en otro ordenador (pc-12). Las partidas que juegues aquí se guardan y "
       "se añadirán más tarde."},
  };
  EXPECT_EQ(NoticeText(oneKey).toStdString(), EnglishNotice(oneKey));
  EXPECT_EQ(NoticeText(threeKeys).toStdString(), EnglishNotice(threeKeys));
  EXPECT_EQ(NoticeText(movedAside).toStdString(), EnglishNotice(movedAside));
  EXPECT_EQ(NoticeText(elsewhere).toStdString(), EnglishNotice(elsewhere));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    LanguageScope scope(c.language);
    ASSERT_TRUE(scope.ok);
    EXPECT_EQ(NoticeText(oneKey), QString::fromUtf8(c.oneKey));
    EXPECT_EQ(NoticeText(threeKeys), QString::fromUtf8(c.threeKeys));
    EXPECT_EQ(NoticeText(movedAside), QString::fromUtf8(c.movedAside));
    EXPECT_EQ(NoticeText(elsewhere), QString::fromUtf8(c.elsewhere));
    // What the player reads in the box.
    QString shown;
    WhenModal([&] {
      auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      const auto* label = box->findChild<QLabel*>(QStringLiteral("notice_text"));
      ASSERT_NE(label, nullptr);
      shown = label->text();
      box->accept();
    });
    QtMessageBoxes boxes;
    boxes.ShowNotice(threeKeys);
    EXPECT_EQ(shown, QString::fromUtf8(c.threeKeys));
  }
}

TEST(Translations, EveryTextFitsItsPlaceInEveryLanguage) {
  for (const std::string& language : AllLanguages()) {
    LanguageScope scope(language);
    ASSERT_TRUE(scope.ok) << language;
    ScreenWorld world(kPlayerIni);
    AllScreens screens(world);
    screens.menu.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&screens.menu));
    const std::pair<QWidget*, const char*> list[] = {{&screens.menu, "main menu"}, {&screens.player, "profiles"},
                                                     {&screens.firstStart, "first start"}, {&screens.about, "about"},
                                                     {&screens.pause, "pause"}, {&screens.score, "results"}};
    for (const auto& [screen, name] : list) {
      screen->show();
      ExpectTextsFitAndApart(screen, name, language);
      // KEYSLINGER_SCREENSHOT_DIR set: each screen in each language saved there to look at.
      if (const QString dir = qEnvironmentVariable("KEYSLINGER_SCREENSHOT_DIR"); !dir.isEmpty()) {
        QDir().mkpath(dir);
        screen->grab().save(dir + "/" + QString::fromStdString(language + "_" + name).replace(' ', '_') + ".png");
      }
      screen->hide();
    }
    // Both captions of the sound button.
    screens.menu.BtnSound()->click();
    EXPECT_LE(screens.menu.BtnSound()->fontMetrics().horizontalAdvance(screens.menu.BtnSound()->text()),
              screens.menu.BtnSound()->width() - 4);
  }
}

// Dates as the player's locale writes them, in its short form with the whole year; the screens'
// language's usual form where the locale speaks another language; ISO under the C locale.
TEST(Translations, DatesFollowTheLocale) {
  const QDate date(2026, 12, 9);
  const struct {
    const char* screens;
    const char* locale;
    const char* shown;
  } cases[] = {{"en", "C", "2026-12-09"},      {"en", "en_GB", "09/12/2026"}, {"en", "en_US", "12/9/2026"},
               {"de", "C", "09.12.2026"},      {"de", "de_AT", "09.12.2026"}, {"fr", "C", "09/12/2026"},
               {"fr", "de_DE", "09/12/2026"}, {"es", "es_ES", "9/12/2026"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.screens) + " on " + c.locale);
    LanguageScope scope(c.screens);
    QLocale::setDefault(QLocale(QString::fromLatin1(c.locale)));
    EXPECT_EQ(DateText(date), QString::fromUtf8(c.shown));
    EXPECT_EQ(StampDateText("2026-12-09T10:00:00Z"), QString::fromUtf8(c.shown));
    EXPECT_EQ(DayNumberText(20796), QString::fromUtf8(c.shown));
  }
  QLocale::setDefault(QLocale::c());
}

TEST(Translations, TheManualLinkOpensThePageInThePlayersLanguage) {
  ScreenWorld world(kPlayerIni);
  QDir().mkpath(QString::fromStdString(world.shared.appDir + "docs"));
  for (const char* page : {"index.html", "index.de.html", "index.fr.html"})
    std::ofstream(world.shared.appDir + "docs/" + page) << "<html></html>";
  const struct {
    const char* language;
    const char* page;
  } cases[] = {{"en", "docs/index.html"},
               {"de", "docs/index.de.html"},
               {"fr", "docs/index.fr.html"},
               {"es", "docs/index.html"}};  // no Spanish page in this folder: the English one
  for (const auto& c : cases) {
    LanguageScope scope(c.language);
    const std::string address = SitePageAddress(world.app);
    EXPECT_TRUE(address.starts_with("file://")) << address;
    EXPECT_TRUE(address.ends_with(c.page)) << c.language << ": " << address;
  }
}

// Texts the progress and game screens paint into fixed boxes, with the widest values they hold.
struct PaintedText {
  const char* context;
  const char* source;
  QString argument;
  QFont font;
  int width;
  int height = 0;  // wrapped into width when set
};

QString Translate(const PaintedText& t) {
  // A counter: its name and number joined as the language joins them.
  if (QLatin1String(t.context) == QLatin1String("TfmGame"))
    return QCoreApplication::translate("TfmGame", "%1: %2").arg(QCoreApplication::translate(t.context, t.source), t.argument);
  // The practise line: the rules' figures around the translated "31 of 50".
  if (t.argument == QStringLiteral("31 of 50"))
    return QString::fromUtf8(t.source).arg(QCoreApplication::translate(t.context, "%1 of %2").arg(31).arg(50));
  QString text = QCoreApplication::translate(t.context, t.source);
  if (!t.argument.isNull()) text = text.arg(t.argument);
  return text;
}

TEST(Translations, PaintedTextsFitTheirBoxesInEveryLanguage) {
  const PaintedText texts[] = {
      {"TfmProgress", "Progress", {}, ArialFont(21), 200},
      {"TfmProgress", "Drifter: %1", QStringLiteral("Anna-Maria Longname"), ArialFont(16, true, true), 400},
      {"TfmProgress", "Hits of the last 200 tries at each key; small number: median reaction in ms", {},
       ArialFont(10, false), 400},
      {"TfmProgress", "Keys to practise", {}, ArialFont(14), 172},
      {"TfmProgress", "Runs", {}, ArialFont(14), 420},
      {"TfmProgress", "Totals", {}, ArialFont(14), 132},
      {"TfmProgress", "Keys show here once each has had 10 tries. Play a few levels!", {}, ArialFont(11, false), 172,
       138},
      {"TfmProgress", "All levels", {}, ArialFont(13), 94},
      {"TfmProgress", "Level %1", QStringLiteral("16"), ArialFont(13), 94},
      {"TfmProgress", "60% pass", {}, ArialFont(9, false), 60},
      {"TfmProgress", "No finished runs yet", {}, ArialFont(12, false), 392},
      {"TfmProgress", "Time played", {}, ArialFont(11, false), 130},
      {"TfmProgress", "Runs", {}, ArialFont(11, false), 130},
      {"TfmProgress", "Levels passed", {}, ArialFont(11, false), 130},
      {"TfmProgress", "Best streak", {}, ArialFont(11, false), 130},
      {"TfmProgress", "streak: passed runs in a row", {}, ArialFont(9, false), 136},
      {"TfmProgress", "50% or less", {}, ArialFont(10, false), 120},
      {"TfmProgress", "under 10 tries", {}, ArialFont(10, false), 120},
      // A practise line's figures beside the key.
      {"TfmProgress", "62%   %1   540 ms", QStringLiteral("31 of 50"), ArialFont(12, false), 140},
      // The run count between the first and last day under the chart.
      {"TfmProgress", "%1 runs", QStringLiteral("9999"), ArialFont(10, false), 392 - 2 * 70},
      // The counters with two-digit numbers (the shipped levels stay under 100 hits): from x 560
      // at the leftmost to the world's edge.
      {"TfmGame", "Point", QStringLiteral("99"), ArialFont(13), 640 - 1 - 560},
      {"TfmGame", "Miss", QStringLiteral("99"), ArialFont(13), 640 - 1 - 560},
      {"TfmGame", "Civilian", QStringLiteral("99"), ArialFont(13), 640 - 1 - 560},
  };
  for (const std::string& language : AllLanguages()) {
    LanguageScope scope(language);
    ASSERT_TRUE(scope.ok);
    for (const PaintedText& t : texts) {
      const QString text = Translate(t);
      const QFontMetrics metrics(t.font);
      if (t.height > 0) {
        const QRect used = metrics.boundingRect(QRect(0, 0, t.width, 1000), Qt::TextWordWrap, text);
        EXPECT_LE(used.width(), t.width) << language << ": " << text.toStdString();
        EXPECT_LE(used.height(), t.height) << language << ": " << text.toStdString();
      } else {
        EXPECT_LE(metrics.horizontalAdvance(text), t.width) << language << ": " << text.toStdString();
      }
    }
    // The keyboard's legend runs in one row left of the keys to practise.
    const QFontMetrics legend(ArialFont(10, false));
    int right = 24;
    for (const QString& entry : {QCoreApplication::translate("TfmProgress", "50% or less"), PercentText(75),
                                 PercentText(100), QCoreApplication::translate("TfmProgress", "under 10 tries")})
      right += 16 + legend.horizontalAdvance(entry) + 14;
    EXPECT_LE(right - 14, 432) << language;
  }
}

// One message of a .ts file.
struct TsMessage {
  QString context;
  QString source;
  QString comment;  // tells the same English apart where it means another thing
  QString translation;
};

std::vector<TsMessage> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<TsMessage> messages;
  QString context;
  TsMessage message;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QStringLiteral("name")) context = xml.readElementText();
    if (xml.name() == QStringLiteral("source")) message = {context, xml.readElementText(), {}, {}};
    if (xml.name() == QStringLiteral("comment")) message.comment = xml.readElementText();
    if (xml.name() == QStringLiteral("translation")) {
      message.translation = xml.readElementText();
      messages.push_back(message);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString();
  return messages;
}

QStringList Placeholders(const QString& text) {
  QStringList found;
  for (const QRegularExpressionMatch& m : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
    found << m.captured();
  found.sort();
  return found;
}

TEST(Translations, TranslationFilesKeepPlaceholdersCapitalsTypographyAndOneWordPerThing) {
  for (const QString& language : AvailableUiLanguages()) {
    SCOPED_TRACE(language.toStdString());
    const std::vector<TsMessage> messages =
        ReadTs(QStringLiteral(SOURCE_DIR "/translations/keyslinger_") + language + ".ts");
    EXPECT_GT(messages.size(), 50u);
    std::map<QString, QString> bySource;
    for (const TsMessage& m : messages) {
      SCOPED_TRACE((m.context + ": " + m.source).toStdString());
      EXPECT_FALSE(m.translation.trimmed().isEmpty());
      EXPECT_EQ(Placeholders(m.translation), Placeholders(m.source)) << m.translation.toStdString();
      // Buttons written in capitals stay in capitals.
      if (m.source == m.source.toUpper() && m.source != m.source.toLower()) {
        EXPECT_EQ(m.translation, m.translation.toUpper()) << m.translation.toStdString();
      }
      // Typography, one way throughout: a no-break space before a percent sign, and in French
      // before a colon, semicolon, exclamation or question mark; French apostrophes are ’.
      static const QRegularExpression bareSign(QStringLiteral("(?<!\\x{00A0})%(?!\\d)"));
      static const QRegularExpression bareFrenchMark(QStringLiteral("(?<!\\x{00A0})[:;!?](?=\\s|$)"));
      static const QRegularExpression plainSpace(QStringLiteral(" [:;!?]| %(?!\\d)"));
      EXPECT_FALSE(m.translation.contains(bareSign)) << m.translation.toStdString();
      if (language == QStringLiteral("fr")) {
        EXPECT_FALSE(m.translation.contains(QLatin1Char('\''))) << m.translation.toStdString();
        EXPECT_FALSE(m.translation.contains(bareFrenchMark)) << m.translation.toStdString();
        EXPECT_FALSE(m.translation.contains(plainSpace)) << m.translation.toStdString();
      }
      // The same English word means the same thing on every screen.
      const auto [it, fresh] = bySource.emplace(m.source + QLatin1Char('\n') + m.comment, m.translation);
      if (!fresh) {
        EXPECT_EQ(it->second, m.translation) << "differs between screens";
      }
    }
  }
}

}  // namespace
