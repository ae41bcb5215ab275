#include "form1.h"

#include "artwork.h"
#include "frmabout.h"
#include "lamp.h"
#include "messagebox.h"
#include "twips.h"

#include "escexchanges.h"
#include "eventloopwaiter.h"
#include "portmap.h"
#include "portscan.h"
#include "qserialportcomponent.h"
#include "serialport.h"
#include "waiter.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <chrono>

namespace orvesc {

namespace {

const QColor DarkBrown(77, 43, 24);
const QColor LampGreen(0, 192, 0);

const char *const ProgrammedMessage = "Quorl ESC programmed";

struct ListLayout
{
    const char *listName;
    const char *labelName;
    const char *caption;
    const char *initialText;
    int row;       // 1 or 2
    int column;    // 1 or 2
    int width;     // twips
};

// In the order of SettingList.
const std::array<ListLayout, SettingListCount> ListLayouts{{
    {"cmbBrake", "labBrake", "BRAKE", "Brake", 1, 1, 1095},
    {"cmbBatt", "labBattery", "BATTERY", "Battery", 1, 1, 1095},
    {"cmbLVC", "labLVC", "CUTOFF V/CELL", "LVC", 2, 1, 1095},
    {"cmbLVCAction", "labLVCAction", "AUTOCUT MODE", "LVC Action", 2, 2, 1815},
    {"cmbSoftStart", "labSoftStart", "SOFT START", "Soft Start", 1, 2, 1455},
    {"cmbTiming", "labTiming", "TIMING MODE", "Timing", 1, 1, 1455},
    {"cmbFrequency", "labFrequency", "FREQUENCY", "Frequency", 1, 2, 1455},
    {"cmbReverse", "labReverse", "MOTOR REVERSE", "Reverse", 2, 1, 1455},
    {"cmbRPM", "labRPM", "RPM CONTROL", "RPM Control", 2, 2, 1455},
    {"cmbACCN", "labACCN", "ACCELERATION DELAY", "Reverse", 1, 1, 1455},
}};

struct CheckLayout
{
    const char *name;
    const char *caption;
    int width; // twips
};

// In the order of NewConfig.
const std::array<CheckLayout, 9> CheckLayouts{{
    {"chkBrake", "BRAKE", 1335},
    {"chkBatt", "BATTERY", 1335},
    {"chkLVC", "CUTOFF", 1335},
    {"chkLVCAction", "AUTOCUT", 1335},
    {"chkSoftStart", "SOFT START", 1335},
    {"chkTiming", "TIMING", 1335},
    {"chkFrequency", "FREQUENCY", 1335},
    {"chkReverse", "MOTOR", 1335},
    {"chkRPM", "RPM CONTROL", 1575},
}};

constexpr int ListHeight = 315;
constexpr int LabelHeight = 255;

// The layout was drawn for MS Sans Serif at 8.25 points. Where it is missing, a face with
// similar widths stands in, and failing those the system's sans face, rather than whatever the
// font matcher would pick.
QFont windowFont()
{
    static const char *const families[] = {"MS Sans Serif", "Microsoft Sans Serif", "Arial",
                                           "Liberation Sans", "Nimbus Sans"};
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (const char *family : families) {
        if (QFontDatabase::hasFamily(QLatin1String(family))) {
            font = QFont(QLatin1String(family));
            break;
        }
    }
    font.setPointSizeF(8.25);
    return font;
}

QFont settingLabelFont()
{
    QFont font = windowFont();
    font.setBold(true);
    return font;
}

// Only the active and inactive groups: a disabled control keeps the toolkit's greyed look.
void setTextColour(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles) {
        palette.setColor(QPalette::Active, role, colour);
        palette.setColor(QPalette::Inactive, role, colour);
    }
    widget->setPalette(palette);
}

QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, const QRect &twips)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setTextColour(frame, {QPalette::WindowText}, DarkBrown);
    return frame;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &twips)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    button->setAutoDefault(false);
    return button;
}

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace

