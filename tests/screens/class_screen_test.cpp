// SPDX-License-Identifier: GPL-3.0-or-later
// The CLASS screen over a class folder, by keyboard: sorting, a pupil's page, the class's keys,
// the CSV and PDF files; the main menu's CLASS button only for a readable class folder; HAND IN
// on PROGRESS; names shown as plain text everywhere.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "classroom/hand_in_file.h"
#include "classroom/hand_in_service.h"
#include "classroom/ui/class_form.h"
#include "classroom/ui/class_pdf.h"
#include "classroom_fixture.h"
#include "profiles/ui/main_menu_form.h"
#include "progress/ui/progress_form.h"
#include "screen_fixture.h"
#include "widgets/hover_button_widget.h"

namespace {

struct ClassWorld : ScreenWorld {
  ScratchFolder folder;
  ClassWorld() : ScreenWorld("[curplayer]\nname=<b>Anna</b>\n[<b>Anna</b>]\ncurlevel=2\n") {
    WriteHistory(folder / "Progress.db", "Anna", 30);
    HandIn handIn = GatherFrom(folder / "Progress.db", "Anna");
    std::filesystem::remove(folder / "Progress.db");
    const char* const profiles[] = {"Zed", "<b>bold</b>", "=1+1"};
    for (const char* profile : profiles) {
      handIn.profile = profile;
      WriteBytes(folder / HandInFileName("pupil", profile), HandInBytes(handIn));
    }
    WriteBytes(folder / "broken.keyslinger", "not a hand-in");
  }
};

std::vector<std::string> Profiles(const TfmClass& screen) {
  std::vector<std::string> profiles;
  for (const ClassRow& row : screen.Rows()) profiles.push_back(row.Readable() ? row.profile : "-");
  return profiles;
}

TEST(ClassScreen, SortsOpensAPupilAndTheClassKeysByKeyboard) {
  ClassWorld world;
  TfmClass screen(world.app, QString::fromStdString(world.folder.Path()));
  bool checked = false;
  WhenModal([&] {
    QTableView* table = screen.Table();
    EXPECT_EQ(screen.focusWidget(), table);
    ASSERT_EQ(screen.Rows().size(), 4u);
    // Right to the profile column, S sorts by it, S again the other way round.
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_S);
    EXPECT_EQ(Profiles(screen), (std::vector<std::string>{"<b>bold</b>", "=1+1", "Zed", "-"}));
    QTest::keyClick(table, Qt::Key_S);
    EXPECT_EQ(Profiles(screen), (std::vector<std::string>{"Zed", "=1+1", "<b>bold</b>", "-"}));
    // The row under the cursor, the last one: its note in full below the table.
    for (int i = 0; i < 3; ++i) QTest::keyClick(table, Qt::Key_Down);
    EXPECT_TRUE(screen.RowNote()->text().startsWith(QStringLiteral("Unreadable: not a hand-in")))
        << screen.RowNote()->text().toStdString();
    for (int i = 0; i < 3; ++i) QTest::keyClick(table, Qt::Key_Up);
    // Enter: the pupil's page, read only, named by the file's owner and the profile.
    bool paged = false;
    WhenModal([&] {
      TfmProgress* page = screen.PupilPage();
      ASSERT_NE(page, nullptr);
      EXPECT_TRUE(page->ReadOnly());
      EXPECT_FALSE(page->BtnPractice()->isVisible());
      EXPECT_FALSE(page->BtnHandIn()->isVisible());
      EXPECT_EQ(page->View().runsText, "30");
      EXPECT_FALSE(page->View().practiseLines.empty());
      paged = true;
      QTest::keyClick(page->windowHandle(), Qt::Key_Escape);
    });
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_TRUE(paged);
    // CLASS KEYS, reached with Tab and pressed with Space: the class's keyboard.
    bool keys = false;
    WhenModal([&] {
      TfmProgress* page = screen.PupilPage();
      EXPECT_EQ(page->View().runsText, "0");
      EXPECT_FALSE(page->View().practiseLines.empty());
      keys = true;
      QTest::keyClick(page->windowHandle(), Qt::Key_Escape);
    });
    QTest::keyClick(table, Qt::Key_Tab);
    QTest::keyClick(screen.windowHandle(), Qt::Key_Space);
    EXPECT_TRUE(keys);
    checked = true;
    QTest::keyClick(screen.windowHandle(), Qt::Key_Escape);
  });
  screen.ShowModal();
  EXPECT_TRUE(checked);
  EXPECT_FALSE(screen.isVisible());
  // The summary names the folder as plain text.
  EXPECT_EQ(screen.Summary()->textFormat(), Qt::PlainText);
}

