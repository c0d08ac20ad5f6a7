#pragma once

// Sends every MsgBox to a real modal Qt message box; needs a QApplication. Once a termination
// signal has arrived, the text goes to standard error instead.
void InstallModalMessageBox();
