// SPDX-License-Identifier: GPL-3.0-or-later
// Rude words of each language from the naughty-words package 1.2.0 (CC-BY-4.0, see
// content/words/SOURCES.md); written by tools/words/derive_block_lists.py, not by hand.
#include "words/words_blocked_lists.h"

const std::vector<std::string_view>& MaintainedBlockedWords(WordLanguage language) {
  static const std::vector<std::string_view> en = {
      "acrotomophilia", "anal", "anilingus", "anus", "apeshit", "arsehole", "ass", "asshole", "assmunch",
      "autoerotic", "babeland", "bangbros", "bangbus", "bareback", "barenaked", "bastard", "bastardo", "bastinado",
      "bbw", "bdsm", "beaner", "beaners", "beastiality", "bestiality", "bimbos", "birdlock", "bitch", "bitches",
      "blowjob", "blumpkin", "bollocks", "bondage", "boner", "boob", "boobs", "bukkake", "bulldyke", "bullshit",
      "bunghole", "busty", "butt", "buttcheeks", "butthole", "camgirl", "camslut", "camwhore", "carpetmuncher",
      "cialis", "circlejerk", "clit", "clitoris", "clusterfuck", "cock", "cocks", "coon", "coons", "coprolagnia",
      "coprophilia", "cornhole", "creampie", "cum", "cumming", "cumshot", "cumshots", "cunnilingus", "cunt", "darkie",
      "daterape", "deepthroat", "dendrophilia", "dick", "dildo", "dingleberries", "dingleberry", "doggiestyle",
      "doggystyle", "dolcett", "domination", "dominatrix", "dommes", "dvda", "ecchi", "ejaculation", "erotic",
      "erotism", "escort", "eunuch", "fag", "faggot", "fecal", "felch", "fellatio", "feltch", "femdom", "figging",
      "fingerbang", "fingering", "fisting", "footjob", "frotting", "fuck", "fuckin", "fucking", "fucktards",
      "fudgepacker", "futanari", "gangbang", "genitals", "goatcx", "goatse", "gokkun", "goodpoop", "goregasm",
      "grope", "guro", "handjob", "hardcore", "hentai", "homoerotic", "honkey", "hooker", "horny", "humping",
      "incest", "intercourse", "jailbait", "jigaboo", "jiggaboo", "jiggerboo", "jizz", "juggs", "kike", "kinbaku",
      "kinkster", "kinky", "knobbing", "livesex", "lolita", "lovemaking", "masturbate", "masturbating",
      "masturbation", "milf", "mong", "motherfucker", "muffdiving", "nambla", "nawashi", "negro", "neonazi", "nigga",
      "nigger", "nimphomania", "nipple", "nipples", "nsfw", "nude", "nudity", "nutten", "nympho", "nymphomania",
      "octopussy", "omorashi", "orgasm", "orgy", "paedophile", "paki", "panties", "panty", "pedobear", "pedophile",
      "pegging", "penis", "pikey", "pissing", "pisspig", "playboy", "ponyplay", "poof", "poon", "poontang",
      "poopchute", "porn", "porno", "pornography", "pthc", "pubes", "punany", "pussy", "queaf", "queef", "quim",
      "raghead", "rape", "raping", "rapist", "rectum", "rimjob", "rimming", "sadism", "santorum", "scat", "schlong",
      "scissoring", "semen", "sex", "sexcam", "sexo", "sexual", "sexuality", "sexually", "sexy", "shemale", "shibari",
      "shit", "shitblimp", "shitty", "shota", "shrimping", "skeet", "slanteye", "slut", "smut", "snatch",
      "snowballing", "sodomize", "sodomy", "spastic", "spic", "splooge", "spooge", "spunk", "strapon", "strappado",
      "suck", "sucks", "swastika", "swinger", "threesome", "throating", "thumbzilla", "tit", "tits", "titties",
      "titty", "topless", "tosser", "towelhead", "tranny", "tribadism", "tubgirl", "tushy", "twat", "twink",
      "twinkie", "undressing", "upskirt", "urophilia", "vagina", "viagra", "vibrator", "vorarephilia", "voyeur",
      "voyeurweb", "voyuer", "vulva", "wank", "wetback", "whore", "worldsex", "xx", "xxx", "yaoi", "yiffy",
      "zoophilia",
  };
  static const std::vector<std::string_view> de = {
      "analritter", "arsch", "arschficker", "arschlecker", "arschloch", "bimbo", "bonze", "bratze", "bumsen", "dödel",
      "fick", "ficken", "flittchen", "fotze", "fratze", "hackfresse", "hure", "hurensohn", "ische", "kackbratze",
      "kacke", "kacken", "kackwurst", "kampflesbe", "kanake", "kimme", "lümmel", "milf", "morgenlatte", "mufti",
      "muschi", "möpse", "möse", "nackt", "neger", "nigger", "nippel", "nutte", "onanieren", "orgasmus", "penis",
      "pimmel", "pimpern", "pinkeln", "pissen", "pisser", "popel", "poppen", "porno", "reudig", "rosette",
      "schabracke", "scheisser", "scheiße", "schiesser", "schlampe", "schnackeln", "schwanzlutscher", "schwuchtel",
      "tittchen", "titten", "vollpfosten", "vögeln", "wichse", "wichsen", "wichser",
  };
  static const std::vector<std::string_view> fr = {
      "baiser", "bander", "bigornette", "bite", "bitte", "bloblos", "bordel", "bourré", "bourrée", "brackmard",
      "branlage", "branler", "branlette", "branleur", "branleuse", "caca", "chatte", "chiasse", "chier", "chiottes",
      "clito", "clitoris", "con", "connard", "connasse", "conne", "couilles", "cramouille", "cul", "déconne",
      "déconner", "emmerdant", "emmerder", "emmerdeur", "emmerdeuse", "enculeur", "enculeurs", "enculé", "enculée",
      "enfoiré", "enfoirée", "folle", "foutre", "gerbe", "gerber", "gouine", "grogniasse", "gueule", "jouir", "malpt",
      "merde", "merdeuse", "merdeux", "meuf", "negro", "nègre", "palucher", "pipi", "pisser", "pouffiasse", "putain",
      "pute", "pédale", "pédé", "péter", "ramoner", "salaud", "salope", "suce", "tanche", "tapette", "teuch",
      "tringler", "trique", "troncher", "turlute", "zigounette", "zizi", "étron",
  };
  static const std::vector<std::string_view> es = {
      "asesinato", "asno", "bastardo", "bollera", "cabrón", "caca", "chupada", "chupapollas", "chupetón", "concha",
      "coprofagía", "coño", "culo", "drogas", "esperma", "follador", "follar", "gilipichis", "gilipollas", "heroína",
      "hijaputa", "hijoputa", "idiota", "imbécil", "infierno", "jilipollas", "kapullo", "lameculos", "maciza",
      "macizorra", "maldito", "mamada", "marica", "mariconazo", "maricón", "martillo", "mierda", "nazi", "orina",
      "pedo", "pendejo", "pervertido", "pezón", "pinche", "pis", "prostituta", "puta", "racista", "ramera", "semen",
      "sexo", "soplagaitas", "soplapollas", "sádico", "travesti", "trio", "verga", "vulva",
  };
  switch (language) {
    case WordLanguage::English: return en;
    case WordLanguage::German: return de;
    case WordLanguage::French: return fr;
    case WordLanguage::Spanish: return es;
  }
  return en;
}
