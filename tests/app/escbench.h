#pragma once

#include "eventloopwaiter.h"
#include "form1.h"
#include "lamp.h"
#include "messenger.h"
#include "portmap.h"
#include "systemserialcomponent.h"
#include "simfolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

namespace orvesc::test {

// Stands in for the message boxes: notes each text (one per beep) and answers OK at once.
struct MessageRecorder : Messenger
{
    void beepAndShow(const std::string &text) override { texts << QString::fromStdString(text); }
    QStringList texts;
};

inline const char *const CheckNames[9] = {"chkBrake", "chkBatt", "chkLVC", "chkLVCAction", "chkSoftStart",
                                          "chkTiming", "chkFrequency", "chkReverse", "chkRPM"};
inline const char *const ListNames[SettingListCount] = {"cmbBrake", "cmbBatt", "cmbLVC", "cmbLVCAction",
                                                        "cmbSoftStart", "cmbTiming", "cmbFrequency",
                                                        "cmbReverse", "cmbRPM", "cmbACCN"};
inline const QStringList FactoryLists{"OFF*", "3S Li*", "3.1 V*", "REDUCE POWER*", "ON*",
                                      "AUTO*", "8 kHz*", "OFF*", "OFF*", "Disabled"};
inline const QList<int> Factory38{160, 38, 56, 65, 81, 98, 112, 128, 144};
// Showing the settings counts as changing them, so the programming frame ends disabled.
inline const QString Connected38 = QStringLiteral("lamp detected esc lists program default \"QUORL R5 3S\"");
inline const sim::Faults Silent = faults([](sim::Faults &f) { f.silent = true; });

// A Form1 on the simulated ESCs of sims; the system's port list is empty, so no real device is touched.
class EscBench
{
public:
    Form1 &start()
    {
        form = std::make_unique<Form1>(port, m_portMap, m_waiter, messages);
        form->show();
        return *form;
    }
    // An ESC on COM1 that the window has connected to; its traffic and the messages so far forgotten.
    sim::EscSimulator &connectedEsc(int model = 38, std::optional<sim::EscSettings> settings = {})
    {
        sim::EscSimulator &esc = sims.addEsc(1, model, {}, settings);
        start();
        connectAndClear();
        return esc;
    }

    template <typename T = QWidget>
    T *widget(const char *name) const
    {
        T *found = form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    void trigger(const char *action) const { widget<QAction>(action)->trigger(); }

    QStringList listTexts() const
    {
        QStringList texts;
        for (const char *name : ListNames)
            texts << widget<QComboBox>(name)->currentText();
        return texts;
    }
    QStringList checkedBoxes() const
    {
        QStringList names;
        for (const char *name : CheckNames) {
            if (widget<QCheckBox>(name)->isChecked())
                names << QLatin1String(name);
        }
        return names;
    }
    static QStringList items(const QComboBox *list)
    {
        QStringList texts;
        for (int i = 0; i < list->count(); ++i)
            texts << list->itemText(i);
        return texts;
    }
    // The groups that are on ("lists" when all ten are), then the model name.
    QString state() const
    {
        bool lists = true;
        for (const char *name : ListNames)
            lists = lists && widget(name)->isEnabled();
        const std::pair<const char *, bool> shown[] = {
            {"lamp", widget<Lamp>("chkDetected")->isVisible()}, {"detected", widget("LblDetected")->isEnabled()},
            {"esc", widget("Frame3")->isEnabled()},             {"boxes", widget("Frame4")->isEnabled()},
            {"lists", lists},                                   {"program", widget("Program")->isEnabled()},
            {"default", widget("CmdReset")->isEnabled()},       {"ports", widget("cmbCOM")->isVisible()}};
        QStringList on;
        for (const auto &[name, isOn] : shown) {
            if (isOn)
                on << QLatin1String(name);
        }
        return (on << '"' + widget<QLabel>("LESCType")->text() + '"').join(' ');
    }

    void click(const char *button) { QTest::mouseClick(widget<QPushButton>(button), Qt::LeftButton); }
    static void typeOver(QComboBox *list, const QString &text)
    {
        list->lineEdit()->selectAll();
        QTest::keyClicks(list->lineEdit(), text);
    }
    static void slowDown(sim::EscSimulator &esc, int replyDelayMs)
    {
        esc.setFaults(faults([replyDelayMs](sim::Faults &f) { f.replyDelayMs = replyDelayMs; }));
    }
    // Runs action once, inside the window's wait, when esc has received count bytes since its log was cleared.
    void when(const sim::EscSimulator &esc, std::size_t count, std::function<void()> action)
    {
        m_watch.disconnect();
        QObject::connect(&m_watch, &QTimer::timeout, &m_watch, [this, &esc, count, action] {
            if (esc.receivedBytes().size() >= count) {
                m_watch.stop();
                action();
            }
        });
        m_watch.start(2);
    }
    void connectAndClear()
    {
        click("Connect");
        for (const auto &esc : sims.escs())
            esc->clearLog();
        messages.texts.clear();
    }

    // Members end in reverse order: the window first, then the port, the ESCs last.
    SimFolder sims;
    // What the window's map takes for the system's serial devices (empty: no real device).
    QStringList systemPorts;

private:
    PortMap m_portMap = PortMap::following(sims.path(), [this] { return systemPorts + sims.systemList(); });
    EventLoopWaiter m_waiter;
    QTimer m_watch;

public:
    MessageRecorder messages;
    SystemSerialComponent port{m_portMap};
    std::unique_ptr<Form1> form;
};

} // namespace orvesc::test
