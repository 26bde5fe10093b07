#pragma once
// Removes the updater an update left next to the player.

// Right after an update the updater is still ending and its file cannot be deleted yet: the removal
// is tried again in the background for a few seconds.
void removeLeftoverUpdater();
