#pragma once

class QApplication;
class Database;
class SplashScreen;

// Reads Config.ini and connects the data module to the database it names (the data/ folder of
// the application folder when `ds` is blank, created there on the first run). While the
// connection fails the user is asked for the database's folder, which is stored in `ds`; false
// when the user cancels. The splash, if any, shows the progress and hides during the question.
bool DataModuleCreate(Database &dm, SplashScreen *splash);

// The program's entry sequence, after the command line has been handled.
int RunApplication(QApplication &app);
