#pragma once

// The panel's process entry: relay a control code to the device service, or run the panel.
// Always returns 0.
int KestrelMain();
