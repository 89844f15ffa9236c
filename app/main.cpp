// The program's entry: one application object, and the normal exit code for a second instance.
#include <windows.h>

#include "app/main_dlg.h"
#include "app/robot_app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  CRobotApp app(instance, commandLine != nullptr ? commandLine : "");
  if (!app.InitInstance()) return kQuitExitCode;
  return app.Run();
}
