#include "form1.h"

#include "artwork.h"
#include "diagnostics.h"
#include "lamp.h"
#include "twips.h"
#include "windowtexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace orvesc {

namespace {

const QColor DarkBrown(77, 43, 24);
const QColor LampGreen(0, 192, 0);


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
    {"cmbBrake", "labBrake", QT_TRANSLATE_NOOP("Window", "BRAKE"), "Brake", 1, 1, 1455},
    {"cmbBatt", "labBattery", QT_TRANSLATE_NOOP("Window", "BATTERY"), "Battery", 1, 1, 1095},
    {"cmbLVC", "labLVC", QT_TRANSLATE_NOOP("Window", "CUTOFF V/CELL"), "LVC", 2, 1, 1095},
    {"cmbLVCAction", "labLVCAction", QT_TRANSLATE_NOOP("Window", "AUTOCUT MODE"), "LVC Action", 2, 2, 1875},
    {"cmbSoftStart", "labSoftStart", QT_TRANSLATE_NOOP("Window", "SOFT START"), "Soft Start", 1, 2, 1455},
    {"cmbTiming", "labTiming", QT_TRANSLATE_NOOP("Window", "TIMING MODE"), "Timing", 1, 1, 1455},
    {"cmbFrequency", "labFrequency", QT_TRANSLATE_NOOP("Window", "FREQUENCY"), "Frequency", 1, 2, 1455},
    {"cmbReverse", "labReverse", QT_TRANSLATE_NOOP("Window", "MOTOR REVERSE"), "Reverse", 2, 1, 1455},
    {"cmbRPM", "labRPM", QT_TRANSLATE_NOOP("Window", "RPM CONTROL"), "RPM Control", 2, 2, 1875},
    {"cmbACCN", "labACCN", QT_TRANSLATE_NOOP("Window", "ACCELERATION DELAY"), "Reverse", 1, 1, 1455},
}};

struct CheckLayout
{
    const char *name;
    const char *caption;
    int width; // twips
};

