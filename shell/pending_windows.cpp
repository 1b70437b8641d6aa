// Placeholders until the splash window, the About box and the HPG window arrive.
#include "shell/mdi_form1.h"

namespace torvi::shell {
void MDIForm1::mnuHPG_Click() {}
void MDIForm1::mnuAbout_Click() {}
void MDIForm1::mnuSplash_Click() {}
}  // namespace torvi::shell
