// CKovrintHiddenWnd: an invisible top-level pop-up window of its own class that exists only while
// the main window is being created. Owned by the application object; user-interface thread only.
#pragma once

#include "app/window.h"

class CKovrintHiddenWnd : public Window {
public:
  bool Create(HINSTANCE instance);
};
