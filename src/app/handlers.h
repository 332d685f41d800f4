#pragma once
// The main window's event handlers, bound by its form.

void onMainWindowCreated();
void onMainWindowResized();
void extractUrlEntries();