// In the order of NewConfig. Each box reaches the frame's edge, so that no caption is cut.
const std::array<CheckLayout, 9> CheckLayouts{{
    {"chkBrake", QT_TRANSLATE_NOOP("Window", "BRAKE"), 1635},
    {"chkBatt", QT_TRANSLATE_NOOP("Window", "BATTERY"), 1635},
    {"chkLVC", QT_TRANSLATE_NOOP("Window", "CUTOFF"), 1635},
    {"chkLVCAction", QT_TRANSLATE_NOOP("Window", "AUTOCUT"), 1635},
    {"chkSoftStart", QT_TRANSLATE_NOOP("Window", "SOFT START"), 1635},
    {"chkTiming", QT_TRANSLATE_NOOP("Window", "TIMING"), 1635},
    {"chkFrequency", QT_TRANSLATE_NOOP("Window", "FREQUENCY"), 1635},
    {"chkReverse", QT_TRANSLATE_NOOP("Window", "MOTOR"), 1635},
    {"chkRPM", QT_TRANSLATE_NOOP("Window", "RPM CONTROL"), 1635},
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

QGroupBox *makeFrame(QWidget *parent, const char *name, const char *caption, const QRect &twips)
{
    auto *frame = new QGroupBox(parent);
    if (caption)
        setSourceText(frame, caption);
    frame->setObjectName(QLatin1String(name));
    frame->setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    setTextColour(frame, {QPalette::WindowText}, DarkBrown);
    return frame;
}

QPushButton *makeButton(QWidget *parent, const char *name, const char *caption, const QRect &twips)
{
    auto *button = new QPushButton(parent);
    setSourceText(button, caption);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(twipRect(twips.x(), twips.y(), twips.width(), twips.height()));
    button->setAutoDefault(false);
    return button;
}

} // namespace

void Form1::buildControls()
{
    setObjectName(QStringLiteral("Form1"));
    showTitle();
    setWindowIcon(windowIconArt());

    frm_Exit = menuBar()->addAction(QString());
    setSourceText(frm_Exit, QT_TRANSLATE_NOOP("Window", "Exit"));
    frm_Exit->setObjectName(QStringLiteral("frm_Exit"));
    About = menuBar()->addAction(QString());
    setSourceText(About, QT_TRANSLATE_NOOP("Window", "About"));
    About->setObjectName(QStringLiteral("About"));
    connect(frm_Exit, &QAction::triggered, this, &Form1::frm_Exit_Click);
    connect(About, &QAction::triggered, this, &Form1::About_Click);
    buildSettingsMenu();
    mnuSettings->addSeparator();
    m_diagnostics->addTo(mnuSettings);
    mnuSettings->addSeparator();
    buildLanguageMenu();

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(twipsToPixels(6015), twipsToPixels(7080));
    client->setFont(windowFont());
    setCentralWidget(client);
    // Every control sits at a fixed place, so the window keeps the size of its client area.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    cmbCOM = new QComboBox(client);
    cmbCOM->setObjectName(QStringLiteral("cmbCOM"));
    cmbCOM->setProperty("placeholderSource", QByteArray(QT_TRANSLATE_NOOP("Window", "COM Port")));
    cmbCOM->setGeometry(twipRect(240, 240, 975, ListHeight));

    Picture1 = new QLabel(client);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setGeometry(twipRect(3360, 120, 2535, 1335));
    Picture1->setPixmap(bannerPicture());
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Frame5 = makeFrame(client, "Frame5", nullptr, QRect(120, 600, 3135, 855));
    Connect = makeButton(Frame5, "Connect", QT_TRANSLATE_NOOP("Window", "CONNECT"), QRect(120, 240, 1215, 495));
    Program = makeButton(Frame5, "Program", QT_TRANSLATE_NOOP("Window", "PROGRAM"), QRect(1680, 240, 1215, 495));

    Frame1 = makeFrame(client, "Frame1", nullptr, QRect(120, 1440, 3855, 975));
    Frame3 = makeFrame(client, "Frame3", QT_TRANSLATE_NOOP("Window", "ESC"), QRect(4080, 1440, 1815, 975));
    chkDetected = new Lamp(LampGreen, Frame3);
    chkDetected->setObjectName(QStringLiteral("chkDetected"));
    chkDetected->setGeometry(twipRect(120, 240, 255, 255));
    LblDetected = new QLabel(Frame3);
    setSourceText(LblDetected, QT_TRANSLATE_NOOP("Window", "ESC Detected"));
    LblDetected->setObjectName(QStringLiteral("LblDetected"));
    // Grown to the frame's edge so that the caption is whole, not cut after "Detecte".
    LblDetected->setGeometry(twipRect(480, 255, 1290, 255));
    setTextColour(LblDetected, {QPalette::WindowText}, DarkBrown);
    LESCType = new QLabel(QStringLiteral("QUORL R8 W 12S"), Frame3);
    LESCType->setObjectName(QStringLiteral("LESCType"));
    LESCType->setGeometry(twipRect(120, 600, 1575, 255));

    frBattery = makeFrame(client, "frBattery", nullptr, QRect(120, 2520, 3855, 1695));
    Frame4 = makeFrame(client, "Frame4", QT_TRANSLATE_NOOP("Window", "Programming"), QRect(4080, 2520, 1815, 3495));
    Frame2 = makeFrame(client, "Frame2", nullptr, QRect(120, 4320, 3855, 1695));
    frACCN = makeFrame(client, "frACCN", nullptr, QRect(120, 6000, 2415, 975));
    Frame7 = makeFrame(client, "Frame7", nullptr, QRect(2640, 6240, 1335, 735));
    CmdReset = makeButton(Frame7, "CmdReset", QT_TRANSLATE_NOOP("Window", "DEFAULT"), QRect(120, 240, 1095, 375));
    Frame6 = makeFrame(client, "Frame6", nullptr, QRect(4080, 6240, 1815, 735));
    Close = makeButton(Frame6, "Close", QT_TRANSLATE_NOOP("Window", "CLOSE"), QRect(440, 240, 975, 375));

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

        auto *label = new QLabel(frame);
        setSourceText(label, place.caption);
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
        auto *check = new QCheckBox(Frame4);
        setSourceText(check, CheckLayouts[k].caption);
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

    for (int i = 0; i < SettingListCount; ++i) {
        const auto which = static_cast<SettingList>(i);
        m_lists[i]->setExplainer([this, which](const std::string &entry) { return entryExplanation(which, entry); });
    }
    retranslate();
}

} // namespace orvesc