TEST(ClassScreen, SavesTheTableAsCsvAndAsAPdfOfAPagePerPupil) {
  ClassWorld world;
  TfmClass screen(world.app, QString::fromStdString(world.folder.Path()));
  screen.Reload();
  const QString csv = QString::fromStdString(world.folder / "class.csv");
  ASSERT_TRUE(screen.SaveCsv(csv));
  std::ifstream in(csv.toStdString(), std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  EXPECT_EQ(text.rfind("\xEF\xBB\xBF\"Pupil\",\"Login\",\"Profile\"", 0), 0u);
  EXPECT_NE(text.find(",\"'=1+1\","), std::string::npos) << text;  // a formula made inert
  EXPECT_NE(text.find(",\"<b>bold</b>\","), std::string::npos);    // text as typed
  EXPECT_NE(text.find(",4,"), std::string::npos);                  // levels passed: a number
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 5);

  // The markup that lays the PDF out carries the names escaped.
  const QString markup =
      ClassPdfMarkup(screen.Roster(), screen.Rows(), QStringLiteral("Class <7b>"));
  EXPECT_TRUE(markup.contains(QStringLiteral("&lt;b&gt;bold&lt;/b&gt;")));
  EXPECT_FALSE(markup.contains(QStringLiteral("<b>bold")));
  EXPECT_TRUE(markup.contains(QStringLiteral("Class &lt;7b&gt;")));

  const QString pdf = QString::fromStdString(world.folder / "class.pdf");
  ASSERT_TRUE(screen.SavePdf(pdf));
  if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
    GTEST_SKIP() << "pdfinfo is not installed (apt-get install poppler-utils): the page count is "
                    "not checked";
  }
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {pdf});
  ASSERT_TRUE(info.waitForFinished(60000));
  // The table on one page, then one page for each of the three readable hand-ins.
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))));
}

TEST(ClassScreen, TheMenuOffersClassOnlyForAClassFolderThisUserMayRead) {
  ClassWorld world;
  const struct {
    std::string folder;
    bool shown;
  } cases[] = {{"", false}, {"/nonexistent/class", false}, {world.folder.Path(), true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.folder);
    HandInService handIns(world.shared, world.services, c.folder, "tester", nullptr, nullptr);
    world.app.handIns = &handIns;
    TfmMain menu(world.app);
    EXPECT_EQ(menu.BtnClass() != nullptr, c.shown);
    // Without CLASS the menu is as it always was.
    EXPECT_EQ(menu.size(), QSize(305, c.shown ? 401 : 361));
    EXPECT_EQ(menu.BtnExit()->geometry().top(), c.shown ? 344 : 304);
    EXPECT_EQ(menu.LbPlayer()->textFormat(), Qt::PlainText);
    world.app.handIns = nullptr;
  }
}

TEST(ClassScreen, ProgressHandsInThroughItsScreenCall) {
  ClassWorld world;
  world.OpenStore();
  int handIns = 0;
  world.app.calls.handIn = [&] { ++handIns; };
  TfmProgress screen(world.app);
  WhenModal([&] {
    EXPECT_TRUE(screen.BtnHandIn()->isVisible());
    screen.BtnHandIn()->click();
    QTest::keyClick(screen.windowHandle(), Qt::Key_Escape);
  });
  screen.ShowModal();
  EXPECT_EQ(handIns, 1);
}

}  // namespace
