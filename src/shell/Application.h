// The player's start-up: command line, settings, windows and the event loop.
#pragma once

// Runs the player until the user quits; returns the process's exit status.
int runApplication(int argc, char** argv);
