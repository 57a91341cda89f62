#include "frmInput.h"

#include "ProgramPictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace dalto {

frmInput::frmInput(const Paths& paths, QWidget* parent)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("Enter Value:"), this))
    , txtValue(new QLineEdit(this))
    , lblRange(new QLabel(this))
    , cmdOK(new QPushButton(QStringLiteral("OK"), this))
    , cmdCancel(new QPushButton(QStringLiteral("Cancel"), this))
    , paths_(paths)
{
    setObjectName(QStringLiteral("frmInput"));
    setWindowTitle(QStringLiteral("Form1"));
    Label1->setObjectName(QStringLiteral("Label1"));
    txtValue->setObjectName(QStringLiteral("txtValue"));
    txtValue->setAccessibleName(Label1->text());
    Label1->setBuddy(txtValue);
    lblRange->setObjectName(QStringLiteral("lblRange"));
    lblRange->hide();
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtValue, 0, 1);
    grid->addWidget(lblRange, 1, 1);
    grid->addWidget(cmdOK, 2, 0);
    grid->addWidget(cmdCancel, 2, 1);

    connect(cmdOK, &QPushButton::clicked, this, [this] {
        sValue = txtValue->text();
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] {
        sValue.clear();
        reject();
    });
}

void frmInput::Form_Load()
{
    setWindowIcon(programIcon(paths_));
    setWindowTitle(sTitle);
    if (sValue.isEmpty())
        sValue = QStringLiteral("0.0");
    txtValue->setText(sValue);
    txtValue->selectAll();
    lblRange->setText(sRange);
    lblRange->setVisible(!sRange.isEmpty());
    txtValue->setAccessibleDescription(sRange);
}

QString InputValue(const Paths& paths, const QString& title, const QString& value, QWidget* parent,
                   const QString& range)
{
    frmInput input(paths, parent);
    input.sTitle = title;
    input.sValue = value;
    input.sRange = range;
    input.Form_Load();
    // Closing the box by its frame is a cancel, like the Cancel button.
    if (input.exec() != QDialog::Accepted)
        input.sValue.clear();
    return input.sValue;
}

} // namespace dalto
