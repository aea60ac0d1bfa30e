// SPDX-License-Identifier: GPL-3.0-or-later
// Speed of drawing the game screen: one full repaint at 1920 by 1080 in full screen (software
// raster), and one at the window's own size, with a level's map, tags and actors on screen. The
// map's scaled copy is made at the first repaint and reused, as in play.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <fstream>

#include "game_folder_world.h"
#include "level/ui/game_form.h"
#include "level/level_play.h"
#include "platform/qt/qt_text_measurer.h"

namespace {

// Level 1 of the test game with eight places, each with its tag, and one bandit on screen.
struct PaintWorld : GameFolderWorld<QtTextMeasurer> {
  std::unique_ptr<TfmGame> form;

  PaintWorld() : GameFolderWorld("bench") {
    std::ofstream map(dir + "/Maps/Level1/Map.ini");
    map << "[Map]\nLBMP=Tag.bmp\nLsize=14\n[Objects]\nbandit=Bandit\n";
    for (int i = 0; i < 8; ++i) {
      map << "[p" << i << "]\nx=" << 20 + 75 * i << "\ny=" << 60 + 40 * (i % 3) << "\nh=64\nside=1\nletter="
          << static_cast<char>('a' + i) << "\n";
    }
    map.close();
    std::ofstream(dir + "/Maps/Level1/Script.ini")
        << "[t]\ncommand=1\nparam1=bandit\nparam2=3000000\n[w]\ncommand=2\nparam1=6000000\nparam2=900000:0:4\n";
    form = std::make_unique<TfmGame>(app, host);
    form->Level().StartLevel("Level1");
    timers.Advance(5000);
    form->Level().SetPaused(true, false);
  }
};

void Repaint(benchmark::State& state, int width, int height) {
  PaintWorld world;
  world.form->SetFullScreen(width != 640);
  world.form->setGeometry(0, 0, width, height);
  if (world.form->size() != QSize(width, height)) state.SkipWithError("the screen did not take the size");
  QImage target(width, height, QImage::Format_RGB32);
  for (auto _ : state) {
    world.form->render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
  if (world.form->Level().Spawner().LiveActors().empty()) state.SkipWithError("no actor on screen");
}

void FullRepaintFullScreen1920x1080(benchmark::State& state) { Repaint(state, 1920, 1080); }
void FullRepaintWindow640x480(benchmark::State& state) { Repaint(state, 640, 480); }
BENCHMARK(FullRepaintFullScreen1920x1080)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(FullRepaintWindow640x480)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  // Offscreen unless told otherwise (a look under a display: QT_QPA_PLATFORM=xcb).
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
