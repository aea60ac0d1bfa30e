// The game screen's show and hide for the screen tests, which have no game screen: counted only.
#include "app/screen_calls.h"
#include "screen_fixture.h"

int gGameScreenShows = 0;
int gGameScreenHides = 0;

void ShowGameScreen(AppContext&) { ++gGameScreenShows; }
void HideGameScreen(AppContext&) { ++gGameScreenHides; }
