#include "aboutnotice.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orvesc {

void AboutNotice::show(QWidget *parent, const QString &text)
{
    // NoIcon also keeps the platform from playing the icon's sound.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace orvesc