// The machine's own serial ports, waiter and message boxes, for the window the tool shows.
struct Form1::SystemLink
{
    PortMap portMap;
    QSerialPortComponent port{portMap};
    EventLoopWaiter waiter;
    MessageBoxMessenger messenger;
};

// Marks a run that talks to the ESC. While it lives, the window drops the user's presses of the
// three run buttons and changes of the setting lists, and a close waits until it has unwound.
class Form1::RunGuard
{
public:
    explicit RunGuard(Form1 &form)
        : m_form(form)
    {
        m_form.m_busy = true;
        for (QComboBox *combo : m_form.m_combos)
            combo->hidePopup();
        m_form.cmbCOM->hidePopup();
    }
    ~RunGuard()
    {
        m_form.m_busy = false;
        if (m_form.m_closePending) {
            Form1 *form = &m_form;
            QTimer::singleShot(0, form, [form] { form->close(); });
        }
    }
    RunGuard(const RunGuard &) = delete;
    RunGuard &operator=(const RunGuard &) = delete;

private:
    Form1 &m_form;
};

Form1::Form1(QWidget *parent)
    : Form1(std::make_unique<SystemLink>(), parent)
{
}

Form1::Form1(std::unique_ptr<SystemLink> system, QWidget *parent)
    : Form1(system->port, system->portMap, system->waiter, system->messenger, parent)
{
    system->messenger.setParentWidget(this);
    m_system = std::move(system);
}

Form1::Form1(SerialPort &port, const PortMap &portMap, Waiter &waiter, Messenger &messenger,
             QWidget *parent)
    : QMainWindow(parent),
      m_port(port),
      m_portMap(portMap),
      m_waiter(waiter),
      m_messenger(messenger),
      m_exchanges(std::make_unique<EscExchanges>(port, waiter, messenger)),
      m_settings(*this, m_records)
{
    buildControls();
    Form_Load();
}

Form1::~Form1()
{
    delete m_about;
}

