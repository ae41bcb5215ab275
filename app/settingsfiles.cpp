#include "settingsfiles.h"

#include "cataloguetext.h"
#include "documentfile.h"
#include "settingsapply.h"
#include "settingsdialogs.h"
#include "windowtexts.h"

#include "messenger.h"
#include "settingsview.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <utility>

namespace orvesc {

namespace {

const QString LastFolderKey = QStringLiteral("settingsFiles/lastFolder");

std::string text(const QString &value)
{
    return value.toStdString();
}

// Each line after a line break.
std::string lines(const std::vector<std::string> &items)
{
    std::string joined;
    for (const std::string &item : items)
        joined += "\r" + item;
    return joined;
}

// One line per change, the entries as the lists show them.
std::string changesText(const std::vector<SettingChange> &changes)
{
    QStringList shown;
    for (const SettingChange &change : changes) {
        shown << QStringLiteral("%1: %2 -> %3")
                     .arg(QString::fromStdString(change.caption), displayEntry(change.from), displayEntry(change.to));
    }
    return text(shown.join(QLatin1Char('\r')));
}

} // namespace

std::string SettingsFiles::cannotUse(const QString &path, const QString &reason)
{
    //: %1 is the file, %2 what is wrong with it.
    return text(tr("Cannot use the settings file\r%1\r%2.\rThe lists are unchanged.")
                    .arg(QDir::toNativeSeparators(path), reason));
}

SettingsFiles::SettingsFiles(SettingsView &view, Messenger &messenger, SettingsDialogs &dialogs)
    : m_view(view)
    , m_messenger(messenger)
    , m_dialogs(&dialogs)
{
}

void SettingsFiles::setBackupFolder(const QString &folder)
{
    m_backups = BackupStore(folder);
}

QString SettingsFiles::lastFolder() const
{
    // A remembered folder that has gone, or a Documents folder the user never had, would leave the
    // dialog in the working directory: fall back to the home folder instead.
    for (const QString &folder : {QSettings().value(LastFolderKey).toString(),
                                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

void SettingsFiles::rememberFolder(const QString &path) const
{
    QSettings().setValue(LastFolderKey, QFileInfo(path).absolutePath());
}

void SettingsFiles::open(int escType)
{
    const QString path = m_dialogs->openPath(tr("Open Settings"), lastFolder(), false);
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openFile(path, escType);
}

void SettingsFiles::restoreBackup(int escType)
{
    const QString folder = m_backups.folder();
    if (folder.isEmpty() || QDir(folder).entryList(QDir::Files).isEmpty()) {
        //: CONNECT is the window's button; %1 is a folder.
        m_messenger.beepAndShow(text(tr("There are no backups yet. Each CONNECT that reads an ESC's "
                                        "settings saves them in\r%1")
                                         .arg(QDir::toNativeSeparators(
                                             folder.isEmpty() ? BackupStore::defaultFolder() : folder))));
        return;
    }
    const QString path = m_dialogs->openPath(tr("Restore Backup"), folder, true);
    if (!path.isEmpty())
        openFile(path, escType);
}

void SettingsFiles::openFile(const QString &path, int escType)
{
    const DocumentResult read = readDocumentFile(path);
    if (!read.document) {
        m_messenger.beepAndShow(cannotUse(path, translated(read.reason())));
        return;
    }
    const SettingsDocument &document = *read.document;
    const SettingRequests requests = requestsOf(document);
    const ApplyPlan plan = planApply(m_view, escType, requests);
    if (!plan.refusal.empty()) {
        m_messenger.beepAndShow(cannotUse(path, translated(plan.refusalText)));
        return;
    }
    std::string question;
    if (document.modelCode != escType) {
        //: %1 and %2 are model names.
        question = text(tr("This file holds the settings of a %1, the connected ESC is a %2. "
                           "Settings it does not offer keep their choice.")
                            .arg(QString::fromStdString(modelLabel(document.modelCode)),
                                 QString::fromStdString(modelLabel(escType))))
            + "\r\r";
    }
    // An ignored key may be a typo that leaves a setting other than the user meant.
    if (!read.warnings.empty()) {
        std::string ignored;
        for (const CatalogueText &warning : read.warningTexts)
            ignored += (ignored.empty() ? "" : "; ") + text(translated(warning));
        question += text(tr("Check the file for typos: %1.").arg(QString::fromStdString(ignored))) + "\r\r";
    }
    if (plan.changes.empty()) {
        std::string same = text(tr("The lists already show the settings of this file."));
        if (!plan.notOffered.empty())
            same += "\r" + text(tr("The connected ESC does not offer:")) + lines(plan.notOffered);
        m_messenger.beepAndShow(question + same);
        return;
    }
    question += text(tr("These settings will change:")) + "\r" + changesText(plan.changes) + "\r\r"
        //: PROGRAM is the window's button.
        + text(tr("Press PROGRAM afterwards to write them into the ESC."));
    if (!m_dialogs->confirm(question))
        return;
    applyRequests(m_view, escType, requests);
    if (plan.notOffered.empty())
        return;
    //: %1 is a model name; one setting per line follows.
    m_messenger.beepAndShow(text(tr("These settings of the file are not offered by the connected %1 and keep "
                                    "their choice:")
                                     .arg(QString::fromStdString(modelLabel(escType))))
                            + lines(plan.notOffered));
}

void SettingsFiles::openPendingFile(int escType)
{
    const QString path = std::exchange(m_pendingFile, QString());
    if (path.isEmpty())
        return;
    rememberFolder(path);
    openFile(path, escType);
}

void SettingsFiles::save(int escType)
{
    const DocumentResult built = documentFromView(m_view, escType);
    if (!built.document) {
        m_messenger.beepAndShow(text(tr("Nothing was saved: %1.").arg(translated(built.reason()))));
        return;
    }
    const QString suggested = QDir(lastFolder()).filePath(
        QString::fromStdString(built.document->modelName).trimmed().replace(QLatin1Char(' '),
                                                                            QLatin1Char('-'))
        + QString::fromLatin1(SettingsFileSuffix));
    QString path = m_dialogs->savePath(tr("Save Settings As"), suggested);
    if (path.isEmpty())
        return;
    const QString typed = path;
    path = settingsFileToWrite(typed);
    // The dialog asked about the name without the suffix, if it asked at all.
    if (path != typed && QFileInfo::exists(path)
        && !m_dialogs->confirm(text(tr("The file\r%1\ralready exists. Replace it?").arg(QDir::toNativeSeparators(path)))))
        return;
    rememberFolder(path);
    const QString error = writeDocumentFile(path, *built.document);
    if (!error.isEmpty())
        //: %1 is the file, %2 the reason.
        m_messenger.beepAndShow(text(tr("The settings could not be saved to\r%1\r(%2). Choose another place.")
                                         .arg(QDir::toNativeSeparators(path), error)));
}

} // namespace orvesc
