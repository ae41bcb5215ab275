#include "windowtexts.h"

#include "translatable.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QVariant>

namespace orvesc {

namespace {

const char *const SourceProperty = "orvescSourceText";
const char *const ContextProperty = "orvescTextContext";

void showCaption(QObject *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(control))
        action->setText(text);
}

void retranslateOne(QObject *control)
{
    const QVariant source = control->property(SourceProperty);
    if (!source.isValid())
        return;
    const QByteArray context = control->property(ContextProperty).toByteArray();
    showCaption(control, QCoreApplication::translate(context.constData(), source.toByteArray().constData()));
}

} // namespace

void setSourceText(QObject *control, const char *context, const QString &source)
{
    control->setProperty(SourceProperty, source.toUtf8());
    control->setProperty(ContextProperty, QByteArray(context));
    retranslateOne(control);
}

void setSourceText(QObject *control, const char *source)
{
    setSourceText(control, WindowContext, QString::fromUtf8(source));
}

QString sourceText(const QObject *control)
{
    return QString::fromUtf8(control->property(SourceProperty).toByteArray());
}

void retranslateTexts(QObject *root)
{
    retranslateOne(root);
    // Actions are children of the window or of their menus, so one walk finds them too.
    for (QObject *child : root->findChildren<QObject *>())
        retranslateOne(child);
}

QString displayEntry(const std::string &entry)
{
    std::string base = entry;
    const bool starred = !base.empty() && base.back() == '*';
    if (starred)
        base.pop_back();
    // Entries without a translation (numbers, units) come back unchanged.
    QString shown = QCoreApplication::translate(EntryContext, base.c_str());
    if (starred)
        shown += QLatin1Char('*');
    return shown;
}

} // namespace orvesc
