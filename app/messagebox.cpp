#include "messagebox.h"

#include "orvescversion.h"
#include "translatable.h"

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
    // The setting rules speak English from the catalogue, a line each; a line they did not write
    // is no source text there and comes back as it is.
    QStringList lines = shown.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = QCoreApplication::translate(MessageContext, line.toUtf8().constData());
    return lines.join(QLatin1Char('\n'));
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
