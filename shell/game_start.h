#pragma once
// Starting a game instance: the game page made from a game record (course, hole, players) or a
// saved game's slot record, its hole loaded, faded in from black and running. A hole that cannot be
// loaded, or a slot without a saved game, leads back to the front end with a message.

#include "shell/first_page.h"

namespace velmora {

class Application;

void makeGameCanvas(Application& application, const LaunchChoice& choice);

// The program's page maker: the game for game and slot records, the front end for the others.
void makeFirstPage(Application& application, const LaunchChoice& choice);

} // namespace velmora
