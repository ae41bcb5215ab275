#include "messagebox.h"

#include "orvescversion.h"

#include <QApplication>
#include <QMessageBox>

namespace orvesc {

MessageBoxMessenger::MessageBoxMessenger(QWidget *parent)
    : m_parent(parent)
{
}

void MessageBoxMessenger::setParentWidget(QWidget *parent)
{
    m_parent = parent;
}

QString MessageBoxMessenger::displayText(const std::string &text)
{
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void MessageBoxMessenger::beepAndShow(const std::string &text)
{
    QApplication::beep();
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(ORVESC_APP_NAME), displayText(text),
                    QMessageBox::Ok, m_parent);
    // Port descriptions may hold characters that would otherwise be taken for markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace orvesc
