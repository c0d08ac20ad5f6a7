#pragma once

// Sends every MsgBox to a real modal Qt message box; needs a QApplication.
void InstallModalMessageBox();
