#include "settingsfile.h"

#include "settingsdocument.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace orvesc::cli {

QString readSettingsFile(const QString &path, SettingsFile &file)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1 cannot be read: there is no such file.").arg(path);
    if (info.isDir())
        return QStringLiteral("%1 is a folder, not a settings file.").arg(path);
    QFile input(path);
    if (!input.open(QIODevice::ReadOnly))
        return QStringLiteral("%1 cannot be read: %2.").arg(path, input.errorString());
    // One byte past the limit is enough for the reader to refuse the size.
    const QByteArray bytes = input.read(qint64(SettingsFileSizeLimit) + 1);
    const DocumentResult result = readSettingsDocument(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!result.document) {
        return QStringLiteral("%1: %2. Nothing was sent.")
                .arg(path, QString::fromStdString(result.error));
    }
    file.modelCode = result.document->modelCode;
    file.modelName = QString::fromStdString(result.document->modelName);
    for (const DocumentSetting &setting : result.document->settings)
        file.requests[listOfKey(setting.key)] = SettingRequest{setting.code, QString()};
    return QString();
}

QString settingsDocument(int model, const std::array<std::int16_t, 12> &escConfig, QByteArray &document)
{
    const DocumentResult result = documentFromReport(model, escConfig);
    if (!result.document) {
        return QStringLiteral("the settings cannot be written as a settings document: %1.")
                .arg(QString::fromStdString(result.error));
    }
    document = QByteArray::fromStdString(writeSettingsDocument(*result.document));
    return QString();
}

QString saveSettingsDocument(const QString &path, const QByteArray &document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() || !file.commit())
        return QStringLiteral("%1 cannot be written: %2.").arg(path, file.errorString());
    return QString();
}

} // namespace orvesc::cli
