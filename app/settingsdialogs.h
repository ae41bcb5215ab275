#pragma once

#include <QPointer>
#include <QString>

#include <string>

class QWidget;

namespace orvesc {

// The questions the Settings menu asks the user: which file, and OK or Cancel. The window asks
// through Qt's dialogs; tests answer through their own implementation and never block.
class SettingsDialogs
{
public:
    virtual ~SettingsDialogs() = default;
    // The file to open, or an empty text when the user cancelled. `newestFirst`: the folder's
    // names sort in the order they were written (the backups) and are listed in reverse order.
    virtual QString openPath(const QString &caption, const QString &folder, bool newestFirst) = 0;
    // The file to save to, or an empty text when the user cancelled.
    virtual QString savePath(const QString &caption, const QString &suggested) = 0;
    // Shows the text with OK and Cancel; true for OK. Character 13 breaks a line.
    virtual bool confirm(const std::string &text) = 0;
};

// Qt's file dialogs and a box with OK and Cancel, captioned with the application title.
class QtSettingsDialogs : public SettingsDialogs
{
public:
    explicit QtSettingsDialogs(QWidget *parent);

    QString openPath(const QString &caption, const QString &folder, bool newestFirst) override;
    QString savePath(const QString &caption, const QString &suggested) override;
    bool confirm(const std::string &text) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace orvesc
