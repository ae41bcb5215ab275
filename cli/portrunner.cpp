#include "portrunner.h"

#include "clilanguage.h"
#include "clioptions.h"
#include "console.h"
#include "exitcodes.h"
#include "interrupts.h"
#include "writereport.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QThread>

#include <algorithm>
#include <memory>
#include <mutex>

namespace orvesc::cli {

namespace {

QString cutShortText(const PortResult &result, bool dryRun)
{
    // The plan's commands are in the result once the programming run may have begun.
    if (!dryRun && result.json.contains(QStringLiteral("commands")))
        return CommandLine::tr("Cut short by Ctrl+C while programming: the ESC may hold part of the new "
                               "settings; run the command again on this port.");
    return CommandLine::tr("Cut short by Ctrl+C.");
}

QString resultLine(const PortResult &result)
{
    const QString name = result.port.number > 0 ? result.port.label : QStringLiteral("orvesc-cli");
    if (result.exitCode == Done)
        return QStringLiteral("%1: %2").arg(name, result.summary);
    //: A port's failed result: %1 the port (or orvesc-cli), %2 the exit code, %3 what went wrong.
    return CommandLine::tr("%1: error %2: %3").arg(name).arg(result.exitCode).arg(result.summary);
}

} // namespace

void PortResult::setSummary(const std::function<QString()> &words)
{
    const Wording wording = bothWordings(words);
    summary = wording.shown;
    message = wording.english;
}

PortRunner::PortRunner(const CliRequest &request, const CliSetup &setup, Console &console)
    : m_request(request), m_setup(setup), m_console(console)
{
}

std::vector<PortResult> PortRunner::runThreads(const PortJob &job, const PortMap &map,
                                               const std::vector<std::vector<int>> &workLists)
{
    const std::size_t count = workLists.size();
    std::vector<PortResult> results(count);
    // The waiters of the sessions under way, for Ctrl+C to cancel from this thread.
    std::mutex mutex;
    bool cancelled = false;
    std::vector<Waiter *> waiters(count, nullptr);
    std::vector<bool> cut(count, false);

    std::vector<std::unique_ptr<QThread>> threads;
    QEventLoop loop;
    std::size_t finished = 0;
    for (std::size_t i = 0; i < count; ++i) {
        threads.emplace_back(QThread::create([&, i] {
            PortSession session(map, m_wrapper);
            {
                const std::lock_guard lock(mutex);
                waiters[i] = &session.waiter();
                if (cancelled)
                    session.waiter().cancel();
            }
            PortResult result = job(session, workLists[i]);
            result.escFound = session.model() != 0;
            {
                const std::lock_guard lock(mutex);
                waiters[i] = nullptr;
                cut[i] = cancelled && result.exitCode != Done;
            }
            // A search over several ports that found nothing speaks for the search, not for a port.
            if (result.port.label.isEmpty())
                result.port = !session.target().label.isEmpty() ? session.target()
                        : workLists[i].size() == 1              ? portTarget(map, workLists[i].front())
                                                                : PortTarget{};
            results[i] = result;
        }));
        QObject::connect(threads.back().get(), &QThread::finished, &loop, [&] {
            if (++finished == count)
                loop.quit();
        });
    }
    const Interrupts interrupts([&](int) {
        const std::lock_guard lock(mutex);
        cancelled = true;
        for (Waiter *waiter : waiters) {
            if (waiter)
                waiter->cancel();
        }
    });
    for (const auto &thread : threads)
        thread->start();
    // The finished signals are queued to this loop, so none is missed before it runs.
    if (count > 0)
        loop.exec();
    for (std::size_t i = 0; i < count; ++i) {
        threads[i]->wait();
        if (cut[i]) {
            results[i].exitCode = Interrupted;
            PortResult &cutResult = results[i];
            cutResult.setSummary([&] { return cutShortText(cutResult, m_request.dryRun); });
        }
    }
    return results;
}

int PortRunner::summarizeAll(const std::vector<PortResult> &results, const PortCandidates &listed)
{
    int answered = 0;
    bool cutShort = false;
    QStringList silent;
    for (const PortResult &result : results) {
        cutShort = cutShort || result.exitCode == Interrupted;
        if (result.noEsc)
            silent << QStringLiteral("%1 (%2)").arg(result.port.label, result.port.device);
        else if (result.escFound)
            ++answered;
    }
    const qsizetype ports = qsizetype(listed.usable.size()) + qsizetype(listed.refused.size());
    const QString silentPorts = silent.join(QStringLiteral(", "));
    // Each case one sentence, so that a language can order its parts.
    QString line;
    int code = Done;
    if (!cutShort && answered == 0) {
        code = listed.refused.empty() ? NoEscFound : PortUnavailable;
        if (ports == 1) {
            line = silent.isEmpty() ? CommandLine::tr("No ESC answered on the one listed port.")
                                    //: %1 names the port where no ESC answered.
                                    : CommandLine::tr("No ESC answered on the one listed port; none on %1.").arg(silentPorts);
        } else {
            //: %1 names the ports where no ESC answered.
            line = silent.isEmpty() ? counted(ports, QT_TRANSLATE_N_NOOP("CommandLine", "No ESC answered on any of the %n listed port."),
                                              QT_TRANSLATE_N_NOOP("CommandLine", "No ESC answered on any of the %n listed ports."))
                                    : counted(ports, QT_TRANSLATE_N_NOOP("CommandLine", "No ESC answered on any of the %n listed port; none on %1."),
                                              QT_TRANSLATE_N_NOOP("CommandLine", "No ESC answered on any of the %n listed ports; none on %1."))
                                              .arg(silentPorts);
        }
    } else if (!cutShort && answered < m_request.expect) {
        code = NoEscFound;
        //: %1 ESCs answered, %2 were expected with --expect; %3 names the ports where none answered.
        line = silent.isEmpty() ? counted(ports, QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed port, %2 expected (--expect %2)."),
                                          QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2)."))
                                          .arg(answered).arg(m_request.expect)
                                : counted(ports, QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed port, %2 expected (--expect %2); none on %3."),
                                          QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed ports, %2 expected (--expect %2); none on %3."))
                                          .arg(answered).arg(m_request.expect).arg(silentPorts);
    } else {
        //: %1 ESCs answered; %2 names the ports where none answered.
        line = silent.isEmpty() ? counted(ports, QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed port."),
                                          QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed ports."))
                                          .arg(answered)
                                : counted(ports, QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed port; none on %2."),
                                          QT_TRANSLATE_N_NOOP("CommandLine", "An ESC answered on %1 of the %n listed ports; none on %2."))
                                          .arg(answered).arg(silentPorts);
    }
    if (!listed.refused.empty())
        //: %1 names each port that could not be opened, with the reason.
        line += QLatin1Char(' ') + CommandLine::tr("Not searched: %1").arg(listed.refusals());
    if (code == NoEscFound && listed.refused.empty())
        line += QLatin1Char(' ') + CommandLine::tr("Check the cable's connector orientation at each ESC and that it is powered.");
    m_console.note(code == Done ? QStringLiteral("orvesc-cli: ") + line
                                : CommandLine::tr("orvesc-cli: error %1: %2").arg(code).arg(line));
    return code;
}

int PortRunner::run(const PortJob &job)
{
    PortMap map = m_setup.portMap();
    std::vector<std::vector<int>> workLists;
    PortCandidates listed;
    if (!m_request.ports.isEmpty()) {
        ResolvedPorts resolved = resolvePorts(m_setup, m_request.ports);
        if (!resolved.error.isEmpty()) {
            m_console.note(QStringLiteral("orvesc-cli: %1").arg(resolved.error));
            return UsageError;
        }
        map = resolved.map;
        for (const PortTarget &target : resolved.targets)
            workLists.push_back({target.number});
        std::sort(workLists.begin(), workLists.end());
    } else {
        listed = portCandidates(map);
        if (!m_request.all)
            workLists.push_back(listed.usable);
        for (std::size_t i = 0; m_request.all && i < listed.usable.size(); ++i)
            workLists.push_back({listed.usable[i]});
        if (workLists.empty() && listed.refused.empty()) {
            m_console.note(QStringLiteral("orvesc-cli: %1")
                                   .arg(CommandLine::tr("no serial port is listed: plug in the PC interface cable.")));
            return NoEscFound;
        }
    }

    std::vector<PortResult> results = runThreads(job, map, workLists);
    int worst = Done;
    QJsonArray array;
    for (PortResult &result : results) {
        // A search that found nothing names the ports it could not open, and why.
        if (!m_request.all && m_request.ports.isEmpty() && result.exitCode == NoEscFound
            && !listed.refused.empty()) {
            result.exitCode = PortUnavailable;
            //: %1 names each port that could not be opened, with the reason.
            const auto words = [&](const QString &found) {
                return listed.usable.empty() ? CommandLine::tr("No listed port can be opened. %1").arg(listed.refusals())
                                             //: %1 says that no ESC answered, %2 names the ports not opened, with the reason.
                                             : CommandLine::tr("%1 Not searched: %2").arg(found, listed.refusals());
            };
            result.summary = words(result.summary);
            const EnglishScope english;
            result.message = words(result.message);
        }
        result.noEsc = m_request.all && result.exitCode == NoEscFound;
        if (result.noEsc)
            continue;
        if (!m_request.json && !result.data.isEmpty())
            m_console.data(result.data);
        m_console.note(resultLine(result));
        worst = std::max(worst, result.exitCode);
        QJsonObject object = result.json;
        object.insert(QStringLiteral("port"), result.port.number > 0 ? QJsonValue(result.port.label)
                                                                     : QJsonValue());
        object.insert(QStringLiteral("device"), result.port.device);
        object.insert(QStringLiteral("exit_code"), result.exitCode);
        object.insert(QStringLiteral("message"), result.message);
        array.append(object);
    }
    if (m_request.all)
        worst = std::max(worst, summarizeAll(results, listed));
    if (m_request.json && m_singleDocument && results.size() == 1) {
        m_console.data(QString::fromUtf8(results.front().document));
    } else if (m_request.json) {
        m_console.data(QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented)));
    }
    return worst;
}

} // namespace orvesc::cli
