#pragma once

#include "escsimulator.h"
#include "form1.h"
#include "messenger.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;

namespace orvesc {

class EventLoopWaiter;
class PortMap;
class QSerialPortComponent;

namespace test {

// Stands in for the message boxes: notes each beep and text and answers OK at once.
class MessageRecorder : public Messenger
{
public:
    void beepAndShow(const std::string &text) override
    {
        ++beeps;
        texts << QString::fromStdString(text);
    }
    int beeps = 0;
    QStringList texts;
};

// A Form1 on simulated ESCs: every COM port is a simulator linked in a folder of the bench's own,
// and the system's port list is empty, so no real device is ever touched.
class EscBench
{
public:
    EscBench();
    ~EscBench();

    // An ESC of the given model answering on COM<com>.
    sim::EscSimulator &addEsc(int com, int model, std::optional<sim::EscSettings> settings = {},
                              const sim::Faults &faults = {});
    // A port with no ESC behind it: it takes every byte and never answers.
    sim::EscSimulator &addSilentPort(int com);

    // Creates the window, which scans the ports as it loads.
    Form1 &start();
    Form1 &form() { return *m_form; }
    QSerialPortComponent &port() { return *m_port; }

    template <typename T>
    T *widget(const char *name) const
    {
        T *found = m_form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control named %s", name);
        return found;
    }
    QComboBox *combo(SettingList which) const;
    QCheckBox *check(int index) const;
    // The texts of the ten setting lists' fields, in list order.
    QStringList listTexts() const;
    QStringList checkedBoxes() const;

    // Presses a button of the window with the mouse.
    void click(const char *buttonName);
    // Runs action once, from inside the window's wait for the ESC, as soon as esc has received
    // count bytes since its log was last cleared.
    void when(const sim::EscSimulator &esc, std::size_t count, std::function<void()> action);

    // What the ESC received, in order.
    static QList<int> received(const sim::EscSimulator &esc);
    // Connects and forgets the traffic and messages of the connect.
    void connectAndClear();

    MessageRecorder messages;

private:
    QTemporaryDir m_folder;
    std::vector<std::unique_ptr<sim::EscSimulator>> m_escs;
    std::unique_ptr<PortMap> m_portMap;
    std::unique_ptr<QSerialPortComponent> m_port;
    std::unique_ptr<EventLoopWaiter> m_waiter;
    std::unique_ptr<Form1> m_form;
    QTimer m_watch;
};

} // namespace test
} // namespace orvesc
