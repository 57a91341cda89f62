#pragma once
// The About box: logo, the title handed in, the program's version and the
// device's firmware and hardware versions, OK and System Info. The caller sets
// sTitle_Frm and sTitle, calls Form_Load and shows it modally.

#include <QDialog>
#include <QString>
#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace dalto {

struct AppContext;

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppContext& context, QWidget* parent = nullptr);

    void Form_Load();

    // The calling panel's name; kept, not shown.
    QString sTitle_Frm;
    // Shown in lblTitle.
    QString sTitle = QStringLiteral("Dalto");

    QLabel* pctLogo;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblFirmware;
    QLabel* lblHardware;
    // The separators under the title and above the buttons.
    std::array<QFrame*, 2> Line1;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

private:
    void cmdSysInfo_Click();

    AppContext& context_;
};

} // namespace dalto
