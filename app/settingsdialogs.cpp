#include "settingsdialogs.h"

#include "messagebox.h"
#include "orvescversion.h"
#include "settingsdocument.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTreeView>

namespace orvesc {

namespace {

QString fileFilter()
{
    return QFileDialog::tr("OrvESC settings (*.orvesc.json);;JSON files (*.json);;All files (*)");
}

} // namespace

QtSettingsDialogs::QtSettingsDialogs(QWidget *parent)
    : m_parent(parent)
{
}

QString QtSettingsDialogs::openPath(const QString &caption, const QString &folder, bool newestFirst)
{
    QFileDialog dialog(m_parent, caption, folder, fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (newestFirst) {
        // Only Qt's own dialog lets the program choose the order; a backup's name starts with
        // its place in the write order (older ones with their time, and they sort first), so the
        // reverse order of names is newest first.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setViewMode(QFileDialog::Detail);
        if (auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView")))
            view->sortByColumn(0, Qt::DescendingOrder);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtSettingsDialogs::savePath(const QString &caption, const QString &suggested)
{
    QFileDialog dialog(m_parent, caption, suggested, fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Qt's own dialog adds the suffix before it asks whether to replace a file, so it asks about the
    // file written; a native one may ask about the name as typed and get the suffix afterwards.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDefaultSuffix(QString::fromLatin1(SettingsFileSuffix).mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool QtSettingsDialogs::confirm(const std::string &text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral(ORVESC_APP_NAME),
                    MessageBoxMessenger::displayText(text), QMessageBox::Ok | QMessageBox::Cancel,
                    m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok;
}

} // namespace orvesc
