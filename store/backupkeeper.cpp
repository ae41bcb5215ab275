#include "backupkeeper.h"

#include <QDateTime>
#include <QMutexLocker>

namespace orvesc {

BackupKeeper::BackupKeeper(const QString &folder)
    : m_store(folder)
{
}

void BackupKeeper::setFolder(const QString &folder)
{
    const QMutexLocker lock(&m_mutex);
    m_store = BackupStore(folder);
    m_off = false;
}

QString BackupKeeper::folder() const
{
    const QMutexLocker lock(&m_mutex);
    return m_store.folder();
}

BackupOutcome BackupKeeper::keep(int escType, const std::array<std::int16_t, 12> &report)
{
    const QMutexLocker lock(&m_mutex);
    if (m_off || !m_store.isOn())
        return {};
    const DocumentResult document = documentFromReport(escType, report);
    if (!document.document)
        return {};
    BackupOutcome outcome = m_store.save(*document.document, QDateTime::currentDateTimeUtc());
    m_off = !outcome.error.isEmpty();
    return outcome;
}

} // namespace orvesc