void Form1::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Orvantis ESC PC Interface"));
    setWindowIcon(windowIconArt());

    frm_Exit = menuBar()->addAction(tr("Exit"));
    frm_Exit->setObjectName(QStringLiteral("frm_Exit"));
    About = menuBar()->addAction(tr("About"));
    About->setObjectName(QStringLiteral("About"));
    connect(frm_Exit, &QAction::triggered, this, &Form1::frm_Exit_Click);
    connect(About, &QAction::triggered, this, &Form1::About_Click);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(6015), twipsToPixels(7080));
    client->setFont(windowFont());
    setCentralWidget(client);
    // Every control sits at a fixed place, so the window keeps the size of its client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    cmbCOM = new QComboBox(client);
    cmbCOM->setObjectName(QStringLiteral("cmbCOM"));
    cmbCOM->setPlaceholderText(QStringLiteral("COM Port"));
    cmbCOM->setGeometry(twipRect(240, 240, 975, ListHeight));

    Picture1 = new QLabel(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(3360, 120, 2535, 1335));
    Picture1->setPixmap(bannerPicture());
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame5 = makeFrame(client, "Frame5", QString(), QRect(120, 600, 3135, 855));
    Connect = makeButton(Frame5, "Connect", QStringLiteral("CONNECT"), QRect(120, 240, 1215, 495));
    Program = makeButton(Frame5, "Program", QStringLiteral("PROGRAM"), QRect(1680, 240, 1215, 495));

    Frame1 = makeFrame(client, "Frame1", QString(), QRect(120, 1440, 3855, 975));
    Frame3 = makeFrame(client, "Frame3", QStringLiteral("ESC"), QRect(4080, 1440, 1815, 975));
    chkDetected = new Lamp(LampGreen, Frame3);
    chkDetected->setObjectName(QStringLiteral("chkDetected"));
    chkDetected->setGeometry(twipRect(120, 240, 255, 255));
    LblDetected = new QLabel(QStringLiteral("ESC Detected"), Frame3);
    LblDetected->setObjectName(QStringLiteral("LblDetected"));
    LblDetected->setGeometry(twipRect(480, 255, 1095, 255));
    setTextColour(LblDetected, {QPalette::WindowText}, DarkBrown);
    LESCType = new QLabel(QStringLiteral("QUORL R8 W 12S"), Frame3);
    LESCType->setObjectName(QStringLiteral("LESCType"));
    LESCType->setGeometry(twipRect(120, 600, 1575, 255));

    frBattery = makeFrame(client, "frBattery", QString(), QRect(120, 2520, 3855, 1695));
    Frame4 = makeFrame(client, "Frame4", QStringLiteral("Programming"), QRect(4080, 2520, 1815, 3495));
    Frame2 = makeFrame(client, "Frame2", QString(), QRect(120, 4320, 3855, 1695));
    frACCN = makeFrame(client, "frACCN", QString(), QRect(120, 6000, 2415, 975));
    Frame7 = makeFrame(client, "Frame7", QString(), QRect(2640, 6240, 1335, 735));
    CmdReset = makeButton(Frame7, "CmdReset", QStringLiteral("DEFAULT"), QRect(120, 240, 1095, 375));
    Frame6 = makeFrame(client, "Frame6", QString(), QRect(4080, 6240, 1815, 735));
    Close = makeButton(Frame6, "Close", QStringLiteral("CLOSE"), QRect(440, 240, 975, 375));

    // Labels in a frame inherit its brown; theirs is the window's ordinary text colour.
    const QColor normalText = client->palette().color(QPalette::Active, QPalette::WindowText);
    const QFont labelFont = settingLabelFont();
    LESCType->setFont(labelFont);
    setTextColour(LESCType, {QPalette::WindowText}, normalText);
    {
        // The model name stays readable while Frame3 is disabled (an ESC identified whose settings
        // could not be read): only the frame's own controls grey out.
        QPalette palette = LESCType->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, normalText);
        LESCType->setPalette(palette);
    }

    const std::array<QGroupBox *, SettingListCount> listFrames{
        Frame1, frBattery, frBattery, frBattery, Frame1, Frame2, Frame2, Frame2, Frame2, frACCN};
    for (int i = 0; i < SettingListCount; ++i) {
        const ListLayout &place = ListLayouts[i];
        QGroupBox *frame = listFrames[i];
        const int left = place.column == 1 ? 120 : 1920;
        const int labelTop = place.row == 1 ? 240 : 960;
        const int listTop = place.row == 1 ? 480 : 1200;
        const int frameWidth = frame->width() * TwipsPerPixel;
        const int labelWidth = place.column == 1 && frame != frACCN ? 1740 : frameWidth - left - 60;

        auto *label = new QLabel(QString::fromUtf8(place.caption), frame);
        label->setObjectName(QLatin1String(place.labelName));
        label->setGeometry(twipRect(left, labelTop, labelWidth, LabelHeight));
        label->setFont(labelFont);
        setTextColour(label, {QPalette::WindowText}, normalText);
        m_labels[i] = label;

        auto *combo = new QComboBox(frame);
        combo->setObjectName(QLatin1String(place.listName));
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        // Typed text stays as typed: completion would pick an entry the user did not choose.
        combo->setCompleter(nullptr);
        combo->setGeometry(twipRect(left, listTop, place.width, ListHeight));
        combo->setEditText(QString::fromUtf8(place.initialText));
        setTextColour(combo, {QPalette::Text, QPalette::ButtonText}, DarkBrown);
        combo->installEventFilter(this);
        combo->lineEdit()->installEventFilter(this);
        m_combos[i] = combo;
        m_lists[i] = std::make_unique<ComboChoiceList>(combo);
    }
    labFrequency = m_labels[static_cast<int>(SettingList::Frequency)];

    for (int k = 0; k < 9; ++k) {
        auto *check = new QCheckBox(QString::fromUtf8(CheckLayouts[k].caption), Frame4);
        check->setObjectName(QLatin1String(CheckLayouts[k].name));
        check->setGeometry(twipRect(120, 240 + 360 * k, CheckLayouts[k].width, 315));
        setTextColour(check, {QPalette::WindowText}, DarkBrown);
        m_checks[k] = check;
    }

    for (QPushButton *button : {Connect, Program, CmdReset})
        button->installEventFilter(this);
    connect(Connect, &QPushButton::clicked, this, &Form1::Connect_Click);
    connect(Program, &QPushButton::clicked, this, &Form1::Program_Click);
    connect(CmdReset, &QPushButton::clicked, this, &Form1::CmdReset_Click);
    connect(Close, &QPushButton::clicked, this, &Form1::Close_Click);

    auto listAt = [this](SettingList which) -> ComboChoiceList & {
        return *m_lists[static_cast<int>(which)];
    };
    listAt(SettingList::Brake).setClickHandler([this] { cmbBrake_Click(); });
    listAt(SettingList::Batt).setClickHandler([this] { cmbBatt_Click(); });
    listAt(SettingList::LVC).setClickHandler([this] { cmbLVC_Click(); });
    listAt(SettingList::LVCAction).setClickHandler([this] { cmbLVCAction_Click(); });
    listAt(SettingList::SoftStart).setClickHandler([this] { cmbSoftStart_Click(); });
    listAt(SettingList::RPM).setClickHandler([this] { cmbRPM_Click(); });
    listAt(SettingList::Frequency).setChangeHandler([this] { cmbFrequency_Change(); });
    listAt(SettingList::Reverse).setChangeHandler([this] { cmbReverse_Change(); });
    listAt(SettingList::Timing).setChangeHandler([this] { cmbTiming_Change(); });

    auto combo = [this](SettingList which) { return m_combos[static_cast<int>(which)]; };
    const std::vector<QWidget *> tabOrder{
        Connect, Program, combo(SettingList::Brake), combo(SettingList::SoftStart),
        combo(SettingList::Batt), combo(SettingList::LVC), combo(SettingList::LVCAction),
        combo(SettingList::Timing), combo(SettingList::Frequency), combo(SettingList::Reverse),
        combo(SettingList::RPM), CmdReset, Close, cmbCOM,
        m_checks[0], m_checks[1], m_checks[2], m_checks[3], m_checks[4], m_checks[5],
        m_checks[6], m_checks[7], m_checks[8], combo(SettingList::ACCN)};
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
}

