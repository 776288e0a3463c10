// The Cabrillo header dialog (dialog template 101), run modally on the calling
// thread when a statistics reset opens an export. The DLL's window side calls
// it for WindowSide::RunHeaderDialog.
//
// On OK the dialog's values are back in `log` and the answer is true; Cancel,
// closing the dialog, or a dialog that cannot be created leaves `log` as it was
// and answers false.
#ifndef STATS_UI_WINDOWS_CABRILLO_DIALOG_H_
#define STATS_UI_WINDOWS_CABRILLO_DIALOG_H_

struct CabrilloLog;

bool RunCabrilloDialog(CabrilloLog& log);

#endif  // STATS_UI_WINDOWS_CABRILLO_DIALOG_H_
