#include "documentfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvesc {

DocumentResult readDocumentFile(const QString &path)
{
    const auto failed = [](const QString &error) {
        return DocumentResult{ std::nullopt, error.toStdString(), {} };
    };
    const QFileInfo info(path);
    if (!info.exists())
        //: Why a settings file cannot be used, shown after its name; "it" is the file and a full stop follows.
        return failed(QCoreApplication::translate("Store", "it does not exist"));
    if (info.isDir())
        //: Why a settings file cannot be used, shown after its name; "it" is the file and a full stop follows.
        return failed(QCoreApplication::translate("Store", "it is a folder, not a file"));
    if (static_cast<std::size_t>(info.size()) > SettingsFileSizeLimit)
        //: Why a settings file cannot be used, shown after its name; "it" is the file and a full stop follows.
        //: %1 is its size in bytes.
        return failed(QCoreApplication::translate("Store", "it is larger than 64 KiB (%1 bytes), far too large for "
                                                           "a settings file")
                          .arg(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        //: Why a settings file cannot be used, shown after its name; "it" is the file and a full stop follows.
        //: %1 is the system's reason.
        return failed(QCoreApplication::translate("Store", "it cannot be read (%1)").arg(file.errorString()));
    // A file that grew since the look above is still cut off where the reader refuses it.
    const QByteArray bytes = file.read(static_cast<qint64>(SettingsFileSizeLimit) + 1);
    if (file.error() != QFileDevice::NoError)
        //: Why a settings file cannot be used, shown after its name; "it" is the file and a full stop follows.
        //: %1 is the system's reason.
        return failed(QCoreApplication::translate("Store", "it cannot be read (%1)").arg(file.errorString()));
    return readSettingsDocument(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QString writeDocumentFile(const QString &path, const SettingsDocument &document)
{
    const std::string text = writeSettingsDocument(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
        QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString settingsFileToWrite(const QString &typed)
{
    if (typed.endsWith(QLatin1String(".json"), Qt::CaseInsensitive))
        return typed;
    return typed + QString::fromLatin1(SettingsFileSuffix);
}

QString settingsFileToRead(const QString &typed)
{
    if (QFileInfo::exists(typed))
        return typed;
    const QString suffixed = settingsFileToWrite(typed);
    return QFileInfo::exists(suffixed) ? suffixed : typed;
}

} // namespace orvesc
