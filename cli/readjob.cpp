#include "writejob.h"

#include "cataloguetext.h"
#include "clioptions.h"
#include "escprotocol.h"
#include "exitcodes.h"
#include "documentfile.h"
#include "settingsdocument.h"
#include "writereport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// CONNECT and read as a command's result: the port and model, the settings document or table, or
// the codes the ESC sent where no document can hold them.

namespace orvesc::cli {

namespace {

QString text(const std::string &s)
{
    return QString::fromStdString(s);
}

} // namespace

PortResult connectionResult(const PortSession &session, const EscSession::Connection &found)
{
    PortResult result;
    result.exitCode = exitCode(found.failure);
    if (!found.identified()) {
        result.summary = problemText(found.failure, session.target());
        return result;
    }
    result.port = session.target();
    result.json.insert(QStringLiteral("model_code"), found.model);
    result.json.insert(QStringLiteral("model"), modelText(found.model));
    if (found.failure)
        result.summary = readProblem(found.failure, result.port);
    return result;
}

int connectAndRead(PortSession &session, const std::vector<int> &candidates,
                   std::array<std::int16_t, 12> &reported, PortResult &result)
{
    const EscSession::Connection found = session.connect(candidates);
    result = connectionResult(session, found);
    reported = found.report;
    return result.exitCode;
}

PortResult readJob(JobSetup &setup, PortSession &session, const std::vector<int> &candidates)
{
    PortResult result;
    std::array<std::int16_t, 12> reported{};
    if (connectAndRead(session, candidates, reported, result) != Done)
        return result;
    const int model = session.model();
    result.summary = QStringLiteral("settings of the %1 read").arg(modelText(model));
    const DocumentResult report = documentFromReport(model, reported);
    if (report.document) {
        result.document = QByteArray::fromStdString(writeSettingsDocument(*report.document));
        result.json.insert(QStringLiteral("settings"), QJsonDocument::fromJson(result.document).object());
    }
    if (setup.request->json && !report.document) {
        // Nothing is wrong with the command: what can be shown is shown, the codes as the ESC sent them.
        QJsonArray codes;
        for (const std::int16_t code : reportedCodes(model, reported))
            codes.append(code);
        const QJsonObject raw{{QStringLiteral("model_code"), model}, {QStringLiteral("model"), modelText(model)},
                              {QStringLiteral("codes"), codes}};
        result.json.insert(QStringLiteral("codes"), codes);
        result.document = QJsonDocument(raw).toJson(QJsonDocument::Indented);
        result.summary += QStringLiteral(": no settings document can hold them (%1), so the JSON holds the "
                                         "codes the ESC reported")
                                  .arg(translated(report.reason()));
        return result;
    }
    if (!setup.request->output.isEmpty()) {
        const QString problem = !report.document
                ? QStringLiteral("no settings file can hold these settings: %1.").arg(translated(report.reason()))
                : writeDocumentFile(setup.request->output, *report.document);
        if (!problem.isEmpty()) {
            result.exitCode = UsageError;
            result.summary = QStringLiteral("%1 cannot be written: %2").arg(setup.request->output, problem);
            return result;
        }
        result.summary += QStringLiteral(" and saved in %1").arg(setup.request->output);
        return result;
    }
    if (setup.request->manyPorts())
        result.data = QStringLiteral("%1: %2 (model code %3)\n").arg(result.port.label, modelText(model)).arg(model);
    for (const ReportedSetting &row : reportedSettings(model, reported)) {
        result.data += QStringLiteral("%1  %2  %3  %4\n")
                               .arg(text(row.caption), -18)
                               .arg(row.entry.empty() ? QStringLiteral("-") : text(row.entry), -14)
                               .arg(row.code, 3)
                               .arg(hexByte(row.code));
    }
    return result;
}

} // namespace orvesc::cli