void Form1::Form_Load()
{
    clear_Checks();
    lock_Lists();
    chkDetected->hide();
    LblDetected->setEnabled(false);
    Frame3->setEnabled(false);
    Program->setEnabled(false);
    CmdReset->setEnabled(false);
    cmbCOM->hide();
    LESCType->setText(QString());
    scan_COM();
    m_settings.ini_Lists();
}

ChoiceList &Form1::list(SettingList which)
{
    return *m_lists[static_cast<int>(which)];
}

void Form1::setFrequencyCaption(const std::string &caption)
{
    labFrequency->setText(QString::fromStdString(caption));
}

void Form1::setModelName(const std::string &name)
{
    LESCType->setText(QString::fromStdString(name));
}

void Form1::clearChecks()
{
    clear_Checks();
}

Messenger &Form1::messenger()
{
    return m_messenger;
}

QCheckBox *Form1::checkBox(int index) const
{
    return m_checks[index];
}

void Form1::clear_Checks()
{
    for (QCheckBox *check : m_checks)
        check->setChecked(false);
    for (QCheckBox *check : m_checks)
        check->setEnabled(false);
    Frame4->setEnabled(false);
}

void Form1::unlock_Checks()
{
    Frame4->setEnabled(true);
    Frame3->setEnabled(true);
    for (QCheckBox *check : m_checks)
        check->setEnabled(true);
}

void Form1::lock_Lists()
{
    for (QComboBox *combo : m_combos)
        combo->setEnabled(false);
}

void Form1::unlock_Lists()
{
    for (QComboBox *combo : m_combos)
        combo->setEnabled(true);
}

