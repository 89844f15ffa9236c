// CKovrintHiddenWnd: the invisible pop-up window present while the main window is created.
#include "app/kovrint_hidden_wnd.h"

bool CKovrintHiddenWnd::Create(HINSTANCE instance) {
  return CreateOfClass(instance, "MorvantaHiddenWnd", WS_POPUP, nullptr);
}
