#include "frmAbout.h"

#include "ProgramPictures.h"
#include "SystemInfoTool.h"
#include "core/AppContext.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

namespace dalto {

namespace {
// A logo narrower than this many pixels is not worth a place in the box.
constexpr int MinimumLogoWidth = 100;

QLabel* namedLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    // Versions come from the device: shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* separator(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
} // namespace

frmAbout::frmAbout(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , pctLogo(namedLabel(QStringLiteral("pctLogo"), this))
    , lblTitle(namedLabel(QStringLiteral("lblTitle"), this))
    , lblVersion(namedLabel(QStringLiteral("lblVersion"), this))
    , lblFirmware(namedLabel(QStringLiteral("lblFirmware"), this))
    , lblHardware(namedLabel(QStringLiteral("lblHardware"), this))
    , Line1{separator(this), separator(this)}
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , cmdSysInfo(new QPushButton(QStringLiteral("&System Info..."), this))
    , context_(context)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Dalto Panel"));
    lblTitle->setText(sTitle);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    pctLogo->setAccessibleName(QStringLiteral("Logo"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(pctLogo, 0, 0, 5, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(Line1[0], 1, 1);
    grid->addWidget(lblVersion, 2, 1);
    grid->addWidget(lblFirmware, 3, 1);
    grid->addWidget(lblHardware, 4, 1);
    grid->addWidget(Line1[1], 5, 0, 1, 3);
    grid->addWidget(cmdOK, 0, 2);
    grid->addWidget(cmdSysInfo, 6, 2);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load()
{
    const QPixmap logo = programPicture(context_.paths, QStringLiteral("logo.gif"));
    pctLogo->setPixmap(logo);
    setWindowIcon(programIcon(context_.paths));
    pctLogo->setVisible(logo.width() >= MinimumLogoWidth);
    lblVersion->setText(QStringLiteral("Dalto Version %1.%2").arg(DALTO_VERSION_MAJOR).arg(DALTO_VERSION_MINOR));
    lblFirmware->setText(QStringLiteral("Firmware Version ") + context_.state.FirmwareVersion);
    lblHardware->setText(QStringLiteral("Hardware Version ") + context_.state.InterfaceVersion);
    lblTitle->setText(sTitle);
    for (QLabel* label : {lblTitle, lblVersion, lblFirmware, lblHardware})
        label->setAccessibleName(label->text());
}

void frmAbout::cmdSysInfo_Click()
{
    const QString tool = SystemInfoToolPath();
    if (tool.isEmpty() || !QProcess::startDetached(tool, {}))
        context_.prompts.message(QStringLiteral("System Information Is Unavailable At This Time"),
                                 ApplicationTitle);
}

} // namespace dalto
