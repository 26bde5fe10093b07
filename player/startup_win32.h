#pragma once
// The player's start-up, from host initialisation to the end of its message loop.

// Runs the player and ends the process; `shutdown` is the routine every orderly end runs once.
[[noreturn]] void startPlayer(void (*shutdown)());

// The player's shutdown: the main window goes first, so no replaced window procedure can reach
// the records the clean-up releases; then exitCleanup.
void shutDown();
