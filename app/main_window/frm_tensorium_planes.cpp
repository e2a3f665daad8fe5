// The main window's part in the plane set: it opens the plane set window.
#include "app/main_window/frm_tensorium.h"
#include "app/planes/frm_planes.h"

namespace tensorium {

void TFrmTensorium::mnuPlanesClick()
{
    if (!planesWindow_) {
        planesWindow_ = new FrmPlanes(*planeSet_, session_, this);
        planesWindow_->setWindowFlag(Qt::Window);
    }
    planesWindow_->show();
    planesWindow_->raise();
    planesWindow_->activateWindow();
}

}  // namespace tensorium