void Form1::scan_COM()
{
    const std::vector<int> found = scanPorts(m_port);
    std::size_t recorded = 0;
    for (int number : found) {
        cmbCOM->addItem(QStringLiteral("COM%1").arg(number));
        const QString tip = m_portMap.toolTip(number);
        if (!tip.isEmpty())
            cmbCOM->setItemData(cmbCOM->count() - 1, tip, Qt::ToolTipRole);
        // Only the first ten ports get a number; a later entry can be listed but never probed.
        if (recorded < ComPorts.size())
            ComPorts[recorded++] = static_cast<std::int16_t>(number);
    }
    if (cmbCOM->count() > 0)
        cmbCOM->setCurrentIndex(0);
}

std::int16_t Form1::Chk_ESC(std::int16_t List)
{
    if (List < 0 || List >= cmbCOM->count())
        return 0;
    cmbCOM->setCurrentIndex(List);
    return identified(m_exchanges->probe(selectedPortNumber()));
}

std::int16_t Form1::ini_COM()
{
    return identified(m_exchanges->identify(selectedPortNumber()));
}

int Form1::selectedPortNumber() const
{
    // Only the first ten entries have a recorded number; 0 makes the exchange fail as "no port".
    const int position = cmbCOM->currentIndex();
    return position >= 0 && position < static_cast<int>(ComPorts.size()) ? ComPorts[position] : 0;
}

std::int16_t Form1::identified(const EscExchanges::Identification &found)
{
    if (found.outcome == EscExchanges::Outcome::NotFound)
        showNotFoundState();
    return found.outcome == EscExchanges::Outcome::Identified ? found.code : std::int16_t{0};
}

void Form1::showNotFoundState()
{
    chkDetected->hide();
    LblDetected->setEnabled(false);
    Frame3->setEnabled(false);
    clear_Checks();
    Frame4->setEnabled(false);
}

bool Form1::runCancelled() const
{
    return m_waiter.cancelled();
}

void Form1::Connect_Click()
{
    if (m_busy)
        return;
    const RunGuard guard(*this);

    const auto entries = static_cast<std::int16_t>(cmbCOM->count());
    std::int16_t i = 0;
    m_records.EscType = 0;
    clear_Checks();
    Program->setEnabled(false);
    CmdReset->setEnabled(false);

    while (i < entries && m_records.EscType == 0) {
        m_records.EscType = Chk_ESC(i);
        ++i;
        if (runCancelled())
            return;
    }
    cmbCOM->setVisible(m_records.EscType <= 0);
    --i;
    cmbCOM->setCurrentIndex(i);

    m_records.EscType = ini_COM();
    if (runCancelled())
        return;
    LESCType->setText(QString());
    if (m_records.EscType <= 0)
        return;

    m_settings.list_Batt();
    m_settings.list_LVC();
    m_settings.list_Freq();
    m_settings.list_RPM();
    m_settings.list_Timing();
    m_settings.list_ACCN();

    if (m_records.EscType >= 182 && m_records.EscType <= 224)
        m_exchanges->read_Config2(m_records.EscConfig);
    else
        m_exchanges->read_Config(m_records.EscConfig);
    if (runCancelled())
        return;

    if (m_records.EscConfig[0] > 0) {
        Frame3->setEnabled(true);
        Frame4->setEnabled(true);
        LblDetected->setEnabled(true);
        chkDetected->show();
        unlock_Lists();
        m_settings.show_Config();
        Program->setEnabled(true);
        CmdReset->setEnabled(true);
    } else {
        chkDetected->hide();
        LblDetected->setEnabled(false);
        Frame3->setEnabled(false);
        clear_Checks();
        lock_Lists();
        Program->setEnabled(false);
        CmdReset->setEnabled(false);
    }
    m_settings.show_Type();
}

void Form1::Program_Click()
{
    if (m_busy)
        return;
    const RunGuard guard(*this);
    programRun();
}

