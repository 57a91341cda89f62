#include "frmLimits.h"

#include "ProgramPictures.h"
#include "core/AppContext.h"
#include "core/LegacyNumbers.h"
#include "protocol/SetPointLimits.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dalto {

namespace {

const QString LimitsTitle = QStringLiteral("Limits");

struct LimitRow {
    const char* name;
    const char* caption;
    const char* what; // as a complaint names it
};

const std::array<LimitRow, SetPointKindCount> Rows = {{
    {"txtVoltage", "Highest voltage (V):", "highest voltage"},
    {"txtCurrent", "Highest current (A):", "highest current"},
    {"txtOVP", "Highest OVP trip level (V):", "highest OVP trip level"},
    {"txtOCP", "Highest OCP trip level (A):", "highest OCP trip level"},
}};

QLineEdit* limitBox(QWidget* parent, const LimitRow& row)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(row.name));
    box->setAccessibleName(QString::fromLatin1(row.caption).chopped(1));
    return box;
}

} // namespace

frmLimits::frmLimits(AppContext& context, QWidget* parent)
    : QDialog(parent)
    , lblNote(new QLabel(QStringLiteral("The highest values any panel or daltoctl may set on this bench.\n"
                                        "Leave a box empty to use the supply's rating."),
                         this))
    , txtVoltage(limitBox(this, Rows[0]))
    , txtCurrent(limitBox(this, Rows[1]))
    , txtOVP(limitBox(this, Rows[2]))
    , txtOCP(limitBox(this, Rows[3]))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , cmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
    , context_(context)
{
    setObjectName(QStringLiteral("frmLimits"));
    setWindowTitle(LimitsTitle);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* form = new QFormLayout;
    for (std::size_t kind = 0; kind < SetPointKindCount; ++kind)
        form->addRow(QString::fromLatin1(Rows[kind].caption), boxes()[kind]);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblNote);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(cmdOK, &QPushButton::clicked, this, &frmLimits::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::array<QLineEdit*, SetPointKindCount> frmLimits::boxes() const
{
    return {txtVoltage, txtCurrent, txtOVP, txtOCP};
}

void frmLimits::Form_Load()
{
    setWindowIcon(programIcon(context_.paths));
    const SharedState& state = context_.state;
    for (std::size_t kind = 0; kind < SetPointKindCount; ++kind) {
        QLineEdit* box = boxes()[kind];
        box->setText(state.Limits.byKind[kind].text);
        const float rating = state.Ratings[std::size_t(UpperRatingIndex(SetPointKind(kind)))];
        box->setPlaceholderText(rating > 0 ? QStringLiteral("rating ") + legacy::format(rating, QString())
                                           : QStringLiteral("no rating read"));
    }
}

void frmLimits::cmdOK_Click()
{
    BenchLimits limits;
    for (std::size_t kind = 0; kind < SetPointKindCount; ++kind) {
        limits.byKind[kind] = ParseBenchLimit(boxes()[kind]->text());
        if (limits.byKind[kind].unreadable()) {
            context_.prompts.message(QStringLiteral("The %1 must be a number of 0 or more, or empty for the "
                                                    "supply's rating.")
                                         .arg(QLatin1String(Rows[kind].what)),
                                     LimitsTitle, PromptButtons::Ok, PromptIcon::Exclamation);
            boxes()[kind]->setFocus();
            boxes()[kind]->selectAll();
            return;
        }
    }
    const QString iniPath = context_.paths.configFile();
    QString error;
    if (!SaveBenchLimits(iniPath, limits, &error)) {
        context_.prompts.message(QStringLiteral("The limits could not be saved to ") + iniPath
                                     + QStringLiteral(": ") + error,
                                 LimitsTitle, PromptButtons::Ok, PromptIcon::Critical);
        return;
    }
    context_.state.Limits = limits;
    saved_ = true;
    accept();
}

bool RunLimitsDialog(AppContext& context, QWidget* parent)
{
    frmLimits limits(context, parent);
    limits.Form_Load();
    limits.exec();
    return limits.saved();
}

} // namespace dalto
