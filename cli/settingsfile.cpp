#include "settingsfile.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace orvesc::cli {

QString readSettingsFile(const QString &path, SettingsFile &file)
{
    Q_UNUSED(file);
    return QStringLiteral("%1: settings files cannot be read yet.").arg(path);
}

QJsonValue settingsDocumentValue(int model, const std::array<std::int16_t, 12> &escConfig)
{
    QJsonArray settings;
    for (const ReportedSetting &row : reportedSettings(model, escConfig)) {
        settings.append(QJsonObject{{QStringLiteral("setting"), row.caption},
                                    {QStringLiteral("entry"), row.entry},
                                    {QStringLiteral("code"), row.code}});
    }
    return QJsonObject{{QStringLiteral("model_code"), model},
                       {QStringLiteral("model"), modelName(model)},
                       {QStringLiteral("settings"), settings}};
}

QByteArray settingsDocument(int model, const std::array<std::int16_t, 12> &escConfig)
{
    return QJsonDocument(settingsDocumentValue(model, escConfig).toObject()).toJson();
}

QString saveSettingsDocument(const QString &path, const QByteArray &document)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(document) != document.size() || !file.commit())
        return QStringLiteral("%1 cannot be written: %2.").arg(path, file.errorString());
    return QString();
}

QString backUpSettings(int model, const std::array<std::int16_t, 12> &escConfig)
{
    Q_UNUSED(model);
    Q_UNUSED(escConfig);
    return QString();
}

std::vector<SettingDifference> compareWithEsc(int model, const std::array<std::int16_t, 10> &newConfig,
                                              const std::array<std::int16_t, 12> &escConfig)
{
    std::vector<SettingDifference> differences;
    for (int k = 0; k < programmedCount(model) && k < 10; ++k) {
        std::size_t element = k < 2 ? std::size_t(k) : std::size_t(k + 1);
        if (k == 2)
            element = newConfig[1] == 32 ? 2 : 3;
        if (k == 9 && !(model >= 182 && model <= 224))
            continue;
        if (newConfig[std::size_t(k)] != escConfig[element]) {
            differences.push_back({QStringLiteral("setting %1").arg(k),
                                   QString::number(newConfig[std::size_t(k)]),
                                   QString::number(escConfig[element])});
        }
    }
    return differences;
}

} // namespace orvesc::cli
