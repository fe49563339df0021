// The start procedure lives with the windows: all it does is show the login window.
#include "startup/MainMdlMain.h"

#include "startup/frm1Login.h"
#include "platform/Ui.h"

namespace MainMdl {

void Main()
{
    frm1Login login;
    Ui::ShowModal(login);
}

}  // namespace MainMdl
