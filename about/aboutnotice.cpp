#include "aboutnotice.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orvesc {

namespace {
AboutNotice::Hook &hook()
{
    static AboutNotice::Hook current;
    return current;
}
} // namespace

void AboutNotice::show(QWidget *parent, const QString &text)
{
    if (hook()) {
        hook()(text);
        return;
    }
    // NoIcon also keeps the platform from playing the icon's sound.
    QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void AboutNotice::setHook(Hook hook)
{
    ::orvesc::hook() = std::move(hook);
}

} // namespace orvesc