void Form1::CmdReset_Click()
{
    if (m_busy)
        return;
    const RunGuard guard(*this);
    m_settings.show_Type();
    m_settings.show_Config();
    programRun();
}

std::string Form1::listCaption(SettingList which) const
{
    return m_labels[static_cast<int>(which)]->text().toStdString();
}

void Form1::programRun()
{
    clear_Checks();
    unlock_Checks();

    const CollectResult collected = m_settings.get_Config();
    if (!collected.complete()) {
        // A list without a choice would turn into the code of a neighbouring setting.
        QStringList captions;
        for (SettingList which : collected.unselected)
            captions << QString::fromStdString(listCaption(which));
        m_messenger.beepAndShow(
            QStringLiteral("Nothing was sent: no choice is selected for %1.")
                .arg(captions.join(QStringLiteral(", ")))
                .toStdString());
        return;
    }

    try {
        m_port.setPortOpen(true);
        m_port.input();
        m_port.setPortOpen(false);
        m_port.setInputLen(1);
        m_port.setInputMode(1);
    } catch (const SerialError &error) {
        closePortQuietly();
        m_messenger.beepAndShow(error.description().toStdString());
        return;
    }

    // The first command the ESC does not accept ends the run; only a new CONNECT enables the
    // buttons again.
    const auto accepted = [this](std::int16_t code) {
        const std::int16_t reply = m_exchanges->send_Command(code);
        if (runCancelled())
            return false;
        if (reply != 1) {
            Program->setEnabled(false);
            CmdReset->setEnabled(false);
            return false;
        }
        return true;
    };
    const auto &codes = m_records.NewConfig;
    for (int k = 0; k <= 8; ++k) {
        if (!accepted(codes[k]))
            return;
        if (k > 0)
            checkBox(k - 1)->setChecked(false);
        checkBox(k)->setChecked(true);
    }
    if (m_records.EscType > 181 && m_records.EscType < 224 && !accepted(codes[9]))
        return;

    m_waiter.wait([] { return false; }, std::chrono::seconds(1));
    if (runCancelled())
        return;
    clear_Checks();
    m_messenger.beepAndShow(ProgrammedMessage);
}

void Form1::closePortQuietly()
{
    try {
        m_port.setPortOpen(false);
    } catch (const SerialError &) {
        // The line is gone already; there is nothing left to close.
    }
}

void Form1::Close_Click()
{
    close();
}

void Form1::frm_Exit_Click()
{
    // During a run the exchange under way closes the port itself once the close cancels it.
    if (!m_busy && m_port.portOpen())
        closePortQuietly();
    close();
}

void Form1::About_Click()
{
    if (!m_about) {
        // Its own top-level window: the tool ends only when both windows are closed.
        m_about = new frmAbout(nullptr);
        m_about->setObjectName(QStringLiteral("frmAbout"));
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_busy) {
        // The run's handler is still on the stack: end its wait now, close once it has unwound.
        m_closePending = true;
        m_waiter.cancel();
        event->ignore();
        return;
    }
    m_closePending = false;
    closePortQuietly();
    QMainWindow::closeEvent(event);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (m_busy && isUserInput(event->type()))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void Form1::cmbBrake_Click()
{
    m_settings.cmbBrake_Click();
}

void Form1::cmbBatt_Click()
{
    m_settings.cmbBatt_Click();
}

void Form1::cmbLVC_Click()
{
    m_settings.cmbLVC_Click();
}

void Form1::cmbLVCAction_Click()
{
    m_settings.cmbLVCAction_Click();
}

void Form1::cmbSoftStart_Click()
{
    m_settings.cmbSoftStart_Click();
}

void Form1::cmbRPM_Click()
{
    m_settings.cmbRPM_Click();
}

void Form1::cmbFrequency_Change()
{
    m_settings.cmbFrequency_Change();
}

void Form1::cmbReverse_Change()
{
    m_settings.cmbReverse_Change();
}

void Form1::cmbTiming_Change()
{
    m_settings.cmbTiming_Change();
}

} // namespace orvesc
