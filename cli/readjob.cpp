#include "writejob.h"

#include "cataloguetext.h"
#include "clilanguage.h"
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
        result.setSummary([&] { return problemText(found.failure, session.target()); });
        return result;
    }
    result.port = session.target();
    result.json.insert(QStringLiteral("model_code"), found.model);
    result.json.insert(QStringLiteral("model"), QString::fromStdString(modelName(found.model)));
    if (found.failure)
        result.setSummary([&] { return readProblem(found.failure, result.port); });
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
        //: %1 is the model's name, %2 why no settings document can hold what it reported.
        result.setSummary([&] {
            return CommandLine::tr("settings of the %1 read: no settings document can hold them (%2), so the JSON "
                                   "holds the codes the ESC reported")
                    .arg(modelText(model), translated(report.reason()));
        });
        return result;
    }
    if (!setup.request->output.isEmpty()) {
        const QString problem = !report.document ? QString() : writeDocumentFile(setup.request->output, *report.document);
        if (!report.document || !problem.isEmpty()) {
            result.exitCode = UsageError;
            //: %1 is the file, %2 why it cannot be written.
            result.setSummary([&] {
                return CommandLine::tr("%1 cannot be written: %2")
                        .arg(setup.request->output,
                             !report.document ? CommandLine::tr("no settings file can hold these settings: %1.")
                                                        .arg(translated(report.reason()))
                                              : problem);
            });
            return result;
        }
        //: %1 is the model's name, %2 the file.
        result.setSummary([&] { return CommandLine::tr("settings of the %1 read and saved in %2").arg(modelText(model), setup.request->output); });
        return result;
    }
    //: %1 is the model's name.
    result.setSummary([&] { return CommandLine::tr("settings of the %1 read").arg(modelText(model)); });
    if (setup.request->manyPorts())
        //: A heading of the settings table: %1 the port, %2 the model's name, %3 its model code.
        result.data = CommandLine::tr("%1: %2 (model code %3)\n").arg(result.port.label, modelText(model)).arg(model);
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
