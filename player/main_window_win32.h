#pragma once
// The player's main window and the handlers of its events and title strip.
#include "host/window.h"

extern host::Window mainWindow;

host::FormSpec mainWindowForm();

void onMainWindowCreated();
void onMainWindowSizeChanged();
void onMaximizeButtonClicked();
void onCloseButtonClicked();
void onMinimizeButtonClicked();
void onReturnLabelPressed();
