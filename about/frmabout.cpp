#include "frmabout.h"

#include <QLabel>
#include <QPushButton>

namespace orvesc {

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
}

void frmAbout::StartSysInfo() {}

void frmAbout::Form_Load() {}
void frmAbout::cmdOK_Click() { close(); }
void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

} // namespace orvesc
