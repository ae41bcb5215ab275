#include "escbench.h"

#include "eventloopwaiter.h"
#include "portmap.h"
#include "qserialportcomponent.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

namespace orvesc::test {

namespace {
const char *const CheckNames[9] = {"chkBrake", "chkBatt", "chkLVC", "chkLVCAction", "chkSoftStart",
                                   "chkTiming", "chkFrequency", "chkReverse", "chkRPM"};
const char *const ListNames[SettingListCount] = {"cmbBrake", "cmbBatt", "cmbLVC", "cmbLVCAction",
                                                 "cmbSoftStart", "cmbTiming", "cmbFrequency",
                                                 "cmbReverse", "cmbRPM", "cmbACCN"};
} // namespace

EscBench::EscBench()
{
    if (!m_folder.isValid())
        qFatal("no temporary folder");
    m_watch.setInterval(2);
}

EscBench::~EscBench()
{
    m_watch.stop();
    m_form.reset();
    for (auto &esc : m_escs)
        esc->stop();
}

sim::EscSimulator &EscBench::addEsc(int com, int model, std::optional<sim::EscSettings> settings,
                                    const sim::Faults &faults)
{
    sim::SimOptions options;
    options.modelCode = model;
    options.settings = settings;
    options.faults = faults;
    auto esc = std::make_unique<sim::EscSimulator>(options);
    std::string error;
    if (!esc->start(m_folder.path().toStdString(), com, &error))
        qFatal("simulator on com%d: %s", com, error.c_str());
    m_escs.push_back(std::move(esc));
    return *m_escs.back();
}

sim::EscSimulator &EscBench::addSilentPort(int com)
{
    sim::Faults faults;
    faults.silent = true;
    return addEsc(com, 38, std::nullopt, faults);
}

Form1 &EscBench::start()
{
    m_portMap = std::make_unique<PortMap>(m_folder.path(), QStringList());
    m_port = std::make_unique<QSerialPortComponent>(*m_portMap);
    m_waiter = std::make_unique<EventLoopWaiter>();
    m_form = std::make_unique<Form1>(*m_port, *m_portMap, *m_waiter, messages);
    m_form->show();
    return *m_form;
}

QComboBox *EscBench::combo(SettingList which) const
{
    return widget<QComboBox>(ListNames[static_cast<int>(which)]);
}

QCheckBox *EscBench::check(int index) const
{
    return widget<QCheckBox>(CheckNames[index]);
}

QStringList EscBench::listTexts() const
{
    QStringList texts;
    for (const char *name : ListNames)
        texts << widget<QComboBox>(name)->currentText();
    return texts;
}

QStringList EscBench::checkedBoxes() const
{
    QStringList names;
    for (const char *name : CheckNames) {
        if (widget<QCheckBox>(name)->isChecked())
            names << QLatin1String(name);
    }
    return names;
}

void EscBench::click(const char *buttonName)
{
    QTest::mouseClick(widget<QPushButton>(buttonName), Qt::LeftButton);
}

void EscBench::when(const sim::EscSimulator &esc, std::size_t count, std::function<void()> action)
{
    QObject::disconnect(&m_watch, nullptr, nullptr, nullptr);
    QObject::connect(&m_watch, &QTimer::timeout, &m_watch, [this, &esc, count, action] {
        if (esc.receivedBytes().size() < count)
            return;
        m_watch.stop();
        action();
    });
    m_watch.start();
}

QList<int> EscBench::received(const sim::EscSimulator &esc)
{
    QList<int> values;
    for (const sim::ReceivedByte &byte : esc.receivedBytes())
        values << byte.value;
    return values;
}

void EscBench::connectAndClear()
{
    click("Connect");
    for (auto &esc : m_escs)
        esc->clearLog();
    messages = MessageRecorder();
}

} // namespace orvesc::test
